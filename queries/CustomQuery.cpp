// The custom query "Erdörészlet lekérdezés" (TForm23).
#include "queries/CustomQuery.h"
#include "common/ProgramFiles.h"
#include "common/Seams.h"
#include "datastore/DataModule.h"
#include "queries/FieldList.h"
#include "queries/Totals.h"
#include "widgets/SlotGrid.h"

#include <QDragEnterEvent>
#include <QDropEvent>
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

// What the printed list heads the sums with, in the order of the sum list.
const QStringList &sumCaptions()
{
    static const QStringList captions{
        QStringLiteral("Aranykorona (AK)"), QStringLiteral("Részlet területe (ha)"),
        QStringLiteral("Alsó szint területe (ha)"), QStringLiteral("Eddigi véghasználat területe (ha)"),
        QStringLiteral("Felújítási szint területe (ha)"), QStringLiteral("Kötelezettség területe (ha)"),
        QStringLiteral("Elegyarány (%)"), QStringLiteral("Kor (év)"), QStringLiteral("Törzsszám (db/ha)"),
        QStringLiteral("Fakészlet (m³/ha)"), QStringLiteral("Fakészlet részletben (m³)"),
        QStringLiteral("Folyó növedék (m³/ha/év)"), QStringLiteral("1. érintett terület (ha)"),
        QStringLiteral("1. fatömeg évente (m³/év)"), QStringLiteral("1. fatömeg részletben (m³)"),
        QStringLiteral("2. érintett terület (ha)"), QStringLiteral("2. fatömeg évente (m³/év)"),
        QStringLiteral("2. fatömeg részletben (m³)"), QStringLiteral("3. érintett terület (ha)"),
        QStringLiteral("3. fatömeg évente (m³/év)"), QStringLiteral("3. fatömeg részletben (m³)"),
        QStringLiteral("Tárgyévi fakészlet (m³)")};
    return captions;
}

// v_oszlop1 .. v_oszlop12: the headings of the printed columns X1 .. X12,
// the ticked entries as the field list names them, then the sums.
void storeColumnHeadings(const QStringList &columns)
{
    const QStringList headings = columns + sumCaptions();
    for (int i = 0; i < 12; ++i)
        dm().frVariables.insert(QStringLiteral("v_oszlop%1").arg(i + 1), headings.value(i));
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
    lists->addWidget(Label1, 0, 0, 1, 2);
    lists->addWidget(Label2, 1, 0, 1, 2);
    lists->addWidget(Label3, 2, 0);
    lists->addWidget(Label4, 2, 1);
    lists->addWidget(ListBox1, 3, 0);
    lists->addWidget(CheckListBox1, 3, 1);
    auto *buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    lists->addLayout(buttons, 3, 2);
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

    connect(Button1, &QPushButton::clicked, this, &TForm23::Button1Click);
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

QStringList TForm23::tickedEntries() const
{
    QStringList ticked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        if (CheckListBox1->item(i)->checkState() == Qt::Checked) ticked << CheckListBox1->item(i)->text();
    return ticked;
}

void TForm23::Button1Click()
{
    if (!totals::resetGroupMark(dm().ZQ11, QStringLiteral("Hiba231: RSZUR, UPDATE a részletben "),
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
