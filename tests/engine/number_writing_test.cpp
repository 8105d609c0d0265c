#include "locales.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace tarvanel {
namespace {

using test::localized;

struct PatternCase {
    float value;
    DisplayPattern pattern;
    std::string text; // with "." for the decimal separator
};

class SinglePatternTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, PatternCase>> {};

TEST_P(SinglePatternTest, FormatsShownDigitsHalfAwayFromZero) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(formatPattern(c.value, c.pattern, named.locale), localized(c.text, named.locale))
        << c.value;
}

constexpr auto kTwo = DisplayPattern::TwoDecimals;
constexpr auto kOne = DisplayPattern::OneDecimal;
constexpr auto kThree = DisplayPattern::ThreeDecimals;

INSTANTIATE_TEST_SUITE_P(
    Values, SinglePatternTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(PatternCase{32.3f, kTwo, "32.30"},
                          PatternCase{6.060955f, kThree, "6.061"},
                          PatternCase{115.8f, kOne, "115.8"}, PatternCase{13.68094f, kTwo, "13.68"},
                          PatternCase{0.0f, kTwo, "0.00"}, PatternCase{0.0f, kThree, "0.000"},
                          PatternCase{0.0f, kOne, "0.0"}, PatternCase{-3.5f, kTwo, "-3.50"},
                          PatternCase{1234.5678f, kThree, "1234.568"},
                          // 2.675f is 2.67499995... but shows as 2.675000: the shown digits round.
                          PatternCase{2.675f, kTwo, "2.68"}, PatternCase{-2.675f, kTwo, "-2.68"},
                          PatternCase{0.125f, kTwo, "0.13"}, PatternCase{0.125f, kOne, "0.1"},
                          PatternCase{0.05f, kOne, "0.1"}, PatternCase{0.004f, kTwo, "0.00"},
                          PatternCase{0.005f, kTwo, "0.01"}, PatternCase{999.995f, kTwo, "1000.00"},
                          PatternCase{9.9996f, kThree, "10.000"},
                          PatternCase{-0.001f, kTwo, "0.00"}, PatternCase{-0.0f, kTwo, "0.00"},
                          PatternCase{1e10f, kTwo, "10000000000.00"},
                          PatternCase{std::numeric_limits<float>::max(), kOne,
                                      "340282300000000000000000000000000000000.0"},
                          PatternCase{1e-30f, kTwo, "0.00"})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

TEST(NumberWriting, DoublesShowFifteenDigits) {
    const auto& en = test::kEnUs.locale;
    EXPECT_EQ(formatPattern(10.0 * std::log10(0.5), kTwo, en), "-3.01");
    EXPECT_EQ(formatPattern(10.0 * std::log10(50.0), kTwo, en), "16.99");
    EXPECT_EQ(formatPattern(10.0 * std::log10(3.0), kTwo, en), "4.77");
    EXPECT_EQ(formatPattern(10.0 * std::log10(2.5), kTwo, en), "3.98");
    // 1.005 is 1.00499999999999989... and shows as 1.00500000000000 with 15 digits.
    EXPECT_EQ(formatPattern(1.005, kTwo, en), "1.01");
    EXPECT_EQ(formatPattern(1e300, kOne, en), "1" + std::string(300, '0') + ".0");
}

TEST(NumberWriting, NonFiniteValuesNeverEscape) {
    const auto& en = test::kEnUs.locale;
    EXPECT_EQ(formatPattern(std::numeric_limits<float>::quiet_NaN(), kTwo, en), "0.00");
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::infinity(), kTwo, en), "0.00");
    EXPECT_EQ(formatGeneral(std::numeric_limits<float>::infinity(), en), "0");
}

struct GeneralCase {
    float value;
    int digits;
    std::string text;
};

class GeneralTest : public ::testing::TestWithParam<std::tuple<test::NamedLocale, GeneralCase>> {};

TEST_P(GeneralTest, WritesShortestPlainForm) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(formatGeneral(c.value, named.locale, c.digits), localized(c.text, named.locale));
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(GeneralCase{0.3983f, 7, "0.3983"}, GeneralCase{1.0f, 7, "1"},
                          GeneralCase{0.086f, 7, "0.086"}, GeneralCase{2.7f, 7, "2.7"},
                          GeneralCase{3.0f, 7, "3"}, GeneralCase{0.0f, 7, "0"},
                          GeneralCase{-0.0f, 7, "0"}, GeneralCase{-1.7f, 7, "-1.7"},
                          GeneralCase{123456789.0f, 7, "123456800"},
                          GeneralCase{1.2345678f, 7, "1.234568"},
                          GeneralCase{0.00001f, 7, "0.00001"}, GeneralCase{0.000001f, 7, "1E-06"},
                          GeneralCase{1.5e20f, 7, "1.5E+20"}, GeneralCase{1e15f, 7, "1E+15"},
                          GeneralCase{0.0050118723f, 3, "0.00501"}, GeneralCase{0.50003f, 3, "0.5"},
                          GeneralCase{0.001f, 3, "0.001"})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

// What the program writes, it reads back: general form to 7 digits, patterns
// to their decimals.
TEST(NumberWriting, WrittenTextsReadBack) {
    std::mt19937 random(2427);
    std::uniform_real_distribution<float> exponent(-12.0f, 30.0f);
    for (const auto& named : {test::kEnUs, test::kElGr, test::kDeDe}) {
        for (int i = 0; i < 3000; ++i) {
            const float magnitude = std::pow(10.0f, exponent(random));
            const float value = (i % 2 ? -1.0f : 1.0f) * magnitude;
            const auto general = toSingle(formatGeneral(value, named.locale), named.locale);
            ASSERT_TRUE(general.ok());
            EXPECT_NEAR(general.value, value, std::fabs(value) * 6e-7f) << value;

            const std::string pattern = formatPattern(value, kTwo, named.locale);
            const auto patterned = toDouble(pattern, named.locale);
            ASSERT_TRUE(patterned.ok()) << pattern;
            EXPECT_NEAR(patterned.value, value, 0.005 + std::fabs(value) * 6e-7) << pattern;
        }
    }
}

} // namespace
} // namespace tarvanel
