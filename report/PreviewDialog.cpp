#include "report/PreviewDialog.h"
#include "common/SafeSlot.h"
#include "common/Seams.h"
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace report {
namespace {
const QString kPdfFilter = QStringLiteral("PDF dokumentum (*.pdf)");
const QString kCsvFilter = QStringLiteral("CSV táblázat, pontosvesszővel tagolt (*.csv)");
const QString kZrpFilter = QStringLiteral("Mentett kimutatás (*.zrp)");
const QString kXlsxFilter = QStringLiteral("Excel-munkafüzet (*.xlsx)");
constexpr double kMinZoom = 0.25;
constexpr double kMaxZoom = 5.0;
} // namespace

PreviewDialog::PreviewDialog(const PreparedReport &report, QWidget *parent)
    : QDialog(parent), m_report(report)
{
    setObjectName(QStringLiteral("PreviewDialog"));
    setWindowTitle(QStringLiteral("Nyomtatási kép"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(4);
    auto *zoomOutButton = button(QStringLiteral("ZoomOutButton"), QStringLiteral("−"), QStringLiteral("Kicsinyítés"));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
    m_zoomLabel->setMinimumWidth(44);
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    auto *zoomInButton = button(QStringLiteral("ZoomInButton"), QStringLiteral("+"), QStringLiteral("Nagyítás"));
    auto *fitButton = button(QStringLiteral("FitWidthButton"), QStringLiteral("Oldalszélesség"),
                             QStringLiteral("Az oldal szélessége kitölti az ablakot"));
    m_first = button(QStringLiteral("FirstPageButton"), QStringLiteral("«"), QStringLiteral("Első oldal"));
    m_prev = button(QStringLiteral("PrevPageButton"), QStringLiteral("‹"), QStringLiteral("Előző oldal"));
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("PageLabel"));
    m_pageLabel->setMinimumWidth(60);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    m_pageLabel->setToolTip(QStringLiteral("Az oldal sorszáma / az oldalak száma"));
    m_next = button(QStringLiteral("NextPageButton"), QStringLiteral("›"), QStringLiteral("Következő oldal"));
    m_last = button(QStringLiteral("LastPageButton"), QStringLiteral("»"), QStringLiteral("Utolsó oldal"));
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("FindEdit"));
    m_find->setPlaceholderText(QStringLiteral("Keresett szöveg"));
    m_find->setToolTip(QStringLiteral("A keresett szöveg; Enter: a következő találat"));
    m_find->setMaximumWidth(180);
    auto *findButton = button(QStringLiteral("FindButton"), QStringLiteral("Keresés"),
                              QStringLiteral("A következő találat kiemelése"));
    auto *saveButton = button(QStringLiteral("SaveButton"), QStringLiteral("Mentés"),
                              QStringLiteral("Mentés PDF-be, táblázatba (CSV) vagy kimutatásfájlba"));
    m_xlsx = button(QStringLiteral("SaveXlsxButton"), QStringLiteral("Mentés Excel-fájlba"),
                    QStringLiteral("A lista mentése Excel-munkafüzetbe, a számok teljes pontossággal"));
    auto *loadButton = button(QStringLiteral("LoadButton"), QStringLiteral("Megnyitás"),
                              QStringLiteral("Korábban mentett kimutatás megnyitása"));
    auto *printButton = button(QStringLiteral("PrintButton"), QStringLiteral("Nyomtatás"),
                               QStringLiteral("Nyomtatás a kiválasztott nyomtatóra"));
    auto *closeButton = button(QStringLiteral("CloseButton"), QStringLiteral("Bezárás"),
                               QStringLiteral("A nyomtatási kép bezárása"));
    for (QWidget *w : std::initializer_list<QWidget *>{zoomOutButton, m_zoomLabel, zoomInButton, fitButton})
        bar->addWidget(w);
    bar->addSpacing(12);
    for (QWidget *w : std::initializer_list<QWidget *>{m_first, m_prev, m_pageLabel, m_next, m_last})
        bar->addWidget(w);
    bar->addSpacing(12);
    bar->addWidget(m_find);
    bar->addWidget(findButton);
    bar->addStretch(1);
    for (QWidget *w : std::initializer_list<QWidget *>{saveButton, m_xlsx, loadButton, printButton, closeButton})
        bar->addWidget(w);

    m_pageView = new QLabel;
    m_pageView->setObjectName(QStringLiteral("PageView"));
    m_pageView->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PageScroll"));
    m_scroll->setWidget(m_pageView);
    m_scroll->setWidgetResizable(true);
    m_scroll->setBackgroundRole(QPalette::Dark);
    // A scroll bar that comes and goes would change the width the page is fitted to.
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scroll->viewport()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll, 1);

    connect(zoomOutButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::zoomOut));
    connect(zoomInButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::zoomIn));
    connect(fitButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::fitWidth));
    connect(m_first, &QToolButton::clicked, this, safeslot::wrap([this] { showPage(0); }));
    connect(m_prev, &QToolButton::clicked, this, safeslot::wrap([this] { showPage(m_page - 1); }));
    connect(m_next, &QToolButton::clicked, this, safeslot::wrap([this] { showPage(m_page + 1); }));
    connect(m_last, &QToolButton::clicked, this, safeslot::wrap([this] { showPage(m_report.pageCount() - 1); }));
    connect(findButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::findClicked));
    connect(m_find, &QLineEdit::returnPressed, this, safeslot::wrap(this, &PreviewDialog::findClicked));
    connect(saveButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::save));
    connect(m_xlsx, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::saveXlsx));
    connect(loadButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::load));
    connect(printButton, &QToolButton::clicked, this, safeslot::wrap(this, &PreviewDialog::print));
    connect(closeButton, &QToolButton::clicked, this, &QDialog::accept);

    const QRect avail = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 900);
    resize(int(avail.width() * 0.8), int(avail.height() * 0.9));
    render();
}

