// The code editor "Kódok" (TForm4): one row of the code table.
#include "widgets/ButtonRow.h"
#include "common/SafeSlot.h"
#include "codes/CodeEditor.h"
#include "codes/CodeView.h"
#include "codes/CodeList.h"
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "datastore/RowCodes.h"
#include "widgets/Input.h"
#include "widgets/GuardedWrite.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace {
const QString kNewCode = QStringLiteral("Új kód");
const QString kChangeCode = QStringLiteral("Kód módositás");
const QString kFirstCode = QStringLiteral("10001");   // what the database gives an empty table

QString trimmedRight(const QString &s)
{
    int n = int(s.size());
    while (n > 0 && s.at(n - 1).isSpace()) --n;
    return s.left(n);
}
}

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form4"));
    auto *lay = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    struct Row { const char *label; int maxLen; bool readOnly; const char *hint; };
    const Row rows[] = {
        {"ID", 0, true, ""},
        {"Kód", 5, true, ""},
        {"Megnevezés", 75, false, "A \"Rövidnév\"  szöveges magyarázata"},
        {"Rövidnév (*)", 75, false, "Ez jelenik meg az űrlapon"},
        {"Csoport", 75, false, "Kód melyik csoportba tartozik"},
        {"Alcsoport", 75, false, "Ha van csoporton belüli részletezés"},
        {"Csoport röv. (*)", 20, true, "A program ez alapján szűkiti a listát"},
        {"Csoportszám", 10, false, "A csoport sorszáma"},
        {"Sor", 10, false, "Azonos csoporton belüli rangsor"},
    };
    QLineEdit **edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
    for (int i = 0; i < 9; ++i) {
        auto *label = new QLabel(QString::fromUtf8(rows[i].label), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        if (rows[i].maxLen > 0) edit->setMaxLength(rows[i].maxLen);
        edit->setReadOnly(rows[i].readOnly);
        edit->setToolTip(QString::fromUtf8(rows[i].hint));
        label->setBuddy(edit);
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        *edits[i] = edit;
    }
    Edit1->setFixedWidth(90);
    Edit2->setFixedWidth(90);
    for (QLineEdit *e : {Edit7, Edit8, Edit9}) e->setFixedWidth(140);
    lay->addLayout(grid);

    auto *note = new QLabel(QStringLiteral("(*) kitöltése kötelező"), this);
    note->setObjectName(QStringLiteral("Label10"));
    lay->addWidget(note);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Mégsem"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    lay->addLayout(rightButtonRow({Button1, Button2}));

    connect(Button1, &QPushButton::clicked, this, safeslot::wrap([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, safeslot::wrap([this] { Button2Click(); }));

    // Sor, Rövidnév, Megnevezés, Csoport, Csoport röv., Csoportszám, Alcsoport, OK, Mégsem, ID, Kód
    const QList<QWidget *> order{Edit9, Edit4, Edit3, Edit5, Edit7, Edit8, Edit6, Button1, Button2, Edit1, Edit2};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    input::enterMovesFocus(this);
    setFixedSize(540, sizeHint().height());
    Edit9->setFocus();
    connect(this, &QDialog::finished, this, [this] { m_reserved.release(); });
}

bool TForm4::fill(TForm3 *list)
{
    m_list = list;
    setWindowTitle(shared::codeEditorMode);
    try {
        TQuery *q = dm().ZQ100;
        // An empty code table still lets a first code be made.
        if (q->isOpen() && q->currentRow() >= 0) {
            const char *cols[] = {"IDK", "KKOD", "KNEV", "KRNEV", "KCSOPORT", "KALCSOP", "KCSSZAM", "KCSKOD", "KSOR"};
            QLineEdit *edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9};
            for (int i = 0; i < 9; ++i)
                edits[i]->setText(q->asString(QString::fromLatin1(cols[i])));
            rememberLoaded(*q);
        }
    } catch (const DbError &) {
        seams::message(QStringLiteral("Hiba71 az kódok módosítás Edit-ben való megjelenitésekor!"));
        return false;
    }
    bool codeLeft = true;
    if (shared::codeEditorMode == kNewCode)
        codeview::guarded([this, &codeLeft] { codeLeft = showPredictedCode(); });
    return codeLeft;
}

namespace {
// The columns a change writes, with their fields.
const char *const WrittenColumns[] = {"KNEV", "KRNEV", "KCSOPORT", "KALCSOP", "KCSSZAM", "KCSKOD", "KSOR"};
}

QList<QLineEdit *> TForm4::writtenFields() const { return {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9}; }

void TForm4::rememberLoaded(const TQuery &row)
{
    QStringList columns;
    for (const char *c : WrittenColumns)
        columns << QString::fromLatin1(c);
    m_loaded = rowcheck::capture(row, QStringLiteral("KODOK"), QStringLiteral("IDK"), columns);
    m_loadedTexts.clear();
    for (QLineEdit *e : writtenFields())
        m_loadedTexts << e->text();
}

// The code row as another workstation saved it; what the user changed stays.
void TForm4::takeOverStoredRow()
{
    TQuery *q = dm().ZQ101;
    q->load({"SELECT * FROM kodok      ", "  WHERE IDk = :p0 "});
    q->setText("p0", m_loaded.key);
    q->open();
    if (q->isEmpty())
        return;
    const QList<QLineEdit *> fields = writtenFields();
    const QStringList loaded = m_loadedTexts;
    QStringList typed;
    for (QLineEdit *e : fields)
        typed << e->text();
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(q->asString(QString::fromLatin1(WrittenColumns[i])));
    rememberLoaded(*q);
    for (int i = 0; i < fields.size(); ++i)
        if (typed[i] != loaded.value(i))
            fields[i]->setText(typed[i]);
}

bool TForm4::showPredictedCode()
{
    // Reserved for this workstation until the editor closes.
    if (const auto reserved = reservation::reserve(dm(), QStringLiteral("KKOD"))) {
        m_reserved.set(dm(), QStringLiteral("KKOD"), reserved->code, [this](const QString &now) {
            const QString shown = Edit2->text();
            Edit2->setText(now);
            seams::message(reservation::takenMessage(shown, now));
        });
        // A full table: the editor does not open at all.
        if (!reserved->code.isEmpty() && !rowcodes::available(reserved->code.toLongLong(), QStringLiteral("Kódok")))
            return false;
        Edit2->setText(reserved->code);
        return true;
    }
    TQuery *q = dm().ZQ101;
    q->load({"SELECT  * FROM kodok    ", "          ORDER BY KKOD "});
    q->open();
    if (q->isEmpty()) {
        Edit2->setText(kFirstCode);
        return true;
    }
    q->last();
    const qint64 next = q->asInt("kkod") + 1;
    // A full table: the editor does not open at all.
    if (!rowcodes::available(next, QStringLiteral("Kódok")))
        return false;
    Edit2->setText(QString::number(next));
    return true;
}

bool TForm4::refuseValue(const DbValueError &e, const QList<std::pair<const char *, QLineEdit *>> &params)
{
    for (const auto &[param, edit] : params) {
        if (e.param() != QLatin1String(param))
            continue;
        QString name;
        for (QLabel *label : findChildren<QLabel *>())
            if (label->buddy() == edit)
                name = label->text().remove(QStringLiteral(" (*)"));
        seams::message(e.message(name));
        edit->setFocus();
        edit->selectAll();
        return true;
    }
    return false;
}

void TForm4::Button1Click()
{
    if (trimmedRight(Edit3->text()).isEmpty()) {
        seams::message(QStringLiteral("Nincs megadva a megnevezés!"));
        Edit3->setFocus();
        return;
    }
    const bool isNew = shared::codeEditorMode == kNewCode;
    const QString shortName = Edit4->text().trimmed();
    const QString group = Edit7->text().trimmed();

    // No group may hold one short name twice: any other row with the pair refuses.
    qint64 others = 0;
    std::optional<DbValueError> refused;
    const bool counted = codeview::guarded([&] {
        try {
            TQuery *q = dm().ZQ101;
            QStringList lines{"SELECT count(*) AS db    ", "  FROM kodok  ", "  WHERE (KCSSZAM = :p2) AND (KRNEV = :p1) "};
            if (!isNew) lines << "    AND (IDK <> :p0) ";
            q->load(lines);
            q->setText("p1", shortName);
            q->setText("p2", group);
            if (!isNew) q->setText("p0", Edit1->text());
            q->open();
            others = q->asInt("db");
            q->close();
        } catch (const DbValueError &e) {
            refused = e;
        }
    });
    if (refused) {
        if (!refuseValue(*refused, {{"p1", Edit4}, {"p2", Edit7}}))
            seams::message(refused->text());
        return;
    }
    if (!counted)
        return;
    if (others >= 1) {
        seams::message(QStringLiteral("Már szerepel ilyen kódsor a listában!"));
        Edit4->setFocus();
        return;
    }

    guarded::Write w(isNew ? QStringLiteral("Hiba72: Újban, INSERT  a kódokban ")
                           : QStringLiteral("Hiba73: Módositásban, UPDATE a kódokban "),
                     QStringLiteral("Hiba74: az append vagy edit közben a kódok!"));
    if (!isNew)
        w.checkRow(m_loaded, [this] { takeOverStoredRow(); });
    // Refused before it was written: the editor stays open with the input.
    w.refuseBy([this](const DbValueError &e) {
        return refuseValue(e, {{"p1", Edit3}, {"p2", Edit4}, {"p3", Edit5}, {"p4", Edit6}, {"p5", Edit7},
                               {"p6", Edit8}, {"p7", Edit9}});
    });
    const bool written = w.run([&] {
        TQuery *q = dm().ZQ101;
        if (isNew) {
            q->load({"INSERT INTO kodok ( KNEV, KRNEV, KCSOPORT, KALCSOP, KCSSZAM, KCSKOD, KSOR, KXKOD ) ",
                     "   VALUES         (  :p1,   :p2,      :p3,     :p4,     :p5,    :p6,  :p7,   :p8 ) "});
        } else {
            q->load({"UPDATE kodok          ", "  SET KNEV     = :p1, ", "      KRNEV    = :p2, ",
                     "      KCSOPORT = :p3, ", "      KALCSOP  = :p4, ", "      KCSSZAM  = :p5, ",
                     "      KCSKOD   = :p6, ", "      KSOR     = :p7  ", " WHERE IDk     = :p0  "});
            q->setText("p0", Edit1->text());
        }
        q->setText("p1", Edit3->text());
        q->setText("p2", shortName);
        q->setText("p3", Edit5->text());
        q->setText("p4", Edit6->text());
        q->setText("p5", group);
        q->setText("p6", Edit8->text());
        q->setText("p7", Edit9->text());
        if (isNew) q->setText("p8", QStringLiteral("1"));
        q->execute();
    });
    if (!written)
        return;   // nothing was saved: the editor stays open with the input
    shared::rememberedCode = Edit2->text();
    if (m_list)
        codeview::guarded([this] { m_list->reloadByName({"SELECT * FROM kodok    ", "         ORDER BY knev "}); });
    accept();
}

void TForm4::Button2Click() { reject(); }
