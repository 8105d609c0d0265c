#include "example_link.h"
#include "power_unit_rules.h"
#include "result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

namespace tarvanel {
namespace {

using test::exampleLink;
using test::LinkTexts;
using test::localized;

class ExampleLinkTest : public ::testing::TestWithParam<test::NamedLocale> {};

TEST_P(ExampleLinkTest, GivesTheKnownResults) {
    const NumberLocale& locale = GetParam().locale;
    const LinkTexts link = exampleLink(locale);
    const ResultTexts texts = computeResultTexts(link.fields(), locale);
    EXPECT_EQ(texts.eirp1, localized("32.30 dBm", locale));
    EXPECT_EQ(texts.eirp2, localized("33.50 dBm", locale));
    EXPECT_EQ(texts.distance, localized("6.061 Km", locale));
    EXPECT_EQ(texts.freeSpace, localized("115.8 dB", locale));
    EXPECT_EQ(texts.fresnel, localized("13.68 m", locale));
}

TEST_P(ExampleLinkTest, CableLossesOfBothEnds) {
    const NumberLocale& locale = GetParam().locale;
    const LinkTexts link = exampleLink(locale); // the fields view these texts
    const LinkFields fields = link.fields();
    EXPECT_FLOAT_EQ(ReturnCableLoss1(fields, locale).value, 2.7f);
    EXPECT_FLOAT_EQ(ReturnCableLoss2(fields, locale).value, 1.5f);
}

TEST_P(ExampleLinkTest, EmptyFieldsGiveZeroTexts) {
    const NumberLocale& locale = GetParam().locale;
    LinkTexts link;
    link.frequency = "0";
    const ResultTexts texts = computeResultTexts(link.fields(), locale);
    EXPECT_EQ(texts.eirp1, localized("0.00 dBm", locale));
    EXPECT_EQ(texts.eirp2, localized("0.00 dBm", locale));
    EXPECT_EQ(texts.distance, localized("0.000 Km", locale));
    EXPECT_EQ(texts.freeSpace, localized("0.0 dB", locale));
    EXPECT_EQ(texts.fresnel, localized("0.00 m", locale));
}

INSTANTIATE_TEST_SUITE_P(Locales, ExampleLinkTest,
                         ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
                         [](const auto& info) { return std::string(info.param.name); });

// One change to the example link and the path results it must give.
struct PathCase {
    const char* name;
    std::function<void(LinkTexts&)> change; // written with "." for the separator
    float distance, freeSpaceLoss, fresnel;
};

void PrintTo(const PathCase& c, std::ostream* out) {
    *out << c.name;
}

class PathTest : public ::testing::TestWithParam<std::tuple<test::NamedLocale, PathCase>> {};

TEST_P(PathTest, DistanceLossAndRadius) {
    const auto& [named, c] = GetParam();
    LinkTexts link = exampleLink(named.locale);
    c.change(link);
    test::localizeAll(link, named.locale);
    const LinkFields fields = link.fields();
    EXPECT_NEAR(CalcDistance(fields, named.locale), c.distance, 0.0005f);
    EXPECT_NEAR(Calc_FSL(fields, named.locale), c.freeSpaceLoss, 0.05f);
    EXPECT_NEAR(Calc_Frensel_Zone(fields, named.locale), c.fresnel, 0.005f);
}

const PathCase kPathCases[] = {
    {"example", [](LinkTexts&) {}, 6.061f, 115.8f, 13.68f},
    {"channel1", [](LinkTexts& l) { l.frequency = " 2412"; }, 6.099f, 115.8f, 13.77f},
    {"channel13", [](LinkTexts& l) { l.frequency = "2472"; }, 5.951f, 115.8f, 13.43f},
    {"sensitivity90", [](LinkTexts& l) { l.sensitivity = "90"; }, 19.166f, 125.8f, 24.33f},
    {"margin0", [](LinkTexts& l) { l.margin = "0"; }, 19.166f, 125.8f, 24.33f},
    {"sensitivity80_5", [](LinkTexts& l) { l.sensitivity = "80.5"; }, 6.061f, 115.8f, 13.68f},
    {"sensitivity81_5", [](LinkTexts& l) { l.sensitivity = "81.5"; }, 7.630f, 117.8f, 15.35f},
    {"signsIgnored",
     [](LinkTexts& l) {
         l.sensitivity = "-80";
         l.margin = "-10";
     },
     6.061f, 115.8f, 13.68f},
    {"end2PowerUnused", [](LinkTexts& l) { l.end2.power = "-40"; }, 6.061f, 115.8f, 13.68f},
    {"end2UnitUnused",
     [](LinkTexts& l) {
         l.end2.unit = PowerUnit::mW;
         l.end2.power = "";
     },
     6.061f, 115.8f, 13.68f},
    {"negativeFrequency", [](LinkTexts& l) { l.frequency = "-2427"; }, -6.061f, 115.8f, 13.68f},
    {"frequency0", [](LinkTexts& l) { l.frequency = "0"; }, 0, 0, 0},
    {"frequencyEmpty", [](LinkTexts& l) { l.frequency = ""; }, 0, 0, 0},
    {"frequencyLetters", [](LinkTexts& l) { l.frequency = "MHz"; }, 0, 0, 0},
    {"sensitivityMinimum", [](LinkTexts& l) { l.sensitivity = "-32768"; }, 0, 0, 0},
    {"sensitivityOverflow", [](LinkTexts& l) { l.sensitivity = "40000"; }, 0, 0, 0},
    {"sensitivityLetters", [](LinkTexts& l) { l.sensitivity = "x"; }, 0, 0, 0},
    {"marginEmpty", [](LinkTexts& l) { l.margin = ""; }, 0, 0, 0},
    {"gain1Empty", [](LinkTexts& l) { l.end1.gain = ""; }, 0, 0, 0},
    {"gain2Letters", [](LinkTexts& l) { l.end2.gain = "high"; }, 0, 0, 0},
    {"power1Empty", [](LinkTexts& l) { l.end1.power = ""; }, 0, 0, 0},
    {"power1ZeroMilliwatts",
     [](LinkTexts& l) {
         l.end1.unit = PowerUnit::mW;
         l.end1.power = "0";
     },
     0, 0, 0},
    {"connectors1Overflow", [](LinkTexts& l) { l.end1.connectors = "40000"; }, 0, 0, 0},
    {"connectors2Overflow", [](LinkTexts& l) { l.end2.connectors = "40000"; }, 0, 0, 0},
    {"loss1Overflow", [](LinkTexts& l) { l.end1.lossPerMetre = "1e39"; }, 0, 0, 0},
    {"budgetOverflow", [](LinkTexts& l) { l.end1.gain = "1e30"; }, 0, 0, 0},
    // A cable field that is not a number only leaves that cable out.
    {"loss2Empty", [](LinkTexts& l) { l.end2.lossPerMetre = ""; }, 7.2035f, 117.3f, 14.91f},
};

INSTANTIATE_TEST_SUITE_P(Changes, PathTest,
                         ::testing::Combine(::testing::Values(test::kEnUs, test::kElGr,
                                                              test::kDeDe),
                                            ::testing::ValuesIn(kPathCases)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

// An EIRP of exactly 0 dBm is a valid EIRP: the loss over the distance shows.
TEST(PathEdges, ZeroDbmEirpStillGivesTheLoss) {
    const NumberLocale locale;
    LinkTexts link = exampleLink(locale);
    link.end1 = {"0", "0", "", "", ""};
    const LinkFields fields = link.fields();
    ASSERT_EQ(Calc_EIRP1(fields, locale), 0.0f);
    // Allowed path loss: 0 + 15 - 1.5 + 80 - 10 = 83.5 dB.
    EXPECT_NEAR(Calc_FSL(fields, locale), 83.5f, 0.01f);
    EXPECT_GT(CalcDistance(fields, locale), 0.0f);
    EXPECT_GT(Calc_Frensel_Zone(fields, locale), 0.0f);
}

// The loss over the greatest distance is the allowed path loss, whatever the link.
TEST(PathEdges, LossEqualsAllowedPathLoss) {
    const NumberLocale locale;
    for (int sensitivity = 60; sensitivity <= 100; sensitivity += 5) {
        LinkTexts link = exampleLink(locale);
        link.sensitivity = std::to_string(sensitivity);
        const float allowed = 32.3f + 15.0f - 1.5f + static_cast<float>(sensitivity) - 10.0f;
        EXPECT_NEAR(Calc_FSL(link.fields(), locale), allowed, 0.01f) << sensitivity;
    }
}

// The radius is that of the first Fresnel zone at mid-path: sqrt(lambda d / 4).
TEST(PathEdges, RadiusIsTheFirstFresnelZone) {
    const NumberLocale locale;
    const LinkTexts link = exampleLink(locale);
    const double distanceM = CalcDistance(link.fields(), locale) * 1000.0;
    const double wavelengthM = 299.792458 / 2427.0;
    EXPECT_NEAR(Calc_Frensel_Zone(link.fields(), locale), std::sqrt(wavelengthM * distanceM / 4.0),
                0.01);
}

struct PowerCase {
    PowerUnit unit;
    const char* text;
    float dbm;
    EngineError error;
};

class PowerTest : public ::testing::TestWithParam<std::tuple<test::NamedLocale, PowerCase>> {};

TEST_P(PowerTest, ReadsDbmOrConvertsMilliwatts) {
    const auto& [named, c] = GetParam();
    const std::string text = localized(c.text, named.locale);
    const LinkEndFields end{text, c.unit, "", "", "", ""};
    const auto power = GetPower(end, named.locale);
    ASSERT_EQ(power.error, c.error) << c.text;
    if (c.error == EngineError::None) {
        EXPECT_EQ(power.value, c.dbm) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Units, PowerTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(PowerCase{PowerUnit::dBm, "20", 20.0f, EngineError::None},
                          PowerCase{PowerUnit::dBm, "-5", -5.0f, EngineError::None},
                          PowerCase{PowerUnit::dBm, "0", 0.0f, EngineError::None},
                          PowerCase{PowerUnit::dBm, "17.355", 17.355f, EngineError::None},
                          PowerCase{PowerUnit::dBm, "", 0, EngineError::NotNumeric},
                          PowerCase{PowerUnit::dBm, "1e39", 0, EngineError::Overflow},
                          PowerCase{PowerUnit::mW, "100", 20.0f, EngineError::None},
                          PowerCase{PowerUnit::mW, "1", 0.0f, EngineError::None},
                          PowerCase{PowerUnit::mW, "1000", 30.0f, EngineError::None},
                          PowerCase{PowerUnit::mW, "50", 16.99f, EngineError::None},
                          PowerCase{PowerUnit::mW, "3", 4.77f, EngineError::None},
                          PowerCase{PowerUnit::mW, "2.5", 3.98f, EngineError::None},
                          PowerCase{PowerUnit::mW, "0.5", -3.01f, EngineError::None},
                          PowerCase{PowerUnit::mW, "0.001", -30.0f, EngineError::None},
                          PowerCase{PowerUnit::mW, "0", 0, EngineError::InvalidOperation},
                          PowerCase{PowerUnit::mW, "-5", 0, EngineError::InvalidOperation},
                          PowerCase{PowerUnit::mW, "", 0, EngineError::NotNumeric},
                          PowerCase{PowerUnit::None, "", 0.0f, EngineError::None},
                          PowerCase{PowerUnit::None, "20", 0.0f, EngineError::None})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

TEST(PowerUnitMapping, UnderlinePositions) {
    EXPECT_EQ(powerUnitFromUnderline(2920.0f), PowerUnit::dBm);
    EXPECT_EQ(powerUnitFromUnderline(3700.0f), PowerUnit::mW);
    EXPECT_EQ(powerUnitFromUnderline(2921.0f), PowerUnit::None);
    EXPECT_EQ(powerUnitFromUnderline(0.0f), PowerUnit::None);
}

struct CableCase {
    const char *loss, *length, *connectors;
    float db;
    EngineError error;
};

class CableLossTest : public ::testing::TestWithParam<std::tuple<test::NamedLocale, CableCase>> {};

TEST_P(CableLossTest, AddsCableAndConnectors) {
    const auto& [named, c] = GetParam();
    const std::string loss = localized(c.loss, named.locale);
    const std::string length = localized(c.length, named.locale);
    const std::string connectors = localized(c.connectors, named.locale);
    const LinkEndFields end{"", PowerUnit::dBm, "", loss, length, connectors};
    const auto result = ReturnCableLoss(end, named.locale);
    ASSERT_EQ(result.error, c.error);
    if (c.error == EngineError::None) {
        EXPECT_FLOAT_EQ(result.value, c.db);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CableLossTest,
    ::testing::Combine(::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
                       ::testing::Values(CableCase{"0.22", "10", "2", 2.7f, EngineError::None},
                                         CableCase{"0.10", "10", "2", 1.5f, EngineError::None},
                                         CableCase{"0.22", "0", "0", 0.0f, EngineError::None},
                                         CableCase{"0", "0", "2.5", 0.5f, EngineError::None},
                                         CableCase{"0", "0", "3.5", 1.0f, EngineError::None},
                                         CableCase{"0.22", "-10", "2", -1.7f, EngineError::None},
                                         CableCase{"0.22", "", "2", 0.0f, EngineError::None},
                                         CableCase{"", "10", "2", 0.0f, EngineError::None},
                                         CableCase{"0.22", "10", "two", 0.0f, EngineError::None},
                                         CableCase{"0.22", "10", "40000", 0, EngineError::Overflow},
                                         CableCase{"1e39", "10", "2", 0, EngineError::Overflow},
                                         CableCase{"1e39", "10", "two", 0.0f, EngineError::None},
                                         CableCase{"1e38", "1e38", "0", 0, EngineError::Overflow})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

TEST(Eirp, GuardedAgainstEveryFailure) {
    const NumberLocale locale;
    LinkTexts link = exampleLink(locale);
    EXPECT_FLOAT_EQ(Calc_EIRP1(link.fields(), locale), 32.3f);
    link.end1.gain = "";
    EXPECT_EQ(Calc_EIRP1(link.fields(), locale), 0.0f);
    link = exampleLink(locale);
    link.end1.unit = PowerUnit::mW;
    link.end1.power = "0";
    EXPECT_EQ(Calc_EIRP1(link.fields(), locale), 0.0f);
    link = exampleLink(locale);
    link.end1.lossPerMetre = "";
    EXPECT_FLOAT_EQ(Calc_EIRP1(link.fields(), locale), 35.0f); // gain + power, no cable
    link = exampleLink(locale);
    link.end2.connectors = "40000";
    EXPECT_EQ(Calc_EIRP2(link.fields(), locale), 0.0f);
    EXPECT_FLOAT_EQ(Calc_EIRP1(link.fields(), locale), 32.3f);
    link.end1 = {"3e38", "3e38", "", "", ""};
    EXPECT_EQ(Calc_EIRP1(link.fields(), locale), 0.0f); // leaves single precision
}

TEST(Eirp, LegalLimitIsStrictlyAboveTwenty) {
    EXPECT_FALSE(exceedsLegalLimit(20.0f));
    EXPECT_TRUE(exceedsLegalLimit(std::nextafter(20.0f, 100.0f)));
    EXPECT_FALSE(exceedsLegalLimit(-3.5f));
    EXPECT_EQ(resultLabelText(-3.5f, DisplayPattern::TwoDecimals, " dBm", NumberLocale{}),
              "-3.50 dBm");
    EXPECT_EQ(resultLabelText(1234.5678f, DisplayPattern::ThreeDecimals, " Km", NumberLocale{}),
              "1234.568 Km");
}

} // namespace
} // namespace tarvanel

namespace tarvanel {
namespace {

// The refresh reads the fields once for all five results; it must write
// exactly what the five functions give one by one, whatever the fields hold.
TEST(RefreshTexts, MatchTheFunctionsOneByOne) {
    const char* samples[] = {"",     "0",   "20",  "-5",    "0.5",   "2427",
                             "80.5", "1e3", "abc", "40000", "1e39",  "-32768",
                             "0.22", "15",  "10",  "2",     "-2427", "0.001"};
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(samples) - 1);
    const NumberLocale locale;
    for (int i = 0; i < 4000; ++i) {
        LinkTexts link = exampleLink(locale);
        for (auto* text :
             {&link.end1.power, &link.end1.gain, &link.end1.lossPerMetre, &link.end1.length,
              &link.end1.connectors, &link.end2.power, &link.end2.gain, &link.end2.lossPerMetre,
              &link.end2.length, &link.end2.connectors, &link.frequency, &link.sensitivity,
              &link.margin}) {
            if (random() % 3 == 0) *text = samples[pick(random)];
        }
        link.end1.unit = random() % 4 == 0 ? PowerUnit::mW : PowerUnit::dBm;
        const LinkFields fields = link.fields();
        const ResultTexts texts = computeResultTexts(fields, locale);
        const auto text = [&](float v, DisplayPattern p, const char* suffix) {
            return resultLabelText(v, p, suffix, locale);
        };
        ASSERT_EQ(texts.eirp1,
                  text(Calc_EIRP1(fields, locale), DisplayPattern::TwoDecimals, " dBm"));
        ASSERT_EQ(texts.eirp2,
                  text(Calc_EIRP2(fields, locale), DisplayPattern::TwoDecimals, " dBm"));
        ASSERT_EQ(texts.distance,
                  text(CalcDistance(fields, locale), DisplayPattern::ThreeDecimals, " Km"));
        ASSERT_EQ(texts.freeSpace,
                  text(Calc_FSL(fields, locale), DisplayPattern::OneDecimal, " dB"));
        ASSERT_EQ(texts.fresnel,
                  text(Calc_Frensel_Zone(fields, locale), DisplayPattern::TwoDecimals, " m"));
    }
}

} // namespace
} // namespace tarvanel