QToolButton *PreviewDialog::button(const QString &objectName, const QString &text, const QString &tip)
{
    auto *b = new QToolButton(this);
    b->setObjectName(objectName);
    b->setText(text);
    b->setToolTip(tip);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(false);
    return b;
}

void PreviewDialog::showPage(int page)
{
    page = std::clamp(page, 0, std::max(0, m_report.pageCount() - 1));
    if (page == m_page) return;
    m_page = page;
    render();
    m_scroll->verticalScrollBar()->setValue(0);
}

void PreviewDialog::setZoom(double zoom)
{
    m_fitWidth = false;
    m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    render();
}

void PreviewDialog::zoomIn() { setZoom(m_zoom * 1.25); }
void PreviewDialog::zoomOut() { setZoom(m_zoom / 1.25); }

void PreviewDialog::fitWidth()
{
    m_fitWidth = true;
    render();
}

void PreviewDialog::render()
{
    m_xlsx->setVisible(m_report.isListReport());
    const double screenPxPerMm = logicalDpiX() / 25.4;
    if (m_fitWidth) {
        const double avail = std::max(100, m_scroll->viewport()->width() - 24);
        m_zoom = std::clamp(avail / (m_report.pageSizeMm.width() * screenPxPerMm), kMinZoom, kMaxZoom);
    }
    const double f = m_zoom * screenPxPerMm;
    const qreal dpr = devicePixelRatioF();
    const QSize size(qRound(m_report.pageSizeMm.width() * f), qRound(m_report.pageSizeMm.height() * f));
    QImage image(size * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        m_report.paintPage(p, m_page, f, m_hit.page == m_page ? &m_hit : nullptr);
        p.setPen(QColor(0x80, 0x80, 0x80));
        p.drawRect(QRectF(0, 0, size.width() - 1, size.height() - 1));
    }
    m_pageView->setPixmap(QPixmap::fromImage(image));
    updateControls();
}

void PreviewDialog::updateControls()
{
    const int n = m_report.pageCount();
    m_pageLabel->setText(QStringLiteral("%1 / %2").arg(m_page + 1).arg(n));
    m_zoomLabel->setText(QStringLiteral("%1%").arg(qRound(m_zoom * 100)));
    m_first->setEnabled(m_page > 0);
    m_prev->setEnabled(m_page > 0);
    m_next->setEnabled(m_page < n - 1);
    m_last->setEnabled(m_page < n - 1);
}

bool PreviewDialog::findNext(const QString &text)
{
    const QList<FindHit> hits = m_report.findAll(text);
    if (hits.isEmpty()) {
        m_hit = FindHit{};
        m_hitText.clear();
        render();
        return false;
    }
    int next = 0;
    if (text.compare(m_hitText, Qt::CaseInsensitive) == 0) {
        for (int i = 0; i < hits.size(); ++i) {
            const FindHit &h = hits[i];
            if (h.page == m_hit.page && h.item == m_hit.item && h.start == m_hit.start) {
                next = (i + 1) % int(hits.size());
                break;
            }
        }
    }
    m_hit = hits[next];
    m_hitText = text;
    m_page = m_hit.page;
    render();
    const PageItem it = m_report.pageItems(m_hit.page).value(m_hit.item);
    const double f = m_zoom * logicalDpiX() / 25.4;
    const int offX = std::max(0, (m_pageView->width() - m_pageView->pixmap().width()) / 2);
    const int offY = std::max(0, (m_pageView->height() - m_pageView->pixmap().height()) / 2);
    m_scroll->ensureVisible(offX + int(it.rect.center().x() * f), offY + int(it.rect.center().y() * f), 80, 80);
    return true;
}

