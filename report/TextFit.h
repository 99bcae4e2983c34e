#pragma once
// How texts are measured and fitted into their cells. The pages are laid out
// and drawn with the same metrics, taken at a fixed high resolution, so that
// a text fits (or is shrunk or cut) alike on screen, on paper and in a PDF.
#include <QFontMetricsF>
#include <QHash>
#include <QString>

namespace report {

constexpr double kCellPadH = 0.8;    // mm between a cell's edge and its text
constexpr double kCellPadV = 0.55;

// The look of a text: face, size and style bits.
struct TextStyle {
    double size = 9;     // points
    bool bold = false;
    bool italic = false;
    bool mono = false;
    bool narrow = false;
};

// Metrics of one font at the reference resolution, with the advances of the
// characters met so far: shaping every text costs most of the layout, so
// widths are summed from cached advances (without kerning, which only
// narrows, so a text that fits still fits).
class FontMeasure {
public:
    explicit FontMeasure(const QFont &font);
    double widthMm(QStringView text);
    double lineSpacingMm() const;
    double leadingMm() const;
    double heightMm() const;
    // Height of text wrapped into widthMm.
    double wrappedHeightMm(const QString &text, double widthMm) const;
    // text cut with "…" to widthMm.
    QString elided(const QString &text, double widthMm) const;

private:
    QFontMetricsF m_fm;
    QHash<char16_t, double> m_advance;
};

// The measure of family in style; kept for the run of the program.
FontMeasure &fontMeasure(const QString &family, const TextStyle &style);

// A number as the engine prints it: digits, blanks between thousands, one
// decimal sign. Numbers print right-aligned under "auto" and shrink to fit.
bool looksNumeric(QStringView s);

// A cell's text as it is drawn.
struct FittedText {
    QString text;         // cut with "…" when it did not fit
    double fontSize = 9;  // smaller than asked for a number that did not fit
    double heightMm = 0;  // of the text block
};

// Fits text into a cell availMm wide: a number too wide prints smaller (never
// cut), other lines are cut with "…"; wrapped text breaks into lines instead.
FittedText fitText(const QString &family, const TextStyle &style, bool wrap, const QString &text, double availMm);

} // namespace report
