#pragma once
// The modal print preview: zoom, page navigation, find, save (PDF, CSV for
// lists, the program's own *.zrp), load of a saved report, print, close.
#include "report/PreparedReport.h"
#include <QDialog>

class QLabel;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace report {

class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreviewDialog(const PreparedReport &report, QWidget *parent = nullptr);

    const PreparedReport &report() const { return m_report; }
    int currentPage() const { return m_page; }
    double zoom() const { return m_zoom; }
    const FindHit &currentHit() const { return m_hit; }

    void showPage(int page);
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void fitWidth();
    // Highlights the next occurrence after the current one; false when there is none.
    bool findNext(const QString &text);
    // Saves by the file's suffix: .pdf, .csv and .xlsx (lists only) or .zrp. Reports failures.
    bool saveTo(const QString &path);
    // Opens a saved *.zrp in place of the shown report. Reports failures.
    bool loadFrom(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void render();
    void updateControls();
    void save();
    void saveXlsx();
    void load();
    void print();
    void findClicked();
    QToolButton *button(const QString &objectName, const QString &text, const QString &tip);

    PreparedReport m_report;
    int m_page = 0;
    double m_zoom = 1.0;
    bool m_fitWidth = true;
    FindHit m_hit;
    QString m_hitText;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_pageView = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QLineEdit *m_find = nullptr;
    QToolButton *m_first = nullptr, *m_prev = nullptr, *m_next = nullptr, *m_last = nullptr;
    QToolButton *m_xlsx = nullptr;   // lists only
};

} // namespace report
