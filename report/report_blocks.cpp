#include "report/report_blocks.h"

#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>
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

// A line of a sheet, as the page writes it.
struct PrintedLine {
    QString caption;
    QString value;
    Tone tone = Tone::Plain;
};
PrintedLine printed(const SheetLine& line) {
    return {QString::fromStdString(line.caption), QString::fromStdString(line.value), line.tone};
}

struct Columns {
    double captionWidth; // the caption's column, without the gutter
    double valueLeft;
    double valueWidth;
};

// Wide enough for the widest caption, but never more than about half the page.
Columns summaryColumns(const ReportStyle& style, double width,
                       const std::vector<SheetSection>& sections) {
    double widest = 0;
    for (const SheetSection& section : sections)
        for (const SheetLine& line : section.lines)
            widest = std::max(widest, style.advance(style.body, printed(line).caption));
    const double caption = std::min(widest, 0.48 * width);
    const double left = caption + 6 * style.mm;
    return {caption, left, width - left};
}

double rowHeight(const ReportStyle& style, const Columns& columns, const PrintedLine& line) {
    return std::max(style.textHeight(style.body, columns.captionWidth, line.caption),
                    style.textHeight(style.body, columns.valueWidth, line.value)) +
           2 * style.padding;
}

QColor colourOf(Tone tone, const ReportStyle& style) {
    return tone == Tone::Good ? kResultGreen : tone == Tone::Bad ? kWarningRed : style.ink;
}

void addSummaryLine(PageFlow& flow, const ReportStyle& style, const Columns& columns,
                    const PrintedLine& line) {
    flow.place(rowHeight(style, columns, line), [&style, columns, line](QPainter& painter,
                                                                        const QRectF& box) {
        const QRectF inside = box.adjusted(0, style.padding, 0, -style.padding);
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        drawText(painter, {inside.left(), inside.top(), columns.captionWidth, inside.height()},
                 style.body, style.muted, flags, line.caption);
        drawText(
            painter,
            {inside.left() + columns.valueLeft, inside.top(), columns.valueWidth, inside.height()},
            style.body, colourOf(line.tone, style), flags, line.value);
        drawRule(painter, style, box.bottom(), box.left(), box.right(), style.rule, 0.1);
    });
}

const QStringList kPointColumns{QStringLiteral("Απόσταση (km)"), QStringLiteral("Έδαφος (m)"),
                                QStringLiteral("Κάλυψη (m)"), QStringLiteral("Διάκενο (m)"),
                                QStringLiteral("% της ακτίνας Fresnel")};
const QStringList kRateColumns{
    QStringLiteral("Ρυθμός"), QStringLiteral("Mb/s"), QStringLiteral("Ευαισθησία (dBm)"),
    QStringLiteral("Μέγ. απόσταση (km)"), QStringLiteral("Περιθώριο (dB)")};

// Where a table's columns stand: each text's box inside its row, and how it
// lines up there.
struct TableLayout {
    std::vector<double> lefts;
    std::vector<double> widths;
    std::vector<Qt::Alignment> aligns;
    QFont body;
};

struct TableRow {
    QStringList cells;
    std::vector<Tone> tones; // a cell's colour; plain beyond the list
    bool header = false;
    bool shaded = false;
};

// Columns of one width, each text to the right of its column, short of its edge.
TableLayout evenLayout(const ReportStyle& style, double width, qsizetype columns) {
    TableLayout layout{{}, {}, {}, style.body};
    const double column = width / double(columns);
    for (qsizetype i = 0; i < columns; ++i) {
        layout.lefts.push_back(double(i) * column + 3 * style.mm);
        layout.widths.push_back(column - 6 * style.mm);
        layout.aligns.push_back(Qt::AlignRight | Qt::AlignBottom);
    }
    return layout;
}

bool looksNumeric(const QString& text) {
    return !text.isEmpty() && (text.front().isDigit() || text.front() == QLatin1Char('-') ||
                               text.front() == QChar(0x2212) || text.front() == QLatin1Char('+'));
}

