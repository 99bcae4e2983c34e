// The code list "Kódlista" (TForm3): the whole code table.
#include "codes/CodeList.h"
#include "widgets/RightsGate.h"
#include "common/SafeSlot.h"
#include "codes/CodeView.h"
#include "codes/CodeEditor.h"
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "widgets/GuardedWrite.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QStringList kNameOrder{"SELECT * FROM KODOK    ", "         ORDER BY KNEV "};
const QStringList kNameOrderAfterDelete{"SELECT * FROM kodok      ", "         ORDER BY KNEV   "};
const QString kByName = QStringLiteral("Kódlista, \"Megnevezés\" szerint");
}

TForm3::TForm3(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Kódlista"));
    auto *lay = new QVBoxLayout(this);

    Label1 = new QLabel(QStringLiteral("Lista sorrend: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont f = Label1->font();
    f.setBold(true);
    Label1->setFont(f);
    lay->addWidget(Label1);

    DBGrid1 = new SlotGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setToolTip(codeview::kGridHint);
    DBGrid1->bind(dm().ZQ100, codeview::gridColumns());
    lay->addWidget(DBGrid1, 1);

    DBNavigator1 = new NavigatorBar(this, NavigatorBar::Moves);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setSlot(dm().ZQ100);
    auto *navRow = new QHBoxLayout;
    navRow->addWidget(DBNavigator1);
    navRow->addStretch(1);
    lay->addLayout(navRow);

    lay->addWidget(codeview::dataBox(this, dm().ZQ100));

    auto *row = new QHBoxLayout;
    const QStringList captions{"Kiválaszt", "Másolat", "Módosít", "Töröl", "Nyomtatás", "Mégsem"};
    QPushButton **targets[] = {&Button1, &Button2, &Button3, &Button4, &Button5, &Button6};
    row->addStretch(1);
    for (int i = 0; i < 6; ++i) {
        auto *b = new QPushButton(captions[i], this);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setAutoDefault(false);
        b->setMinimumWidth(110);
        row->addWidget(b);
        *targets[i] = b;
    }
    lay->addLayout(row);
    Button5->setEnabled(false);
    rights::follow({Button2, Button3, Button4}, rights::Codes);
    // A click on "Töröl" never deletes: only the key T on the focused button does.
    Button4->installEventFilter(this);

    connect(Button1, &QPushButton::clicked, this, safeslot::wrap([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, safeslot::wrap([this] { Button2Click(); }));
    connect(Button3, &QPushButton::clicked, this, safeslot::wrap([this] { Button3Click(); }));
    connect(Button6, &QPushButton::clicked, this, safeslot::wrap([this] { Button6Click(); }));
    connect(DBGrid1, &SlotGrid::titleClicked, this, safeslot::wrap([this](int i) { DBGrid1TitleClick(i); }));

    // Creation and show: name order, on the remembered code.
    codeview::guarded([this] {
        reloadByName(kNameOrder);
        TQuery *q = dm().ZQ100;
        if (q->currentRow() >= 0) {
            shared::pickerGroup = q->asString("KCSSZAM");
            shared::pickerValue = q->asString("KRNEV");
        }
    });

    const QList<int> widths{60, 250, 90, 70, 150, 160, 70, 64, 50};
    for (int i = 0; i < widths.size(); ++i)
        DBGrid1->horizontalHeader()->resizeSection(i, widths[i]);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    setFixedSize(1040, 620);
    DBGrid1->setFocus();
}

void TForm3::setOrderLabel(const QString &text) { Label1->setText(text); }

void TForm3::reloadByName(const QStringList &lines)
{
    TQuery *q = dm().ZQ100;
    q->load(lines);
    q->open();
    if (!shared::rememberedCode.isEmpty())
        q->locate("KKOD", shared::rememberedCode);
    setOrderLabel(kByName);
}

void TForm3::Button1Click() { accept(); }
void TForm3::Button6Click() { reject(); }

void TForm3::Button2Click()
{
    if (rights::refuse(rights::Codes)) return;
    openEditor(QStringLiteral("Új kód"));
}

void TForm3::Button3Click()
{
    if (rights::refuse(rights::Codes)) return;
    TQuery *q = dm().ZQ100;
    if (q->isOpen() && q->currentRow() >= 0 && q->asString("KKOD") == codeview::kEmptyCode) {
        seams::message(QStringLiteral("Ez a sor nem módositható!"));
        return;
    }
    openEditor(QStringLiteral("Kód módositás"));
}

void TForm3::openEditor(const QString &mode)
{
    shared::codeEditorMode = mode;
    auto *editor = new TForm4(this);
    if (editor->fill(this))
        seams::runModal(editor);
    delete editor;
}

void TForm3::deleteCurrent()
{
    if (rights::refuse(rights::Codes)) return;
    TQuery *q = dm().ZQ100;
    if (!q->isOpen() || q->currentRow() < 0)
        return;
    if (q->asString("KKOD") == codeview::kEmptyCode) {
        seams::message(QStringLiteral("Ez a sor nem törölhető ki!"));
        return;
    }
    const QString id = q->asString("IDK");
    codeview::guarded([&] {
        TQuery *w = dm().ZQ101;
        w->load({"SELECT count(*) AS db FROM kodok  "});
        w->open();
        const qint64 count = w->asInt("db");
        w->close();
        if (count < 2) {
            seams::message(QStringLiteral("Az utolsó sor nem törölhető ki."));
            return;
        }
        // Committed at once: a later rollback elsewhere must not bring it back.
        guarded::Write write(QStringLiteral("Hiba61: kód DELETE törlésekor"));
        if (write.run([&] {
                w->load({"DELETE FROM kodok      ", "  WHERE IDk = :p1 "});
                w->setText("p1", id);
                w->execute();
            }))
            seams::message(QStringLiteral("A kód törlölve!"));
    });
    codeview::guarded([this] { reloadByName(kNameOrderAfterDelete); });
}

void TForm3::DBGrid1TitleClick(int column)
{
    QStringList lines;
    QString label;
    switch (column) {
    case 0: lines = {"SELECT *         ", "  FROM KODOK    ", "  ORDER BY KKOD "};
        label = QStringLiteral("Kódlista, \"Kód\" szerint"); break;
    case 1: lines = {"SELECT *         ", "  FROM KODOK    ", "  ORDER BY KNEV "};
        label = QStringLiteral("Kólista, \"Megnevezés\" szerint"); break;
    case 2: lines = {"SELECT *         ", "  FROM KODOK    ", "  ORDER BY KRNEV "};
        label = QStringLiteral("Kólista, \"Rövidnév\" szerint"); break;
    case 3: lines = {"SELECT *            ", "  FROM KODOK        ", "  ORDER BY KCSSZAM, KSOR  "};
        label = QStringLiteral("Kódlista, \"Csoportszám\" szerint"); break;
    case 4: lines = {"SELECT *         ", "  FROM KODOK    ", "  ORDER BY KCSOPORT, KCSSZAM, KSOR "};
        label = QStringLiteral("Kólista, \"Csoport\" szerint"); break;
    case 8: lines = {"SELECT *        ", "  FROM KODOK    ", "  ORDER BY IDK  "};
        label = QStringLiteral("Kólista, \"ID\" szerint"); break;
    default: return;
    }
    codeview::guarded([&] {
        dm().ZQ100->load(lines);
        dm().ZQ100->open();
        setOrderLabel(label);
    });
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Button4 && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text == QLatin1String("T") || text == QLatin1String("t")) {
            deleteCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm3::closeStep()
{
    TQuery *q = dm().ZQ100;
    if (q->isOpen() && q->currentRow() >= 0) {
        shared::pickerGroup = q->asString("KCSSZAM");
        shared::pickerValue = q->asString("KRNEV");
    }
    codeview::guarded([] {
        codeview::openGroupList(shared::pickerGroup);
        if (!shared::rememberedCode.isEmpty())
            dm().ZQ102->locate("KKOD", shared::rememberedCode);
        if (!shared::pickerValue.isEmpty())
            dm().ZQ102->locate("KRNEV", shared::pickerValue);
    });
}

void TForm3::done(int result)
{
    closeStep();
    QDialog::done(result);
}
