#pragma once

#include "widgets/control_row.h"

#include <QString>

#include <span>
#include <string_view>
#include <vector>

namespace tarvanel {

// The path button's name for assistive technology, as the panel is closed or open.
inline constexpr const char* kOpenPathPanel = "Άνοιγμα διαδρομής ζεύξης";
inline constexpr const char* kClosePathPanel = "Κλείσιμο διαδρομής ζεύξης";

// Every control of the window, from the back of the stack to the front: first
// what is painted on the window's surface, then the input controls above it.
// The path panel's own controls are in its table (path/path_panel_table.h).
std::span<const ControlRow> windowTable();

// The rows of the window's and the path panel's controls in the Tab key's order.
std::vector<const ControlRow*> rowsInTabOrder();

// The row of a role (of a link end), which the window's table holds exactly once.
const ControlRow& rowOf(Role role, LinkEnd end = LinkEnd::None);

// The drawn heading of a link end, which is also its frame's caption.
const char* headingOf(LinkEnd end);

// The name assistive technology reads for a control of the window: its drawn
// caption (with the link end's heading), or its own accessible name, or its
// tooltip.
QString windowNameOf(const ControlRow& row);

// A link end's warning as assistive technology names it: the EIRP it warns
// about and what it says ("Interface 1 EIRP: Εκτός νόμιμων ορίων").
QString warningNameOf(LinkEnd end);

// The row of the control named `name` (lblIndoors), which the table holds.
const ControlRow& rowNamed(std::string_view name);

} // namespace tarvanel