// The widest of some texts, whole (`words` false) or word by word.
double widest(const ReportStyle& style, const QFont& font, const QStringList& texts, bool words) {
    double width = 0;
    for (const QString& text : texts)
        for (const QString& part : words ? text.split(QLatin1Char(' ')) : QStringList{text})
            width = std::max(width, style.advance(font, part));
    return width;
}

double sumOf(const std::vector<double>& widths) {
    return std::accumulate(widths.begin(), widths.end(), 0.0);
}

// How wide a sheet's table's columns would be in a font: each whole
// (`whole`), and at least (each its longest word; a column narrower than an
// even share of `width` never wraps), the insets included.
struct ColumnWidths {
    std::vector<double> whole;
    std::vector<double> least;
};
ColumnWidths columnWidths(const ReportStyle& style, const QFont& body, const SheetTable& table,
                          double width) {
    const double spare = 3.5 * style.mm;
    ColumnWidths widths;
    for (std::size_t c = 0; c < table.header.size(); ++c) {
        QStringList cells;
        for (const auto& row : table.rows)
            if (c < row.size()) cells << QString::fromStdString(row[c]);
        const QStringList header{QString::fromStdString(table.header[c])};
        for (bool words : {false, true})
            (words ? widths.least : widths.whole)
                .push_back(std::max(widest(style, style.tableHead, header, words),
                                    widest(style, body, cells, words)) +
                           spare);
        if (widths.whole.back() <= width / double(table.header.size()))
            widths.least.back() = widths.whole.back();
    }
    return widths;
}

