// The grand totals window "Mindösszesen" (TForm25).
#include "queries/GrandTotals.h"
#include "common/SafeSlot.h"
#include "codes/RangePicker.h"
#include "common/Seams.h"
#include "common/Shared.h"
#include "datastore/DataModule.h"
#include "queries/Totals.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm25::TForm25(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form25"));
    setWindowTitle(QStringLiteral("Mindösszesen"));

    auto *group = new QGroupBox(QStringLiteral("Melyik szerint?"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto *groupLayout = new QVBoxLayout(group);
    const char *captions[5] = {"Település", "Fafaj", "Sürgősség", "Gazdálkodó", "Hrsz"};
    for (int i = 0; i < 5; ++i) {
        RadioButton[i] = new QRadioButton(QString::fromUtf8(captions[i]), group);
        RadioButton[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        groupLayout->addWidget(RadioButton[i]);
    }
    RadioButton[0]->setChecked(true);

    CheckBox1 = new QCheckBox(QStringLiteral("Részletes (tételes) lista"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));

    auto makeButton = [this](const QString &caption, const QString &name) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    auto makeEdit = [this](const QString &name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMinimumWidth(220);
        return e;
    };
    Button1 = makeButton(QStringLiteral("Tól"), QStringLiteral("Button1"));
    Button2 = makeButton(QStringLiteral("Ig"), QStringLiteral("Button2"));
    Button3 = makeButton(QStringLiteral("Nyomtatás"), QStringLiteral("Button3"));
    Button3->setToolTip(QStringLiteral("Lekérdezés indítása"));
    Button4 = makeButton(QStringLiteral("Mégsem"), QStringLiteral("Button4"));
    Edit1 = makeEdit(QStringLiteral("Edit1"));
    Edit2 = makeEdit(QStringLiteral("Edit2"));
    // They only receive the second pick value; nothing reads them.
    Edit3 = makeEdit(QStringLiteral("Edit3"));
    Edit4 = makeEdit(QStringLiteral("Edit4"));
    Edit3->hide();
    Edit4->hide();
    Label1 = new QLabel(QStringLiteral("-tól"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("-ig"), this);
    Label2->setObjectName(QStringLiteral("Label2"));

    auto *range = new QGridLayout;
    range->addWidget(Button1, 0, 0);
    range->addWidget(Edit1, 0, 1);
    range->addWidget(Label1, 0, 2);
    range->addWidget(Button2, 1, 0);
    range->addWidget(Edit2, 1, 1);
    range->addWidget(Label2, 1, 2);

    auto *right = new QVBoxLayout;
    right->addWidget(CheckBox1);
    right->addSpacing(12);
    right->addLayout(range);
    right->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(group);
    top->addSpacing(12);
    top->addLayout(right);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button3);
    buttons->addWidget(Button4);

    auto *main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addSpacing(8);
    main->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, safeslot::wrap(this, &TForm25::Button1Click));
    connect(Button2, &QPushButton::clicked, this, safeslot::wrap(this, &TForm25::Button2Click));
    connect(Button3, &QPushButton::clicked, this, safeslot::wrap(this, &TForm25::Button3Click));
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());
}

void TForm25::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    shared::rangeMode.clear();
}

int TForm25::selectedMode() const
{
    for (int i = 0; i < 5; ++i)
        if (RadioButton[i]->isChecked()) return i + 1;
    return 1;
}

void TForm25::pickRange()
{
    shared::rangeMode = QString::number(selectedMode());
    auto *picker = new TForm26(this);
    seams::runModal(picker);
    delete picker;
}

void TForm25::Button1Click()
{
    try {
        pickRange();
    } catch (const std::exception &e) {
        totals::showGeneralError(e);
    }
    // A picked lower bound is the upper one too: "Nyomtatás" then prints one value.
    Edit1->setText(shared::pickValue1);
    Edit2->setText(shared::pickValue1);
    Edit3->setText(shared::pickValue2);
    Edit4->setText(shared::pickValue2);
}

void TForm25::Button2Click()
{
    try {
        pickRange();
    } catch (const std::exception &e) {
        totals::showGeneralError(e);
    }
    Edit2->setText(shared::pickValue1);
    Edit4->setText(shared::pickValue2);
}

void TForm25::Button3Click()
{
    if (!totals::resetGroupMark(QStringLiteral("Hiba251: RSZUR, UPDATE a részletben "),
                                QStringLiteral("Hiba252: az Update közben a részletben!")))
        return;
    const int mode = selectedMode();
    const bool detail = CheckBox1->isChecked();
    // The bounds are compared as text, exactly as typed or picked; an empty
    // "Tól" starts at the first value, an empty "Ig" ends at the last.
    try {
        const totals::RangeBounds bounds = totals::boundsOrEnds(mode, Edit1->text(), Edit2->text());
        TQuery *list = dm().ZQ11;
        list->load(totals::listStatement(mode, detail));
        totals::bindBounds(list, bounds);
        list->open();

        // Where the lines hold every counted row once they give the grand
        // total; else its own statement (species, urgency summaries).
        if (!totals::storeSumsFromLines(list, totals::drivingTable(mode)))
            totals::storeGrandTotal(dm().ZQ12, totals::rangeLine(mode, 0), bounds);

        dm().frVariables.insert(QStringLiteral("v_melyik"), totals::modeCaption(mode));
        dm().frVariables.insert(QStringLiteral("v_tol"), bounds.from + QStringLiteral("-tól"));
        dm().frVariables.insert(QStringLiteral("v_ig"), bounds.to + QStringLiteral("-ig"));
        dm().printReport(totals::templateFor(mode, detail), true);
    } catch (const std::exception &e) {
        totals::showGeneralError(e);
    }
}
