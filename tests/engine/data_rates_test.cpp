#include "engine/alignment.h"
#include "engine/data_rates.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvanel {
namespace {

using namespace test;
using enum RateSet;
using V = AlignmentVerdict;
constexpr std::nullopt_t kNone = std::nullopt;

// The example link (link_figures.h) at a link distance in km.
BudgetFigures exampleFigures(std::optional<double> km) {
    return {{20, 15, 2.7}, {20, 15, 1.5}, 2427, 80, 10, km, kNone};
}

// A figure as shown, to within half its last decimal; none when missing.
void expectFigure(const std::optional<double>& actual, std::optional<double> shown,
                  double halfLastDecimal = 0.005) {
    ASSERT_EQ(actual.has_value(), shown.has_value());
    EXPECT_NEAR(actual.value_or(0), shown.value_or(0), halfLastDecimal);
}

TEST(RateTable, ReachesWithoutALinkDistance) {
    const double km[] = {6.061, 4.291, 3.408, 2.413, 1.522, 0.961, 0.856, 0.763};
    const RateTable t = rateTable(exampleFigures(kNone), Dot11nOneStream, {}, kEnUs.locale);
    for (std::size_t i = 0; i < std::size(km); ++i) {
        expectFigure(t.rows.at(i).greatestKm, km[i], 5e-4);
        EXPECT_FALSE(t.rows[i].marginDb) << "MCS" << i;
    }
    EXPECT_FALSE(t.best);
}

// A rate set at a link distance, texts typed in one row, and that row's figures.
struct RateCase {
    const char* name;
    RateSet set;
    std::optional<double> km;
    double bestMbps; // 0: none
    std::size_t row;
    std::optional<double> margin, reach; // dB and km
    bool met;
    const char *sensitivity = "", *power = "";
    bool marked = false;
    void (*edit)(BudgetFigures&) = +[](BudgetFigures&) {};
    friend void PrintTo(const RateCase& c, std::ostream* o) {
        printRow(o, c, c.sensitivity, c.power);
    }
};
using RateTest = LocaleTest<RateCase>;

TEST_P(RateTest, GivesTheWorkedFigures) {
    const auto& [named, c] = GetParam();
    BudgetFigures link = exampleFigures(c.km);
    c.edit(link);
    std::vector<RateOverride> typed(c.row + 1);
    typed[c.row] = {localized(c.sensitivity, named.locale), localized(c.power, named.locale)};
    const RateTable t = rateTable(link, c.set, typed, named.locale);
    EXPECT_EQ(t.best ? t.rows[*t.best].megabits : 0.0, c.bestMbps);
    const RateRow& row = t.rows.at(c.row);
    expectFigure(row.marginDb, c.margin);
    expectFigure(row.greatestKm, c.reach, 5e-4);
    EXPECT_EQ(row.meetsFadeMargin, c.met);
    EXPECT_EQ(row.unreadableOverride, c.marked);
}

// clang-format off
const RateCase kRates[] = {
    {"n_5km", Dot11nOneStream, 5, 6.5, 0, 11.67, 6.061, true}, {"n_5km_mcs1", Dot11nOneStream, 5, 6.5, 1, 8.67, 4.291, false},
    {"n_2km", Dot11nOneStream, 2, 26, 3, 11.63, 2.413, true}, {"n_1km", Dot11nOneStream, 1, 39, 4, 13.65, 1.522, true},
    {"n2_5km", Dot11nTwoStreams, 5, 13, 0, 11.67, 6.061, true}, {"n2_2km", Dot11nTwoStreams, 2, 52, 3, 11.63, 2.413, true},
    {"n2_1km", Dot11nTwoStreams, 1, 78, 4, 13.65, 1.522, true}, {"g_5km", Dot11g, 5, 9, 1, 10.67, 5.402, true},
    // 10.00 as shown at the greatest distance (9.9999 dB): met.
    {"n_greatest_distance", Dot11nOneStream, 6.061, 6.5, 0, 10.00, 6.061, true},
    {"datasheet_mcs4", Dot11nOneStream, 2, 39, 4, 19.63, 6.061, true, "-80"}, {"datasheet_magnitude", Dot11nOneStream, 2, 39, 4, 19.63, 6.061, true, "80"},
    {"datasheet_decimal", Dot11nOneStream, 2, 39, 4, 17.13, 4.545, true, "-77.5"},
    {"blank_is_none", Dot11nOneStream, 5, 6.5, 0, 11.67, 6.061, true, " ", "\t"},
    {"lower_power", Dot11nOneStream, 5, 0, 0, 8.67, 4.291, false, "", "17"},
    {"lower_power_decimal", Dot11nOneStream, 5, 6.5, 0, 10.17, 5.100, true, "", "18.5"},
    {"power_and_datasheet", Dot11nOneStream, 2, 39, 4, 16.63, 4.291, true, "-80", "17"},
    // A row that does not read is no figure; it hides the best rate only from above it.
    {"unreadable_below_best", Dot11nOneStream, 2, 26, 1, kNone, kNone, false, "x", "", true},
    {"unreadable_above_best", Dot11nOneStream, 5, 0, 1, kNone, kNone, false, "-77.5.1", "-", true},
    {"end2_weaker", Dot11nOneStream, 5, 0, 0, 8.67, 4.291, false, "", "", false, +[](BudgetFigures& l) { l.end2.powerDbm = 17; }},
    // The diffraction loss takes its toll at the link distance, not from the reach in free space.
    {"extra_loss", Dot11nOneStream, 2, 19.5, 3, 9.63, 2.413, false, "", "", false, +[](BudgetFigures& l) { l.extraLossDb = 2; }},
    {"no_fade_margin", Dot11nOneStream, 5, 0, 0, 11.67, kNone, false, "", "", false, +[](BudgetFigures& l) { l.fadeMarginDb.reset(); }},
    {"no_frequency", Dot11nOneStream, 5, 0, 0, kNone, kNone, false, "", "", false, +[](BudgetFigures& l) { l.megahertz.reset(); }},
    {"no_sensitivity_but_datasheet", Dot11nOneStream, 5, 0, 0, 11.67, 6.061, true, "-80", "", false, +[](BudgetFigures& l) { l.sensitivityDb.reset(); }},
};
// clang-format on
TARVANEL_IN_EVERY_LOCALE(ExampleLink, RateTest, kRates);

// No rate keeps the fade margin: what the nearest lacks, only while every figure is known.
TEST(RateTable, TellsWhatTheNearestRateLacks) {
    BudgetFigures link = exampleFigures(6.333);
    link.extraLossDb = 33.25; // a hill: -103.63 dBm at either end
    const auto lacks = [&](std::vector<RateOverride> typed) {
        const auto shortfall = rateTable(link, Dot11nOneStream, typed, kEnUs.locale).shortfall;
        return shortfall ? std::pair(shortfall->row, std::round(shortfall->db * 100) / 100)
                         : std::pair(std::size_t{99}, 0.0);
    };
    EXPECT_EQ(lacks({}), std::pair(std::size_t{0}, 33.63));
    EXPECT_EQ(lacks({{}, {"-104", ""}}), std::pair(std::size_t{1}, 9.63)); // a datasheet's MCS1
    EXPECT_EQ(lacks({{}, {}, {"x", ""}}).first, 99u);
    link.fadeMarginDb.reset();
    EXPECT_EQ(lacks({}).first, 99u);
}

// While aiming at either end of the example link at 5 km, which should receive
// -68.33 dBm: what the radio shows, and the antenna's beamwidth in degrees.
struct AimCase {
    const char *name, *measured;
    std::optional<double> difference;
    std::optional<V> verdict;
    const char* beamwidth = "";
    std::optional<double> oneDb = kNone, threeDb = kNone; // off the axis, degrees
    bool unreadable = false;
    friend void PrintTo(const AimCase& c, std::ostream* o) {
        printRow(o, c, c.measured, c.beamwidth);
    }
};
using AimTest = LocaleTest<AimCase>;

TEST_P(AimTest, JudgesTheLevelAndGivesTheAngles) {
    const auto& [named, c] = GetParam();
    for (ReceivingEnd at : {ReceivingEnd::End1, ReceivingEnd::End2}) {
        const EndAlignment a =
            endAlignment(exampleFigures(5), at, localized(c.measured, named.locale), named.locale);
        expectFigure(a.expectedDbm, -68.33);
        expectFigure(a.differenceDb, c.difference);
        EXPECT_EQ(a.verdict, c.verdict);
        EXPECT_EQ(a.unreadableMeasured, c.unreadable);
    }
    const AimAngles angles = aimAngles(localized(c.beamwidth, named.locale), named.locale);
    expectFigure(angles.oneDbDegrees, c.oneDb, 0.05);
    expectFigure(angles.threeDbDegrees, c.threeDb, 0.05);
}

// clang-format off
const AimCase kAims[] = {
    {"weaker_a_little", "-71", -2.67, V::Aligned, "18", 5.2, 9.0}, {"magnitude", "71", -2.67, V::Aligned, "65", 18.8, 32.5},
    {"weaker", "-76", -7.67, V::CheckAim, "6.5", 1.9, 3.3}, {"much_weaker", "-82", -13.67, V::CheckCableConnectorsPath, "0"},
    {"stronger", "-60", 8.33, V::CheckInputs, "-18"},
    // The boundaries, judged as shown: -5.00 and +5.00 aligned, -10.00 still the aim.
    {"weaker_by_5_00", "-73.33", -5.00, V::Aligned, "361"}, {"weaker_by_5_01", "-73.34", -5.01, V::CheckAim, "360", 103.9, 180},
    {"weaker_by_10_00", "-78.33", -10.00, V::CheckAim}, {"weaker_by_10_01", "-78.34", -10.01, V::CheckCableConnectorsPath},
    {"stronger_by_5_00", "-63.33", 5.00, V::Aligned}, {"stronger_by_5_01", "-63.32", 5.01, V::CheckInputs},
    {"empty", "", kNone, kNone, "18°"}, {"letters", "abc", kNone, kNone, "x", kNone, kNone, true},
};
// clang-format on
TARVANEL_IN_EVERY_LOCALE(ExampleLink, AimTest, kAims);

TEST(Alignment, AimsBelowThePathsLossAndNotWithoutADistance) {
    BudgetFigures link = exampleFigures(5);
    link.extraLossDb = 4.99;
    expectFigure(endAlignment(link, ReceivingEnd::End1, "-71", kEnUs.locale).differenceDb, 2.32);
    // At the sensitivity as shown (-80.00) the radios still associate; under it nothing is judged.
    for (const auto& [loss, below] : {std::pair{11.67, false}, {11.68, true}}) {
        link.extraLossDb = loss;
        const EndAlignment a = endAlignment(link, ReceivingEnd::End1, "-80", kEnUs.locale);
        EXPECT_EQ(a.belowSensitivity, below);
        EXPECT_EQ(a.verdict.has_value(), !below);
    }
    link.distanceKm.reset();
    expectFigure(endAlignment(link, ReceivingEnd::End2, "-71", kEnUs.locale).expectedDbm, kNone);
}

} // namespace
} // namespace tarvanel
