#pragma once

#include "engine/link_inputs.h"
#include "plan/plan_problem.h"

#include <QByteArray>

#include <optional>

namespace tarvanel {

// A plan: everything the user entered, as a JSON document
//   {"format": "tarvanel-plan", "version": 1, "frequency_mhz": "2427", ...}
// with one key per member of LinkInputs (plan_fields.cpp), every text as typed.
inline constexpr char kPlanFormat[] = "tarvanel-plan";
inline constexpr int kPlanVersion = 1;

QByteArray planJson(const LinkInputs& inputs);

// A whole plan, or the one problem that keeps it from being read.
struct PlanReading {
    std::optional<LinkInputs> inputs;
    std::optional<PlanProblem> problem;
};

// Keys the plan lacks keep their empty or standard value; keys this program
// does not know are ignored.
PlanReading readPlanJson(const QByteArray& bytes);

} // namespace tarvanel
