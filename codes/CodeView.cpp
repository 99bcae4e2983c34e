#include "codes/CodeView.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include <QGridLayout>
#include <QLabel>
#include <exception>

namespace codeview {

QList<GridColumn> gridColumns()
{
    return {{"KKOD", "Kód"}, {"KNEV", "Megnevezés"}, {"KRNEV", "Rövidnév"}, {"KCSSZAM", "Csoport"},
            {"KCSOPORT", "Csoport megnevezés"}, {"KALCSOP", "Alcsoport"}, {"KCSKOD", "Csop.kód"},
            {"KSOR", "Sorszám"}, {"IDK", ""}};
}

QGroupBox *dataBox(QWidget *parent, TQuery *slot)
{
    struct Item { const char *label; const char *column; };
    static const Item items[] = {{"ID:", "IDK"},           {"Kód:", "KKOD"},         {"Megnevezés:", "KNEV"},
                                 {"Rövidnév:", "KRNEV"},   {"Száma:", "KSOR"},       {"Csoport:", "KCSOPORT"},
                                 {"Alcsoport:", "KALCSOP"}, {"Csoportkód", "KCSKOD"}, {"Csoportszám:", "KCSSZAM"}};
    auto *box = new QGroupBox(QStringLiteral("Adatok"), parent);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto *lay = new QGridLayout(box);
    QList<QPair<QLabel *, QString>> values;
    int n = 0;
    for (const Item &it : items) {
        auto *caption = new QLabel(QString::fromUtf8(it.label), box);
        caption->setObjectName(QStringLiteral("Label%1").arg(n + 2));
        auto *value = new QLabel(box);
        value->setObjectName(QStringLiteral("DBText%1").arg(n + 1));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(110);
        QFont f = value->font();
        f.setBold(true);
        value->setFont(f);
        const int row = n / 3, col = (n % 3) * 2;
        lay->addWidget(caption, row, col, Qt::AlignRight);
        lay->addWidget(value, row, col + 1);
        values.append({value, QString::fromLatin1(it.column)});
        ++n;
    }
    lay->setColumnStretch(1, 1);
    lay->setColumnStretch(3, 1);
    lay->setColumnStretch(5, 1);
    auto refresh = [slot, values] {
        const bool has = slot->currentRow() >= 0;   // also while the slot is still opening
        for (const auto &v : values) {
            QString text;
            if (has && slot->columnIndex(v.second) >= 0)
                text = slot->asString(v.second);
            v.first->setText(text);
        }
    };
    QObject::connect(slot, &TQuery::currentChanged, box, refresh);
    QObject::connect(slot, &TQuery::reset, box, refresh);
    QObject::connect(slot, &TQuery::rowChanged, box, refresh);
    refresh();
    return box;
}

void openGroupList(const QString &group)
{
    TQuery *q = dm().ZQ102;
    q->close();
    q->load({"SELECT *     ", "  FROM KODOK ", "    WHERE KCSSZAM = :p1 ", "      ORDER BY KSOR     "});
    q->setText("p1", group);
    q->open();
}

void openEmptyCode()
{
    TQuery *q = dm().ZQ102;
    q->close();
    q->load({"SELECT *     ", "  FROM KODOK ", "    WHERE KKOD = :p1 ", "      ORDER BY KSOR     "});
    q->setText("p1", kEmptyCode);
    q->open();
}

bool guarded(const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const DbError &e) {
        seams::message(e.text());
    } catch (const std::exception &e) {
        seams::message(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace codeview
