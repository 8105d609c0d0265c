#pragma once

#include "app/window_controls.h"
#include "engine/link_inputs.h"
#include "plan/plan.h"

#include <QLocale>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QLineEdit;

namespace tarvanel {

struct ControlRow;
struct LinkTexts;
struct PositionTexts;
class BandFace;
class CableLossLabels;
class ChannelSelector;
class ElevationReader;
class PathPanel;
class PlanController;
class PowerUnits;
class ResultAnnouncer;

// The program's only window: a fixed 550 x 362 borderless panel whose captions
// are drawn in the background picture, with every control of the program on
// top of it. The controls edit the current link of the plan: a change of a
// control writes the plan, a change of the plan is shown in the controls, and
// the refresh turns the plan's current link into figures, then texts, and
// writes the labels.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    using Controls = WindowControls;

    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    const Controls& controls() const { return m_c; }

    // Every text box of the window, in the order of the Tab key.
    QList<QLineEdit*> textFields() const;

    // The plan the window edits; its current link is the one shown.
    Plan& plan() { return m_plan; }
    const Plan& plan() const { return m_plan; }
    // The current link as the engine reads it, and its way back into the plan
    // (the controls follow).
    LinkInputs inputs() const { return m_plan.currentInputs(); }
    void setInputs(const LinkInputs& inputs) { m_plan.setCurrentInputs(inputs); }

    // Folds the path panel out below the window, or back; the panel is built
    // the first time it opens.
    void setPathPanelOpen(bool open);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    using RowControl = std::pair<const ControlRow*, QWidget*>;

    void createControls();
    void adopt(const RowControl& rowControl);
    void bind(const RowControl& rowControl);
    void editInputs(const std::function<void(LinkInputs&)>& edit);
    void planChanged();
    void showInputs();
    void showCableLosses(const LinkInputs& inputs);
    void chainTabOrder();
    void focusCheckedOptionsOnly();
    void nameWarnings();
    void installBehaviours();
    PathPanel* pathPanel();

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void explainReadouts(const LinkTexts& texts);
    void showRejections(const LinkTexts& texts);
    void showDistanceSource(const PositionTexts& positions);
    void lbltitle_MouseDown(QPointF globalPosition);
    void lblMinimize_Click();
    void lblexit_Click();
    void copySummary();
    void connectPathPanel();
    void noticeLocale();
    void markStale();

    Plan m_plan; // before the controls, which are bound to it
    Controls m_c;
    PowerUnits* m_powerUnits = nullptr;
    ChannelSelector* m_channels = nullptr;
    std::unique_ptr<CableLossLabels> m_cableLosses;
    std::unique_ptr<BandFace> m_bandFace;         // what the face says of the band
    PlanController* m_planFile = nullptr;         // the plan file: its name, unsaved changes
    std::unique_ptr<ElevationReader> m_elevation; // loads its plugin on first use
    ResultAnnouncer* m_announcer = nullptr;
    // The labels every refresh writes, and the controls it reads, with the
    // rows that say what they show or feed.
    std::vector<std::pair<const ControlRow*, QLabel*>> m_refreshed;
    std::vector<RowControl> m_inputs;
    // What the read-outs' tooltips say now: the way back, the clearance's terms.
    QString m_explainedDistance;
    QString m_explainedClearance;
    QAction* m_pathAction = nullptr;
    // Whether the positions give the link distance (the box shows theirs).
    bool m_distanceFromPositions = false;
    // Set while the controls are brought in step with the plan, whose own
    // writes do not go back into it.
    bool m_showingInputs = false;
    // What a tick must write again: the inputs, a unit or the locale changed
    // since it last wrote. A tick with nothing new only looks at the locale,
    // so an idle window costs no more than its timer.
    bool m_resultsStale = true;
    bool m_warningsStale = true;
    // Each end's EIRP above the legal limit, as the last refresh found it.
    std::pair<bool, bool> m_exceedsLimit{false, false};
    QLocale m_locale;
    int m_ticksSinceWarnings = 0;
};

} // namespace tarvanel
