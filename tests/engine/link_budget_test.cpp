#include "engine/result_text.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvanel {
namespace {

using namespace test;

class ExampleLinkTest : public ::testing::TestWithParam<test::NamedLocale> {};

std::string joined(const ResultTexts& t) {
    return t.eirp1 + " | " + t.eirp2 + " | " + t.distance + " | " + t.freeSpace + " | " + t.fresnel;
}

TEST_P(ExampleLinkTest, GivesTheKnownResultTexts) {
    const NumberLocale& locale = GetParam().locale;
    EXPECT_EQ(joined(computeResultTexts(test::exampleLink(locale), locale)),
              localized("32.30 dBm | 33.50 dBm | 6.061 Km | 115.8 dB | 13.68 m", locale));
    LinkFields empty;
    empty.frequency = "0";
    EXPECT_EQ(joined(computeResultTexts(empty, locale)),
              localized("0.00 dBm | 0.00 dBm | 0.000 Km | 0.0 dB | 0.00 m", locale));
}

INSTANTIATE_TEST_SUITE_P(Locales, ExampleLinkTest, ::testing::ValuesIn(test::kLocales));

TEST(NamedFunctions, EachReadsItsOwnEnd) {
    const NumberLocale locale;
    LinkFields link = test::exampleLink(locale);
    link.end2.power = "17";
    EXPECT_EQ(GetPower1(link, locale).value, 20.0f);
    EXPECT_EQ(GetPower2(link, locale).value, 17.0f);
    EXPECT_FLOAT_EQ(ReturnCableLoss1(link, locale).value, 2.7f);
    EXPECT_FLOAT_EQ(ReturnCableLoss2(link, locale).value, 1.5f);
}

// An EIRP of exactly 0 dBm is a valid EIRP: the loss over the distance shows.
TEST(NamedFunctions, ZeroDbmEirpStillGivesTheLoss) {
    const NumberLocale locale;
    LinkFields link = test::exampleLink(locale);
    link.end1 = {"0", PowerUnit::dBm, "0", "", "", ""};
    ASSERT_EQ(Calc_EIRP1(link, locale), 0.0f);
    EXPECT_NEAR(Calc_FSL(link, locale), 83.5f, 5e-4f); // 0 + 15 - 1.5 + 80 - 10
    EXPECT_NEAR(CalcDistance(link, locale), 0.14708f, 5e-5f);
    EXPECT_NEAR(Calc_Frensel_Zone(link, locale), 2.13116f, 5e-4f);
}

TEST(LegalLimit, IsStrictlyAboveTwentyDbm) {
    EXPECT_FALSE(exceedsLegalLimit(20.0f));
    EXPECT_TRUE(exceedsLegalLimit(std::nextafter(20.0f, 21.0f)));
}

// The fields of the link: end 1, end 2, then the path.
enum Field { P1, G1, L1, Len1, C1, P2, G2, L2, Len2, C2, Freq, Sens, Margin };

std::string& textOf(LinkFields& link, Field field) {
    if (field >= Freq)
        return *std::array{&link.frequency, &link.sensitivity, &link.margin}[field - Freq];
    LinkEndFields& e = field < P2 ? link.end1 : link.end2;
    return *std::array{&e.power, &e.gain, &e.lossPerMetre, &e.length, &e.connectors}[field % 5];
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
    Field field;
    std::string text; // with "." and a leading "-"
    float eirp1, eirp2;
    Path path;
    PowerUnit unit = PowerUnit::dBm; // of the changed field's end
};

using LinkTest = LocaleTest<LinkCase>;

TEST_P(LinkTest, GivesEveryResult) {
    const auto& [named, c] = GetParam();
    const NumberLocale& locale = named.locale;
    LinkFields link = test::exampleLink(locale);
    textOf(link, c.field) = localized(c.text, locale);
    if (c.unit != PowerUnit::dBm) (c.field < P2 ? link.end1 : link.end2).unit = c.unit;
    EXPECT_NEAR(Calc_EIRP1(link, locale), c.eirp1, 5e-4f);
    EXPECT_NEAR(Calc_EIRP2(link, locale), c.eirp2, 5e-4f);
    EXPECT_NEAR(CalcDistance(link, locale), c.path.distance, 5e-5f);
    EXPECT_NEAR(Calc_FSL(link, locale), c.path.loss, 5e-4f);
    EXPECT_NEAR(Calc_Frensel_Zone(link, locale), c.path.radius, 5e-4f);
}

const LinkCase kLinkCases[] = {
    {Freq, " 2412", 32.3f, 33.5f, {6.09865f, 115.8f, 13.76602f}}, // channel 1
    {Freq, "2472", 32.3f, 33.5f, {5.95062f, 115.8f, 13.4319f}},   // channel 13
    {Freq, "-2427", 32.3f, 33.5f, {-6.06096f, 115.8f, 13.68094f}},
    {Margin, "0", 32.3f, 33.5f, {19.16642f, 125.8f, 24.32854f}},
    {Sens, "81.5", 32.3f, 33.5f, {7.63029f, 117.8f, 15.35027f}}, // halves to even: 82
    {Sens, "-80", 32.3f, 33.5f, kExample},                       // magnitudes count
    {Margin, "-10", 32.3f, 33.5f, kExample},
    // End 2's power is not in the path.
    {P2, "-40", 32.3f, -26.5f, kExample},
    {P2, "", 32.3f, 0, kExample, PowerUnit::mW},
    // A cable field that is not a number leaves that cable out.
    {L2, "", 32.3f, 35.0f, {7.20346f, 117.3f, 14.91475f}},
    {Len1, "\u03b1", 35.0f, 33.5f, {8.27068f, 118.5f, 15.98144f}},
    // A field that fails the path: distance, loss and radius show 0, and so
    // does the EIRP of the field's end (1e30 dBi only overflows the path).
    {P1, "0", 0, 33.5f, kNone, kMw},
    {G1, "", 0, 33.5f, kNone},
    {C2, "40000", 32.3f, 0, kNone},
    {L1, "1e39", 0, 33.5f, kNone},
    {G1, "1e30", 1e30f, 33.5f, kNone},
    {Freq, "0", 32.3f, 33.5f, kNone},
    {Freq, kNines, 32.3f, 33.5f, kNone},
    {Sens, "-32768", 32.3f, 33.5f, kNone},
    {Sens, "40000", 32.3f, 33.5f, kNone},
    {Margin, "", 32.3f, 33.5f, kNone}};

TARVANEL_IN_EVERY_LOCALE(Paths, LinkTest, kLinkCases);

struct PowerCase {
    PowerUnit unit;
    const char* text;
    float dbm;
    EngineError error = EngineError::None;
};

using PowerTest = LocaleTest<PowerCase>;

TEST_P(PowerTest, ReadsDbmOrConvertsMilliwatts) {
    const auto& [named, c] = GetParam();
    const auto power =
        GetPower({localized(c.text, named.locale), c.unit, "", "", "", ""}, named.locale);
    EXPECT_EQ(power.error, c.error);
    EXPECT_EQ(power.value, c.dbm);
}

const PowerCase kPowerCases[] = {{kDbm, "17.355", 17.355f}, {kDbm, "1e39", 0, kOverflow},
                                 {kMw, "100", 20.0f},       {kMw, "0.5", -3.01f},
                                 {kMw, "0", 0, kInvalid},   {kMw, "-5", 0, kInvalid},
                                 {kMw, "", 0, kNotNumeric}, {PowerUnit::None, "20", 0.0f}};

TARVANEL_IN_EVERY_LOCALE(Units, PowerTest, kPowerCases);

struct CableCase {
    const char *loss, *length, *connectors;
    float db;
    EngineError error;
};

using CableLossTest = LocaleTest<CableCase>;

TEST_P(CableLossTest, AddsCableAndConnectors) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    const auto result = ReturnCableLoss(
        {"", kDbm, "", localized(c.loss, l), localized(c.length, l), localized(c.connectors, l)},
        l);
    EXPECT_EQ(result.error, c.error);
    EXPECT_FLOAT_EQ(result.value, c.db);
}

// Connector counts halve to even: 2.5 is two connectors, 3.5 four.
const CableCase kCableCases[] = {
    {"0", "0", "2.5", 0.5f, kOk},       {"0", "0", "3.5", 1.0f, kOk},
    {"0.22", "", "2", 0.0f, kOk},       {"0.22", "10", "40000", 0, kOverflow},
    {"1e39", "10", "2", 0, kOverflow},  {"1e39", "10", "two", 0.0f, kOk},
    {"1e38", "1e38", "0", 0, kOverflow}};

TARVANEL_IN_EVERY_LOCALE(Fields, CableLossTest, kCableCases);

} // namespace
} // namespace tarvanel
