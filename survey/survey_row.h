#pragma once

#include "elevation/elevation_sampling.h"
#include "numbers/number_locale.h"
#include "plan/link.h"
#include "plan/site.h"
#include "texts/sheet.h"

#include <array>
#include <optional>
#include <string>

namespace tarvanel {

// One row of a survey from a site (the chosen one) to another: the pair as a
// link of its own, from the chosen site, with each site's own radio, mast and
// sensitivity and the survey's link settings (the current link's frequency,
// channel, fade margin, k and rates). Each direction is received with the
// receiving site's sensitivity. With the ground read from elevation files the
// figures are those of the path panel over that ground: the worst point and
// its share of F1, Lb (Bullington), and each level and margin less Lb;
// without, only the clearance needed at mid-path and free-space levels.
//
// Worked figures (flat, 2427 MHz, sensitivity 80, fade margin 10; A with the
// example link's Interface No.1, the others with No.2's; see README):
//   from A (37.97552, 23.73484, ground 100, mast 20)
//   B 38.02000, 23.78000    6.333 km   38.8° / 218.8°   -70.38 dBm   9.62 dB
//   C 37.93000, 23.69000    6.408 km  218.0° /  37.9°   -70.48 dBm   9.52 dB
//   D 38.10000, 23.60000   18.194 km  319.5° / 139.4°   -79.55 dBm   0.45 dB
// all below the fade margin (red); with a fade margin of 5, B and C meet it.

enum SurveyColumn : std::size_t {
    SurveyName,
    SurveyDistance,
    SurveyBearingOut,  // at the chosen site, toward the other
    SurveyBearingBack, // at the other, toward the chosen
    SurveyGround,
    SurveyWorst, // the worst point, km from the chosen site; without ground the clearance needed
    SurveyFresnel,
    SurveyLoss, // Lb
    SurveyReceivedThere,
    SurveyMarginThere,
    SurveyReceivedHere,
    SurveyMarginHere,
    SurveyBestRate,
    SurveyColumnCount
};

struct SurveyColumnText {
    const char* caption;
    const char* toolTip;
};
const std::array<SurveyColumnText, SurveyColumnCount>& surveyColumns();

// The pair as the path panel will show it when made the current link: the
// link from the chosen site with the survey's settings and the ground as
// points, and both sites, each whose ground is empty given the files' ground
// at its end.
struct SurveyPair {
    Link link; // ends {from.id, to.id}
    Site from;
    Site to;
};

// `ground` is what the files gave along the geodesic from `from` to `to`
// (none: no folder), `folderUtf8` the folder read; the points are written as
// the path panel writes the files' ground, in the locale's decimal mark.
SurveyPair surveyPair(const Link& settings, const Site& from, const Site& to,
                      const std::optional<ElevationProfile>& ground, const std::string& folderUtf8,
                      const NumberLocale& locale);

struct SurveyRow {
    SiteId site = 0; // the other site
    double distanceKm = 0.0;
    // The margin each way: the level above the receiving site's sensitivity
    // (less Lb with ground).
    std::optional<double> marginThere;                // at the other site
    std::optional<double> marginHere;                 // at the chosen site
    std::array<std::string, SurveyColumnCount> cells; // texts in the locale
    std::array<Tone, SurveyColumnCount> tones{};      // green, red or plain
    // What a column sorts by, where it is a number (none for texts and
    // figures that do not compute).
    std::array<std::optional<double>, SurveyColumnCount> keys;
};

SurveyRow surveyRow(const SurveyPair& pair, const std::optional<ElevationProfile>& ground,
                    const NumberLocale& locale);

} // namespace tarvanel
