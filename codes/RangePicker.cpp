// The range-value picker "Kiválaszt" (TForm26) of the grand totals window.
#include "widgets/ButtonRow.h"
#include "common/SafeSlot.h"
#include "codes/RangePicker.h"
#include "codes/CodeView.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "widgets/SlotGrid.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// The picker's columns under the captions the user knows them by.
QList<GridColumn> columnsFor(const QString &mode)
{
    const GridColumn settlement{QStringLiteral("RHELYSEG"), QStringLiteral("Település")};
    const GridColumn name{QStringLiteral("KNEV"), QStringLiteral("Megnevezés")};
    if (mode == QLatin1String("1")) return {settlement};
    if (mode == QLatin1String("2")) return {{QStringLiteral("AFAF"), QStringLiteral("Fafaj")}, name};
    if (mode == QLatin1String("3")) return {{QStringLiteral("TSURG1"), QStringLiteral("Sürgősség (1.)")}, name};
    if (mode == QLatin1String("4")) return {{QStringLiteral("RGAZD"), QStringLiteral("Gazdálkodó")}};
    if (mode == QLatin1String("5")) return {{QStringLiteral("RHRSZ"), QStringLiteral("Hrsz")}, settlement};
    return {};
}
} // namespace

TForm26::TForm26(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form26"));
    setWindowTitle(QStringLiteral("Kiválaszt"));
    auto *lay = new QVBoxLayout(this);
    DBGrid1 = new SlotGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    lay->addWidget(DBGrid1, 1);
    // After the grid, so that the grid goes first when the window is destroyed.
    m_list = new TQuery(&dm(), QStringLiteral("Form26List"), this);

    Button1 = new QPushButton(QStringLiteral("Kiválaszt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Lekérdezés indítása"));
    Button2 = new QPushButton(QStringLiteral("Mégsem"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    lay->addLayout(rightButtonRow({Button1, Button2}));
    connect(Button1, &QPushButton::clicked, this, safeslot::wrap(this, &TForm26::Button1Click));
    connect(Button2, &QPushButton::clicked, this, safeslot::wrap(this, &TForm26::Button2Click));
    connect(DBGrid1, &SlotGrid::rowActivated, this, safeslot::wrap(this, &TForm26::Button1Click));

    // Show step: the grouping column's distinct values.
    const QStringList lines = statementFor(shared::rangeMode);
    if (!lines.isEmpty()) {
        codeview::guarded([&] {
            m_list->load(lines);
            m_list->open();
        });
    }
    DBGrid1->bind(m_list, columnsFor(shared::rangeMode));
    DBGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setFixedSize(520, 480);
    DBGrid1->setFocus();
}

QStringList TForm26::statementFor(const QString &mode)
{
    if (mode == QLatin1String("1"))
        return {"SELECT RHELYSEG FROM RESZLET ", "    GROUP BY RHELYSEG ", "    ORDER BY RHELYSEG "};
    if (mode == QLatin1String("2"))
        return {"SELECT AFAF, KNEV FROM ALLOMANY, KODOK ", "    WHERE ALLOMANY.AFAF = KODOK.KRNEV ",
                "    GROUP BY AFAF, KNEV ", "    ORDER BY AFAF "};
    if (mode == QLatin1String("3"))
        return {"SELECT TSURG1, KNEV FROM TERMELES, KODOK ", "    WHERE TERMELES.TSURG1 = KODOK.KRNEV ",
                "    GROUP BY TSURG1, KNEV ", "    ORDER BY TSURG1 "};
    if (mode == QLatin1String("4"))
        return {"SELECT RGAZD FROM RESZLET ", "    GROUP BY RGAZD ", "    ORDER BY RGAZD "};
    if (mode == QLatin1String("5"))
        return {"SELECT  RHRSZ, RHELYSEG FROM RESZLET ", "    GROUP BY RHRSZ, RHELYSEG ",
                "    ORDER BY RHRSZ, RHELYSEG "};
    return {};
}

void TForm26::Button1Click()
{
    TQuery *q = m_list;
    if (!q->isOpen() || q->currentRow() < 0) {
        // Nothing to choose: the bounds stay as they were.
        reject();
        return;
    }
    const bool ok = codeview::guarded([&] {
        const QString mode = shared::rangeMode;
        const QString first = q->asString(q->column(0).name);
        const QString second = (mode == QLatin1String("1") || mode == QLatin1String("4"))
            ? QString() : q->asString(q->column(1).name);
        shared::pickValue1 = first;
        shared::pickValue2 = second;
    });
    if (ok)
        accept();
}

void TForm26::Button2Click() { reject(); }
