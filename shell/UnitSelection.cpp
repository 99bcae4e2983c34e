// The forestry-unit selection window (TForm5).
#include "shell/UnitSelection.h"
#include "common/SafeSlot.h"
#include "datastore/DataModule.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// Tells when its list closes, whether a name was chosen or not.
class LookupCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onClosed;
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (onClosed) onClosed();
    }
};
} // namespace

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Kiválasztás"));
    auto *combo = new LookupCombo(this);
    DBLookupComboBox1 = combo;
    combo->setObjectName(QStringLiteral("DBLookupComboBox1"));
    combo->setToolTip(QStringLiteral("Kurzorral léptesse a kiválasztandó átvevőre"));
    combo->setMinimumWidth(360);
    combo->onClosed = [this] { applySelection(); };
    connect(combo, &QComboBox::activated, this, safeslot::wrap([](int index) {
        if (index >= 0) dm().IBTable4->setCurrentRow(index);
    }));
    Button2 = new QPushButton(QStringLiteral("Kiválaszt"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);

    auto *lay = new QVBoxLayout(this);
    lay->addWidget(combo);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(Button2);
    lay->addLayout(row);
    setFixedSize(sizeHint().expandedTo(QSize(400, 100)));
}

TForm5::~TForm5()
{
    // The dialog hides its children while it is destroyed; the list's close
    // must not apply a selection on a window that is half gone.
    static_cast<LookupCombo *>(DBLookupComboBox1)->onClosed = nullptr;
}

void TForm5::fillList()
{
    // Every commit closes the table object; open it here so the list always holds the units.
    TTable *t = dm().IBTable4;
    if (!t->isOpen()) t->open();
    DBLookupComboBox1->clear();
    const int col = t->columnIndex(QStringLiteral("XNEVE"));
    for (int r = 0; r < t->rowCount(); ++r) DBLookupComboBox1->addItem(t->textAt(r, col));
    t->last();
    DBLookupComboBox1->setCurrentIndex(-1);
}

void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fillList();
}

QString TForm5::unitCaption()
{
    TTable *t = dm().IBTable4;
    const QString name = (t->isOpen() && !t->isEmpty()) ? t->asString(QStringLiteral("XNEVE")) : QString();
    return QStringLiteral("Zelkor - ") + name.left(25) + QStringLiteral(" ") + QStringLiteral(" 2011");
}

void TForm5::applySelection()
{
    if (TForm1 *m = mainWindow()) m->setWindowTitle(unitCaption());
}

void TForm5::done(int result)
{
    if (!dm().IBTable4->isOpen()) fillList();   // closed without being shown
    applySelection();
    if (TForm1 *m = mainWindow()) m->enableMenu();
    QDialog::done(result);
}
