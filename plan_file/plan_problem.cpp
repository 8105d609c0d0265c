#include "plan_file/plan_problem.h"

#include "plan_file/plan_json.h"

#include <QDir>

namespace tarvanel {

QString planProblemText(const PlanProblem& problem, const QString& path) {
    const QString file = QDir::toNativeSeparators(path);
    switch (problem.kind) {
    case PlanProblemKind::Unreadable:
        return QStringLiteral("Το αρχείο «%1» δεν διαβάζεται: %2.").arg(file, problem.detail);
    case PlanProblemKind::Damaged:
        return QStringLiteral("Το αρχείο «%1» είναι κατεστραμμένο: δεν είναι έγκυρο JSON "
                              "(σφάλμα στη θέση %2).")
            .arg(file, problem.detail);
    case PlanProblemKind::NotAPlan:
        return QStringLiteral("Το αρχείο «%1» δεν είναι σχέδιο ζεύξης του Tarvanel.").arg(file);
    case PlanProblemKind::NewerVersion:
        return QStringLiteral("Το αρχείο «%1» είναι σχέδιο έκδοσης %2, νεότερης από αυτή που "
                              "διαβάζει το πρόγραμμα (%3). Ανοίξτε το με νεότερο Tarvanel.")
            .arg(file, problem.detail, QString::number(kPlanVersion));
    case PlanProblemKind::WrongValue:
        return QStringLiteral(
                   "Στο αρχείο «%1» η τιμή του «%2» δεν είναι σωστή: πρέπει να είναι %3.")
            .arg(file, problem.detail, problem.expected);
    }
    return file;
}

} // namespace tarvanel
