#pragma once

#include "app/readout_explanations.h"
#include "app/window_controls.h"
#include "engine/link_inputs.h"

#include <QLocale>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

class QAction;
class QLineEdit;

namespace tarvanel {

struct ControlRow;
struct LinkTexts;
struct PositionTexts;
class ElevationReader;
class PathPanel;
class PlanController;
class PowerUnits;
class ResultAnnouncer;

// The program's only window: a fixed 550 x 362 borderless panel whose captions
// are drawn in the background picture, with every control of the program on
// top of it. What the user enters is read into a LinkInputs in one place; the
// refresh turns it into figures, then texts, and writes the labels.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    using Controls = WindowControls;

    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    const Controls& controls() const { return m_c; }

    // Every text box of the window, in the order of the Tab key.
    QList<QLineEdit*> textFields() const;

    // Everything the user has entered, read from the controls the window
    // table says feed it, with both power units.
    LinkInputs inputs() const;
    // Brings every control in step with `inputs` (a plan opened, the ground
    // read from files), through the same rows; the path panel is built for it.
    void setInputs(const LinkInputs& inputs);

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
    void watchInputs();
    void noticeLocale();
    void markStale();

    Controls m_c;
    PowerUnits* m_powerUnits = nullptr;
    PlanController* m_plan = nullptr;             // the plan file: its name, unsaved changes
    std::unique_ptr<ElevationReader> m_elevation; // loads its plugin on first use
    ResultAnnouncer* m_announcer = nullptr;
    // The labels every refresh writes, and the controls it reads, with the
    // rows that say what they show or feed.
    std::vector<std::pair<const ControlRow*, QLabel*>> m_refreshed;
    std::vector<RowControl> m_inputs;
    ReadoutExplanations m_explained; // as the read-outs' tooltips show them
    QAction* m_pathAction = nullptr;
    // Whether the positions give the link distance, and the one typed.
    bool m_distanceFromPositions = false;
    QString m_typedDistance;
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
