#pragma once

#include "widgets/twips.h"

#include <QString>

#include <span>
#include <string>
#include <vector>

class QWidget;

namespace tarvanel {

struct LinkTexts;
struct PathFields;
struct WindowControls;

// What a control means, for the code that looks one up by it (the picture's
// headings and braces, the summary, the names of the warnings).
enum class Role {
    None,
    // The link as a whole.
    Frequency,
    Channel,
    Sensitivity,
    Margin,
    Minimize,
    Exit,
    LinkDistance,
    // One link end (the row's `end` says which).
    Power,
    LossPerMetre,
    Connectors,
    CableLoss,
    Eirp,
    Warning,
    Frame,
};

// What kind of widget a row makes.
enum class Kind {
    TextBox,      // white, black text, the number rule
    ChannelBox,   // editable drop-down
    CableList,    // the chooser's list, hidden at start
    ChooseButton, // "..."
    ResultLabel,  // a number that assistive technology hears with its caption
    Warning,      // red text, hidden at start
    UnitLabel,    // a word
    TitleStrip,   // moves the window
    ClickArea,    // a word or glyph to click
    Underline,    // a line from (left, top) to (left + width, top)
    Frame,        // a group box
    UnitOption,   // an option button of a frame
    FoldButton,   // opens and closes a panel
    Panel,        // a part of the window that folds out
    ChoiceBox,    // a drop-down of fixed items (its text: the items, one a line)
    SideView,     // the path seen from the side
};

enum class LinkEnd { None, One, Two };

// Where a row's box is measured from, and whose child the control is.
enum class Container { Window, EndFrame, PathPanel };

enum class TextColour { Default, Green, Red };

// Where a control's line stands in the summary a user copies: its section
// (a link end's twice, end 1 first) and its place there; 0: left out.
enum class ReportSection { None, Link, End, Receiver, Results, Readouts, Path };
struct ReportPlace {
    ReportSection section = ReportSection::None;
    int place = 0;
};

// Where WindowControls keeps a row's control (made by keepAt<&member>).
using KeepControl = void (*)(WindowControls&, LinkEnd, QWidget*);
// The text a result label shows, and its colour, from the refresh's texts.
using TextOf = const std::string& (*)(const LinkTexts&);
using ColourOf = TextColour (*)(const LinkTexts&);
// The path input a text box holds.
using PathInput = std::string PathFields::*;

// One control of the window: everything about it that the window, the
// background picture and assistive technology need.
struct ControlRow {
    const char* name; // objectName
    Kind kind;
    Role role = Role::None;
    LinkEnd end = LinkEnd::None;
    Container container = Container::Window;
    // Left, top, width x height relative to its container.
    TwipsBox box;
    int fontPixels = 0; // 0: the window's font
    bool bold = false;
    bool condensed = false;
    bool alignRight = false;
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
    KeepControl keep = nullptr;
    TextOf shows = nullptr;      // written by every refresh
    ColourOf colourOf = nullptr; // likewise
    PathInput feeds = nullptr;   // read by every refresh
    ReportPlace report{};
};

// Every control, from the back of the stack to the front: first what is painted
// on the window's surface, then the input controls above it.
std::span<const ControlRow> windowTable();

// The rows of the controls in the Tab key's order.
std::vector<const ControlRow*> rowsInTabOrder();

// The row of a role (of a link end), which the table holds exactly once.
const ControlRow& rowOf(Role role, LinkEnd end = LinkEnd::None);

// The drawn heading of a link end, which is also its frame's caption.
const char* headingOf(LinkEnd end);

// The name assistive technology reads for a control: its drawn caption (with
// the link end's heading), or its own accessible name, or its tooltip.
QString accessibleNameOf(const ControlRow& row);

} // namespace tarvanel
