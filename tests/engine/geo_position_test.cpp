#include "geo/geo_position.h"
#include "geo/geodesy.h"
#include "numbers/number_text.h"
#include "texts/verdict_words.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

namespace tarvanel {

void PrintTo(PositionProblem p, std::ostream* o) {
    *o << static_cast<int>(p) << " (" << positionProblemText(p) << ')';
}

namespace {

using namespace test;
using P = PositionProblem;

const double kAthensDms = 37 + (58 + 31.9 / 60) / 60, kAthensDmsLon = 23 + (44 + 5.4 / 60) / 60;

// A position text (with "." and "-", as the locale writes them when `local`), what it reads as or
// why it does not.
struct ReadCase {
    const char* name;
    const char* text;
    double latitude = 0, longitude = 0;
    P problem = P::None;
    bool local = false;
    friend void PrintTo(const ReadCase& c, std::ostream* o) { printRow(o, c, c.text); }
};

// clang-format off
const ReadCase kReadCases[] = {
    {"webMap", "37.97552, 23.73484", 37.97552, 23.73484},
    {"webMapNoBlank", "37.97552,23.73484", 37.97552, 23.73484},
    {"signedBlank", "-33.8688 -151.2093", -33.8688, -151.2093, P::None, true},
    {"decimalCommas", "37,97552 23,73484", 37.97552, 23.73484},
    {"decimalCommasSemicolon", "37,97552; 23,73484", 37.97552, 23.73484},
    {"lettersAfter", "37.97552N 23.73484E", 37.97552, 23.73484, P::None, true},
    {"lettersBefore", "N37.97552 E23.73484", 37.97552, 23.73484},
    {"southWest", "37.9S 23.7W", -37.9, -23.7, P::None, true},
    {"dms", "37°58'31.9\"N 23°44'05.4\"E", kAthensDms, kAthensDmsLon, P::None, true},
    {"dmsBlanksPrimes", "37d 58′ 31.9″ N, 23 ° 44 ′ 5.4 ″ E", kAthensDms, kAthensDmsLon},
    {"swappedByLetters", "23.7E 37.9N", 37.9, 23.7},
    {"corners", "-90 180", -90, 180, P::None, true},
    {"empty", "", 0, 0, P::Empty},
    {"commaBothWays", "37,97552, 23,73484", 0, 0, P::Ambiguous},
    {"oneNumberOrTwo", "37,23", 0, 0, P::Ambiguous},
    {"letterEitherHalf", "37.9 E 23.7", 0, 0, P::Ambiguous},
    {"latitudeBeyond", "91, 23", 0, 0, P::LatitudeOutOfRange},
    {"longitudeBeyond", "37, 181", 0, 0, P::LongitudeOutOfRange},
    {"three", "37.9 23.7 12", 0, 0, P::TooManyNumbers},
    {"dmsWithoutSymbols", "37 58 31.9 N 23 44 5.4 E", 0, 0, P::TooManyNumbers},
    {"noBreakSpaceJoinsNothing", "37\u00a058 23 1", 0, 0, P::TooManyNumbers},
    {"one", "37.9", 0, 0, P::OneNumber},
    {"letters", "abc", 0, 0, P::NotAnAngle},
    {"notHemisphere", "37.9X 23.7E", 0, 0, P::NotAnAngle},
    {"lowerCase", "37.9n 23.7e", 0, 0, P::NotAnAngle},
    {"innerSign", "37-5 23", 0, 0, P::NotAnAngle},
    {"notANumber", "nan inf", 0, 0, P::NotAnAngle},
    {"colonsPastSeconds", "1:2:3:4:5:6 23", 0, 0, P::NotAnAngle},
    {"sixtySeconds", "37°58'60\"N 23°44'05.4\"E", 0, 0, P::PastFiftyNine},
    {"sixtyMinutes", "37:60 23:44", 0, 0, P::PastFiftyNine},
    {"minusAndSouth", "-37.9S 23.7E", 0, 0, P::SignAndHemisphere},
    {"twoLatitudes", "37.9N 23.7S", 0, 0, P::HemispheresClash},
};
// clang-format on

using PositionReadTest = LocaleTest<ReadCase>;

TEST_P(PositionReadTest, ReadsAPositionOrTellsWhyNot) {
    const auto& [named, c] = GetParam();
    const PositionReading r =
        readPosition(c.local ? localized(c.text, named.locale) : c.text, named.locale);
    EXPECT_EQ(r.problem, c.problem);
    EXPECT_EQ(positionProblemText(r.problem).empty(), r.ok());
    if (!r.ok()) return;
    EXPECT_NEAR(r.position.latitude, c.latitude, 1e-12);
    EXPECT_NEAR(r.position.longitude, c.longitude, 1e-12);
}
TARVANEL_IN_EVERY_LOCALE(Texts, PositionReadTest, kReadCases);

// Two ends (with "." and "-", written as the locale writes them), a magnetic
// declination, and what is shown: km | true bearing at end 1 | at end 2 |
// magnetic at end 1 | at end 2.
struct PathCase {
    const char* name;
    const char* end1;
    const char* end2;
    double declination;
    const char* shown;
    friend void PrintTo(const PathCase& c, std::ostream* o) { printRow(o, c, c.end1, c.end2); }
};

// clang-format off
const PathCase kPathCases[] = {
    {"athens", "37.97552; 23.73484", "38.02000; 23.78000", 5, "6.333|38.8|218.8|33.8|213.8"},
    {"athensDms", "37°58'31.9\"N 23°44'05.4\"E", "38.02 23.78", 5, "6.333|38.8|218.8|33.8|213.8"},
    {"thessaloniki", "40.6401; 22.9444", "40.5981; 23.0208", 0, "7.972|125.8|305.8|125.8|305.8"},
    {"sydney", "-33.8688; 151.2093", "-33.85 151.3", 0, "8.648|76.1|256.0|76.1|256.0"},
    {"geographicLib", "37.87622; -122.23558", "-9.4047; 147.1597", 0, "10700.472|263.1|52.7|263.1|52.7"},
    {"acrossTheDateLine", "0; 179.99", "0; -179.99", -3, "2.226|90.0|270.0|93.0|273.0"},
    {"aroundNorth", "0; 0", "0.1; 0.0001", 0.1, "11.057|0.1|180.1|0.0|180.0"},
    {"samePlace", "37.9; 23.7", "37.9N 23.7E", 5, "0.000||||"},
    {"bothAtThePole", "90; 0", "90; 100", 5, "0.000||||"},
};
// clang-format on

using GeodesicTest = LocaleTest<PathCase>;

TEST_P(GeodesicTest, GivesDistanceAndBearingsAsShown) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    const PositionReading end1 = readPosition(localized(c.end1, l), l);
    const PositionReading end2 = readPosition(localized(c.end2, l), l);
    ASSERT_TRUE(end1.ok() && end2.ok());
    const Outcome<GeodesicPath> path = geodesicBetween(end1.position, end2.position);
    ASSERT_TRUE(path.ok());
    std::string shown = formatPattern(path.value.distanceKm, DisplayPattern::ThreeDecimals, l);
    for (double declination : {0.0, c.declination})
        for (const auto& b : {path.value.bearing1, path.value.bearing2})
            shown +=
                "|" + (b ? formatPattern(bearingForDisplay(magneticBearing(*b, declination), 1),
                                         DisplayPattern::OneDecimal, l)
                         : "");
    EXPECT_EQ(shown, localized(c.shown, l));
}
TARVANEL_IN_EVERY_LOCALE(WorkedFigures, GeodesicTest, kPathCases);

TEST(GeodesicBearing, WrapsIntoACircle) {
    EXPECT_EQ(wrapBearing(-90), 270);
    EXPECT_LT(wrapBearing(-1e-20), 360);
    EXPECT_EQ(magneticBearing(2, 5), 357);
    EXPECT_FALSE(geodesicBetween({91, 0}, {0, 0}).ok());
    // GeographicLib's own check, to the millimetre.
    const auto check = geodesicBetween({37.87622, -122.23558}, {-9.4047, 147.1597});
    EXPECT_NEAR(check.value.distanceKm * 1000, 10700471.955, 5e-4);
}

} // namespace
} // namespace tarvanel