void PreviewDialog::findClicked()
{
    if (m_find->text().isEmpty()) return;
    if (!findNext(m_find->text())) seams::message(QStringLiteral("A keresett szöveg nem található."));
}

bool PreviewDialog::saveTo(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString error;
    bool ok;
    if (suffix == QLatin1String("csv")) ok = m_report.writeCsv(path, &error);
    else if (suffix == QLatin1String("xlsx")) ok = m_report.writeXlsx(path, &error);
    else if (suffix == QLatin1String("zrp")) ok = m_report.save(path, &error);
    else ok = m_report.writePdf(path, &error);
    if (!ok) seams::message(error);
    return ok;
}

bool PreviewDialog::loadFrom(const QString &path)
{
    PreparedReport loaded;
    QString error;
    if (!loaded.load(path, &error)) {
        seams::message(error);
        return false;
    }
    m_report = loaded;
    m_page = 0;
    m_hit = FindHit{};
    m_hitText.clear();
    render();
    return true;
}

void PreviewDialog::save()
{
    QFileDialog dialog(this, QStringLiteral("Mentés"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters{kPdfFilter};
    if (m_report.isListReport()) filters << kCsvFilter;
    filters << kZrpFilter;
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter == kCsvFilter ? QStringLiteral("csv")
                                : filter == kZrpFilter ? QStringLiteral("zrp") : QStringLiteral("pdf"));
    });
    dialog.selectFile(QFileInfo(m_report.name).completeBaseName());
    if (seams::runModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().constFirst();
    const QString filter = dialog.selectedNameFilter();
    const QString wanted = filter == kCsvFilter ? QStringLiteral("csv") : filter == kZrpFilter ? QStringLiteral("zrp") : QStringLiteral("pdf");
    if (QFileInfo(path).suffix().toLower() != wanted) path += QLatin1Char('.') + wanted;
    saveTo(path);
}

void PreviewDialog::saveXlsx()
{
    QFileDialog dialog(this, QStringLiteral("Mentés Excel-fájlba"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kXlsxFilter});
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.selectFile(QFileInfo(m_report.name).completeBaseName());
    if (seams::runModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString path = dialog.selectedFiles().constFirst();
    if (QFileInfo(path).suffix().toLower() != QLatin1String("xlsx")) path += QStringLiteral(".xlsx");
    saveTo(path);
}

void PreviewDialog::load()
{
    QFileDialog dialog(this, QStringLiteral("Megnyitás"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({kZrpFilter});
    if (seams::runModal(&dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    loadFrom(dialog.selectedFiles().constFirst());
}

void PreviewDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    const QSizeF mm = m_report.pageSizeMm;
    const QSizeF portrait(std::min(mm.width(), mm.height()), std::max(mm.width(), mm.height()));
    printer.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                                      m_report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    printer.setDocName(m_report.name);
    printer.setFromTo(1, m_report.pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Nyomtatás"));
    dialog.setMinMax(1, m_report.pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    if (seams::runModal(&dialog) != QDialog::Accepted) return;
    int first = 0, last = m_report.pageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage() - 1;
        last = printer.toPage() > 0 ? printer.toPage() - 1 : last;
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = m_page;
    }
    m_report.paintPages(printer, first, last);
}

void PreviewDialog::keyPressEvent(QKeyEvent *event)
{
    if (!m_find->hasFocus() || event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        switch (event->key()) {
        case Qt::Key_PageDown: showPage(m_page + 1); return;
        case Qt::Key_PageUp: showPage(m_page - 1); return;
        case Qt::Key_Home: if (event->modifiers() & Qt::ControlModifier) { showPage(0); return; } break;
        case Qt::Key_End: if (event->modifiers() & Qt::ControlModifier) { showPage(m_report.pageCount() - 1); return; } break;
        case Qt::Key_Plus: zoomIn(); return;
        case Qt::Key_Minus: zoomOut(); return;
        default: break;
        }
    }
    // Enter in the find field searches; it must not close the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

bool PreviewDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize && m_fitWidth) render();
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (wheel->angleDelta().y() > 0) zoomIn();
            else if (wheel->angleDelta().y() < 0) zoomOut();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace report
