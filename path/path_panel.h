#pragma once

#include "path/path_panel_table.h"

#include "plan/plan.h"

#include <QWidget>

#include <utility>
#include <vector>

namespace tarvanel {

struct LinkFigures;
struct LinkTexts;
struct NumberLocale;

// The panel that folds out below the window: the path's inputs and results
// over a picture of its own (ground, border, heading, captions and the side
// view's legend), drawn like the window's background. It makes its controls
// from its own table; the window reads and writes them through their rows.
// Escape inside it asks to close it.
class PathPanel : public QWidget {
    Q_OBJECT
public:
    // The panel edits the plan's current link.
    explicit PathPanel(Plan& plan, QWidget* parent = nullptr);

    const PathPanelControls& controls() const { return m_controls; }
    // Each control with the row that describes it, back to front.
    const std::vector<std::pair<const ControlRow*, QWidget*>>& rowControls() const {
        return m_rowControls;
    }

    // The refresh's figures: the side view's profile, the tables' rows.
    void showFigures(const LinkFigures& figures, const LinkTexts& texts,
                     const NumberLocale& locale);

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    PathPanelControls m_controls;
    std::vector<std::pair<const ControlRow*, QWidget*>> m_rowControls;
};

} // namespace tarvanel
