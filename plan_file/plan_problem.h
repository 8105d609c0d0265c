#pragma once

#include <QString>

namespace tarvanel {

// Why a plan could not be opened.
enum class PlanProblemKind {
    Unreadable,   // the file cannot be read
    Damaged,      // not JSON, or JSON cut short
    NotAPlan,     // JSON, but no "format": "tarvanel-plan"
    NewerVersion, // written by a later program than this one reads
    WrongValue,   // a key whose value is of the wrong type or not one on offer
};

struct PlanProblem {
    PlanProblemKind kind;
    // Unreadable: why, in Greek; Damaged: the offset of the fault; NewerVersion:
    // the plan's version; WrongValue: the key ("profile_points[2].ground_m").
    QString detail;
    QString expected; // WrongValue: what the value has to be, in Greek

    bool operator==(const PlanProblem&) const = default;
};

// The problem as one Greek sentence that names the file.
QString planProblemText(const PlanProblem& problem, const QString& path);

} // namespace tarvanel
