#pragma once

#include "widgets/control_row.h"

#include <span>

class QTabWidget;

namespace tarvanel {

class ChoiceBox;
class PathSideView;
class ProfilePage;
class RateTableModel;

// The path panel's height below the window, in twips (363 px).
inline constexpr int kPathPanelHeightTwips = 5445;

// The panel's controls that its code works with by name.
struct PathPanelControls {
    ChoiceBox* cboEarthFactor = nullptr; // k, the engine's choices
    PathSideView* picPathSide = nullptr;
    QTabWidget* pages = nullptr; // side view, ground profile, positions, rates, alignment
    ProfilePage* profile = nullptr;
    RateTableModel* rates = nullptr;
};

// Every control of the path panel, back to front, places relative to it.
std::span<const ControlRow> pathPanelTable();

} // namespace tarvanel
