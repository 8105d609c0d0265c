#include "app/window_table.h"

#include "rules/power_unit_rules.h"
#include "widgets/window_fonts.h"

#include <QString>

#include <algorithm>
#include <array>
#include <stdexcept>

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

constexpr const char* kWarningText = "Εκτός νόμιμων ορίων"; // outside the legal limits
constexpr const char* kPowerCaption = "Ισχύς εκπομπής";
constexpr const char* kGainCaption = "Απολαβή κεραίας (Gain)";
constexpr const char* kLossCaption = "Απώλειες καλωδίου";
constexpr const char* kLengthCaption = "Μήκος καλωδίου";
constexpr const char* kConnectorsCaption = "Αριθμός συνδετήρων";
constexpr const char* kGainTip = "Απολαβή κεραίας σε dBi (όχι dBd)";
constexpr const char* kLossTip = "Απώλειες του καλωδίου ανά μέτρο στα 2,4 GHz, σε dB/m";
constexpr const char* kConnectorsTip = "Κάθε συνδετήρας μετρά 0,25 dB";
constexpr const char* kWarningTip =
    "Το νόμιμο όριο είναι 20 dBm EIRP, μετρώντας καλώδιο και κεραία";
constexpr int kReadoutLeft = 7080;
constexpr int kLegalPowerLeft = 6480;
// The legal powers carry both units: a smaller size fits them inside the border.
constexpr int kLegalPowerPixels = 10;
// A read-out ends two pixels inside the border (8190 twips).
constexpr int kLegalPowerWidth = 1695;
constexpr const char* kCableLossName = "Συνολικές απώλειες καλωδίου";

using R = Role;
using E = LinkEnd;

