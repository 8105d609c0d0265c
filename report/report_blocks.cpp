#include "report/report_blocks.h"

#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <numeric>

namespace tarvanel {

namespace {

double headingHeight(const ReportStyle& style) {
    return style.lineHeight(style.heading) + 2 * style.mm;
}

// A heading in the accent colour over a rule the column's width.
void addHeading(PageFlow& flow, const ReportStyle& style, const QString& text) {
    flow.place(headingHeight(style), [&style, text](QPainter& painter, const QRectF& box) {
        drawText(painter, box, style.heading, style.accent, Qt::AlignLeft | Qt::AlignTop, text);
        drawRule(painter, style, box.bottom() - 0.8 * style.mm, box.left(), box.right(),
                 style.accent, 0.3);
    });
}

struct Columns {
    double captionWidth; // the caption's column, without the gutter
    double valueLeft;
    double valueWidth;
};

// Wide enough for the widest caption, but never more than about half the page.
Columns summaryColumns(const ReportStyle& style, double width,
                       const std::vector<SummarySection>& sections) {
    double widest = 0;
    for (const SummarySection& section : sections)
        for (const SummaryLine& line : section.lines)
            widest = std::max(widest, style.advance(style.body, line.caption));
    const double caption = std::min(widest, 0.48 * width);
    const double left = caption + 6 * style.mm;
    return {caption, left, width - left};
}

double rowHeight(const ReportStyle& style, const Columns& columns, const SummaryLine& line) {
    return std::max(style.textHeight(style.body, columns.captionWidth, line.caption),
                    style.textHeight(style.body, columns.valueWidth, line.value)) +
           2 * style.padding;
}

void addSummaryLine(PageFlow& flow, const ReportStyle& style, const Columns& columns,
                    const SummaryLine& line) {
    flow.place(rowHeight(style, columns, line), [&style, columns, line](QPainter& painter,
                                                                        const QRectF& box) {
        const QRectF inside = box.adjusted(0, style.padding, 0, -style.padding);
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        drawText(painter, {inside.left(), inside.top(), columns.captionWidth, inside.height()},
                 style.body, style.muted, flags, line.caption);
        drawText(
            painter,
            {inside.left() + columns.valueLeft, inside.top(), columns.valueWidth, inside.height()},
            style.body, style.ink, flags, line.value);
        drawRule(painter, style, box.bottom(), box.left(), box.right(), style.rule, 0.1);
    });
}

QColor colourOf(Tone tone, const ReportStyle& style) {
    return tone == Tone::Good ? kResultGreen : tone == Tone::Bad ? kWarningRed : style.ink;
}

using Cells = std::array<QString, 5>;
const Cells kPointColumns{QStringLiteral("Απόσταση (km)"), QStringLiteral("Έδαφος (m)"),
                          QStringLiteral("Κάλυψη (m)"), QStringLiteral("Διάκενο (m)"),
                          QStringLiteral("% της ακτίνας Fresnel")};
const Cells kRateColumns{QStringLiteral("Ρυθμός"), QStringLiteral("Mb/s"),
                         QStringLiteral("Ευαισθησία (dBm)"), QStringLiteral("Μέγ. απόσταση (km)"),
                         QStringLiteral("Περιθώριο (dB)")};

// Five columns of one width; each text to the right of its column, short of
// its edge; the last in its own colour.
struct TableRow {
    Cells cells;
    bool header = false;
    bool shaded = false;
    Tone last = Tone::Plain;
};

double tableRowHeight(const ReportStyle& style, double width, const TableRow& row) {
    double height = 0;
    for (const QString& cell : row.cells)
        height = std::max(height, style.textHeight(row.header ? style.tableHead : style.body,
                                                   width / 5 - 6 * style.mm, cell));
    return height + 2 * style.padding;
}

void addTableRow(PageFlow& flow, const ReportStyle& style, const TableRow& row) {
    const double height = tableRowHeight(style, flow.width(), row);
    flow.place(height, [&style, row](QPainter& painter, const QRectF& box) {
        if (row.shaded) painter.fillRect(box, style.shade);
        const double column = box.width() / 5;
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const QRectF cell(box.left() + i * column + 3 * style.mm, box.top() + style.padding,
                              column - 6 * style.mm, box.height() - 2 * style.padding);
            const QColor ink = i + 1 == row.cells.size() ? colourOf(row.last, style) : style.ink;
            drawText(painter, cell, row.header ? style.tableHead : style.body,
                     row.header ? style.muted : ink, Qt::AlignRight | Qt::AlignBottom,
                     row.cells[i]);
        }
        if (row.header)
            drawRule(painter, style, box.bottom(), box.left(), box.right(), style.muted, 0.2);
    });
}

// A table under its heading, its header row again on every page it reaches.
void addTable(PageFlow& flow, const ReportStyle& style, const QString& heading,
              const Cells& columns, const std::vector<TableRow>& rows) {
    const TableRow header{columns, true};
    const double width = flow.width();
    flow.gap(5 * style.mm);
    flow.keep(headingHeight(style) + tableRowHeight(style, width, header) +
              tableRowHeight(style, width, rows.front()));
    addHeading(flow, style, heading);
    addTableRow(flow, style, header);
    for (const TableRow& row : rows) {
        if (flow.keep(tableRowHeight(style, width, row))) {
            addHeading(flow, style, heading + QStringLiteral(" (συνέχεια)"));
            addTableRow(flow, style, header);
        }
        addTableRow(flow, style, row);
    }
}

} // namespace

