#include "engine/link_budget.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

namespace tarvanel {
namespace {

using namespace test;

TEST(NamedFunctions, EachReadsItsOwnEnd) {
    const NumberLocale locale;
    const LinkFields link = exampleLinkWith(P2, "17", locale);
    EXPECT_EQ(GetPower1(link, locale).value, 20.0f);
    EXPECT_EQ(GetPower2(link, locale).value, 17.0f);
    EXPECT_FLOAT_EQ(ReturnCableLoss1(link, locale).value, 2.7f);
    EXPECT_FLOAT_EQ(ReturnCableLoss2(link, locale).value, 1.5f);
}

// An EIRP of exactly 0 dBm is a valid EIRP: the loss over the distance shows.
TEST(NamedFunctions, ZeroDbmEirpStillGivesTheLoss) {
    const NumberLocale locale;
    LinkFields link = exampleLink(locale);
    link.end1 = {"0", PowerUnit::dBm, "0", "", "", ""};
    ASSERT_EQ(Calc_EIRP1(link, locale), 0.0f);
    EXPECT_NEAR(Calc_FSL(link, locale), 83.5f, 5e-4f); // 0 + 15 - 1.5 + 80 - 10
    EXPECT_NEAR(CalcDistance(link, locale), 0.14708f, 5e-5f);
    EXPECT_NEAR(Calc_Frensel_Zone(link, locale), 2.13116f, 5e-4f);
}

// Distance (km), free-space loss (dB) and Fresnel radius (m).
struct Path {
    float distance, loss, radius;
};
const Path kExample{6.06096f, 115.8f, 13.68094f}; // the radius with sqrt(299.792458)
const Path kNone{0, 0, 0};
const std::string kNines(1 << 20, '9'); // a megabyte of them

// One field of the example link changed, and every result the link then gives.
struct LinkCase {
    const char* name;
    Field field;
    std::string text; // with "." and a leading "-"
    float eirp1, eirp2;
    Path path;
    PowerUnit unit = PowerUnit::dBm; // of the changed field's end
    friend void PrintTo(const LinkCase& c, std::ostream* o) { printRow(o, c, c.text); }
};

using LinkTest = LocaleTest<LinkCase>;

TEST_P(LinkTest, GivesEveryResult) {
    const auto& [named, c] = GetParam();
    const NumberLocale& locale = named.locale;
    LinkFields link = exampleLinkWith(c.field, c.text, locale);
    (c.field < P2 ? link.end1 : link.end2).unit = c.unit;
    EXPECT_NEAR(Calc_EIRP1(link, locale), c.eirp1, 5e-4f);
    EXPECT_NEAR(Calc_EIRP2(link, locale), c.eirp2, 5e-4f);
    EXPECT_NEAR(CalcDistance(link, locale), c.path.distance, 5e-5f);
    EXPECT_NEAR(Calc_FSL(link, locale), c.path.loss, 5e-4f);
    EXPECT_NEAR(Calc_Frensel_Zone(link, locale), c.path.radius, 5e-4f);
}

const LinkCase kLinkCases[] = {
    {"channel_1", Freq, " 2412", 32.3f, 33.5f, {6.09865f, 115.8f, 13.76602f}},
    {"frequency_below_zero", Freq, "-2427", 32.3f, 33.5f, {-6.06096f, 115.8f, 13.68094f}},
    {"no_margin", Margin, "0", 32.3f, 33.5f, {19.16642f, 125.8f, 24.32854f}},
    {"sensitivity_halves_to_even", Sens, "81.5", 32.3f, 33.5f, {7.63029f, 117.8f, 15.35027f}},
    {"sensitivity_magnitude", Sens, "-80", 32.3f, 33.5f, kExample},
    {"margin_magnitude", Margin, "-10", 32.3f, 33.5f, kExample},
    // End 2's power is not in the path; 100 mW is 20 dBm.
    {"power2_not_in_path", P2, "-40", 32.3f, -26.5f, kExample},
    {"power2_no_unit", P2, "20", 32.3f, 13.5f, kExample, PowerUnit::None},
    {"power2_mW_empty", P2, "", 32.3f, 0, kExample, kMw},
    {"power1_mW", P1, "100", 32.3f, 33.5f, kExample, kMw},
    // A cable field that is not a number leaves that cable out.
    {"loss2_empty", L2, "", 32.3f, 35.0f, {7.20346f, 117.3f, 14.91475f}},
    {"length1_letter", Len1, "\u03b1", 35.0f, 33.5f, {8.27068f, 118.5f, 15.98144f}},
    // A field that fails the path: distance, loss and radius show 0, and so
    // does the EIRP of the field's end (1e30 dBi only overflows the path).
    {"power1_mW_zero", P1, "0", 0, 33.5f, kNone, kMw},
    {"gain1_empty", G1, "", 0, 33.5f, kNone},
    {"power1_overflow", P1, "1e39", 0, 33.5f, kNone},
    {"connectors2_overflow", C2, "40000", 32.3f, 0, kNone},
    {"gain1_overflows_path", G1, "1e30", 1e30f, 33.5f, kNone},
    {"frequency_zero", Freq, "0", 32.3f, 33.5f, kNone},
    {"frequency_megabyte", Freq, kNines, 32.3f, 33.5f, kNone},
    {"sensitivity_min", Sens, "-32768", 32.3f, 33.5f, kNone},
    {"sensitivity_overflow", Sens, "40000", 32.3f, 33.5f, kNone},
    {"margin_empty", Margin, "", 32.3f, 33.5f, kNone}};

TARVANEL_IN_EVERY_LOCALE(Paths, LinkTest, kLinkCases);

} // namespace
} // namespace tarvanel