// clang-format off
constexpr std::array kRows = {
    // Painted on the window's surface, back to front.
    ControlRow{.name = "lblEIRP2", .role = R::Eirp, .end = E::Two, .box = {7080, 1770, 1095, 375}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = "Interface 2 EIRP", .captionLeft = kResultCaptionLeft},
    // Reaches past the window's right edge.
    ControlRow{.name = "lblEIRP1", .role = R::Eirp, .end = E::One, .box = {7080, 1260, 3495, 375}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = "Interface 1 EIRP", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblBlink1", .role = R::Warning, .end = E::One, .box = {5280, 1440, 2295, 375}, .fontPixels = kFont9pt, .bold = true, .text = kWarningText, .toolTip = kWarningTip},
    ControlRow{.name = "lblBlink2", .role = R::Warning, .end = E::Two, .box = {5280, 2040, 2295, 375}, .fontPixels = kFont9pt, .bold = true, .text = kWarningText, .toolTip = kWarningTip},
    ControlRow{.name = "lblDistance", .role = R::Distance, .box = {7080, 2370, 1215, 255}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = "Μέγιστη απόσταση", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblFSL", .role = R::FreeSpaceLoss, .box = {7080, 2640, 1455, 375}, .fontPixels = kFont9_75pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = "Free Space Loss", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblFrensel", .role = R::FresnelRadius, .box = {7080, 2940, 1095, 375}, .fontPixels = kFont9pt, .bold = true, .colour = TextColour::Green, .text = "0", .caption = "Fresnel Zone Radius", .captionLeft = kResultCaptionLeft},
    // The unit "dB" of the cable losses is drawn just after each label's right edge.
    ControlRow{.name = "lblCableLoss", .role = R::CableLoss, .end = E::One, .box = {3960, 2200, 735, 255}, .fontPixels = kFont8_25pt, .bold = true, .text = "0", .unit = "dB", .accessibleName = kCableLossName},
    ControlRow{.name = "lblCableLoss2", .role = R::CableLoss, .end = E::Two, .box = {3960, 4160, 975, 375}, .fontPixels = kFont8_25pt, .bold = true, .text = "0", .unit = "dB", .accessibleName = kCableLossName},
    // The installer's read-outs, in the lower right corner, in the condensed
    // cut so that "-100.00 dBm" and "30.00 dBm (1000.00 mW)" fit inside the border.
    ControlRow{.name = "lblLegalPower1", .role = R::LegalPower, .end = E::One, .box = {kLegalPowerLeft, 3360, kLegalPowerWidth, 255}, .fontPixels = kLegalPowerPixels, .condensed = true, .colour = TextColour::Green, .caption = "Νόμιμη ισχύς 1", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblLegalPower2", .role = R::LegalPower, .end = E::Two, .box = {kLegalPowerLeft, 3630, kLegalPowerWidth, 255}, .fontPixels = kLegalPowerPixels, .condensed = true, .colour = TextColour::Green, .caption = "Νόμιμη ισχύς 2", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblReceived", .role = R::ReceivedLevel, .box = {kReadoutLeft, 4260, 1095, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Στάθμη λήψης", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblMargin", .role = R::ReceiveMargin, .box = {kReadoutLeft, 4560, 1095, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Περιθώριο λήψης", .captionLeft = kResultCaptionLeft},
    ControlRow{.name = "lblClearance", .role = R::Clearance, .box = {kReadoutLeft, 4860, 1095, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Ελεύθερο ύψος", .captionLeft = kResultCaptionLeft},

    ControlRow{.name = "lbltitle", .role = R::TitleStrip, .box = {30, 30, 7455, 255}, .accessibleName = "Move window"},
    ControlRow{.name = "lblexit", .role = R::Exit, .box = {7950, 45, 225, 210}, .toolTip = "Exit"},
    ControlRow{.name = "lblMinimize", .role = R::Minimize, .box = {7710, 40, 225, 210}, .toolTip = "Minimize"},

    ControlRow{.name = "Imgdbm", .role = R::DbmPicture, .end = E::One, .box = {2955, 1320, 420, 150}, .fontPixels = kFont8_25pt, .text = "dBm", .accessibleName = "Power in dBm,"},
    ControlRow{.name = "imgMw", .role = R::MwPicture, .end = E::One, .box = {3720, 1320, 420, 150}, .fontPixels = kFont8_25pt, .text = "mW", .accessibleName = "Power in mW,"},
    ControlRow{.name = "lnUnderline1", .role = R::Underline, .end = E::One, .box = {kDbmUnderlineLeft, 1500, kDbmUnderlineLength, 0}},
    ControlRow{.name = "ImgDbm2", .role = R::DbmPicture, .end = E::Two, .box = {2955, 3300, 420, 150}, .fontPixels = kFont8_25pt, .text = "dBm", .accessibleName = "Power in dBm,"},
    ControlRow{.name = "ImgMw2", .role = R::MwPicture, .end = E::Two, .box = {3720, 3300, 420, 150}, .fontPixels = kFont8_25pt, .text = "mW", .accessibleName = "Power in mW,"},
    ControlRow{.name = "lnUnderline2", .role = R::Underline, .end = E::Two, .box = {kDbmUnderlineLeft, 3480, kDbmUnderlineLength, 0}},

    // Input controls, back to front.
    ControlRow{.name = "txtFrequency", .role = R::Frequency, .box = {1200, 510, 615, 285}, .fontPixels = kFont9pt, .text = "0", .caption = "Συχνότητα", .captionLeft = 210, .unit = "MHz", .unitLeft = 1860, .tabPosition = 1},
    // The two frames lie below the client area: never seen, but they keep the
    // power unit option buttons and unit words of the link ends.
    ControlRow{.name = "Frame1", .role = R::Frame, .end = E::One, .box = {6240, 6960, 6015, 2895}, .fontPixels = kFont8_25pt, .text = "Interface No.1"},
    ControlRow{.name = "lblUnitOfPower", .role = R::UnitLabel, .end = E::One, .box = kUnitLabelBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Power unit,"},
    ControlRow{.name = "Option1", .role = R::DbmOption, .end = E::One, .box = kDbmOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Power in dBm,", .tabPosition = 3},
    ControlRow{.name = "Option2", .role = R::MwOption, .end = E::One, .box = kMwOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "mWatts", .accessibleName = "Power in mW,", .tabPosition = 4},
    ControlRow{.name = "Combo1", .role = R::Channel, .box = {3720, 510, 615, 315}, .fontPixels = kFont8_25pt, .caption = "Κανάλι", .captionLeft = 3060, .tabPosition = 2},
    ControlRow{.name = "Frame2", .role = R::Frame, .end = E::Two, .box = {120, 6840, 6015, 2175}, .fontPixels = kFont8_25pt, .text = "Interface No.2"},
    ControlRow{.name = "lblUnitOfPower_2", .role = R::UnitLabel, .end = E::Two, .box = kUnitLabelBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Power unit,"},
    ControlRow{.name = "Option3", .role = R::MwOption, .end = E::Two, .box = kMwOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "mWatts", .accessibleName = "Power in mW,", .tabPosition = 6},
    ControlRow{.name = "Option4", .role = R::DbmOption, .end = E::Two, .box = kDbmOptionBox, .fontPixels = kFont9_75pt, .bold = true, .text = "dBm", .accessibleName = "Power in dBm,", .tabPosition = 5},

    ControlRow{.name = "Text2", .role = R::Power, .end = E::One, .box = {2250, 1250, 650, 280}, .fontPixels = kFont8_25pt, .caption = kPowerCaption, .captionLeft = kCaptionLeft, .tabPosition = 7},
    ControlRow{.name = "Text3", .role = R::Gain, .end = E::One, .box = {2250, 1560, 650, 280}, .fontPixels = kFont8_25pt, .caption = kGainCaption, .captionLeft = kCaptionLeft, .unit = "dBi", .unitLeft = kUnitLeft, .toolTip = kGainTip, .tabPosition = 8},
    ControlRow{.name = "Text4", .role = R::LossPerMetre, .end = E::One, .box = {2250, 1870, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLossCaption, .captionLeft = kCaptionLeft, .unit = "dB/m", .unitLeft = kUnitLeft, .toolTip = kLossTip, .tabPosition = 9},
    ControlRow{.name = "Text5", .role = R::Length, .end = E::One, .box = {2250, 2180, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLengthCaption, .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .tabPosition = 10},
    ControlRow{.name = "Text6", .role = R::Connectors, .end = E::One, .box = {2250, 2470, 650, 280}, .fontPixels = kFont8_25pt, .caption = kConnectorsCaption, .captionLeft = kCaptionLeft, .toolTip = kConnectorsTip, .tabPosition = 11},
    ControlRow{.name = "Text12", .role = R::Margin, .box = {2250, 5085, 650, 280}, .fontPixels = kFont8_25pt, .caption = "Fade Margin", .captionLeft = kCaptionLeft, .unit = "dB", .unitLeft = kUnitLeft, .toolTip = "Περιθώριο εξασθένισης σε dB· συνήθως 10 έως 15 dB", .tabPosition = 12},
    ControlRow{.name = "Text11", .role = R::Sensitivity, .box = {2250, 4780, 650, 280}, .fontPixels = kFont8_25pt, .caption = "Ευαισθησία δέκτη", .captionLeft = kCaptionLeft, .unit = "dBm", .unitLeft = kUnitLeft, .toolTip = "Το κατώφλι λήψης του δέκτη στον ρυθμό δεδομένων της ζεύξης, ως μέτρο σε dBm (80 για -80 dBm)", .tabPosition = 13},
    ControlRow{.name = "Text1", .role = R::Connectors, .end = E::Two, .box = {2250, 4440, 650, 280}, .fontPixels = kFont8_25pt, .caption = kConnectorsCaption, .captionLeft = kCaptionLeft, .toolTip = kConnectorsTip, .tabPosition = 14},
    ControlRow{.name = "Text7", .role = R::Length, .end = E::Two, .box = {2250, 4140, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLengthCaption, .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .tabPosition = 15},
    ControlRow{.name = "Text8", .role = R::LossPerMetre, .end = E::Two, .box = {2250, 3830, 650, 280}, .fontPixels = kFont8_25pt, .caption = kLossCaption, .captionLeft = kCaptionLeft, .unit = "dB/m", .unitLeft = kUnitLeft, .toolTip = kLossTip, .tabPosition = 16},
    ControlRow{.name = "Text9", .role = R::Gain, .end = E::Two, .box = {2250, 3520, 650, 280}, .fontPixels = kFont8_25pt, .caption = kGainCaption, .captionLeft = kCaptionLeft, .unit = "dBi", .unitLeft = kUnitLeft, .toolTip = kGainTip, .tabPosition = 17},
    ControlRow{.name = "Text10", .role = R::Power, .end = E::Two, .box = {2250, 3210, 650, 280}, .fontPixels = kFont8_25pt, .caption = kPowerCaption, .captionLeft = kCaptionLeft, .tabPosition = 18},

    ControlRow{.name = "cmdChoose", .role = R::ChooseCable, .end = E::One, .box = {1820, 1890, 375, 255}, .fontPixels = kFont8_25pt, .text = "...", .tabPosition = 19},
    ControlRow{.name = "cmdchoose2", .role = R::ChooseCable, .end = E::Two, .box = {1820, 3848, 375, 255}, .fontPixels = kFont8_25pt, .text = "...", .tabPosition = 20},
    ControlRow{.name = "txtLinkDistance", .role = R::LinkDistance, .box = {kReadoutLeft, 3930, 650, 280}, .fontPixels = kFont8_25pt, .caption = "Απόσταση ζεύξης", .captionLeft = kResultCaptionLeft, .unit = "km", .unitLeft = kReadoutLeft + 700, .toolTip = "Η πραγματική απόσταση της ζεύξης σε km", .tabPosition = 21},
    // Above every text box it covers when shown.
    ControlRow{.name = "List1", .role = R::CableList, .box = {2160, 2640, 2295, 1005}, .accessibleName = "Cable types", .tabPosition = 22},
};
// clang-format on

} // namespace

std::span<const ControlRow> windowTable() {
    return kRows;
}

std::vector<const ControlRow*> rowsInTabOrder() {
    std::vector<const ControlRow*> rows;
    for (const ControlRow& row : kRows)
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

bool isTextBox(Role role) {
    switch (role) {
    case Role::LinkDistance:
    case Role::Frequency:
    case Role::Sensitivity:
    case Role::Margin:
    case Role::Power:
    case Role::Gain:
    case Role::LossPerMetre:
    case Role::Length:
    case Role::Connectors:
        return true;
    default:
        return false;
    }
}

bool isResultLabel(Role role) {
    switch (role) {
    case Role::Eirp:
    case Role::CableLoss:
    case Role::Distance:
    case Role::FreeSpaceLoss:
    case Role::FresnelRadius:
    case Role::LegalPower:
    case Role::ReceivedLevel:
    case Role::ReceiveMargin:
    case Role::Clearance:
        return true;
    default:
        return false;
    }
}

const char* headingOf(LinkEnd end) {
    return rowOf(Role::Frame, end).text;
}

QString accessibleNameOf(const ControlRow& row) {
    const char* own = row.caption          ? row.caption
                      : row.accessibleName ? row.accessibleName
                                           : row.toolTip;
    QString name = QString::fromUtf8(own ? own : "");
    // A result's caption already says its end; the fields' captions do not.
    if (row.end != LinkEnd::None && !(row.caption && isResultLabel(row.role)))
        name += QLatin1Char(' ') + QString::fromUtf8(headingOf(row.end));
    return name;
}

} // namespace tarvanel
