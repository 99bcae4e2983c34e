// The custom query "Erdörészlet lekérdezés" (TForm23).
#include "queries/CustomQuery.h"
#include "common/SafeSlot.h"
#include "common/ProgramFiles.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "queries/FieldList.h"
#include "queries/Totals.h"
#include "widgets/SlotGrid.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const QString kFieldListFile = QStringLiteral("mezo1.txt");

// The printed list has room for this many ticked columns (six lines of six
// above each line's sums); a tick past it is refused.
constexpr int kMaxTicked = 36;

// v_oszlop1 .. v_oszlop36: the headings of the ticked columns as the field
// list names them; v_egy, v_ketto, v_tobb: which layout the template prints
// (one or two columns beside the sums, or more in lines of their own).
void storeColumnHeadings(const QStringList &columns)
{
    for (int i = 0; i < kMaxTicked; ++i)
        dm().frVariables.insert(QStringLiteral("v_oszlop%1").arg(i + 1), columns.value(i));
    const qsizetype n = columns.size();
    dm().frVariables.insert(QStringLiteral("v_egy"), n == 1 ? QStringLiteral("1") : QString());
    dm().frVariables.insert(QStringLiteral("v_ketto"), n == 2 ? QStringLiteral("1") : QString());
    dm().frVariables.insert(QStringLiteral("v_tobb"), n > 2 ? QStringLiteral("1") : QString());
}

QString tooManyTicked()
{
    return QStringLiteral("Legfeljebb %1 mező pipálható ki: a nyomtatott lista ennyi "
                          "csoportosító oszlopnak ad helyet.").arg(kMaxTicked);
}
} // namespace

