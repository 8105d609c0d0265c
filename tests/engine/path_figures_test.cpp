#include "engine/link_texts.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

namespace tarvanel {
namespace {

// The example link at a link distance with the path panel filled in, and every
// path text it gives: line of sight | bulge | F1 | clearance | zone | loss |
// margin | least 1 | least 2 | tilt 1 | tilt 2. Texts as the row's locale
// writes them.
struct PathCase {
    const char* name;
    test::NamedLocale locale;
    const char* distance; // km
    PathFields path;
    std::string texts;
    bool marginMet = false;
    void (*edit)(LinkFields&) = +[](LinkFields&) {};
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr auto k43 = EarthFactor::Standard;
const std::string kTilts = "|-0.18°|+0.14°"; // which need no obstacle
// clang-format off
const PathCase kCases[] = {
    {"clear", test::kEnUs, "5", {"32", "18", "2", "15", k43}, "26.40 m|0.35 m|12.17 m|11.05 m|91 % ελεύθερη|0.00 dB|11.67 dB|25.76 m|8.65 m|-0.18°|+0.14°", true},
    {"partlyBlocked", test::kElGr, "5", {"32", "18", "2", "25", k43}, "26,40 m|0,35 m|12,17 m|1,05 m|9 % μερικώς εμποδισμένη|4,99 dB|6,68 dB|42,43 m|33,65 m|-0,18°|+0,14°"},
    {"blockedAboveTheLine", test::kSvSe, "5", {"32", "18", "2", "26,4", k43}, "26,40 m|0,35 m|12,17 m|\u22120,35 m|\u22123 % εμποδισμένη|6,39 dB|5,28 dB|44,76 m|37,15 m|\u22120,18°|+0,14°"},
    // k = 2/3 doubles the bulge and tilts both antennas further down.
    {"worstCaseEarth", test::kEnUs, "5", {"32", "18", "2", "15", EarthFactor::Low}, "26.40 m|0.71 m|12.17 m|10.69 m|88 % ελεύθερη|0.00 dB|11.67 dB|26.35 m|9.53 m|-0.19°|+0.13°", true},
    {"noDistance", test::kEnUs, "", {"32", "18", "2", "15", k43}, "||||||||||"},
    {"zeroDistance", test::kEnUs, "0", {"32", "18", "2", "15", k43}, "||||||||||"},
    {"obstacleAtEnd1", test::kEnUs, "5", {"32", "18", "0", "15", k43}, "||||||||" + kTilts},
    {"obstacleAtEnd2", test::kEnUs, "5", {"32", "18", "5", "15", k43}, "||||||||" + kTilts},
    {"obstacleBeyond", test::kEnUs, "5", {"32", "18", "7", "15", k43}, "||||||||" + kTilts},
    {"obstacleBehind", test::kEnUs, "5", {"32", "18", "-2", "15", k43}, "||||||||" + kTilts},
    // What needs only the other antenna still shows.
    {"noHeight1", test::kEnUs, "5", {"", "18", "2", "15", k43}, "|0.35 m|12.17 m|||||25.76 m|||"},
    {"lettersHeight2", test::kEnUs, "5", {"32", "abc", "2", "15", k43}, "|0.35 m|12.17 m||||||8.65 m||"},
    {"noObstacleHeight", test::kEnUs, "5", {"32", "18", "2", "", k43}, "26.40 m|0.35 m|12.17 m||||||" + kTilts},
    {"noFrequency", test::kEnUs, "5", {"32", "18", "2", "15", k43}, "26.40 m|0.35 m||11.05 m|||||" + kTilts, false, +[](LinkFields& l) { l.frequency = ""; }},
};
// clang-format on

class PathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathTest, GivesTheWorkedFigures) {
    const PathCase& c = GetParam();
    const NumberLocale& locale = c.locale.locale;
    LinkFields link = test::exampleLink(locale);
    c.edit(link);
    LinkInputs inputs;
    inputs.link = link;
    inputs.linkDistance = c.distance;
    inputs.path = c.path;
    const PathTexts t = linkTexts(inputs, locale).path;
    EXPECT_EQ(t.lineOfSight + "|" + t.earthBulge + "|" + t.fresnelRadius + "|" + t.clearance + "|" +
                  t.fresnelZone + "|" + t.diffractionLoss + "|" + t.margin + "|" + t.leastHeight1 +
                  "|" + t.leastHeight2 + "|" + t.tilt1 + "|" + t.tilt2,
              c.texts);
    EXPECT_EQ(t.marginMet, c.marginMet);
}

INSTANTIATE_TEST_SUITE_P(ExampleLink, PathTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvanel
