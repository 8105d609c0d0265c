#pragma once

#include "plan/plan.h"
#include "plan_file/plan_problem.h"

#include <QByteArray>

#include <optional>

namespace tarvanel {

// A plan as a JSON document:
//   {"format": "tarvanel-plan", "version": 2,
//    "sites": [{"name": "Άκρο 1", "position": "37.97552, 23.73484", ...}, ...],
//    "links": [{"ends": [{"site": 0, ...}, {"site": 1, ...}], "frequency_mhz": "2427", ...}],
//    "current_link": 0,
//    "map": {"centre_latitude": 37.99, "centre_longitude": 23.75, "metres_per_pixel": 20.5}}
// with one key per member of a site and a link (plan_fields.cpp), every text
// as typed; a link's ends name sites by their place in "sites". "map" is
// where the map was left, in numbers; without it the map fits the plan. Version 1
// held one link with keys ending in _1 and _2; it is read as two sites and
// the link between them.
inline constexpr char kPlanFormat[] = "tarvanel-plan";
inline constexpr int kPlanVersion = 2;

QByteArray planJson(const Plan& plan);

// A whole plan, or the one problem that keeps it from being read.
struct PlanReading {
    std::optional<Plan> plan;
    std::optional<PlanProblem> problem;
};

// Keys the plan lacks keep their empty or standard value; keys this program
// does not know are ignored.
PlanReading readPlanJson(const QByteArray& bytes);

} // namespace tarvanel
