#pragma once

#include "widgets/twips.h"

#include <span>
#include <vector>

namespace tarvanel {

// What a control does in the window. The role decides the control's kind and
// where FrmMain::Controls keeps it.
enum class Role {
    // The link as a whole.
    Frequency,
    Channel,
    Sensitivity,
    Margin,
    CableList,
    Distance,
    FreeSpaceLoss,
    FresnelRadius,
    TitleStrip,
    Minimize,
    Exit,
    // The installer's read-outs.
    LinkDistance,
    ReceivedLevel,
    ReceiveMargin,
    Clearance,
    // One link end (the row's `end` says which).
    Power,
    Gain,
    LossPerMetre,
    Length,
    Connectors,
    ChooseCable,
    CableLoss,
    Eirp,
    Warning,
    DbmPicture,
    MwPicture,
    Underline,
    Frame,
    DbmOption,
    MwOption,
    UnitLabel,
    LegalPower,
};

enum class LinkEnd { None, One, Two };

enum class TextColour { Default, Green };

// One control of the window: everything about it that the window, the
// background picture and assistive technology need.
struct ControlRow {
    const char* name; // objectName
    Role role;
    LinkEnd end = LinkEnd::None;
    // Left, top, width x height relative to its container; a line is drawn
    // from (left, top) to (left + width, top).
    TwipsBox box;
    int fontPixels = 0; // 0: the window's font
    bool bold = false;
    bool condensed = false;
    TextColour colour = TextColour::Default;
    const char* text = ""; // initial text or caption
    // Drawn in the picture: the caption left of the control (at captionLeft),
    // or on the label's first line for results, and the unit word right of it
    // (at unitLeft; 0: just after the control's right edge).
    const char* caption = nullptr;
    int captionLeft = 0;
    const char* unit = nullptr;
    int unitLeft = 0;
    // For controls that no drawn caption names.
    const char* accessibleName = nullptr;
    // Also the control's accessible description.
    const char* toolTip = nullptr;
    int tabPosition = 0; // 1, 2, ...: the order of the Tab key; 0: not in it
};

// Every control, from the back of the stack to the front: first what is painted
// on the window's surface, then the input controls above it.
std::span<const ControlRow> windowTable();

// The rows of the controls in the Tab key's order.
std::vector<const ControlRow*> rowsInTabOrder();

// The row of a role (of a link end), which the table holds exactly once.
const ControlRow& rowOf(Role role, LinkEnd end = LinkEnd::None);

// Text boxes, and labels that show a result number.
bool isTextBox(Role role);
bool isResultLabel(Role role);

// The drawn heading of a link end, which is also its frame's caption.
const char* headingOf(LinkEnd end);

// The name assistive technology reads for a control: its drawn caption (with
// the link end's heading), or its own accessible name, or its tooltip.
QString accessibleNameOf(const ControlRow& row);

} // namespace tarvanel