// The columns as wide as their texts when the width holds them all (the room
// left shared out in proportion); else each at least as wide as its longest
// word and the rest shared out by how much more each would take, so that long
// texts wrap and numbers never do. Columns of numbers line up on the right;
// every cell at the top of its row.
TableLayout contentLayout(const ReportStyle& style, double width, const SheetTable& table,
                          const QFont& body) {
    const double inset = 1.5 * style.mm;
    const ColumnWidths measured = columnWidths(style, body, table, width);
    const std::vector<double>& whole = measured.whole;
    const std::vector<double>& least = measured.least;
    std::vector<double> widths = whole;
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = sumOf(whole) <= width ? whole[c] * width / sumOf(whole)
                    : sumOf(least) < width
                        ? least[c] + (whole[c] - least[c]) * (width - sumOf(least)) /
                                         (sumOf(whole) - sumOf(least))
                        : least[c] * width / sumOf(least);
    TableLayout layout{{}, {}, {}, body};
    double left = 0;
    for (std::size_t c = 0; c < widths.size(); ++c) {
        layout.lefts.push_back(left + inset);
        layout.widths.push_back(widths[c] - 2 * inset);
        left += widths[c];
        const bool numbers = std::ranges::all_of(table.rows, [c](const auto& row) {
            return c >= row.size() || row[c].empty() ||
                   looksNumeric(QString::fromStdString(row[c]));
        });
        layout.aligns.push_back((numbers ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    }
    return layout;
}

// The table's columns `columns` alone.
SheetTable columnsOf(const SheetTable& table, const std::vector<std::size_t>& columns) {
    SheetTable part;
    for (std::size_t c : columns)
        part.header.push_back(table.header[c]);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        auto& row = part.rows.emplace_back();
        auto& tones = part.tones.emplace_back();
        for (std::size_t c : columns) {
            row.push_back(c < table.rows[r].size() ? table.rows[r][c] : std::string());
            tones.push_back(r < table.tones.size() && c < table.tones[r].size() ? table.tones[r][c]
                                                                                : Tone::Plain);
        }
    }
    return part;
}

// A table too wide for the page even in the small font, its words unbroken,
// as tables one under the other, each with the first column (what names the
// rows) and as many of the others as fit.
std::vector<SheetTable> fittingParts(const ReportStyle& style, double width,
                                     const SheetTable& table) {
    const std::vector<double> least = columnWidths(style, style.small, table, width).least;
    std::vector<SheetTable> parts;
    std::vector<std::size_t> columns{0};
    for (std::size_t c = 1; c <= least.size(); ++c) {
        double used = 0;
        for (std::size_t k : columns)
            used += least[k];
        if (c == least.size() || (used + least[c] > width && columns.size() > 1)) {
            parts.push_back(columnsOf(table, columns));
            columns = {0};
        }
        if (c < least.size()) columns.push_back(c);
    }
    return parts;
}

QStringList qStrings(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list << QString::fromStdString(text);
    return list;
}

double tableRowHeight(const ReportStyle& style, const TableLayout& layout, const TableRow& row) {
    double height = 0;
    for (qsizetype i = 0; i < row.cells.size() && i < qsizetype(layout.widths.size()); ++i)
        height = std::max(height, style.textHeight(row.header ? style.tableHead : layout.body,
                                                   layout.widths[i], row.cells[i]));
    return height + 2 * style.padding;
}

void addTableRow(PageFlow& flow, const ReportStyle& style, const TableLayout& layout,
                 const TableRow& row) {
    const double height = tableRowHeight(style, layout, row);
    flow.place(height, [&style, layout, row](QPainter& painter, const QRectF& box) {
        if (row.shaded) painter.fillRect(box, style.shade);
        for (qsizetype i = 0; i < row.cells.size() && i < qsizetype(layout.widths.size()); ++i) {
            const auto c = static_cast<std::size_t>(i);
            const QRectF cell(box.left() + layout.lefts[c], box.top() + style.padding,
                              layout.widths[c], box.height() - 2 * style.padding);
            const Tone tone = c < row.tones.size() ? row.tones[c] : Tone::Plain;
            drawText(painter, cell, row.header ? style.tableHead : layout.body,
                     row.header ? style.muted : colourOf(tone, style), int(layout.aligns[c]),
                     row.cells[i]);
        }
        if (row.header)
            drawRule(painter, style, box.bottom(), box.left(), box.right(), style.muted, 0.2);
    });
}

// A table under `heading` (none: right under what stands above it), its
// header row again on every page it reaches, under `heading (συνέχεια)`.
void addTable(PageFlow& flow, const ReportStyle& style, const QString& heading, bool headed,
              const TableLayout& layout, const QStringList& columns,
              const std::vector<TableRow>& rows) {
    const TableRow header{columns, {}, true};
    flow.gap(headed ? 5 * style.mm : 2 * style.mm);
    flow.keep((headed ? headingHeight(style) : 0) + tableRowHeight(style, layout, header) +
              tableRowHeight(style, layout, rows.front()));
    if (headed) addHeading(flow, style, heading);
    addTableRow(flow, style, layout, header);
    for (const TableRow& row : rows) {
        if (flow.keep(tableRowHeight(style, layout, row))) {
            addHeading(flow, style, heading + QStringLiteral(" (συνέχεια)"));
            addTableRow(flow, style, layout, header);
        }
        addTableRow(flow, style, layout, row);
    }
}

// A sheet's table, under its heading or right under its section's lines.
// A sheet's table as laid out: in the body font when its words fit the
// width, else in the small one, and as parts one under the other when even
// those do not fit.
struct SheetTableParts {
    QFont body;
    std::vector<SheetTable> parts;
};
SheetTableParts sheetTableParts(const ReportStyle& style, double width, const SheetTable& table) {
    const auto fits = [&](const QFont& body) {
        return sumOf(columnWidths(style, body, table, width).least) <= width;
    };
    const QFont& body = fits(style.body) ? style.body : style.small;
    return {body, fits(body) ? std::vector{table} : fittingParts(style, width, table)};
}

std::vector<TableRow> tableRows(const SheetTable& table) {
    std::vector<TableRow> rows;
    for (std::size_t i = 0; i < table.rows.size(); ++i)
        rows.push_back({qStrings(table.rows[i]),
                        i < table.tones.size() ? table.tones[i] : std::vector<Tone>{}, false,
                        i % 2 == 1});
    return rows;
}

// The height of a sheet's table's header row and first row: what stays with
// the lines above it.
double sheetTableLead(const ReportStyle& style, double width, const SheetTable& table) {
    if (table.rows.empty() || table.header.empty()) return 0;
    const SheetTableParts laid = sheetTableParts(style, width, table);
    const SheetTable& first = laid.parts.front();
    const TableLayout layout = contentLayout(style, width, first, laid.body);
    return 2 * style.mm + tableRowHeight(style, layout, {qStrings(first.header), {}, true}) +
           tableRowHeight(style, layout, tableRows(first).front());
}

void addSheetTable(PageFlow& flow, const ReportStyle& style, const QString& heading, bool headed,
                   const SheetTable& table) {
    if (table.rows.empty() || table.header.empty()) return;
    const SheetTableParts laid = sheetTableParts(style, flow.width(), table);
    for (const SheetTable& part : laid.parts) {
        if (&part != &laid.parts.front()) flow.gap(3 * style.mm);
        addTable(flow, style, heading, headed && &part == &laid.parts.front(),
                 contentLayout(style, flow.width(), part, laid.body), qStrings(part.header),
                 tableRows(part));
    }
}

} // namespace

