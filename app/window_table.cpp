#include "app/window_table.h"

#include "app/window_controls.h"
#include "app/window_size.h"
#include "engine/link_inputs.h"
#include "path/path_panel.h"
#include "path/path_panel_table.h"
#include "rules/power_unit_rules.h"
#include "texts/band_texts.h"
#include "texts/captions.h"
#include "texts/link_texts.h"
#include "widgets/click_area.h"
#include "widgets/fold_button.h"
#include "widgets/result_label.h"
#include "widgets/title_strip.h"
#include "widgets/underline_line.h"
#include "widgets/window_fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <type_traits>

namespace tarvanel {

namespace {

// Where the picture's captions and units stand, in twips.
constexpr int kCaptionLeft = 195;
constexpr int kUnitLeft = 2970;
constexpr int kResultCaptionLeft = 5310;

// The underlines start under "dBm"; the power-unit rules keep both places.
constexpr int kDbmUnderlineLeft = static_cast<int>(kUnderlineDbmX1);
constexpr int kDbmUnderlineLength = static_cast<int>(kUnderlineDbmX2 - kUnderlineDbmX1);

constexpr TwipsBox kUnitLabelBox{2880, 360, 975, 255};
constexpr TwipsBox kDbmOptionBox{3840, 360, 975, 255};
constexpr TwipsBox kMwOptionBox{4800, 360, 1095, 255};

constexpr const char* kWarningText = caption::kOutsideLegalLimits; // outside the legal limits
constexpr const char* kPowerCaption = caption::kPower;
constexpr const char* kGainCaption = caption::kGain;
constexpr const char* kLossCaption = caption::kLossPerMetre;
constexpr const char* kLengthCaption = caption::kLength;
constexpr const char* kConnectorsCaption = caption::kConnectors;
constexpr const char* kGainTip = "Απολαβή κεραίας σε dBi (όχι dBd)";
constexpr const char* kConnectorsTip = "Κάθε συνδετήρας μετρά 0,25 dB";
// The band's words: the window's face is the 2.4 GHz band's.
const std::string kLossTip = cableLossTip(Band::GHz2_4);
const std::string kWarningTip = legalLimitTip(legalLimitDbm(bandTable(Band::GHz2_4).rules.front()));
constexpr int kReadoutLeft = 7080;
constexpr int kLegalPowerLeft = 6480;
// The legal powers carry both units: a smaller size fits them inside the border.
constexpr int kLegalPowerPixels = 10;
// A read-out ends two pixels inside the border (8190 twips).
constexpr int kLegalPowerWidth = 1695;
constexpr const char* kCableLossName = caption::kCableLoss;

// Keeps a control in the member of WindowControls (or of the row's link end)
// that `member` points to.
template <auto member> void keepAt(void* controls, LinkEnd end, QWidget* widget) {
    auto& window = *static_cast<WindowControls*>(controls);
    using Pointer = MemberPointer<decltype(member)>;
    auto* typed = static_cast<typename Pointer::Type*>(widget);
    if constexpr (std::is_same_v<typename Pointer::Owner, LinkEndControls>) {
        // Through a named reference: GCC 12 drops the store when the member
        // pointer is applied to the conditional expression itself.
        LinkEndControls& owner = end == LinkEnd::Two ? window.end2 : window.end1;
        owner.*member = typed;
    } else {
        window.*member = typed;
    }
}

// The text a refresh writes into a label, its colour, and the input a box feeds.
#define SHOWS(field) +[](const LinkTexts& t) -> const std::string& { return t.field; }
#define FEEDS(member) +[](LinkInputs& in) -> std::string& { return in.member; }
TextColour marginColour(const LinkTexts& t) {
    return t.readouts.marginMet ? TextColour::Green : TextColour::Red;
}
using R = Role;
using E = LinkEnd;
using K = Kind;
using W = WindowControls;
using L = LinkEndControls;

// clang-format off
const std::array kRows = {
    // Painted on the window's surface, back to front.
    ControlRow{.name = "lblEIRP2", .kind = K::ResultLabel, .role = R::Eirp, .end = E::Two, .box = {7080, 1770, 1095, 375}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = caption::kEirp2, .captionLeft = kResultCaptionLeft, .keep = keepAt<&L::eirp>, .shows = SHOWS(results.eirp2)},
    // Reaches past the window's right edge.
    ControlRow{.name = "lblEIRP1", .kind = K::ResultLabel, .role = R::Eirp, .end = E::One, .box = {7080, 1260, 3495, 375}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = caption::kEirp1, .captionLeft = kResultCaptionLeft, .keep = keepAt<&L::eirp>, .shows = SHOWS(results.eirp1)},
    ControlRow{.name = "lblBlink1", .kind = K::Warning, .role = R::Warning, .end = E::One, .box = {5280, 1440, 2295, 375}, .fontPixels = kFont9pt, .bold = true, .text = kWarningText, .toolTip = kWarningTip.c_str(), .keep = keepAt<&L::warning>},
    ControlRow{.name = "lblBlink2", .kind = K::Warning, .role = R::Warning, .end = E::Two, .box = {5280, 2040, 2295, 375}, .fontPixels = kFont9pt, .bold = true, .text = kWarningText, .toolTip = kWarningTip.c_str(), .keep = keepAt<&L::warning>},
    // Left of the warning of end 1; hidden while the band allows the link outdoors.
    ControlRow{.name = "lblIndoors", .kind = K::Warning, .box = {4080, 1500, 1170, 600}, .fontPixels = 10, .bold = true, .condensed = true, .text = kIndoorsOnlyText, .accessibleName = "Μόνο σε εσωτερικό χώρο", .toolTip = "Η υποζώνη του καναλιού επιτρέπεται μόνο σε εσωτερικό χώρο: μια ζεύξη σημείου προς σημείο είναι έξω", .keep = keepAt<&W::lblIndoors>},
    ControlRow{.name = "lblDistance", .kind = K::ResultLabel, .role = R::GreatestDistance, .box = {7080, 2370, 1215, 255}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = caption::kGreatestDistance, .captionLeft = kResultCaptionLeft, .keep = keepAt<&W::lblDistance>, .shows = SHOWS(results.distance)},
    ControlRow{.name = "lblFSL", .kind = K::ResultLabel, .box = {7080, 2640, 1455, 375}, .fontPixels = kFont9_75pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = caption::kFreeSpaceLoss, .captionLeft = kResultCaptionLeft, .keep = keepAt<&W::lblFSL>, .shows = SHOWS(results.freeSpace)},
    ControlRow{.name = "lblFrensel", .kind = K::ResultLabel, .box = {7080, 2940, 1095, 375}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = caption::kFresnelRadius, .captionLeft = kResultCaptionLeft, .keep = keepAt<&W::lblFrensel>, .shows = SHOWS(results.fresnel)},
    // The unit "dB" of the cable losses is drawn just after each label's right edge.
    ControlRow{.name = "lblCableLoss", .kind = K::ResultLabel, .role = R::CableLoss, .end = E::One, .box = {3960, 2200, 735, 255}, .fontPixels = kFont8_25pt, .bold = true, .alignRight = true, .text = "0", .unit = "dB", .accessibleName = kCableLossName, .keep = keepAt<&L::cableLoss>},
    ControlRow{.name = "lblCableLoss2", .kind = K::ResultLabel, .role = R::CableLoss, .end = E::Two, .box = {3960, 4160, 975, 375}, .fontPixels = kFont8_25pt, .bold = true, .alignRight = true, .text = "0", .unit = "dB", .accessibleName = kCableLossName, .keep = keepAt<&L::cableLoss>},
    // The installer's read-outs, in the lower right corner, in the condensed
    // cut so that "-100.00 dBm" and "30.00 dBm (1000.00 mW)" fit inside the border.
    ControlRow{.name = "lblLegalPower1", .kind = K::ResultLabel, .end = E::One, .box = {kLegalPowerLeft, 3360, kLegalPowerWidth, 255}, .fontPixels = kLegalPowerPixels, .condensed = true, .colour = TextColour::Green, .caption = caption::kLegalPower1, .captionLeft = kResultCaptionLeft, .shows = SHOWS(readouts.legalPower1)},
    ControlRow{.name = "lblLegalPower2", .kind = K::ResultLabel, .end = E::Two, .box = {kLegalPowerLeft, 3630, kLegalPowerWidth, 255}, .fontPixels = kLegalPowerPixels, .condensed = true, .colour = TextColour::Green, .caption = caption::kLegalPower2, .captionLeft = kResultCaptionLeft, .shows = SHOWS(readouts.legalPower2)},
    ControlRow{.name = "lblReceived", .kind = K::ResultLabel, .box = {kReadoutLeft, 4260, 1095, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = caption::kReceived, .captionLeft = kResultCaptionLeft, .shows = SHOWS(readouts.received)},
    ControlRow{.name = "lblMargin", .kind = K::ResultLabel, .box = {kReadoutLeft, 4560, 1095, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = caption::kMargin, .captionLeft = kResultCaptionLeft, .shows = SHOWS(readouts.margin), .colourOf = marginColour},
    ControlRow{.name = "lblClearance", .kind = K::ResultLabel, .role = R::Clearance, .box = {kReadoutLeft, 4860, 1095, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = caption::kClearance, .captionLeft = kResultCaptionLeft, .keep = keepAt<&W::lblClearance>, .shows = SHOWS(readouts.clearance)},

    ControlRow{.name = "lbltitle", .kind = K::TitleStrip, .role = R::TitleStrip, .box = {30, 30, 7455, 255}, .accessibleName = "Μετακίνηση παραθύρου", .keep = keepAt<&W::lbltitle>},
    ControlRow{.name = "lblexit", .kind = K::ClickArea, .role = R::Exit, .box = {7950, 45, 225, 210}, .toolTip = "Exit", .keep = keepAt<&W::lblexit>},
    ControlRow{.name = "lblMinimize", .kind = K::ClickArea, .role = R::Minimize, .box = {7710, 40, 225, 210}, .toolTip = "Minimize", .keep = keepAt<&W::lblMinimize>},

    ControlRow{.name = "Imgdbm", .kind = K::ClickArea, .end = E::One, .box = {2955, 1320, 420, 150}, .fontPixels = kFont8_25pt, .text = "dBm", .accessibleName = "Ισχύς σε dBm,", .keep = keepAt<&L::dbmPicture>},
    ControlRow{.name = "imgMw", .kind = K::ClickArea, .end = E::One, .box = {3720, 1320, 420, 150}, .fontPixels = kFont8_25pt, .text = "mW", .accessibleName = "Ισχύς σε mW,", .keep = keepAt<&L::mwPicture>},
    ControlRow{.name = "lnUnderline1", .kind = K::Underline, .end = E::One, .box = {kDbmUnderlineLeft, 1500, kDbmUnderlineLength, 0}, .keep = keepAt<&L::underline>},
    ControlRow{.name = "ImgDbm2", .kind = K::ClickArea, .end = E::Two, .box = {2955, 3300, 420, 150}, .fontPixels = kFont8_25pt, .text = "dBm", .accessibleName = "Ισχύς σε dBm,", .keep = keepAt<&L::dbmPicture>},
    ControlRow{.name = "ImgMw2", .kind = K::ClickArea, .end = E::Two, .box = {3720, 3300, 420, 150}, .fontPixels = kFont8_25pt, .text = "mW", .accessibleName = "Ισχύς σε mW,", .keep = keepAt<&L::mwPicture>},
    ControlRow{.name = "lnUnderline2", .kind = K::Underline, .end = E::Two, .box = {kDbmUnderlineLeft, 3480, kDbmUnderlineLength, 0}, .keep = keepAt<&L::underline>},

    // Input controls, back to front.
    ControlRow{.name = "txtFrequency", .kind = K::TextBox, .role = R::Frequency, .box = {1200, 510, 615, 285}, .fontPixels = kFont9pt, .text = "0", .caption = caption::kFrequency, .captionLeft = 210, .unit = "MHz", .unitLeft = 1860, .tabPosition = 1, .keep = keepAt<&W::txtFrequency>, .feeds = FEEDS(link.frequency)},
    // The two frames lie below the client area: never seen, but they keep the
    // power unit option buttons and unit words of the link ends.
    ControlRow{.name = "Frame1", .kind = K::Frame, .role = R::Frame, .end = E::One, .box = {6240, 6960, 6015, 2895}, .fontPixels = kFont8_25pt, .text = caption::kEnd1, .keep = keepAt<&L::frame>},
    ControlRow{.name = "lblUnitOfPower", .kind = K::UnitLabel, .end = E::One, .container = Container::EndFrame, .box = kUnitLabelBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Μονάδα ισχύος,", .keep = keepAt<&L::unitLabel>},
    ControlRow{.name = "Option1", .kind = K::UnitOption, .end = E::One, .container = Container::EndFrame, .box = kDbmOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Ισχύς σε dBm,", .tabPosition = 3, .keep = keepAt<&L::dbmOption>},
    ControlRow{.name = "Option2", .kind = K::UnitOption, .end = E::One, .container = Container::EndFrame, .box = kMwOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "mWatts", .accessibleName = "Ισχύς σε mW,", .tabPosition = 4, .keep = keepAt<&L::mwOption>},
    ControlRow{.name = "Combo1", .kind = K::ChannelBox, .role = R::Channel, .box = {3720, 510, 615, 315}, .fontPixels = kFont8_25pt, .caption = caption::kChannel, .captionLeft = 3060, .tabPosition = 2, .keep = keepAt<&W::Combo1>, .feeds = FEEDS(channel)},
    ControlRow{.name = "Frame2", .kind = K::Frame, .role = R::Frame, .end = E::Two, .box = {120, 6840, 6015, 2175}, .fontPixels = kFont8_25pt, .text = caption::kEnd2, .keep = keepAt<&L::frame>},
    ControlRow{.name = "lblUnitOfPower_2", .kind = K::UnitLabel, .end = E::Two, .container = Container::EndFrame, .box = kUnitLabelBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Μονάδα ισχύος,", .keep = keepAt<&L::unitLabel>},
    ControlRow{.name = "Option3", .kind = K::UnitOption, .end = E::Two, .container = Container::EndFrame, .box = kMwOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "mWatts", .accessibleName = "Ισχύς σε mW,", .tabPosition = 6, .keep = keepAt<&L::mwOption>},
    ControlRow{.name = "Option4", .kind = K::UnitOption, .end = E::Two, .container = Container::EndFrame, .box = kDbmOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Ισχύς σε dBm,", .tabPosition = 5, .keep = keepAt<&L::dbmOption>},

    ControlRow{.name = "Text2", .kind = K::TextBox, .role = R::Power, .end = E::One, .box = {2250, 1250, 650, 280}, .fontPixels = kFont8_25pt, .caption = kPowerCaption, .captionLeft = kCaptionLeft, .tabPosition = 7, .keep = keepAt<&L::power>, .feeds = FEEDS(link.end1.power)},
    ControlRow{.name = "Text3", .kind = K::TextBox, .end = E::One, .box = {2250, 1560, 650, 280}, .fontPixels = kFont8_25pt, .caption = kGainCaption, .captionLeft = kCaptionLeft, .unit = "dBi", .unitLeft = kUnitLeft, .toolTip = kGainTip, .tabPosition = 8, .keep = keepAt<&L::gain>, .feeds = FEEDS(link.end1.gain)},
    ControlRow{.name = "Text4", .kind = K::TextBox, .role = R::LossPerMetre, .end = E::One, .box = {2250, 1870, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLossCaption, .captionLeft = kCaptionLeft, .unit = "dB/m", .unitLeft = kUnitLeft, .toolTip = kLossTip.c_str(), .tabPosition = 9, .keep = keepAt<&L::lossPerMetre>, .feeds = FEEDS(link.end1.lossPerMetre)},
    ControlRow{.name = "Text5", .kind = K::TextBox, .end = E::One, .box = {2250, 2180, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLengthCaption, .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .tabPosition = 10, .keep = keepAt<&L::length>, .feeds = FEEDS(link.end1.length)},
    ControlRow{.name = "Text6", .kind = K::TextBox, .role = R::Connectors, .end = E::One, .box = {2250, 2470, 650, 280}, .fontPixels = kFont8_25pt, .caption = kConnectorsCaption, .captionLeft = kCaptionLeft, .toolTip = kConnectorsTip, .tabPosition = 11, .keep = keepAt<&L::connectors>, .feeds = FEEDS(link.end1.connectors)},
    ControlRow{.name = "Text12", .kind = K::TextBox, .role = R::Margin, .box = {2250, 5085, 650, 280}, .fontPixels = kFont8_25pt, .caption = caption::kFadeMargin, .captionLeft = kCaptionLeft, .unit = "dB", .unitLeft = kUnitLeft, .toolTip = "Περιθώριο εξασθένισης σε dB· συνήθως 10 έως 15 dB", .tabPosition = 12, .keep = keepAt<&W::Text12>, .feeds = FEEDS(link.margin)},
    ControlRow{.name = "Text11", .kind = K::TextBox, .role = R::Sensitivity, .box = {2250, 4780, 650, 280}, .fontPixels = kFont8_25pt, .caption = caption::kSensitivity, .captionLeft = kCaptionLeft, .unit = "dBm", .unitLeft = kUnitLeft, .toolTip = "Το κατώφλι λήψης του δέκτη στον ρυθμό δεδομένων της ζεύξης, ως μέτρο σε dBm (80 για -80 dBm)", .tabPosition = 13, .keep = keepAt<&W::Text11>, .feeds = FEEDS(link.sensitivity)},
    ControlRow{.name = "Text1", .kind = K::TextBox, .role = R::Connectors, .end = E::Two, .box = {2250, 4440, 650, 280}, .fontPixels = kFont8_25pt, .caption = kConnectorsCaption, .captionLeft = kCaptionLeft, .toolTip = kConnectorsTip, .tabPosition = 14, .keep = keepAt<&L::connectors>, .feeds = FEEDS(link.end2.connectors)},
    ControlRow{.name = "Text7", .kind = K::TextBox, .end = E::Two, .box = {2250, 4140, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLengthCaption, .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .tabPosition = 15, .keep = keepAt<&L::length>, .feeds = FEEDS(link.end2.length)},
    ControlRow{.name = "Text8", .kind = K::TextBox, .role = R::LossPerMetre, .end = E::Two, .box = {2250, 3830, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLossCaption, .captionLeft = kCaptionLeft, .unit = "dB/m", .unitLeft = kUnitLeft, .toolTip = kLossTip.c_str(), .tabPosition = 16, .keep = keepAt<&L::lossPerMetre>, .feeds = FEEDS(link.end2.lossPerMetre)},
    ControlRow{.name = "Text9", .kind = K::TextBox, .end = E::Two, .box = {2250, 3520, 650, 280}, .fontPixels = kFont8_25pt, .caption = kGainCaption, .captionLeft = kCaptionLeft, .unit = "dBi", .unitLeft = kUnitLeft, .toolTip = kGainTip, .tabPosition = 17, .keep = keepAt<&L::gain>, .feeds = FEEDS(link.end2.gain)},
    ControlRow{.name = "Text10", .kind = K::TextBox, .role = R::Power, .end = E::Two, .box = {2250, 3210, 650, 280}, .fontPixels = kFont8_25pt, .caption = kPowerCaption, .captionLeft = kCaptionLeft, .tabPosition = 18, .keep = keepAt<&L::power>, .feeds = FEEDS(link.end2.power)},

    ControlRow{.name = "cmdChoose", .kind = K::ChooseButton, .end = E::One, .box = {1820, 1890, 375, 255}, .fontPixels = kFont8_25pt, .text = "...", .tabPosition = 19, .keep = keepAt<&L::chooseCable>},
    ControlRow{.name = "cmdchoose2", .kind = K::ChooseButton, .end = E::Two, .box = {1820, 3848, 375, 255}, .fontPixels = kFont8_25pt, .text = "...", .tabPosition = 20, .keep = keepAt<&L::chooseCable>},
    ControlRow{.name = "txtLinkDistance", .kind = K::TextBox, .role = R::LinkDistance, .box = {kReadoutLeft, 3930, 650, 280}, .fontPixels = kFont8_25pt, .caption = caption::kLinkDistance, .captionLeft = kResultCaptionLeft, .unit = "km", .unitLeft = kReadoutLeft + 700, .toolTip = "Η πραγματική απόσταση της ζεύξης σε km", .tabPosition = 21, .keep = keepAt<&W::txtLinkDistance>, .feeds = FEEDS(linkDistance)},
    // Below the read-outs, inside the border.
    ControlRow{.name = "cmdPath", .kind = K::FoldButton, .box = {6780, 5145, 1380, 225}, .text = "Διαδρομή", .accessibleName = kOpenPathPanel, .toolTip = "Διαδρομή ζεύξης: ιστοί και k, όψη, έδαφος, θέσεις, ρυθμοί, στόχευση (Ctrl+Shift+H)", .tabPosition = 22, .keep = keepAt<&W::cmdPath>},
    // Above every text box it covers when shown.
    ControlRow{.name = "List1", .kind = K::CableList, .box = {2160, 2640, 2295, 1005}, .accessibleName = "Τύποι καλωδίων", .tabPosition = 42, .keep = keepAt<&W::List1>},

    // The path panel, below the window while it is open.
    ControlRow{.name = "pnlPath", .kind = K::Panel, .role = R::PathPanel, .box = {0, kWindowHeightTwips, kWindowWidthTwips, kPathPanelHeightTwips}, .accessibleName = "Διαδρομή ζεύξης", .keep = keepAt<&W::pnlPath>},
};
// clang-format on
#undef SHOWS
#undef FEEDS

} // namespace

std::span<const ControlRow> windowTable() {
    return kRows;
}

std::vector<const ControlRow*> rowsInTabOrder() {
    std::vector<const ControlRow*> rows;
    for (std::span<const ControlRow> table : {windowTable(), pathPanelTable()})
        for (const ControlRow& row : table)
            if (row.tabPosition != 0) rows.push_back(&row);
    std::sort(rows.begin(), rows.end(), [](const ControlRow* a, const ControlRow* b) {
        return a->tabPosition < b->tabPosition;
    });
    return rows;
}

const ControlRow& rowOf(Role role, LinkEnd end) {
    for (const ControlRow& row : kRows) {
        if (row.role == role && row.end == end) return row;
    }
    throw std::logic_error("no such control in the window");
}

const char* headingOf(LinkEnd end) {
    return rowOf(Role::Frame, end).text;
}

QString windowNameOf(const ControlRow& row) {
    return accessibleNameOf(row, row.end == LinkEnd::None ? nullptr : headingOf(row.end));
}

QString warningNameOf(LinkEnd end) {
    return QString::fromUtf8(rowOf(Role::Eirp, end).caption) + QStringLiteral(": ") +
           QString::fromUtf8(rowOf(Role::Warning, end).text);
}

const ControlRow& rowNamed(std::string_view name) {
    const auto rows = windowTable();
    const auto row =
        std::ranges::find(rows, name, [](const ControlRow& r) { return std::string_view(r.name); });
    Q_ASSERT(row != rows.end());
    return *row;
}

} // namespace tarvanel
