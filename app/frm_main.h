#pragma once

#include "engine/link_budget.h"
#include "inputs/link_end_controls.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QTimer;

namespace tarvanel {

class ClickArea;
class ResultLabel;
class TitleStrip;
struct InstallerReadoutTexts;

// The program's only window: a fixed 550 x 362 borderless panel whose captions
// are drawn in the background picture, with every control of the program on
// top of it. The controls are the program's data; the window refreshes the
// results from the link-budget engine on its two timers.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    // Every control of the window; the window table gives each its objectName,
    // place and looks. Other parts of the program and the tests work through these.
    struct Controls {
        QLineEdit* txtFrequency = nullptr; // MHz
        QComboBox* Combo1 = nullptr;       // channel
        QLineEdit* Text11 = nullptr;       // receiver sensitivity, dBm
        QLineEdit* Text12 = nullptr;       // fade margin, dB
        QListWidget* List1 = nullptr;      // the cable chooser's list

        LinkEndControls end1; // transmits
        LinkEndControls end2; // receives

        ResultLabel* lblDistance = nullptr;
        ResultLabel* lblFSL = nullptr;
        ResultLabel* lblFrensel = nullptr;

        // The installer's read-outs at the link's real distance.
        QLineEdit* txtLinkDistance = nullptr; // km
        ResultLabel* lblReceived = nullptr;   // at link end 2, dBm
        ResultLabel* lblMargin = nullptr;     // above sensitivity, dB
        ResultLabel* lblClearance = nullptr;  // needed at mid-path, m

        // Over the drawn title strip.
        TitleStrip* lbltitle = nullptr;
        ClickArea* lblMinimize = nullptr;
        ClickArea* lblexit = nullptr;

        // Results every 200 ms; the legal-limit warnings (Timer2_Timer) every
        // third tick, so the window wakes no more often than this one timer.
        QTimer* Timer1 = nullptr;
    };

    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    const Controls& controls() const { return m_c; }

    // Every text box, in the order of the Tab key.
    QList<QLineEdit*> textFields() const;

    // The texts and units of every input, as the engine reads them.
    LinkFields linkFields() const;

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
    void showReadouts(const InstallerReadoutTexts& readouts);
    void lbltitle_MouseDown(QPointF globalPosition);
    void lblMinimize_Click();
    void lblexit_Click();
    void copySummary();

    Controls m_c;
    int m_ticksSinceWarnings = 0;
};

} // namespace tarvanel
