#pragma once

#include "report/link_report.h"
#include "report/page_flow.h"
#include "report/report_style.h"
#include "texts/sheet.h"

namespace tarvanel {

// The report's content, piece by piece down the pages.

// A part's title at the top of its page ("Ζεύξη A – B"), in the title's font.
void addPartTitle(PageFlow& flow, const ReportStyle& style, const QString& title);
// The verdict in a frame the column's width, in the colour of its first line.
void addVerdict(PageFlow& flow, const ReportStyle& style, const std::vector<VerdictLine>& lines);
// Each section under its heading, captions and values in two columns that
// line up across all sections, then its table (addSheetTable's, without a
// heading of its own).
void addSummarySections(PageFlow& flow, const ReportStyle& style,
                        const std::vector<SheetSection>& sections);
// A picture under its heading, in a frame the column's width by `heightMm`,
// drawn in units of 1/96 inch (the side view: 70 mm; a map).
void addPicture(PageFlow& flow, const ReportStyle& style, const QString& heading, double heightMm,
                const std::function<void(QPainter&, const QRectF&)>& draw);
// The ground profile's table, its header row again on every page it reaches.
void addPointsTable(PageFlow& flow, const ReportStyle& style,
                    const std::vector<ReportPoint>& points);
// The rate table, each margin in its tone.
void addRatesTable(PageFlow& flow, const ReportStyle& style, const std::vector<ReportRate>& rates);
// A sheet's table under a heading: a header row, then a row each, every cell
// in its tone; its columns as wide as their texts (a table too wide for the
// body font takes the small one), the header row again on every page.
void addSheetTable(PageFlow& flow, const ReportStyle& style, const QString& heading,
                   const SheetTable& table);

} // namespace tarvanel