DropList::DropList(QWidget *parent) : QListWidget(parent)
{
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // Copy: the drag itself never removes an entry from its list.
    setDefaultDropAction(Qt::CopyAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void DropList::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && onEnter) {
        onEnter();
        return;
    }
    if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && onDelete) {
        onDelete();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void DropList::dragEnterEvent(QDragEnterEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropList::dragMoveEvent(QDragMoveEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DropList::dropEvent(QDropEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (onDrop) onDrop(event->source());
}

TForm23::TForm23(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Erdörészlet lekérdezés"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *page1 = new QWidget;
    page1->setObjectName(QStringLiteral("TabSheet1"));
    auto *page2 = new QWidget;
    page2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(page1, QStringLiteral("Lekérdez"));
    PageControl1->addTab(page2, QStringLiteral("Kód"));

    auto makeLabel = [page1](const QString &text, const QString &name) {
        auto *l = new QLabel(text, page1);
        l->setObjectName(name);
        return l;
    };
    Label1 = makeLabel(QStringLiteral("A \"mezo1.txt\"  fáljból töltödik be ."), QStringLiteral("Label1"));
    Label2 = makeLabel(QStringLiteral("Mező listából áthúzás a \"Sorrend\" oszlopba"), QStringLiteral("Label2"));
    Label3 = makeLabel(QStringLiteral("Mező lista"), QStringLiteral("Label3"));
    Label4 = makeLabel(QStringLiteral("Sorrend  (pipa)"), QStringLiteral("Label4"));

    ListBox1 = new DropList(page1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setToolTip(QStringLiteral("Egér bal billantyűvel áthúzás a \"pipa\" oszlopba"));
    CheckListBox1 = new DropList(page1);
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setToolTip(QStringLiteral("Csoportositási  sorend és a megjelenitett oszlopok "));
    ListBox1->onDrop = [this](QObject *source) { ListBox1DragDrop(source); };
    CheckListBox1->onDrop = [this](QObject *source) { CheckListBox1DragDrop(source); };
    // The same moves from the keyboard: Enter takes the field into the order,
    // Delete gives it back.
    ListBox1->onEnter = [this] { addCurrentField(); };
    CheckListBox1->onDelete = [this] { removeCurrentEntry(); };
    connect(CheckListBox1, &QListWidget::itemChanged, this, safeslot::wrap(this, &TForm23::refuseTickPastLimit));
    ButtonAdd = new QPushButton(QStringLiteral("Sorrendbe >"), page1);
    ButtonAdd->setObjectName(QStringLiteral("ButtonAdd"));
    ButtonAdd->setToolTip(QStringLiteral("A kijelölt mezőt a \"Sorrend\" lista végére teszi (Enter)"));
    ButtonAdd->setAutoDefault(false);
    ButtonRemove = new QPushButton(QStringLiteral("< Vissza"), page1);
    ButtonRemove->setObjectName(QStringLiteral("ButtonRemove"));
    ButtonRemove->setToolTip(QStringLiteral("A \"Sorrend\" kijelölt mezőjét visszateszi a mező listába (Delete)"));
    ButtonRemove->setAutoDefault(false);
    connect(ButtonAdd, &QPushButton::clicked, this, safeslot::wrap(this, &TForm23::addCurrentField));
    connect(ButtonRemove, &QPushButton::clicked, this, safeslot::wrap(this, &TForm23::removeCurrentEntry));
    LabelKeys = makeLabel(QStringLiteral("Billentyűzettel: a mező listában az Enter a \"Sorrend\" végére teszi a "
                                         "mezőt, a \"Sorrend\" listában a Szóköz pipál, a Delete visszateszi."),
                          QStringLiteral("LabelKeys"));
    LabelKeys->setWordWrap(true);

    Button1 = new QPushButton(QStringLiteral("Nyomtatás"), page1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setToolTip(QStringLiteral("Lekérdezés indítása"));
    Button1->setAutoDefault(false);
    Button2 = new QPushButton(QStringLiteral("Mégsem"), page1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);

    DBGrid1 = new SlotGrid(page1);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->bind(dm().ZQ11);
    DBNavigator1 = new NavigatorBar(page1, NavigatorBar::Moves);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setSlot(dm().ZQ11);

    auto *lists = new QGridLayout;
    lists->addWidget(Label1, 0, 0, 1, 3);
    lists->addWidget(Label2, 1, 0, 1, 3);
    lists->addWidget(Label3, 2, 0);
    lists->addWidget(Label4, 2, 2);
    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(ButtonAdd);
    moves->addWidget(ButtonRemove);
    moves->addStretch();
    lists->addWidget(ListBox1, 3, 0);
    lists->addLayout(moves, 3, 1);
    lists->addWidget(CheckListBox1, 3, 2);
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    lists->addLayout(buttons, 3, 3);
    lists->addWidget(LabelKeys, 4, 0, 1, 4);
    lists->setRowStretch(3, 1);

    auto *page1Layout = new QVBoxLayout(page1);
    page1Layout->addLayout(lists, 2);
    page1Layout->addWidget(DBGrid1, 3);
    page1Layout->addWidget(DBNavigator1);

    Memo1 = new QPlainTextEdit(page2);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Ezen lista alapján történik a lekérdezés"));
    auto *page2Layout = new QVBoxLayout(page2);
    page2Layout->addWidget(Memo1);

    auto *main = new QVBoxLayout(this);
    main->addWidget(PageControl1);

    connect(Button1, &QPushButton::clicked, this, safeslot::wrap(this, &TForm23::Button1Click));
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(1000, 640);
}

void TForm23::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Read once per opening: the lists keep their state while the window is open.
    if (m_loaded) return;
    m_loaded = true;
    loadFieldList();
}

void TForm23::loadFieldList()
{
    ListBox1->clear();
    QFile file(programfiles::find(kFieldListFile));
    if (!file.open(QIODevice::ReadOnly)) {
        seams::message(QStringLiteral("A \"mezo1.txt\" fájl nem olvasható!"));
        return;
    }
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    ListBox1->addItems(fieldlist::choosable(lines));
}

void TForm23::CheckListBox1DragDrop(QObject *source)
{
    if (source != ListBox1) return;
    QListWidgetItem *picked = ListBox1->currentItem();
    if (!picked || !picked->isSelected()) return;
    const QString entry = picked->text();
    // Exact text: a second copy of an entry already chosen stays where it is.
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->text() == entry) return;
    auto *item = new QListWidgetItem(entry);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    CheckListBox1->addItem(item);
    delete ListBox1->takeItem(ListBox1->row(picked));
}

void TForm23::ListBox1DragDrop(QObject *source)
{
    if (source != CheckListBox1) return;
    for (int i = CheckListBox1->count() - 1; i >= 0; --i) {
        QListWidgetItem *item = CheckListBox1->item(i);
        if (item->checkState() != Qt::Checked) continue;
        if (!ListBox1->findItems(item->text(), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
            continue;
        ListBox1->addItem(item->text());
        delete CheckListBox1->takeItem(i);
    }
}

void TForm23::addCurrentField()
{
    QListWidgetItem *picked = ListBox1->currentItem();
    if (!picked) return;
    const int row = ListBox1->row(picked);
    picked->setSelected(true);
    CheckListBox1DragDrop(ListBox1);
    // The next field waits under the cursor, so Enter after Enter takes them in turn.
    if (ListBox1->count() > 0) ListBox1->setCurrentRow(qMin(row, ListBox1->count() - 1));
    if (CheckListBox1->count() > 0) CheckListBox1->setCurrentRow(CheckListBox1->count() - 1);
}

void TForm23::removeCurrentEntry()
{
    QListWidgetItem *item = CheckListBox1->currentItem();
    if (!item) return;
    const int row = CheckListBox1->row(item);
    // As a drop does: an entry the field list holds already is not given back twice.
    if (ListBox1->findItems(item->text(), Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        ListBox1->addItem(item->text());
    delete CheckListBox1->takeItem(row);
    if (CheckListBox1->count() > 0) CheckListBox1->setCurrentRow(qMin(row, CheckListBox1->count() - 1));
}

void TForm23::refuseTickPastLimit(QListWidgetItem *item)
{
    if (item->checkState() != Qt::Checked || tickedEntries().size() <= kMaxTicked) return;
    item->setCheckState(Qt::Unchecked);
    seams::message(tooManyTicked());
}

QStringList TForm23::tickedEntries() const
{
    QStringList ticked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->checkState() == Qt::Checked) ticked << CheckListBox1->item(i)->text();
    return ticked;
}

void TForm23::Button1Click()
{
    if (tickedEntries().size() > kMaxTicked) {
        seams::message(tooManyTicked());
        return;
    }
    if (!totals::resetGroupMark(QStringLiteral("Hiba231: RSZUR, UPDATE a részletben "),
                                QStringLiteral("Hiba232: az Update közben a részletben!")))
        return;
    const QStringList columns = tickedEntries();
    Memo1->setPlainText(columns.join(u'\n'));
    try {
        // The grand total covers every compartment, whatever is ticked: the
        // lines give it when each compartment stands on one of them.
        const bool fromLines = totals::compartmentKeyed(columns);
        if (!fromLines) totals::storeGrandTotal(dm().ZQ12, QString());
        TQuery *list = dm().ZQ11;
        list->load(totals::customStatement(columns));
        list->open();
        // The ticked values come as K1, K2, ...: the grid heads them with the entries.
        DBGrid1->slotModel()->setTitles(columns);
        if (fromLines) totals::storeSumsFromLines(list, 'R');
        dm().frVariables.insert(QStringLiteral("v_fej1"), totals::headerText(columns));
        storeColumnHeadings(columns);
        dm().nullMarkedColumns = int(columns.size());
        dm().printReport(QStringLiteral("Erdolekerdez.frf"), true);
        dm().nullMarkedColumns = 0;
    } catch (const std::exception &e) {
        dm().nullMarkedColumns = 0;
        totals::showGeneralError(e);
    }
}
