#include "widgets/GridHeadings.h"
#include <QFontMetrics>
#include <QHeaderView>
#include <QStringList>
#include <QStyle>
#include <QTableView>
#include <QTextLayout>
#include <algorithm>

namespace gridheadings {
namespace {

// Headings up to this wide stay on one line; wider ones are balanced over lines.
constexpr int kOneLine = 110;

// The words of text laid on `lines` lines so that the widest line is as
// narrow as it gets (greedy against a rising width).
QStringList balanced(const QString &text, int lines, const QFontMetrics &fm)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    int widest = 0;
    for (const QString &w : words) widest = std::max(widest, fm.horizontalAdvance(w));
    for (int width = widest;; width += 4) {
        QStringList out{QString()};
        for (const QString &w : words) {
            const QString joined = out.last().isEmpty() ? w : out.last() + u' ' + w;
            if (out.last().isEmpty() || fm.horizontalAdvance(joined) <= width) out.last() = joined;
            else out << w;
        }
        if (out.size() <= lines) return out;
    }
}

// True when the painter, wrapping text at width, breaks it only at blanks
// and into no more than `lines` lines (it would also break after "/" or "-").
bool wrapsAtBlanks(const QString &text, const QFont &font, int width, qsizetype lines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qsizetype n = 0;
    bool atBlanks = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const int start = line.textStart();
        atBlanks = atBlanks && (start == 0 || text.at(start - 1) == u' ');
        ++n;
    }
    layout.endLayout();
    return atBlanks && n <= lines;
}

} // namespace

int textMargin()
{
    // The style's margin on each side, the sort indicator's room and a little air.
    return 24;
}

namespace {
void fit(QTableView *grid)
{
    QHeaderView *header = grid->horizontalHeader();
    QAbstractItemModel *model = grid->model();
    if (!model) return;
    const QFontMetrics fm(header->font());
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    int mostLines = 1;
    for (int c = 0; c < model->columnCount(); ++c) {
        const QString title = model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString().simplified();
        QStringList lines{title};
        if (fm.horizontalAdvance(title) > kOneLine) {
            lines = balanced(title, 2, fm);
            int wide = 0;
            for (const QString &l : lines) wide = std::max(wide, fm.horizontalAdvance(l));
            if (wide > kOneLine * 3 / 2) lines = balanced(title, 3, fm);
        }
        int wide = 0;
        for (const QString &l : lines) wide = std::max(wide, fm.horizontalAdvance(l));
        mostLines = std::max(mostLines, int(lines.size()));
        if (lines.size() == 1) {
            header->resizeSection(c, std::max(header->sectionSize(c), wide + textMargin()));
            continue;
        }
        // As wide as the lines chosen, and wide enough that the painter breaks where they do.
        const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        int width = wide + textMargin();
        while (width < wide + 200 && !wrapsAtBlanks(title, header->font(), width - margins, lines.size())) width += 4;
        header->resizeSection(c, width);
    }
    header->setMinimumHeight(mostLines * fm.lineSpacing() + 12);
}
} // namespace

void fitWhole(QTableView *grid)
{
    fit(grid);
    // A reloaded list gives its header fresh sections: fit them again.
    if (QAbstractItemModel *model = grid->model())
        QObject::connect(model, &QAbstractItemModel::modelReset, grid, [grid] { fit(grid); });
}

} // namespace gridheadings
