#include "report/Report.h"
#include "common/ProgramFiles.h"
#include "common/Seams.h"
#include "report/Builder.h"
#include "report/PreviewDialog.h"
#include "report/Template.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace report {
namespace {
PreviewHandler g_preview;
bool g_landscape = false;
} // namespace

ReportError::ReportError(const QString &message) : std::runtime_error(message.toUtf8().toStdString()) {}

Report::Report() = default;
Report::~Report() = default;

QString Report::templateName() const { return m_template ? m_template->name : QString(); }

void Report::loadFromFile(const QString &bareName)
{
    m_template.reset();
    const QString path = programfiles::find(bareName);
    const QString shown = QFileInfo(bareName).fileName();
    QFile f(path);
    if (!f.exists() || QFileInfo(path).isDir())
        throw ReportError(QStringLiteral("A(z) %1 sablon nem található.").arg(shown));
    if (!f.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("A(z) %1 sablon nem olvasható.").arg(shown));
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw ReportError(QStringLiteral("A(z) %1 sablon nem olvasható.").arg(shown));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        throw ReportError(QStringLiteral("A(z) %1 sablon nem UTF-8 kódolású szövegfájl.").arg(shown));
    loadFromText(text, shown);
}

void Report::loadFromText(const QString &text, const QString &name)
{
    m_template.reset();
    QString body = text;
    if (body.startsWith(QChar(0xFEFF))) body.remove(0, 1);
    m_template = std::make_unique<tpl::Template>(tpl::parse(body, name));
}

PreparedReport Report::prepare(const ReportInputs &inputs) const
{
    if (!m_template) throw ReportError(QStringLiteral("Nincs betöltött kimutatássablon."));
    try {
        return buildReport(*m_template, inputs, g_landscape);
    } catch (const ReportError &) {
        throw;
    } catch (const std::exception &e) {
        // A data source that fails while it is read.
        throw ReportError(QStringLiteral("A(z) %1 kimutatás nem készíthető el: %2")
                              .arg(m_template->name, QString::fromUtf8(e.what())));
    }
}

void Report::showReport(const ReportInputs &inputs)
{
    PreparedReport prepared;
    try {
        prepared = prepare(inputs);
    } catch (const ReportError &e) {
        seams::message(e.text());
        return;
    }
    if (g_preview) {
        g_preview(prepared);
        return;
    }
    PreviewDialog dialog(prepared);
    seams::runModal(&dialog);
}

void setPreviewHandler(PreviewHandler handler) { g_preview = std::move(handler); }
void setPrinterLandscape(bool landscape) { g_landscape = landscape; }
bool printerLandscape() { return g_landscape; }

} // namespace report
