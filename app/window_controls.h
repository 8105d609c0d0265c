#pragma once

#include "inputs/link_end_controls.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTimer;

namespace tarvanel {

class ClickArea;
class FoldButton;
class PathPanel;
class ResultLabel;
class TitleStrip;

// The window's controls that its code works with by name; the window table
// gives each its objectName, place and looks, and says where it is kept here.
// Other parts of the program and the tests work through these.
struct WindowControls {
    QLineEdit* txtFrequency = nullptr; // MHz
    QComboBox* Combo1 = nullptr;       // channel
    QLineEdit* Text11 = nullptr;       // receiver sensitivity, dBm
    QLineEdit* Text12 = nullptr;       // fade margin, dB
    QListWidget* List1 = nullptr;      // the cable chooser's list

    LinkEndControls end1; // transmits
    LinkEndControls end2; // receives

    // Beside the warnings, in red, while the link's sub-band is indoors only.
    QLabel* lblIndoors = nullptr;

    ResultLabel* lblDistance = nullptr;
    ResultLabel* lblFSL = nullptr;
    ResultLabel* lblFrensel = nullptr;

    // The installer's read-outs at the link's real distance.
    QLineEdit* txtLinkDistance = nullptr; // km
    ResultLabel* lblClearance = nullptr;  // needed at mid-path, m

    // The path panel below the window (built when it first opens), and the
    // button that folds it out.
    FoldButton* cmdPath = nullptr;
    PathPanel* pnlPath = nullptr;

    // Over the drawn title strip.
    TitleStrip* lbltitle = nullptr;
    ClickArea* lblMinimize = nullptr;
    ClickArea* lblexit = nullptr;

    // Results every 200 ms; the legal-limit warnings (Timer2_Timer) every
    // third tick, so the window wakes no more often than this one timer.
    QTimer* Timer1 = nullptr;
};

} // namespace tarvanel
