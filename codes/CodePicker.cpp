// The code picker "Kódlista " (TForm11): one code group to choose a short name from.
#include "codes/CodePicker.h"
#include "common/SafeSlot.h"
#include "codes/CodeView.h"
#include "codes/CodeList.h"
#include "common/Keyboard.h"
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm11::TForm11(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Kódlista "));
    auto *lay = new QVBoxLayout(this);

    Label1 = new QLabel(QStringLiteral("Lista sorrend: "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    lay->addWidget(Label1);

    DBGrid1 = new SlotGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setToolTip(codeview::kGridHint);
    DBGrid1->bind(dm().ZQ102, codeview::gridColumns());
    DBGrid1->installEventFilter(this);
    keyboard::setHint(DBGrid1, QStringLiteral("A rövidnév első betűit gépelve a sorra ugrik · Enter: átveszi a kódot · "
                                              "Esc: vissza változtatás nélkül"));
    lay->addWidget(DBGrid1, 1);

    DBNavigator1 = new NavigatorBar(this, NavigatorBar::Moves);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setSlot(dm().ZQ102);
    auto *navRow = new QHBoxLayout;
    navRow->addWidget(DBNavigator1);
    navRow->addStretch(1);
    lay->addLayout(navRow);

    lay->addWidget(codeview::dataBox(this, dm().ZQ102));

    auto *buttons = new QHBoxLayout;
    CheckBox1 = new QCheckBox(QStringLiteral("Üres, ne szerepeljen adat."), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = new QPushButton(QStringLiteral("Kiválaszt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Az átemelésre kerülő sor kiválasztása"));
    Button2 = new QPushButton(QStringLiteral("Új kód hozzáadása"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setToolTip(QStringLiteral("A módositás vagy bevitel a kódlistába erről a helyről"));
    for (QPushButton *b : {Button1, Button2}) {
        b->setAutoDefault(false);   // Enter belongs to the grid's row choice
        b->setMinimumWidth(140);
    }
    buttons->addWidget(CheckBox1);
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    lay->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, safeslot::wrap(this, &TForm11::Button1Click));
    connect(Button2, &QPushButton::clicked, this, safeslot::wrap(this, &TForm11::Button2Click));
    connect(DBGrid1, &SlotGrid::rowActivated, this, safeslot::wrap(this, &TForm11::Button1Click));

    codeview::guarded([this] { showStep(); });

    const QList<int> widths{60, 250, 90, 70, 150, 160, 70, 64, 50};
    for (int i = 0; i < widths.size(); ++i)
        DBGrid1->horizontalHeader()->resizeSection(i, widths[i]);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    setFixedSize(1040, 600);
    DBGrid1->setFocus();
}

void TForm11::showStep()
{
    codeview::openGroupList(shared::pickerGroup);
    dm().ZQ102->locate("KRNEV", shared::pickerValue);
    CheckBox1->setChecked(false);
}

void TForm11::Button1Click()
{
    // The empty code replaces the list only for a real choice.
    if (CheckBox1->isChecked() && !codeview::guarded([] { codeview::openEmptyCode(); }))
        return;
    accept();
}

void TForm11::Button2Click()
{
    TQuery *q = dm().ZQ102;
    shared::rememberedCode = (q->isOpen() && q->currentRow() >= 0) ? q->asString("KKOD") : QString();
    shared::pickerValue.clear();
    auto *list = new TForm3(this);
    seams::runModal(list);
    delete list;
    // Back from the code list: list the group of the row it was left on.
    codeview::guarded([this] { showStep(); });
}

bool TForm11::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool typing = !text.isEmpty() && text.at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (typing) {
            // Letters typed in quick succession extend the short name searched.
            if (!m_typedAt.isValid() || m_typedAt.elapsed() > QApplication::keyboardInputInterval())
                m_typed.clear();
            m_typed += text;
            m_typedAt.start();
            codeview::guarded([this] { dm().ZQ102->locate("KRNEV", m_typed); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