void addPartTitle(PageFlow& flow, const ReportStyle& style, const QString& title) {
    if (title.isEmpty()) return;
    flow.place(style.textHeight(style.title, flow.width(), title) + 4 * style.mm,
               [&style, title](QPainter& painter, const QRectF& box) {
                   drawText(painter, box, style.title, style.accent, Qt::AlignLeft | Qt::AlignTop,
                            title);
                   drawRule(painter, style, box.bottom() - 1.5 * style.mm, box.left(), box.right(),
                            style.accent, 0.4);
               });
    flow.gap(3 * style.mm);
}

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
                        const std::vector<SheetSection>& sections) {
    const Columns columns = summaryColumns(style, flow.width(), sections);
    for (const SheetSection& section : sections) {
        std::vector<double> heights;
        for (const SheetLine& line : section.lines)
            heights.push_back(rowHeight(style, columns, printed(line)));
        // A section stays on one page when a page holds it, else its heading
        // stays with its first line; its lines with the start of its table.
        const double heading = section.heading.empty() ? 0 : headingHeight(style);
        const double whole = std::accumulate(heights.begin(), heights.end(), heading) +
                             sheetTableLead(style, flow.width(), section.table);
        flow.gap(5 * style.mm);
        flow.keep(whole <= flow.pageHeight() || heights.empty() ? whole
                                                                : heading + heights.front());
        if (!section.heading.empty())
            addHeading(flow, style, QString::fromStdString(section.heading));
        for (const SheetLine& line : section.lines)
            addSummaryLine(flow, style, columns, printed(line));
        addSheetTable(flow, style, QString::fromStdString(section.heading), false, section.table);
    }
}

void addPicture(PageFlow& flow, const ReportStyle& style, const QString& heading, double heightMm,
                const std::function<void(QPainter&, const QRectF&)>& draw) {
    const double height = heightMm * style.mm;
    flow.gap(5 * style.mm);
    flow.keep(headingHeight(style) + 2 * style.mm + height);
    addHeading(flow, style, heading);
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
                        {},
                        false,
                        rows.size() % 2 == 1});
    addTable(flow, style, QStringLiteral("Σημεία εδάφους"), true,
             evenLayout(style, flow.width(), kPointColumns.size()), kPointColumns, rows);
}

void addRatesTable(PageFlow& flow, const ReportStyle& style, const std::vector<ReportRate>& rates) {
    std::vector<TableRow> rows;
    for (const ReportRate& r : rates)
        rows.push_back({{r.rate, r.megabits, r.sensitivityDbm, r.greatestKm, r.marginDb},
                        {Tone::Plain, Tone::Plain, Tone::Plain, Tone::Plain, r.margin},
                        false,
                        rows.size() % 2 == 1});
    addTable(flow, style, QStringLiteral("Ρυθμοί δεδομένων"), true,
             evenLayout(style, flow.width(), kRateColumns.size()), kRateColumns, rows);
}

void addSheetTable(PageFlow& flow, const ReportStyle& style, const QString& heading,
                   const SheetTable& table) {
    addSheetTable(flow, style, heading, true, table);
}

} // namespace tarvanel
