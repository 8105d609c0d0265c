#pragma once

#include "app/window_controls.h"
#include "engine/link_budget.h"
#include "engine/path_profile.h"

#include <QLocale>
#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QLineEdit;

namespace tarvanel {

struct ControlRow;
struct LinkTexts;

// The program's only window: a fixed 550 x 362 borderless panel whose captions
// are drawn in the background picture, with every control of the program on
// top of it. The controls are the program's data; the window refreshes the
// results from the link-budget engine on its two timers.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    using Controls = WindowControls;

    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    const Controls& controls() const { return m_c; }

    // Every text box, in the order of the Tab key.
    QList<QLineEdit*> textFields() const;

    // The texts and units of every input, as the engine reads them.
    LinkFields linkFields() const;
    // The path panel's inputs, as the engine reads them.
    PathFields pathFields() const;

    // Folds the path panel out below the window, or back.
    void setPathPanelOpen(bool open);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void chainTabOrder();
    void nameForAssistiveTechnology();
    void installBehaviours();

    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void explainReadouts(const LinkTexts& texts);
    void lbltitle_MouseDown(QPointF globalPosition);
    void lblMinimize_Click();
    void lblexit_Click();
    void copySummary();
    void connectPathPanel();
    void watchInputs();
    void noticeLocale();

    Controls m_c;
    // The labels every refresh writes, with the rows that say what they show.
    std::vector<std::pair<const ControlRow*, QLabel*>> m_refreshed;
    // The path panel's text boxes, with the rows that say what they hold.
    std::vector<std::pair<const ControlRow*, QLineEdit*>> m_pathInputs;
    QAction* m_pathAction = nullptr;
    // What a tick must write again: the inputs, a unit or the locale changed
    // since it last wrote. A tick with nothing new only looks at the locale,
    // so an idle window costs no more than its timer.
    bool m_resultsStale = true;
    bool m_warningsStale = true;
    QLocale m_locale;
    int m_ticksSinceWarnings = 0;
};

} // namespace tarvanel