void addVerdict(PageFlow& flow, const ReportStyle& style, const std::vector<VerdictLine>& lines) {
    if (lines.empty()) return;
    const double indent = 5 * style.mm, inner = flow.width() - indent - 3 * style.mm;
    const auto fontOf = [&](std::size_t i) { return i == 0 ? style.heading : style.body; };
    double height = 5 * style.mm;
    for (std::size_t i = 0; i < lines.size(); ++i)
        height += style.textHeight(fontOf(i), inner, lines[i].text) + style.padding;
    flow.place(height, [&style, lines, indent, inner, fontOf](QPainter& painter,
                                                              const QRectF& box) {
        QColor tint = colourOf(lines.front().tone, style);
        painter.fillRect(box.left(), box.top(), 1.5 * style.mm, box.height(), tint);
        tint.setAlpha(22);
        painter.fillRect(box, tint);
        double y = box.top() + 2.5 * style.mm;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const double lineHeight = style.textHeight(fontOf(i), inner, lines[i].text);
            drawText(painter, {box.left() + indent, y, inner, lineHeight}, fontOf(i),
                     colourOf(lines[i].tone, style), Qt::AlignLeft | Qt::AlignTop, lines[i].text);
            y += lineHeight + style.padding;
        }
    });
}

void addSummarySections(PageFlow& flow, const ReportStyle& style,
                        const std::vector<SummarySection>& sections) {
    const Columns columns = summaryColumns(style, flow.width(), sections);
    for (const SummarySection& section : sections) {
        std::vector<double> heights;
        for (const SummaryLine& line : section.lines)
            heights.push_back(rowHeight(style, columns, line));
        // A section stays on one page when a page holds it, else its heading
        // stays with its first line.
        const double heading = section.heading.isEmpty() ? 0 : headingHeight(style);
        const double whole = std::accumulate(heights.begin(), heights.end(), heading);
        flow.gap(5 * style.mm);
        flow.keep(whole <= flow.pageHeight() || heights.empty() ? whole
                                                                : heading + heights.front());
        if (!section.heading.isEmpty()) addHeading(flow, style, section.heading);
        for (const SummaryLine& line : section.lines)
            addSummaryLine(flow, style, columns, line);
    }
}

void addSideView(PageFlow& flow, const ReportStyle& style,
                 const std::function<void(QPainter&, const QRectF&)>& draw) {
    const double height = 70 * style.mm;
    flow.gap(5 * style.mm);
    flow.keep(headingHeight(style) + 2 * style.mm + height);
    addHeading(flow, style, QStringLiteral("Πλάγια όψη της διαδρομής"));
    flow.gap(2 * style.mm);
    flow.place(height, [&style, draw](QPainter& painter, const QRectF& box) {
        painter.save();
        painter.setClipRect(box);
        painter.translate(box.topLeft());
        // Units of 1/96 inch inside, as on a screen at 96 dpi, and the
        // window's font in pixels.
        const double scale = style.dpi / 96;
        painter.scale(scale, scale);
        painter.setFont(windowFont(kFont9pt));
        draw(painter, QRectF(0, 0, box.width() / scale, box.height() / scale));
        painter.restore();
        painter.setPen(QPen(style.rule, 0.2 * style.mm));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    });
}

void addPointsTable(PageFlow& flow, const ReportStyle& style,
                    const std::vector<ReportPoint>& points) {
    std::vector<TableRow> rows;
    for (const ReportPoint& p : points)
        rows.push_back({{p.distanceKm, p.groundM, p.clutterM, p.clearanceM, p.fresnelPercent},
                        false,
                        rows.size() % 2 == 1});
    addTable(flow, style, QStringLiteral("Σημεία εδάφους"), kPointColumns, rows);
}

void addRatesTable(PageFlow& flow, const ReportStyle& style, const std::vector<ReportRate>& rates) {
    std::vector<TableRow> rows;
    for (const ReportRate& r : rates)
        rows.push_back({{r.rate, r.megabits, r.sensitivityDbm, r.greatestKm, r.marginDb},
                        false,
                        rows.size() % 2 == 1,
                        r.margin});
    addTable(flow, style, QStringLiteral("Ρυθμοί δεδομένων"), kRateColumns, rows);
}

} // namespace tarvanel
