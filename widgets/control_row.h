#pragma once

#include "widgets/twips.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace tarvanel {

struct LinkInputs;
struct LinkTexts;

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
    GreatestDistance,
    Clearance,
    PathPanel,
    TitleStrip,
    Position, // where a link end stands
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
    Panel,        // a part of the window that folds out, built when first opened
    ChoiceBox,    // a drop-down of fixed items, named by its caption
    CheckBox,     // a yes or no, chooses 1 when checked
    SideView,     // the path seen from the side
    Pages,        // a panel's pages, one shown at a time, chosen by their tabs
    ProfileTable, // the ground profile's points
    RateTable,    // the data rates of a standard
};

enum class LinkEnd { None, One, Two };

// Where a row's box is measured from, and whose child the control is.
enum class Container {
    Window,
    EndFrame,
    PathPanel,
    // The path panel's pages.
    SideViewPage,
    ProfilePage,
    PositionsPage,
    RatesPage,
    AlignmentPage,
};

enum class TextColour { Default, Green, Red };

// Where the controls struct of a table keeps a row's control (made by
// keepAt<&member>; `controls` is that struct).
using KeepControl = void (*)(void* controls, LinkEnd, QWidget*);
// The text a result label shows, and its colour, from the refresh's texts.
using TextOf = const std::string& (*)(const LinkTexts&);
using ColourOf = TextColour (*)(const LinkTexts&);
// The input a text box or drop-down is bound to: its text...
using TextInput = std::string& (*)(LinkInputs&);
// ... or, for a choice box, the index of its choice. (The tables of points
// and rates edit the plan themselves.)
using ChoiceInput = void (*)(LinkInputs&, int index);
// The items a choice box offers for the inputs (when not its fixed `text`).
using ChoiceItems = std::vector<std::string> (*)(const LinkInputs&);
// Whether a control takes input for the inputs (the summary leaves it out
// when not).
using InputTest = bool (*)(const LinkInputs&);

// One control: everything about it that its container, the drawn picture
// behind it, the refresh and assistive technology need.
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
    TextInput feeds = nullptr;   // both ways: written by the control, shown from the plan
    ChoiceInput chooses = nullptr;
    ChoiceItems items = nullptr;
    InputTest enabled = nullptr; // none: always
    // Why the text typed into the box is not taken (shown in red, the reason
    // as its tooltip); empty while it is.
    TextOf rejects = nullptr;
};

// Keeps a control in the member of a controls struct that `member` points to.
template <typename> struct MemberPointer;
template <typename Class, typename Widget> struct MemberPointer<Widget * Class::*> {
    using Owner = Class;
    using Type = Widget;
};
template <auto member> void keepIn(void* controls, LinkEnd, QWidget* widget) {
    using Pointer = MemberPointer<decltype(member)>;
    static_cast<typename Pointer::Owner*>(controls)->*member =
        static_cast<typename Pointer::Type*>(widget);
}

// The name assistive technology reads for a control: its drawn caption, or its
// own accessible name, or its tooltip; the fields of a link end (but not its
// results, whose captions say the end) with the end's heading after it.
QString accessibleNameOf(const ControlRow& row, const char* endHeading = nullptr);

// The texts of a choice box's items for the inputs: its `items`, else the
// lines of its `text`.
QStringList choiceItemsOf(const ControlRow& row, const LinkInputs& inputs);
// The index of the item whose choice gives back the inputs, or -1.
int chosenIndexOf(const ControlRow& row, const LinkInputs& inputs, int count);

// Shows the inputs in a bound choice box or check box: its items (refilled
// only when they differ), the choice that gives them back, whether it takes
// input. Its change signals are the caller's to ignore.
void showChoice(QWidget* control, const ControlRow& row, const LinkInputs& inputs);

} // namespace tarvanel
