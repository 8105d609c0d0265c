#pragma once

#include <QStringList>

namespace tarvanel {

// The plans opened or saved last, newest first, kept in the user's settings
// (QSettings under the application's organization and name).
inline constexpr int kRecentPlanCount = 5;

QStringList recentPlans();
// Puts `path` (made absolute) first, once, and keeps the newest five.
void rememberPlan(const QString& path);
void forgetPlan(const QString& path);

} // namespace tarvanel
