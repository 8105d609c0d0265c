#pragma once

#include "plan/plan.h"
#include "plan_file/plan_json.h"

#include <QString>

namespace tarvanel {

// A plan's file name ends in ".tarvanel".
inline constexpr char kPlanSuffix[] = "tarvanel";

// Writes the plan to `path` through QSaveFile: the file is replaced only once
// the whole plan is on disk, so a crash or a full disk leaves the old one as it
// was. Empty when saved, else why not, in Greek, naming the file.
QString savePlan(const QString& path, const Plan& plan);

// Reads the plan at `path`: a whole plan or one problem.
PlanReading openPlan(const QString& path);

} // namespace tarvanel
