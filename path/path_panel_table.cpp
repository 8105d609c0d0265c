#include "path/path_panel_table.h"

#include "engine/band_choice.h"
#include "engine/link_inputs.h"
#include "path/path_side_view.h"
#include "path/profile_page.h"
#include "path/profile_table_model.h"
#include "path/profile_table_view.h"
#include "path/rate_table_model.h"
#include "texts/band_texts.h"
#include "texts/captions.h"
#include "texts/link_texts.h"
#include "widgets/choice_box.h"
#include "widgets/window_fonts.h"

#include <QAbstractItemView>

#include <algorithm>
#include <array>

namespace tarvanel {

namespace {

// The panel: each end's ground and mast and k in the column of the window's
// fields, the path's results in the column of its results, the worst point's
// verdict, and the pages (side view, ground profile, positions) below the
// fields. Places in twips, relative to the panel or to a page.
constexpr int kCaptionLeft = 195;
constexpr int kUnitLeft = 2970;
constexpr int kResultCaptionLeft = 5310;
constexpr int kReadoutLeft = 7080;
constexpr int kResultRowsTop = 150;
constexpr int kResultRowPitch = 270;
constexpr TwipsBox pathInput(int i) {
    return {2250, 450 + i * 315, 650, 280};
}
constexpr TwipsBox pathResult(int i) {
    return {kReadoutLeft, kResultRowsTop + i * kResultRowPitch, 1095, 255};
}
// On the positions page: a row each, captions at the left.
constexpr int kPageRowsTop = 150;
constexpr int kPageRowPitch = 360;
constexpr int kPageFieldLeft = 1740;
constexpr TwipsBox pageInput(int i, int width) {
    return {kPageFieldLeft, kPageRowsTop + i * kPageRowPitch, width, 280};
}
constexpr TwipsBox pageResult(int i) {
    return {kPageFieldLeft, kPageRowsTop + 30 + i * kPageRowPitch, 3000, 255};
}
constexpr int kPositionWidth = 3060;
constexpr const char* kPositionTip =
    "Γεωγραφικό πλάτος και μήκος, π.χ. 37.97552, 23.73484 ή 37°58'31.9\"N 23°44'05.4\"E";

// On the alignment page: four rows an end.
constexpr int kAlignRowPitch = 315;
constexpr TwipsBox alignInput(int i) {
    return {kPageFieldLeft, 60 + i * kAlignRowPitch, 650, 280};
}
constexpr TwipsBox alignResult(int i, int left = kPageFieldLeft) {
    return {left, 90 + i * kAlignRowPitch, 4860 - left, 255};
}

// The text a refresh writes into a label, its colour, and the input a box feeds.
#define SHOWS(field) +[](const LinkTexts& t) -> const std::string& { return t.field; }
#define FEEDS(member) +[](LinkInputs& in) -> std::string& { return in.member; }
TextColour pathMarginColour(const LinkTexts& t) {
    return t.path.marginMet ? TextColour::Green : TextColour::Red;
}
TextColour aligned1(const LinkTexts& t) {
    return t.rates.end1.aligned ? TextColour::Green : TextColour::Red;
}
TextColour aligned2(const LinkTexts& t) {
    return t.rates.end2.aligned ? TextColour::Green : TextColour::Red;
}
TextColour target1(const LinkTexts& t) {
    return t.rates.end1.belowSensitivity ? TextColour::Red : TextColour::Green;
}
TextColour target2(const LinkTexts& t) {
    return t.rates.end2.belowSensitivity ? TextColour::Red : TextColour::Green;
}
TextColour bestRateColour(const LinkTexts& t) {
    return t.rates.none ? TextColour::Red : TextColour::Green;
}
TextColour warningColour(const LinkTexts&) {
    return TextColour::Red;
}
TextColour verdictColour(const LinkTexts& t) {
    return t.path.verdict == Verdict::Clear ? TextColour::Green : TextColour::Red;
}

using K = Kind;
using R = Role;
using E = LinkEnd;
constexpr auto kPanel = Container::PathPanel;
constexpr auto kPositions = Container::PositionsPage;

// A result of the path in the panel's results column.
constexpr ControlRow result(const char* name, int row, const char* caption, const char* tip,
                            TextOf shows, ColourOf colour = nullptr) {
    return {.name = name,
            .kind = K::ResultLabel,
            .container = kPanel,
            .box = pathResult(row),
            .fontPixels = kFont9pt,
            .bold = true,
            .condensed = true,
            .colour = TextColour::Green,
            .caption = caption,
            .captionLeft = kResultCaptionLeft,
            .toolTip = tip,
            .shows = shows,
            .colourOf = colour};
}
// A field of the panel's column, in m.
constexpr ControlRow metres(const char* name, int row, const char* caption, const char* tip,
                            int tab, TextInput feeds) {
    return {.name = name,
            .kind = K::TextBox,
            .container = kPanel,
            .box = pathInput(row),
            .fontPixels = kFont8_25pt,
            .caption = caption,
            .captionLeft = kCaptionLeft,
            .unit = "m",
            .unitLeft = kUnitLeft,
            .toolTip = tip,
            .tabPosition = tab,
            .feeds = feeds};
}
// A result of the positions page.
constexpr ControlRow bearing(const char* name, int row, E end, const char* caption, const char* tip,
                             TextOf shows) {
    return {.name = name,
            .kind = K::ResultLabel,
            .end = end,
            .container = kPositions,
            .box = pageResult(row),
            .fontPixels = kFont9pt,
            .bold = true,
            .condensed = true,
            .colour = TextColour::Green,
            .caption = caption,
            .captionLeft = kCaptionLeft,
            .toolTip = tip,
            .shows = shows};
}

// A field of the alignment page.
constexpr ControlRow aimInput(const char* name, int row, const char* caption, const char* unit,
                              const char* tip, int tab, TextInput feeds) {
    return {.name = name,
            .kind = K::TextBox,
            .container = Container::AlignmentPage,
            .box = alignInput(row),
            .fontPixels = kFont8_25pt,
            .caption = caption,
            .captionLeft = kCaptionLeft,
            .unit = unit,
            .unitLeft = kPageFieldLeft + 720,
            .toolTip = tip,
            .tabPosition = tab,
            .feeds = feeds};
}
// A result of the alignment page: in the value column, or right of a field.
constexpr ControlRow aimResult(const char* name, int row, const char* caption, const char* tip,
                               TextOf shows, ColourOf colour, int left = kPageFieldLeft) {
    return {.name = name,
            .kind = K::ResultLabel,
            .container = Container::AlignmentPage,
            .box = alignResult(row, left),
            .fontPixels = 10,
            .condensed = true,
            .colour = TextColour::Green,
            .caption = caption,
            .captionLeft = kCaptionLeft,
            .toolTip = tip,
            .shows = shows,
            .colourOf = colour};
}
constexpr const char* kMeasuredTip =
    "Η στάθμη που δείχνει ο ασύρματος ενώ στρέφετε την κεραία, σε dBm (71 και -71: -71 dBm)";
constexpr const char* kBeamTip = "Το εύρος δέσμης μισής ισχύος της κεραίας, σε μοίρες (φυλλάδιο)";
constexpr const char* kTargetTip =
    "Η στάθμη λήψης στο άκρο στην απόσταση ζεύξης, μείον την απώλεια της διαδρομής";
constexpr const char* kCheckTip = "Έως 5 dB: ευθυγραμμισμένη· 5 έως 10 dB ασθενέστερη: "
                                  "στόχευση· πάνω από 10: καλώδιο, συνδετήρες, διαδρομή· "
                                  "κάτω από την ευαισθησία: καμία σύνδεση";
constexpr const char* kAimTip = "Πόσο μακριά από τον άξονα κοστίζει 1 dB και 3 dB";
const std::string kStandardTip = rateStandardTip();

// The band, its width and TPC, right of the ground and masts; the rule in
// force below them.
constexpr int kBandCaptionLeft = 3270;
constexpr int kBandFieldLeft = 4050;
constexpr int kBandFieldWidth = 1050;
constexpr int kBandRowsWidth = 1860;
constexpr TwipsBox bandInput(int i) {
    return {kBandFieldLeft, 450 + i * 315, kBandFieldWidth, 315};
}
const std::string kTpcTip = tpcTip();

// The choice at `i` of a list the inputs offer, the last for one past it.
template <class List> auto at(const List& list, int i) {
    return list[static_cast<std::size_t>(std::clamp(i, 0, static_cast<int>(list.size()) - 1))];
}
void chooseBand(LinkInputs& in, int i) {
    in.band = at(allBands(), i);
    keepWithinBand(in);
}
void chooseWidth(LinkInputs& in, int i) {
    in.width = at(bandTable(in.band).widths, i);
    keepWithinBand(in);
}
void chooseStandard(LinkInputs& in, int i) {
    in.rates.standard = at(standardsOf(in.band, widthIn(in.band, in.width)), i);
}
bool severalWidths(const LinkInputs& in) {
    return bandTable(in.band).widths.size() > 1;
}
bool limitFollowsTpc(const LinkInputs& in) {
    const auto rules = bandTable(in.band).rules;
    return std::ranges::any_of(rules, [](const SubBandRule& rule) {
        return legalLimitDbm(rule, true) != legalLimitDbm(rule, false);
    });
}
TextColour limitColour(const LinkTexts& t) {
    return t.band.outside ? TextColour::Red : TextColour::Green;
}
TextColour conditionsColour(const LinkTexts& t) {
    return t.band.indoorsOnly ? TextColour::Red : TextColour::Green;
}

constexpr const char* kGround1Tip =
    "Υψόμετρο του εδάφους στο άκρο 1, σε m πάνω από τη θάλασσα (κενό: 0)";
constexpr const char* kGround2Tip =
    "Υψόμετρο του εδάφους στο άκρο 2, σε m πάνω από τη θάλασσα (κενό: 0)";
constexpr const char* kMast1Tip = "Το ύψος της κεραίας 1 πάνω από το έδαφος εκεί, σε m";
constexpr const char* kMast2Tip = "Το ύψος της κεραίας 2 πάνω από το έδαφος εκεί, σε m";
constexpr const char* kTiltTip =
    "Γωνία προς την άλλη κεραία, με την καμπυλότητα της γης (αρνητική: προς τα κάτω)";

// clang-format off
const std::array kRows = {
    result("lblWorstPoint", 0, caption::kWorstPoint, "Το σημείο που αφήνει ελεύθερο το μικρότερο μέρος της ζώνης Fresnel, από το άκρο 1", SHOWS(path.worstAt)),
    result("lblLineOfSight", 1, caption::kLineOfSight, "Το ύψος της ευθείας ανάμεσα στις κεραίες στο χειρότερο σημείο, πάνω από τη θάλασσα", SHOWS(path.lineOfSight)),
    result("lblEarthBulge", 2, caption::kEarthBulge, "Πόσο ανυψώνει η γη το χειρότερο σημείο, για το k που επιλέξατε", SHOWS(path.earthBulge)),
    result("lblObstacleFresnel", 3, caption::kPointFresnelRadius, "Η ακτίνα της πρώτης ζώνης Fresnel στο χειρότερο σημείο", SHOWS(path.fresnelRadius)),
    result("lblObstacleClearance", 4, caption::kPointClearance, "Οπτική ευθεία μείον (έδαφος + ό,τι στέκεται πάνω του + καμπυλότητα γης)", SHOWS(path.clearance)),
    result("lblKnifeEdgeLoss", 5, caption::kKnifeEdge, "Το χειρότερο σημείο ως μία αιχμή (ITU-R P.526), για σύγκριση", SHOWS(path.knifeEdgeLoss)),
    result("lblDiffractionLoss", 6, caption::kDiffractionLoss, "Η απώλεια σε όλη τη διαδρομή με τη μέθοδο Bullington (ITU-R P.526, 4.5.1)", SHOWS(path.profileLoss)),
    result("lblPathMargin", 7, caption::kPathMargin, "Το περιθώριο λήψης στην απόσταση ζεύξης μείον την απώλεια περίθλασης (Bullington)", SHOWS(path.margin), pathMarginColour),
    result("lblLeastMast1", 8, caption::kLeastMast1, "Για 60 % της ζώνης Fresnel ελεύθερο σε κάθε σημείο, με τον ιστό 2 όπως είναι", SHOWS(path.leastMast1)),
    result("lblLeastMast2", 9, caption::kLeastMast2, "Για 60 % της ζώνης Fresnel ελεύθερο σε κάθε σημείο, με τον ιστό 1 όπως είναι", SHOWS(path.leastMast2)),
    result("lblTilt1", 10, caption::kTilt1, kTiltTip, SHOWS(path.tilt1)),
    result("lblTilt2", 11, caption::kTilt2, kTiltTip, SHOWS(path.tilt2)),
    result("lblWithoutGround", 12, caption::kWithoutGround, "Τα km της διαδρομής όπου τα αρχεία υψομέτρων δεν έδωσαν σημεία: εκεί το έδαφος είναι άγνωστο", SHOWS(path.withoutGround), warningColour),
    ControlRow{.name = "lblFresnelZone", .kind = K::ResultLabel, .container = kPanel, .box = {2250, 2145, 2880, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = caption::kFresnelZone, .captionLeft = kCaptionLeft, .toolTip = "Πόση από την πρώτη ζώνη Fresnel μένει ελεύθερη στο χειρότερο σημείο: ελεύθερη από 60 %", .shows = SHOWS(path.fresnelZone), .colourOf = verdictColour},
    metres("txtGround1", 0, caption::kGround1, kGround1Tip, 23, FEEDS(path.ground1)),
    metres("txtMast1", 1, caption::kMast1, kMast1Tip, 24, FEEDS(path.mast1)),
    metres("txtGround2", 2, caption::kGround2, kGround2Tip, 25, FEEDS(path.ground2)),
    metres("txtMast2", 3, caption::kMast2, kMast2Tip, 26, FEEDS(path.mast2)),
    // Its choices are the engine's, in their order.
    ControlRow{.name = "cboEarthFactor", .kind = K::ChoiceBox, .container = kPanel, .box = {2250, 1710, 750, 315}, .fontPixels = kFont8_25pt, .caption = caption::kEarthFactor, .captionLeft = kCaptionLeft, .toolTip = "Ενεργός ακτίνα της γης: 4/3 κανονική, 2/3 η χειρότερη περίπτωση", .tabPosition = 27, .keep = keepIn<&PathPanelControls::cboEarthFactor>, .chooses = +[](LinkInputs& in, int i) { in.path.earthFactor = earthFactorAt(i); }},
    ControlRow{.name = "cboBand", .kind = K::ChoiceBox, .container = kPanel, .box = bandInput(0), .fontPixels = kFont8_25pt, .caption = caption::kBand, .captionLeft = kBandCaptionLeft, .toolTip = "Η ζώνη της ζεύξης: τα κανάλια της, τα νόμιμα όρια και οι ρυθμοί", .tabPosition = 28, .chooses = chooseBand, .items = bandItems},
    ControlRow{.name = "cboWidth", .kind = K::ChoiceBox, .container = kPanel, .box = bandInput(1), .fontPixels = kFont8_25pt, .caption = caption::kChannelWidth, .captionLeft = kBandCaptionLeft, .toolTip = "Το εύρος του καναλιού: 40 και 80 MHz ενώνουν 2 και 4 γειτονικά κανάλια των 20 MHz", .tabPosition = 29, .chooses = chooseWidth, .items = widthItems, .enabled = severalWidths},
    ControlRow{.name = "chkTpc", .kind = K::CheckBox, .container = kPanel, .box = {kBandCaptionLeft - 90, 450 + 2 * 315, kBandRowsWidth + 210, 280}, .fontPixels = kFont8_25pt, .condensed = true, .text = caption::kTpc, .accessibleName = caption::kTpc, .toolTip = kTpcTip.c_str(), .tabPosition = 30, .chooses = +[](LinkInputs& in, int i) { in.tpc = i == 1; }, .enabled = limitFollowsTpc},
    ControlRow{.name = "lblLegalLimit", .kind = K::ResultLabel, .container = kPanel, .box = {kBandFieldLeft + 90, 450 + 3 * 315 + 30, kBandFieldWidth - 90, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = caption::kLegalLimit, .captionLeft = kBandCaptionLeft, .toolTip = "Το νόμιμο όριο EIRP της υποζώνης του καναλιού, με ή χωρίς TPC", .shows = SHOWS(band.limit), .colourOf = limitColour},
    ControlRow{.name = "lblBandRule", .kind = K::ResultLabel, .container = kPanel, .box = {kBandCaptionLeft, 1710 + 30, kBandRowsWidth, 255}, .fontPixels = 10, .condensed = true, .colour = TextColour::Green, .accessibleName = caption::kBandConditions, .toolTip = "DFS: ο ασύρματος ακούει για ραντάρ πριν εκπέμψει· πάνω από ραντάρ καιρού ο έλεγχος του καναλιού κρατά 10 λεπτά", .shows = SHOWS(band.conditions), .colourOf = conditionsColour},
    // The pages below the fields; the side view and the table fill their own.
    ControlRow{.name = "tabPathPages", .kind = K::Pages, .container = kPanel, .box = {195, 2415, 4935, 2955}, .accessibleName = "Σελίδες της διαδρομής", .tabPosition = 31, .keep = keepIn<&PathPanelControls::pages>},
    ControlRow{.name = "tblProfile", .kind = K::ProfileTable, .container = Container::ProfilePage, .box = {}, .accessibleName = caption::kProfilePoints, .tabPosition = 32},
    ControlRow{.name = "picPathSide", .kind = K::SideView, .container = Container::SideViewPage, .box = {}, .accessibleName = "Η διαδρομή από το πλάι", .keep = keepIn<&PathPanelControls::picPathSide>},
    ControlRow{.name = "txtPosition1", .kind = K::TextBox, .role = R::Position, .end = E::One, .container = kPositions, .box = pageInput(0, kPositionWidth), .fontPixels = kFont8_25pt, .caption = caption::kPosition1, .captionLeft = kCaptionLeft, .toolTip = kPositionTip, .tabPosition = 33, .feeds = FEEDS(position1), .rejects = SHOWS(positions.problem1)},
    ControlRow{.name = "txtPosition2", .kind = K::TextBox, .role = R::Position, .end = E::Two, .container = kPositions, .box = pageInput(1, kPositionWidth), .fontPixels = kFont8_25pt, .caption = caption::kPosition2, .captionLeft = kCaptionLeft, .toolTip = kPositionTip, .tabPosition = 34, .feeds = FEEDS(position2), .rejects = SHOWS(positions.problem2)},
    ControlRow{.name = "txtDeclination", .kind = K::TextBox, .container = kPositions, .box = pageInput(2, 650), .fontPixels = kFont8_25pt, .caption = caption::kDeclination, .captionLeft = kCaptionLeft, .unit = "°", .unitLeft = kPageFieldLeft + 720, .toolTip = "Ανατολική θετική: η πυξίδα δείχνει το αληθές αζιμούθιο μείον την ανατολική απόκλιση", .tabPosition = 35, .feeds = FEEDS(declination)},
    bearing("lblBearing1", 3, E::One, caption::kBearing1, "Πού στρέφεται η κεραία 1: από τον αληθή βορρά, δεξιόστροφα", SHOWS(positions.bearing1)),
    bearing("lblBearing2", 4, E::Two, caption::kBearing2, "Πού στρέφεται η κεραία 2: από τον αληθή βορρά, δεξιόστροφα", SHOWS(positions.bearing2)),
    // The rates page.
    ControlRow{.name = "cboStandard", .kind = K::ChoiceBox, .container = Container::RatesPage, .box = {kPageFieldLeft, 60, 1800, 315}, .fontPixels = kFont8_25pt, .caption = caption::kStandard, .captionLeft = kCaptionLeft, .toolTip = kStandardTip.c_str(), .tabPosition = 36, .chooses = chooseStandard, .items = standardItems},
    ControlRow{.name = "lblBestRate", .kind = K::ResultLabel, .container = Container::RatesPage, .box = {kPageFieldLeft, 450, 3000, 255}, .fontPixels = kFont9pt, .bold = true, .condensed = true, .colour = TextColour::Green, .caption = caption::kBestRate, .captionLeft = kCaptionLeft, .toolTip = "Ο ταχύτερος ρυθμός που κρατά το περιθώριο εξασθένισης στην απόσταση ζεύξης, στην ασθενέστερη κατεύθυνση· αν κανένας, πόσα dB λείπουν", .shows = SHOWS(rates.best), .colourOf = bestRateColour},
    ControlRow{.name = "tblRates", .kind = K::RateTable, .container = Container::RatesPage, .box = {60, 780, 4770, 1770}, .accessibleName = caption::kRateOverrides, .toolTip = "Γράψτε την ευαισθησία ή την ισχύ του φυλλαδίου σε έναν ρυθμό· κενό: η αρχική", .tabPosition = 37},
    // The alignment page: end 1, then end 2.
    aimInput("txtMeasured1", 0, caption::kMeasured1, "dBm", kMeasuredTip, 38, FEEDS(rates.measured1)),
    aimResult("lblTarget1", 1, caption::kTarget1, kTargetTip, SHOWS(rates.end1.target), target1),
    aimResult("lblAlignment1", 2, caption::kCheck1, kCheckTip, SHOWS(rates.end1.check), aligned1),
    aimInput("txtBeamwidth1", 3, caption::kBeamwidth1, "°", kBeamTip, 39, FEEDS(rates.beamwidth1)),
    aimResult("lblAim1", 3, nullptr, kAimTip, SHOWS(rates.end1.beamwidth), nullptr, kPageFieldLeft + 900),
    aimInput("txtMeasured2", 4, caption::kMeasured2, "dBm", kMeasuredTip, 40, FEEDS(rates.measured2)),
    aimResult("lblTarget2", 5, caption::kTarget2, kTargetTip, SHOWS(rates.end2.target), target2),
    aimResult("lblAlignment2", 6, caption::kCheck2, kCheckTip, SHOWS(rates.end2.check), aligned2),
    aimInput("txtBeamwidth2", 7, caption::kBeamwidth2, "°", kBeamTip, 41, FEEDS(rates.beamwidth2)),
    aimResult("lblAim2", 7, nullptr, kAimTip, SHOWS(rates.end2.beamwidth), nullptr, kPageFieldLeft + 900),
    bearing("lblMagneticBearings", 5, E::None, caption::kCompassBearings, "Τα δύο αζιμούθια σε μοίρες πυξίδας: αληθές μείον την απόκλιση", SHOWS(positions.magnetic)),
};
// clang-format on
#undef SHOWS
#undef FEEDS

} // namespace

std::span<const ControlRow> pathPanelTable() {
    return kRows;
}

} // namespace tarvanel
