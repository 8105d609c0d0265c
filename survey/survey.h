#pragma once

#include "elevation/elevation_sampling.h"
#include "geo/geo_position.h"
#include "plan/plan.h"
#include "survey/survey_row.h"
#include "texts/sheet.h"

#include <functional>
#include <optional>
#include <vector>

namespace tarvanel {

// The survey of a plan from its chosen site (Plan::surveySite) to every other
// site, with the current link's settings. Sites whose texts do not make a site
// (sites/site_columns.h: siteProblem) are left out, and so is everything when
// the chosen one is such a site or there is none.

// The ground between two positions, from the survey's folder; none without one.
using GroundReader =
    std::function<std::optional<ElevationProfile>(const Position& from, const Position& to)>;

// The sites surveyed from the chosen one, in the plan's order.
std::vector<SiteId> surveyedSites(const Plan& plan, const NumberLocale& locale);

// Every row at once, in the plan's order (the window computes them one by one
// off its thread; this is for outputs, tests and the benchmark).
std::vector<SurveyRow> surveyRows(const Plan& plan, const GroundReader& ground,
                                  const NumberLocale& locale);

// The survey as a section of a summary or report: "Έρευνα από A", the ground's
// folder, and a table of the rows as given, each cell in its tone. Without a
// chosen site the section has neither lines nor rows.
SheetSection surveySection(const Plan& plan, const std::vector<SurveyRow>& rows);

} // namespace tarvanel
