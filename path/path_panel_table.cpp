#include "path/path_panel_table.h"

#include "engine/link_inputs.h"
#include "engine/link_texts.h"
#include "path/path_side_view.h"
#include "widgets/choice_box.h"
#include "widgets/window_fonts.h"

#include <array>

namespace tarvanel {

namespace {

// The panel's inputs in the column of the window's fields, its results in the
// column of the window's results, the Fresnel zone's verdict and the side view
// below the inputs. Places in twips, relative to the panel.
constexpr int kCaptionLeft = 195;
constexpr int kUnitLeft = 2970;
constexpr int kResultCaptionLeft = 5310;
constexpr int kReadoutLeft = 7080;
constexpr int kPathRowsTop = 150;
constexpr int kPathRowPitch = 270;
constexpr int pathRow(int i) {
    return kPathRowsTop + i * kPathRowPitch;
}
constexpr TwipsBox pathInput(int i) {
    return {2250, 450 + i * 315, 650, 280};
}
constexpr TwipsBox pathResult(int i) {
    return {kReadoutLeft, pathRow(i), 1095, 255};
}
// Where the ends stand: a band below the side view, a position a row, the
// bearings in the results column, wider for two angles.
constexpr int kPlaceRowsTop = 4440;
constexpr int kPlaceRowPitch = 315;
constexpr TwipsBox placeInput(int i, int width) {
    return {2250, kPlaceRowsTop + i * kPlaceRowPitch, width, 280};
}
constexpr TwipsBox placeResult(int i) {
    return {6480, kPlaceRowsTop + 30 + i * kPlaceRowPitch, 1695, 255};
}
constexpr int kPositionWidth = 2820;
constexpr const char* kPositionTip =
    "Γεωγραφικό πλάτος και μήκος, π.χ. 37.97552, 23.73484 ή 37°58'31.9\"N 23°44'05.4\"E";

// The text a refresh writes into a label, its colour, and the input a box feeds.
#define SHOWS(field) +[](const LinkTexts& t) -> const std::string& { return t.field; }
#define FEEDS(member) +[](LinkInputs& in) -> std::string& { return in.member; }
#define REJECTS(field) SHOWS(field)
TextColour pathMarginColour(const LinkTexts& t) {
    return t.path.marginMet ? TextColour::Green : TextColour::Red;
}
TextColour verdictColour(const LinkTexts& t) {
    return t.path.verdict == Verdict::Clear ? TextColour::Green : TextColour::Red;
}

using K = Kind;
using R = Role;
using E = LinkEnd;
using S = ReportSection;
constexpr auto kPanel = Container::PathPanel;

// clang-format off
constexpr std::array kRows = {
    ControlRow{.name = "picPathSide", .kind = K::SideView, .container = kPanel, .box = {195, 2475, 4935, 1890}, .accessibleName = "Η διαδρομή από το πλάι", .keep = keepIn<&PathPanelControls::picPathSide>},
    ControlRow{.name = "lblLineOfSight", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(0), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Οπτική ευθεία", .captionLeft = kResultCaptionLeft, .toolTip = "Το ύψος της ευθείας ανάμεσα στις κεραίες, πάνω από το εμπόδιο", .shows = SHOWS(path.lineOfSight), .report = {S::Path, 6}},
    ControlRow{.name = "lblEarthBulge", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(1), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Καμπυλότητα γης", .captionLeft = kResultCaptionLeft, .toolTip = "Πόσο ανυψώνει η γη το εμπόδιο, για το k που επιλέξατε", .shows = SHOWS(path.earthBulge), .report = {S::Path, 7}},
    ControlRow{.name = "lblObstacleFresnel", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(2), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Ακτίνα Fresnel", .captionLeft = kResultCaptionLeft, .toolTip = "Η ακτίνα της πρώτης ζώνης Fresnel στο εμπόδιο", .shows = SHOWS(path.fresnelRadius), .report = {S::Path, 8}},
    ControlRow{.name = "lblObstacleClearance", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(3), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Διάκενο", .captionLeft = kResultCaptionLeft, .toolTip = "Οπτική ευθεία μείον (εμπόδιο + καμπυλότητα γης)", .shows = SHOWS(path.clearance), .report = {S::Path, 9}},
    ControlRow{.name = "lblDiffractionLoss", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(4), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Απώλεια περίθλασης", .captionLeft = kResultCaptionLeft, .toolTip = "Το εμπόδιο ως μία αιχμή (ITU-R P.526)", .shows = SHOWS(path.diffractionLoss), .report = {S::Path, 11}},
    ControlRow{.name = "lblPathMargin", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(5), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Περιθώριο", .captionLeft = kResultCaptionLeft, .toolTip = "Το περιθώριο λήψης στην απόσταση ζεύξης μείον την απώλεια περίθλασης", .shows = SHOWS(path.margin), .colourOf = pathMarginColour, .report = {S::Path, 12}},
    ControlRow{.name = "lblLeastHeight1", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(6), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Ελάχ. ύψος κεραίας 1", .captionLeft = kResultCaptionLeft, .toolTip = "Για 60 % της ζώνης Fresnel ελεύθερο, με την κεραία 2 όπως είναι", .shows = SHOWS(path.leastHeight1), .report = {S::Path, 13}},
    ControlRow{.name = "lblLeastHeight2", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(7), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Ελάχ. ύψος κεραίας 2", .captionLeft = kResultCaptionLeft, .toolTip = "Για 60 % της ζώνης Fresnel ελεύθερο, με την κεραία 1 όπως είναι", .shows = SHOWS(path.leastHeight2), .report = {S::Path, 14}},
    ControlRow{.name = "lblTilt1", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(8), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Κλίση κεραίας 1", .captionLeft = kResultCaptionLeft, .toolTip = "Γωνία προς την κεραία 2, με την καμπυλότητα της γης (αρνητική: προς τα κάτω)", .shows = SHOWS(path.tilt1), .report = {S::Path, 15}},
    ControlRow{.name = "lblTilt2", .kind = K::ResultLabel, .container = kPanel, .box = pathResult(9), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Κλίση κεραίας 2", .captionLeft = kResultCaptionLeft, .toolTip = "Γωνία προς την κεραία 1, με την καμπυλότητα της γης (αρνητική: προς τα κάτω)", .shows = SHOWS(path.tilt2), .report = {S::Path, 16}},
    ControlRow{.name = "lblFresnelZone", .kind = K::ResultLabel, .container = kPanel, .box = {2250, 2145, 2880, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Ζώνη Fresnel", .captionLeft = kCaptionLeft, .toolTip = "Πόση από την πρώτη ζώνη Fresnel μένει ελεύθερη στο εμπόδιο: ελεύθερη από 60 %", .shows = SHOWS(path.fresnelZone), .colourOf = verdictColour, .report = {S::Path, 10}},
    ControlRow{.name = "txtAntenna1Height", .kind = K::TextBox, .container = kPanel, .box = pathInput(0), .fontPixels = kFont8_25pt, .caption = "Ύψος κεραίας 1", .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .toolTip = "Υψόμετρο εδάφους συν ιστός στο άκρο 1, σε m πάνω από ένα κοινό επίπεδο (θάλασσα ή έδαφος στο άκρο 1)", .tabPosition = 23, .feeds = FEEDS(path.antenna1Height), .report = {S::Path, 1}},
    ControlRow{.name = "txtAntenna2Height", .kind = K::TextBox, .container = kPanel, .box = pathInput(1), .fontPixels = kFont8_25pt, .caption = "Ύψος κεραίας 2", .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .toolTip = "Υψόμετρο εδάφους συν ιστός στο άκρο 2, σε m πάνω από το ίδιο επίπεδο", .tabPosition = 24, .feeds = FEEDS(path.antenna2Height), .report = {S::Path, 2}},
    ControlRow{.name = "txtObstacleDistance", .kind = K::TextBox, .container = kPanel, .box = pathInput(2), .fontPixels = kFont8_25pt, .caption = "Απόσταση εμποδίου", .captionLeft = kCaptionLeft, .unit = "km", .unitLeft = kUnitLeft, .toolTip = "Από το άκρο 1, σε km", .tabPosition = 25, .feeds = FEEDS(path.obstacleDistance), .report = {S::Path, 3}},
    ControlRow{.name = "txtObstacleHeight", .kind = K::TextBox, .container = kPanel, .box = pathInput(3), .fontPixels = kFont8_25pt, .caption = "Ύψος εμποδίου", .captionLeft = kCaptionLeft, .unit = "m", .unitLeft = kUnitLeft, .toolTip = "Η κορυφή του εμποδίου, σε m πάνω από το ίδιο επίπεδο", .tabPosition = 26, .feeds = FEEDS(path.obstacleHeight), .report = {S::Path, 4}},
    // Its choices are the engine's, in their order.
    ControlRow{.name = "cboEarthFactor", .kind = K::ChoiceBox, .container = kPanel, .box = {2250, 1710, 750, 315}, .fontPixels = kFont8_25pt, .caption = "Συντελεστής γης k", .captionLeft = kCaptionLeft, .toolTip = "Ενεργός ακτίνα της γης: 4/3 κανονική, 2/3 η χειρότερη περίπτωση", .tabPosition = 27, .keep = keepIn<&PathPanelControls::cboEarthFactor>, .chooses = +[](LinkInputs& in, int i) { in.path.earthFactor = earthFactorAt(i); }, .report = {S::Path, 5}},
    ControlRow{.name = "txtPosition1", .kind = K::TextBox, .role = R::Position, .end = E::One, .container = kPanel, .box = placeInput(0, kPositionWidth), .fontPixels = kFont8_25pt, .caption = "Θέση 1", .captionLeft = kCaptionLeft, .toolTip = kPositionTip, .tabPosition = 28, .feeds = FEEDS(position1), .rejects = REJECTS(positions.problem1), .report = {S::Link, 3}},
    ControlRow{.name = "txtPosition2", .kind = K::TextBox, .role = R::Position, .end = E::Two, .container = kPanel, .box = placeInput(1, kPositionWidth), .fontPixels = kFont8_25pt, .caption = "Θέση 2", .captionLeft = kCaptionLeft, .toolTip = kPositionTip, .tabPosition = 29, .feeds = FEEDS(position2), .rejects = REJECTS(positions.problem2), .report = {S::Link, 4}},
    ControlRow{.name = "txtDeclination", .kind = K::TextBox, .container = kPanel, .box = placeInput(2, 650), .fontPixels = kFont8_25pt, .caption = "Μαγνητική απόκλιση", .captionLeft = kCaptionLeft, .unit = "°", .unitLeft = kUnitLeft, .toolTip = "Ανατολική θετική: η πυξίδα δείχνει το αληθές αζιμούθιο μείον την ανατολική απόκλιση", .tabPosition = 30, .feeds = FEEDS(declination), .report = {S::Link, 5}},
    ControlRow{.name = "lblBearing1", .kind = K::ResultLabel, .end = E::One, .container = kPanel, .box = placeResult(0), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Αζιμούθιο 1", .captionLeft = kResultCaptionLeft, .toolTip = "Πού στρέφεται η κεραία 1: από τον αληθή βορρά, δεξιόστροφα", .shows = SHOWS(positions.bearing1), .report = {S::Link, 6}},
    ControlRow{.name = "lblBearing2", .kind = K::ResultLabel, .end = E::Two, .container = kPanel, .box = placeResult(1), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Αζιμούθιο 2", .captionLeft = kResultCaptionLeft, .toolTip = "Πού στρέφεται η κεραία 2: από τον αληθή βορρά, δεξιόστροφα", .shows = SHOWS(positions.bearing2), .report = {S::Link, 7}},
    ControlRow{.name = "lblMagneticBearings", .kind = K::ResultLabel, .container = kPanel, .box = placeResult(2), .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = "Πυξίδα 1 / 2", .captionLeft = kResultCaptionLeft, .toolTip = "Τα δύο αζιμούθια σε μοίρες πυξίδας: αληθές μείον την απόκλιση", .shows = SHOWS(positions.magnetic), .report = {S::Link, 8}},
};
// clang-format on
#undef SHOWS
#undef FEEDS
#undef REJECTS

} // namespace

std::span<const ControlRow> pathPanelTable() {
    return kRows;
}

} // namespace tarvanel
