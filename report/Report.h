#pragma once
// The report object: loads a template by file name, prepares it from the
// data sets and variables the data module hands over, and shows the modal
// preview (or gives the prepared report to the preview handler of the tests).
#include "report/PreparedReport.h"
#include "report/ReportData.h"
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

namespace report {

namespace tpl { struct Template; }

// Missing, unreadable or malformed templates and failed preparations.
// what() is the Hungarian message in UTF-8; text() gives it as a QString.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message);
    QString text() const { return QString::fromUtf8(what()); }
};

class Report {
public:
    Report();
    ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    // Reads the template from the current working folder. Throws ReportError;
    // a failed load leaves no template loaded.
    void loadFromFile(const QString &bareName);
    // The same from text already in hand (name is used in messages).
    void loadFromText(const QString &text, const QString &name);
    bool isLoaded() const { return bool(m_template); }
    QString templateName() const;

    // Builds the pages. Throws ReportError when a source or column is missing.
    PreparedReport prepare(const ReportInputs &inputs) const;
    // Prepares and shows the modal preview; a failure is reported with a
    // message and no preview opens.
    void showReport(const ReportInputs &inputs);

private:
    std::unique_ptr<tpl::Template> m_template;
};

// Replaces the modal preview (tests render to PDF or text); empty: the real window.
using PreviewHandler = std::function<void(const PreparedReport &)>;
void setPreviewHandler(PreviewHandler handler);

// Orientation for templates that do not declare their own; the totals windows
// set it before they print.
void setPrinterLandscape(bool landscape);
bool printerLandscape();

} // namespace report
