// The raw table administration "Adatok" (TForm17).
#include "exchange/TableAdmin.h"
#include "common/SafeSlot.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "exchange/PasswordDialog.h"
#include "widgets/GuardedWrite.h"
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
        connect(t, &TTable::posted, this, [this](const QString &key) { m_postedKey = key; });
        connect(bar, &NavigatorBar::refreshRequested, this, safeslot::wrap([this, t] { refresh(t); }));
        // Posting and deleting are committed at once, through the guarded write.
        const std::pair<const char *, std::function<void()>> writers[] = {
            {"nbPost", [this, t] { postRow(t); }},
            {"nbInsert", [this, t] { if (t->state() == TTable::Browse || postRow(t)) insertRow(t); }},
            {"nbDelete", [this, t] { deleteRow(t); }}};
        for (const auto &[name, action] : writers) {
            QToolButton *b = bar->button(QString::fromLatin1(name));
            disconnect(b, &QToolButton::clicked, bar, nullptr);
            connect(b, &QToolButton::clicked, this, safeslot::wrap(action));
        }
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
    connect(Button6, &QPushButton::clicked, this, safeslot::wrap([this] { Button6Click(); }));
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

bool TForm17::writeAndReopen(const std::function<void()> &write, const QString &failure, TTable *table)
{
    guarded::Write w(failure);
    // Refused before the engine: named by its column, the row stays in editing.
    w.refuseBy([table](const DbValueError &e) {
        seams::message(e.message(table->columnOf(e.param())));
        return true;
    });
    const bool written = w.run(write);
    if (w.outcome() == guarded::Write::Outcome::ValueRefused)
        return false;
    try {
        reopenAll();
    } catch (const DbError &e) {
        seams::message(e.text());
        return false;
    }
    return written;
}

// Committed at once: a row the administrator saw saved must not be lost to a
// rollback of some other window later.
bool TForm17::postRow(TTable *table)
{
    m_postedKey.clear();
    try {
        QStringList columns;
        table->edits(&columns);   // a typed text that does not convert: the row stays in editing
    } catch (const DbError &e) {
        seams::message(e.text());
        return false;
    }
    if (!writeAndReopen([table] { table->post(); }, QStringLiteral("Hiba: a módosítás véglegesítése nem sikerült."),
                        table))
        return false;
    const int key = table->columnIndex(table->keyColumn());
    for (int r = 0; r < table->rowCount(); ++r)
        if (table->textAt(r, key) == m_postedKey) { table->setCurrentRow(r); break; }
    return true;
}

void TForm17::insertRow(TTable *table)
{
    try {
        table->insert();
    } catch (const DbError &e) {
        seams::message(e.text());
    }
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
    if (!writeAndReopen([table] { table->deleteCurrent(); }, QStringLiteral("Hiba: a sor törlése nem sikerült."), table))
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
