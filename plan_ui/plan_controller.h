#pragma once

#include "plan/plan.h"
#include "plan_ui/plan_dialogs.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace tarvanel {

// The plan the window shows: its file, whether it has unsaved changes, and the
// commands that save and open it (Ctrl+S, Ctrl+Shift+S, Ctrl+O and the five
// recent plans). A plan opened replaces the plan the window edits; one that
// does not open leaves it as it was.
//
// Create it once the plan holds its starting inputs: they count as saved.
class PlanController : public QObject {
    Q_OBJECT
public:
    PlanController(QString productTitle, Plan& plan, QWidget* window,
                   PlanDialogs dialogs = standardPlanDialogs());
    ~PlanController() override;

    QAction* saveAction() const { return m_save; }
    QAction* saveAsAction() const { return m_saveAs; }
    QAction* openAction() const { return m_open; }
    QMenu* recentMenu() const { return m_recent.get(); } // "Πρόσφατα σχέδια"
    // All of them, the recent plans as a submenu: for the window's addActions.
    QList<QAction*> actions() const;

    QString fileName() const { return m_file; } // absolute; empty for a new plan
    bool hasUnsavedChanges() const { return m_unsaved; }
    // "Tarvanel 0.1 — name", with " *" while there are unsaved changes.
    QString title() const;

    // Each returns whether it was done; a cancelled question is not.
    bool save();
    bool saveAs();
    bool open();
    // Reads the plan at `path`; if it reads, asks about unsaved changes and
    // shows it, else shows the problem.
    bool openPath(const QString& path);
    // With unsaved changes, asks whether to save them: false when the user
    // cancels (or the save fails), so the caller stops.
    bool maybeKeep();

signals:
    void titleChanged(const QString& title);

private:
    bool saveTo(QString path);
    void keep(const QString& path);
    void refreshRecent();
    QString planName() const;
    QString startDirectory() const;
    void updateTitle();
    // The plan changed: compares it with the plan as saved.
    void markChanged();

    QString m_productTitle;
    Plan& m_plan;
    int m_listening = 0;
    QWidget* m_window;
    PlanDialogs m_dialogs;
    QAction* m_save;
    QAction* m_saveAs;
    QAction* m_open;
    std::unique_ptr<QMenu> m_recent;
    QList<QAction*> m_recentActions;
    QString m_file;
    Plan m_kept; // as last saved or opened
    bool m_unsaved = false;
    bool m_applying = false;
    QString m_title;
};

// Opens `path` in the window's PlanController (main's hook for a plan given on
// the command line); false when it does not open or the window has none.
bool openPlanIn(QObject& window, const QString& path);

} // namespace tarvanel
