#include "engine/profile_rows.h"
#include "engine/terrain_profile.h"
#include "numbers/number_text.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace tarvanel {
namespace {

// Figures to two decimals (dbp three, % whole), "-" when missing.
std::string two(std::optional<double> v, DisplayPattern p = DisplayPattern::TwoDecimals) {
    return v ? formatPattern(*v, p, test::kEnUs.locale) : "-";
}

// Point statuses (N no path, U used, E at an end, F not finite) | worst point:
// km, line of sight, bulge, F1, clearance, %, verdict, knife-edge v and loss |
// over the profile: v, dbp, Luc, Lb | least masts | tilts.
std::string describe(const TerrainFigures& t) {
    std::string s;
    for (const TerrainPointFigures& p : t.points)
        s += "NUEF"[static_cast<int>(p.status)];
    if (const auto& w = t.worst) {
        const TerrainPointFigures& p = t.points[w->index];
        s += "|" + two(w->km);
        for (double v : {p.lineOfSight, p.bulge, p.fresnelRadius, w->clearance})
            s += " " + two(v);
        s += " " + two(w->percent, DisplayPattern::WholeNumber) + "% " +
             "?CPB"[static_cast<int>(w->verdict)] + " " + two(w->knifeEdgeV) + " " +
             two(w->knifeEdgeLossDb);
    }
    if (const auto& b = t.diffraction)
        s += "|" + two(b->v) + " " + two(b->breakpointKm, DisplayPattern::ThreeDecimals) + " " +
             two(b->edgeLossDb) + " " + two(b->lossDb);
    return s + "|" + two(t.leastMast1) + " " + two(t.leastMast2) + "|" + two(t.tilt1) + " " +
           two(t.tilt2);
}

struct ProfileCase {
    const char* name;
    TerrainLink link;
    std::vector<TerrainPoint> points;
    std::string figures;
};
void PrintTo(const ProfileCase& c, std::ostream* out) {
    *out << c.name;
}

// 2437 MHz over 10 km: the ends' ground first and last, a point every km
// between, with trees on those at 4 and 5 km.
ProfileCase tenKm(const char* name, std::array<double, 11> g, double mast1, double mast2,
                  double trees, std::string figures) {
    ProfileCase c{name, {2437, 10, 4.0 / 3.0, {g[0], mast1}, {g[10], mast2}}, {}, figures};
    for (int km = 1; km < 10; ++km)
        c.points.push_back({double(km), g[km], km == 4 || km == 5 ? trees : 0});
    return c;
}
constexpr std::array<double, 11> kRidge{100, 110, 120, 150, 180, 160, 130, 140, 120, 110, 100};
constexpr std::array<double, 11> kHill{100, 105, 110, 115, 125, 130, 120, 115, 110, 105, 100};
// The one-obstacle path: 2427 MHz, 5 km, antennas at 32 and 18 m on ground 0.
const TerrainLink kExample{2427, 5, 4.0 / 3.0, {0, 32}, {0, 18}};

const std::string kTilts = "|-0.18 0.14";
const std::string kClear =
    "|2.00 26.40 0.35 12.17 11.05 91% C -1.28 0.00|-1.28 - 0.00 0.00|25.76 8.65" + kTilts;
// clang-format off
const ProfileCase kProfiles[] = {
    tenKm("ridgeBeyondSight", kRidge, 20, 15, 0, "UUUUUUUUU|4.00 118.00 1.41 17.18 -63.41 -369% B 5.22 27.19|5.22 4.000 27.19 37.28|142.87 199.31|-0.06 -0.01"),
    tenKm("hillHighMasts", kHill, 40, 40, 0, "UUUUUUUUU|5.00 140.00 1.47 17.54 8.53 49% P -0.69 0.62|-0.69 - 0.62 1.62|43.99 43.99|-0.03 -0.03"),
    tenKm("hillGrazed", kHill, 35, 30, 0, "UUUUUUUUU|5.00 132.50 1.47 17.54 1.03 6% P -0.08 5.32|-0.08 - 5.32 11.32|53.99 48.99|-0.06 -0.01"),
    tenKm("hillBeyondSight", kHill, 20, 15, 0, "UUUUUUUUU|5.00 117.50 1.47 17.54 -13.97 -80% B 1.13 14.72|1.13 5.000 14.72 24.04|68.99 63.99|-0.06 -0.01"),
    tenKm("hillTrees", kHill, 40, 40, 10, "UUUUUUUUU|5.00 140.00 1.47 17.54 -1.47 -8% B 0.12 7.06|0.12 5.000 7.06 14.12|63.99 63.99|-0.03 -0.03"),
    // One point on ground 0: the one-obstacle path's worked figures.
    {"oneObstacleClear", kExample, {{2, 15}}, "U" + kClear},
    {"oneObstaclePartly", kExample, {{2, 25}}, "U|2.00 26.40 0.35 12.17 1.05 9% P -0.12 4.99|-0.12 - 4.99 10.69|42.43 33.65" + kTilts},
    {"oneObstacleAboveTheLine", kExample, {{2, 26.4}}, "U|2.00 26.40 0.35 12.17 -0.35 -3% B 0.04 6.39|0.04 2.000 6.39 13.01|44.76 37.15" + kTilts},
    // Left out of the figures: a 500 m tower would block the path.
    {"atEnd1", kExample, {{0, 500}, {2, 15}}, "EU" + kClear},
    {"atEnd2", kExample, {{2, 15}, {5, 500}}, "UE" + kClear},
    {"beyondEnd2", kExample, {{7, 500}, {-1, 500}}, "EE|- -" + kTilts},
    {"notFinite", kExample, {{NAN, 500}, {2, NAN}, {2, 500, INFINITY}, {2, 15}}, "FFFU" + kClear},
    {"noPoints", kExample, {}, "|- -" + kTilts},
    {"noDistance", {2427, NAN, 4.0 / 3.0, {0, 32}, {0, 18}}, {{2, 15}}, "N|- -|- -"},
    {"noFrequency", {0, 5, 4.0 / 3.0, {0, 32}, {0, 18}}, {{2, 15}}, "N|- -" + kTilts},
};
// clang-format on

class TerrainTest : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(TerrainTest, GivesTheWorkedFigures) {
    const ProfileCase& c = GetParam();
    const TerrainFigures t = terrainFigures(c.link, c.points);
    EXPECT_EQ(describe(t), c.figures);
    // The least masts, each applied with the other as given, leave 60 % free.
    for (auto [least, mast] : {std::pair{t.leastMast1, &TerrainLink::end1},
                               std::pair{t.leastMast2, &TerrainLink::end2}}) {
        TerrainLink raised = c.link;
        (raised.*mast).mastM = least.value_or(NAN);
        EXPECT_TRUE(!least ||
                    std::fabs(terrainFigures(raised, c.points).worst->percent - 60) < 1e-9);
    }
}
INSTANTIATE_TEST_SUITE_P(Profiles, TerrainTest, ::testing::ValuesIn(kProfiles),
                         [](const auto& info) { return std::string(info.param.name); });

// A pasted block in each locale: each row as line:km/ground/clutter or
// line:bad[its cell count], then the good points' distances in order.
struct RowsCase {
    const char* name;
    std::string text; // with "." and "-" as the locale writes them when `typed`
    const char* rows;
    bool typed = false;
};
void PrintTo(const RowsCase& c, std::ostream* out) {
    test::printRow(out, c, c.text);
}

// clang-format off
const RowsCase kRows[] = {
    {"tabsDecimalCommas", "2,5\t120,3\n0,5\t100\t12,5\n", "1:2.5/120.3/0 2:0.5/100/12.5 | 0.5 2.5"},
    {"semicolonsHeader", "distance_km;ground_m;clutter_m\r\n1,5;120,3;0\r\n2;130,5;\r\n", "2:1.5/120.3/0 3:2/130.5/0 | 1.5 2"},
    {"commasHeader", "\xEF\xBB\xBF" "Distance_km,Ground_m,Clutter_m\n1.5,120.3,10\n0.5,130,0\n", "2:1.5/120.3/10 3:0.5/130/0 | 0.5 1.5"},
    {"badRowInTheMiddle", "1;100\nabc;100\n\n3;120;;\n1e999;5\n", "1:1/100/0 2:bad[2] 4:3/120/0 5:bad[2] | 1 3"},
    {"ambiguousCommas", "1,5,120,3\n2,100\n", "1:bad[4] 2:2/100/0 | 2"},
    {"quotedDecimalCommas", "\"1,5\",\"120,3\"\n", "1:1.5/120.3/0 | 1.5"},
    {"localeSigns", "-0.5;100.5;.5\n", "1:-0.5/100.5/0.5 | -0.5", true},
    {"headerOnlyFirst", "\n\n1;2\ndistance_km;ground_m\n", "3:1/2/0 4:bad[2] | 1"},
};
// clang-format on

class RowsTest : public test::LocaleTest<RowsCase> {};

TEST_P(RowsTest, ReadsTheBlock) {
    const auto& [named, c] = GetParam();
    const std::vector<ProfileRow> rows =
        readProfileRows(c.typed ? test::localized(c.text, named.locale) : c.text, named.locale);
    std::ostringstream out;
    for (const ProfileRow& row : rows) {
        out << row.line << ':';
        if (row.point)
            out << row.point->km << '/' << row.point->groundM << '/' << row.point->clutterM << ' ';
        else
            out << "bad[" << row.cells.size() << "] ";
    }
    out << '|';
    for (const TerrainPoint& point : sortedPoints(rows))
        out << ' ' << point.km;
    EXPECT_EQ(out.str(), c.rows);
}
TARVANEL_IN_EVERY_LOCALE(Pasted, RowsTest, kRows);

} // namespace
} // namespace tarvanel
