#pragma once

#include "report/link_report.h"
#include "report/page_flow.h"
#include "report/report_style.h"
#include "report/summary_sections.h"

namespace tarvanel {

// The report's content, piece by piece down the pages.

// The verdict in a frame the column's width, in the colour of its first line.
void addVerdict(PageFlow& flow, const ReportStyle& style, const std::vector<VerdictLine>& lines);
// Each section under its heading, captions and values in two columns that
// line up across all sections.
void addSummarySections(PageFlow& flow, const ReportStyle& style,
                        const std::vector<SummarySection>& sections);
// The side view under its heading, in a frame the column's width by 7 cm.
void addSideView(PageFlow& flow, const ReportStyle& style,
                 const std::function<void(QPainter&, const QRectF&)>& draw);
// The ground profile's table, its header row again on every page it reaches.
void addPointsTable(PageFlow& flow, const ReportStyle& style,
                    const std::vector<ReportPoint>& points);
// The rate table, each margin in its tone.
void addRatesTable(PageFlow& flow, const ReportStyle& style, const std::vector<ReportRate>& rates);

} // namespace tarvanel
