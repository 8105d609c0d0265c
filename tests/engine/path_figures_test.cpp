#include "tests/engine/test_support.h"
#include "texts/link_texts.h"

#include <gtest/gtest.h>

namespace tarvanel {
namespace {

// The example link at a link distance with the path panel filled in, and every
// path text it gives: worst point | line of sight | bulge | F1 | clearance |
// zone | knife edge | Lb | margin | least mast 1 | least mast 2 | tilt 1 |
// tilt 2, then each table row's state (Used, Not numbers, Outside the ends,
// no Path) and share. Texts as the row's locale writes them.
struct PathCase {
    const char* name;
    test::NamedLocale locale;
    const char* distance; // km
    PathFields path;
    std::string texts;
    bool marginMet = false;
    const char* frequency = "2427";
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr auto k43 = EarthFactor::Standard;
PathFields oneObstacle(const char* km, const char* top, EarthFactor k = k43) {
    return {k, "", "32", "", "18", {{km, top, ""}}, ""};
}
// Ground every km of a 10 km path (the ends' first and last), masts as given.
PathFields tenKm(std::array<const char*, 11> g, const char* mast1, const char* mast2,
                 const char* trees = "") {
    PathFields path{k43, g[0], mast1, g[10], mast2, {}, ""};
    for (int km = 1; km <= 9; ++km)
        path.points.push_back({std::to_string(km), g[km], km == 4 || km == 5 ? trees : ""});
    return path;
}
const std::array kHill{"100", "105", "110", "115", "125", "130", "120", "115", "110", "105", "100"};
const std::string kTilts = "|-0.18°|+0.14°";
const std::string kNoPath = "||||||||||||";
// clang-format off
const PathCase kCases[] = {
    {"clear", test::kEnUs, "5", oneObstacle("2", "15"), "2.000 km|26.40 m|0.35 m|12.17 m|11.05 m|91 % ελεύθερη|0.00 dB|0.00 dB|11.67 dB|25.76 m|8.65 m|-0.18°|+0.14°|U91", true},
    {"partlyBlocked", test::kElGr, "5", oneObstacle("2", "25"), "2,000 km|26,40 m|0,35 m|12,17 m|1,05 m|9 % μερικώς εμποδισμένη|4,99 dB|10,69 dB|0,98 dB|42,43 m|33,65 m|-0,18°|+0,14°|U9"},
    {"blockedAboveTheLine", test::kSvSe, "5", oneObstacle("2", "26,4"), "2,000 km|26,40 m|0,35 m|12,17 m|\u22120,35 m|\u22123 % εμποδισμένη|6,39 dB|13,01 dB|\u22121,33 dB|44,76 m|37,15 m|\u22120,18°|+0,14°|U\u22123"},
    // k = 2/3 doubles the bulge and tilts both antennas further down.
    {"worstCaseEarth", test::kEnUs, "5", oneObstacle("2", "15", EarthFactor::Low), "2.000 km|26.40 m|0.71 m|12.17 m|10.69 m|88 % ελεύθερη|0.00 dB|0.00 dB|11.67 dB|26.35 m|9.53 m|-0.19°|+0.13°|U88", true},
    {"ridge", test::kEnUs, "10", tenKm({"100", "110", "120", "150", "180", "160", "130", "140", "120", "110", "100"}, "20", "15"), "4.000 km|118.00 m|1.41 m|17.18 m|-63.41 m|-369 % εμποδισμένη|27.19 dB|37.28 dB|-31.66 dB|142.87 m|199.31 m|-0.06°|-0.01°|U85|U-14|U-204|U-369|U-251|U-84|U-154|U-35|U47", false, "2437"},
    {"treesOnTheHill", test::kElGr, "10", tenKm(kHill, "40", "40", "10"), "5,000 km|140,00 m|1,47 m|17,54 m|-1,47 m|-8 % εμποδισμένη|7,06 dB|14,12 dB|-8,50 dB|63,99 m|63,99 m|-0,03°|-0,03°|U328|U207|U148|U21|U-8|U108|U148|U207|U328", false, "2437"},
    // Over a low point one mast may be as short as it likes: never below its ground.
    {"lowPoint", test::kEnUs, "5", oneObstacle("0.5", "0"), "0.500 km|30.60 m|0.13 m|7.46 m|30.47 m|409 % ελεύθερη|0.00 dB|0.00 dB|11.67 dB|3.12 m|0.00 m|-0.18°|+0.14°|U409", true},
    {"noDistance", test::kEnUs, "", oneObstacle("2", "15"), kNoPath + "|-"},
    {"zeroDistance", test::kEnUs, "0", oneObstacle("2", "15"), kNoPath + "|-"},
    {"pointAtEnd1", test::kEnUs, "5", oneObstacle("0", "15"), "||||||||||" + kTilts + "|O"},
    {"pointAtEnd2", test::kEnUs, "5", oneObstacle("5", "15"), "||||||||||" + kTilts + "|O"},
    {"pointBeyond", test::kEnUs, "5", oneObstacle("7", "15"), "||||||||||" + kTilts + "|O"},
    {"pointBehind", test::kEnUs, "5", oneObstacle("-2", "15"), "||||||||||" + kTilts + "|O"},
    {"noGround", test::kEnUs, "5", oneObstacle("2", ""), "||||||||||" + kTilts + "|N"},
    // What needs only the other mast still shows.
    {"noMast1", test::kEnUs, "5", {k43, "", "", "", "18", {{"2", "15", ""}}, ""}, "|||||||||25.76 m||||-"},
    {"lettersMast2", test::kEnUs, "5", {k43, "", "32", "", "abc", {{"2", "15", ""}}, ""}, "||||||||||8.65 m|||-"},
    {"noFrequency", test::kEnUs, "5", oneObstacle("2", "15"), "||||||||||" + kTilts + "|-", false, ""},
};
// clang-format on

class PathTest : public ::testing::TestWithParam<PathCase> {};

std::string statesOf(const PathFigures& figures, const NumberLocale& locale) {
    std::string states;
    for (const PointFigures& point : figures.points) {
        const PointTexts p = pointTexts(point, locale);
        states += std::string("|") + "UNO-"[static_cast<int>(p.state)] + p.share;
    }
    return states;
}

TEST_P(PathTest, GivesTheWorkedFigures) {
    const PathCase& c = GetParam();
    const NumberLocale& locale = c.locale.locale;
    LinkInputs inputs;
    inputs.link = test::exampleLink(locale);
    inputs.link.frequency = c.frequency;
    inputs.linkDistance = c.distance;
    inputs.path = c.path;
    const LinkFigures figures = linkFigures(inputs, locale);
    const PathTexts t = linkTexts(figures, inputs, locale).path;
    EXPECT_EQ(t.worstAt + "|" + t.lineOfSight + "|" + t.earthBulge + "|" + t.fresnelRadius + "|" +
                  t.clearance + "|" + t.fresnelZone + "|" + t.knifeEdgeLoss + "|" + t.profileLoss +
                  "|" + t.margin + "|" + t.leastMast1 + "|" + t.leastMast2 + "|" + t.tilt1 + "|" +
                  t.tilt2 + statesOf(figures.path, locale),
              c.texts);
    EXPECT_EQ(t.marginMet, c.marginMet);
}

INSTANTIATE_TEST_SUITE_P(ExampleLink, PathTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvanel
