// The raw table administration "Adatok" (TForm17).
#include "exchange/TableAdmin.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "exchange/PasswordDialog.h"
#include "widgets/SlotGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char *const kPages[10] = {"Reszlet", "Allomany", "Termeles", "Erdeszet", "Fahasznalat",
                                "Erdosites", "Egyeb", "Valtozas", "Munkak", "Kodok"};
constexpr int kHiddenTable = 4;   // ERDESZET: only the second code shows it
} // namespace

TForm17::TForm17(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Adatok"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    for (int i = 1; i <= 10; ++i) {
        TTable *t = dm().table(i);
        auto *page = new QWidget(PageControl1);
        page->setObjectName(QStringLiteral("TabSheet%1").arg(i));
        auto *grid = new SlotGrid(page);
        grid->setObjectName(QStringLiteral("DBGrid%1").arg(i));
        auto *bar = new NavigatorBar(page, NavigatorBar::Moves | NavigatorBar::Edits);
        bar->setObjectName(QStringLiteral("DBNavigator%1").arg(i));
        auto *lay = new QVBoxLayout(page);
        lay->addWidget(bar);
        lay->addWidget(grid, 1);
        PageControl1->addTab(page, QString::fromLatin1(kPages[i - 1]));
        m_grids << grid;
        m_bars << bar;

        // The table objects may have been closed by a commit elsewhere.
        t->setReadOnly(true);
        if (!t->isOpen()) {
            try {
                t->open();
            } catch (const DbError &e) {
                seams::message(e.text());
            }
        }
        grid->bind(t);
        bar->setSlot(t);
        connect(t, &TTable::posted, this, [this, t](const QString &key) { rowPosted(t, key); });
        connect(bar, &NavigatorBar::refreshRequested, this, [this, t] { refresh(t); });
        // Deleting asks first and is committed at once, like a posted row.
        QToolButton *del = bar->button(QStringLiteral("nbDelete"));
        disconnect(del, &QToolButton::clicked, bar, nullptr);
        connect(del, &QToolButton::clicked, this, [this, t] { deleteRow(t); });
        if (i == kHiddenTable) {
            grid->hide();
            bar->hide();
        }
    }
    PageControl1->setCurrentIndex(0);

    Button6 = new QPushButton(QStringLiteral("Szerkeszt"), this);
    Button6->setObjectName(QStringLiteral("Button6"));
    Button6->installEventFilter(this);
    Button1 = new QPushButton(QStringLiteral("Mégsem"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button6, &QPushButton::clicked, this, &TForm17::Button6Click);
    connect(Button1, &QPushButton::clicked, this, &TForm17::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button6);
    buttons->addWidget(Button1);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(PageControl1, 1);
    lay->addLayout(buttons);
    setFixedSize(1000, 640);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TForm17::Button6Click()
{
    auto *dlg = new TPasswordDlg(this);
    seams::runModal(dlg);
    m_enteredCode = dlg->text();
    delete dlg;
    if (m_enteredCode == firstCode()) unlock(false);
    else if (m_enteredCode == secondCode()) unlock(true);
    // Any other text, the empty one too, is ignored without a word.
}

bool TForm17::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Button6 && event->type() == QEvent::KeyPress) {
        const QString t = static_cast<QKeyEvent *>(event)->text();
        if (t.size() == 1 && unlockLetters().contains(t, Qt::CaseInsensitive)) {
            unlock(false);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TForm17::reopenAll()
{
    for (TTable *t : dm().allTables()) t->close();
    for (TTable *t : dm().allTables()) t->open();
}

void TForm17::unlock(bool all)
{
    m_enteredCode.clear();
    for (TTable *t : dm().allTables()) t->close();
    for (int i = 1; i <= 10; ++i)
        if (all || i != kHiddenTable) dm().table(i)->setReadOnly(false);
    try {
        for (TTable *t : dm().allTables()) t->open();
    } catch (const DbError &e) {
        seams::message(e.text());
    }
    if (all) {
        grid(kHiddenTable)->show();
        navigator(kHiddenTable)->show();
    }
}

void TForm17::lock()
{
    m_enteredCode.clear();
    for (TTable *t : dm().allTables()) t->cancel();
    for (TTable *t : dm().allTables()) t->close();
    for (TTable *t : dm().allTables()) t->setReadOnly(true);
    try {
        for (TTable *t : dm().allTables()) t->open();
    } catch (const DbError &) {
        // The next window that needs them opens them again.
    }
}

void TForm17::done(int result)
{
    if (!m_locked) {
        m_locked = true;
        lock();
    }
    QDialog::done(result);
}

bool TForm17::commitAndReopen(const std::function<void()> &write, const QString &failPrefix)
{
    try {
        write();
    } catch (const DbError &e) {
        seams::message(failPrefix + e.text());
        try { dm().rollback(); } catch (const DbError &) {}
    }
    try {
        reopenAll();
    } catch (const DbError &e) {
        seams::message(e.text());
        return false;
    }
    return true;
}

void TForm17::rowPosted(TTable *table, const QString &keyText)
{
    // Committed at once: a row the administrator saw saved must not be lost
    // to a rollback of some other window later.
    if (!commitAndReopen([] { dm().commit(); },
                         QStringLiteral("Hiba: a módosítás véglegesítése nem sikerült.\n")))
        return;
    const int key = table->columnIndex(table->keyColumn());
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->textAt(r, key) == keyText) { table->setCurrentRow(r); break; }
}

void TForm17::deleteRow(TTable *table)
{
    if (table->readOnly() || table->isEmpty()) return;
    if (table->state() == TTable::Insert) {
        table->cancel();
        return;
    }
    if (!seams::question(QStringLiteral("Törli a kijelölt sort?"))) return;
    const int row = table->currentRow();
    if (!commitAndReopen([table] {
            table->deleteCurrent();
            dm().commit();
        }, QString()))
        return;
    if (!table->isEmpty()) table->setCurrentRow(qMin(row, table->rowCount() - 1));
}

void TForm17::refresh(TTable *table)
{
    try {
        table->open();
    } catch (const DbError &e) {
        seams::message(e.text());
    }
}
