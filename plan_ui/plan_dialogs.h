#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tarvanel {

// What to do with unsaved changes before they would be lost.
enum class KeepAnswer { Save, Discard, Cancel };

// The questions the plan's commands ask the user, each replaceable (the tests
// answer them without a dialog).
struct PlanDialogs {
    // The path to save under, starting from `suggested`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> saveName;
    // The plan to open, starting in `directory`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& directory)> openName;
    // Whether to save the changes to `planName` (empty for a new plan) first.
    std::function<KeepAnswer(QWidget* parent, const QString& planName)> keepChanges;
    // A plan that could not be opened or saved.
    std::function<void(QWidget* parent, const QString& title, const QString& message)> showProblem;
};

// Qt's file dialogs and message boxes (in Greek once the application has
// installed its translation of them, app/dialog_language.h).
PlanDialogs standardPlanDialogs();

} // namespace tarvanel
