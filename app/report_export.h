#pragma once

#include "plan/plan.h"
#include "report/link_report.h"

#include <QString>

class QWidget;

namespace tarvanel {

class ElevationReader;

// Asks which report (of the plan of more than one link: "this link" or
// "every link") and where to write it, then writes it: the link's report
// (reportOf), or the plan's (planReportOf); a failure is told in one message
// naming the file. The dialog proposes the plan's name beside `planFile`
// (ex.tarvanel: ex.pdf), or for a new plan (empty) ζεύξη.pdf or σχέδιο.pdf in
// the folder of the last report.
void exportReport(QWidget* parent, const Plan& plan, const QString& planFile);

// What a report draws beyond the link's figures: the survey computed over its
// folder's ground, and the maps' relief from `elevationFolder` (empty: no
// maps).
struct ReportSources {
    ElevationReader& reader;
    QString elevationFolder;
};

// The report of a link of the plan as it is now, in the user's locale: the
// verdict, the link's sheet and, when the plan has a survey site, the survey
// after it, the rates, the side view, the map around the link, the points.
LinkReport reportOf(const Plan& plan, LinkId link, const QString& planName,
                    const ReportSources& sources);

// The report of the whole plan: the links' verdicts side by side, the map
// around the sites and the survey, then every link's report (without the
// survey, said once) under its two sites' names.
PlanReport planReportOf(const Plan& plan, const QString& planName, const ReportSources& sources);

} // namespace tarvanel
