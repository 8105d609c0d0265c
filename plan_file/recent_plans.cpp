#include "plan_file/recent_plans.h"

#include <QFileInfo>
#include <QSettings>

namespace tarvanel {

namespace {

const QString kKey = QStringLiteral("recentPlans");

void keep(QStringList paths) {
    paths.removeDuplicates();
    QSettings().setValue(kKey, paths.mid(0, kRecentPlanCount));
}

} // namespace

QStringList recentPlans() {
    return QSettings().value(kKey).toStringList().mid(0, kRecentPlanCount);
}

void rememberPlan(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = recentPlans();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    keep(paths);
}

void forgetPlan(const QString& path) {
    QStringList paths = recentPlans();
    paths.removeAll(QFileInfo(path).absoluteFilePath());
    keep(paths);
}

} // namespace tarvanel
