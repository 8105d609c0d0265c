#include "locales.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tarvanel {
namespace {

using test::localized;

struct NumericCase {
    std::string text; // written with "." for the decimal separator
    bool numeric;
};

class NumericTest : public ::testing::TestWithParam<std::tuple<test::NamedLocale, NumericCase>> {};

TEST_P(NumericTest, DecidesWhatCountsAsNumber) {
    const auto& [named, c] = GetParam();
    const std::string text = localized(c.text, named.locale);
    EXPECT_EQ(isNumeric(text, named.locale), c.numeric) << '"' << text << "\" in " << named.name;
    // Whatever counts as numeric converts without a conversion error.
    const auto single = toSingle(text, named.locale);
    EXPECT_EQ(single.error == EngineError::NotNumeric, !c.numeric);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumericTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(
            NumericCase{"20", true}, NumericCase{"-5", true}, NumericCase{"+5", true},
            NumericCase{"0.22", true}, NumericCase{".5", true}, NumericCase{"5.", true},
            NumericCase{" 2417", true}, NumericCase{"2417 ", true}, NumericCase{"\t7\t", true},
            NumericCase{"1e3", true}, NumericCase{"1E3", true}, NumericCase{"2.5e-3", true},
            NumericCase{"1e+3", true}, NumericCase{"1e999", true}, NumericCase{"-0", true},
            NumericCase{"", false}, NumericCase{"   ", false},
            NumericCase{"abc", false}, NumericCase{"12abc", false}, NumericCase{"inf", false},
            NumericCase{"nan", false}, NumericCase{"Infinity", false}, NumericCase{"0x10", false},
            NumericCase{"$5", false}, NumericCase{"5 €", false}, NumericCase{"-", false},
            NumericCase{".", false}, NumericCase{"+", false}, NumericCase{"1e", false},
            NumericCase{"e3", false}, NumericCase{"1..2", false}, NumericCase{"--1", false},
            NumericCase{"1 000", false}, NumericCase{"- 5", false},
            NumericCase{"\xCE\xB1\xCE\xB2", false}, // Greek letters
            NumericCase{"\xD9\xA1\xD9\xA2", false}, // Arabic-Indic digits
            NumericCase{"\xEF\xBC\x91", false},     // full-width 1
            NumericCase{"\xC2\xA0"
                        "5",
                        false},                          // non-breaking space
            NumericCase{std::string("5\0", 2), false})), // NUL
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

// Digit grouping is never accepted: with a decimal comma "1.5" is not 15.
TEST(NumberReading, RejectsTheOtherSeparator) {
    EXPECT_FALSE(isNumeric("1.5", test::kDeDe.locale));
    EXPECT_FALSE(isNumeric("1.500,25", test::kElGr.locale));
    EXPECT_FALSE(isNumeric("1,5", test::kEnUs.locale));
    EXPECT_FALSE(isNumeric("1,000.5", test::kEnUs.locale));
}

// A locale whose minus sign is U+2212 reads both its own and the ASCII sign.
TEST(NumberReading, AcceptsTheLocaleMinusSign) {
    const NumberLocale unicodeMinus{",", "\xE2\x88\x92", "+", "e"};
    EXPECT_FLOAT_EQ(toSingle("\xE2\x88\x92"
                             "2,5",
                             unicodeMinus)
                        .value,
                    -2.5f);
    EXPECT_FLOAT_EQ(toSingle("-2,5", unicodeMinus).value, -2.5f);
}

struct SingleCase {
    std::string text;
    float value;
    EngineError error;
};

class SingleTest : public ::testing::TestWithParam<std::tuple<test::NamedLocale, SingleCase>> {};

TEST_P(SingleTest, ConvertsToNearestSingle) {
    const auto& [named, c] = GetParam();
    const auto result = toSingle(localized(c.text, named.locale), named.locale);
    ASSERT_EQ(result.error, c.error) << c.text;
    if (c.error == EngineError::None) {
        EXPECT_EQ(result.value, c.value) << c.text;
        EXPECT_EQ(std::signbit(result.value), std::signbit(c.value)) << c.text;
    }
}

constexpr float kFloatMax = std::numeric_limits<float>::max();

INSTANTIATE_TEST_SUITE_P(
    Texts, SingleTest,
    ::testing::Combine(::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
                       ::testing::Values(SingleCase{"17.355", 17.355f, EngineError::None},
                                         SingleCase{" 2417", 2417.0f, EngineError::None},
                                         SingleCase{"1e3", 1000.0f, EngineError::None},
                                         SingleCase{"0.1", 0.1f, EngineError::None},
                                         SingleCase{"-0", -0.0f, EngineError::None},
                                         SingleCase{"3.4028234e38", kFloatMax, EngineError::None},
                                         SingleCase{"3.5e38", 0, EngineError::Overflow},
                                         SingleCase{"-1e39", 0, EngineError::Overflow},
                                         SingleCase{"1e999999", 0, EngineError::Overflow},
                                         SingleCase{"1e99999999999999999999999", 0,
                                                    EngineError::Overflow},
                                         SingleCase{"1e-60", 0.0f, EngineError::None},
                                         SingleCase{"-1e-60", -0.0f, EngineError::None},
                                         SingleCase{"1e-999999", 0.0f, EngineError::None},
                                         SingleCase{"0.000e999999", 0.0f, EngineError::None},
                                         SingleCase{"100000000000000000000000000000000000000000e-5",
                                                    1e36f, EngineError::None},
                                         SingleCase{"letters", 0, EngineError::NotNumeric},
                                         SingleCase{"", 0, EngineError::NotNumeric})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

TEST(NumberReading, TinyValuesReadAsSubnormalOrZero) {
    const auto result = toSingle("1e-40", test::kEnUs.locale);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.value == 0.0f || std::fabs(result.value - 1e-40f) <= 1e-45f);
}

TEST(NumberReading, DoublePrecisionHasItsOwnRange) {
    EXPECT_DOUBLE_EQ(toDouble("1e300", test::kEnUs.locale).value, 1e300);
    EXPECT_EQ(toDouble("1e309", test::kEnUs.locale).error, EngineError::Overflow);
    EXPECT_EQ(toDouble("1e-400", test::kEnUs.locale).value, 0.0);
    EXPECT_DOUBLE_EQ(toDouble("2427", test::kDeDe.locale).value, 2427.0);
}

TEST(NumberReading, TenThousandDigitsStillRead) {
    const std::string digits(10000, '9');
    EXPECT_EQ(toSingle(digits, test::kEnUs.locale).error, EngineError::Overflow);
    EXPECT_EQ(toDouble(digits, test::kEnUs.locale).error, EngineError::Overflow);
    const std::string fraction = "0." + std::string(10000, '0') + "1e10001";
    EXPECT_FLOAT_EQ(toSingle(fraction, test::kEnUs.locale).value, 1.0f);
}

struct Int16Case {
    std::string text;
    int value;
    EngineError error;
};

class Int16Test : public ::testing::TestWithParam<std::tuple<test::NamedLocale, Int16Case>> {};

TEST_P(Int16Test, RoundsHalvesToEven) {
    const auto& [named, c] = GetParam();
    const auto result = toInt16(localized(c.text, named.locale), named.locale);
    ASSERT_EQ(result.error, c.error) << c.text;
    if (c.error == EngineError::None) {
        EXPECT_EQ(result.value, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Int16Test,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(
            Int16Case{"2.5", 2, EngineError::None}, Int16Case{"3.5", 4, EngineError::None},
            Int16Case{"-2.5", -2, EngineError::None}, Int16Case{"80.5", 80, EngineError::None},
            Int16Case{"81.5", 82, EngineError::None}, Int16Case{"2.4999", 2, EngineError::None},
            Int16Case{"2.5001", 3, EngineError::None}, Int16Case{" 13", 13, EngineError::None},
            Int16Case{"1e3", 1000, EngineError::None}, Int16Case{"32767", 32767, EngineError::None},
            Int16Case{"32767.4", 32767, EngineError::None},
            Int16Case{"32767.5", 0, EngineError::Overflow},
            Int16Case{"-32768", -32768, EngineError::None},
            Int16Case{"-32768.5", -32768, EngineError::None},
            Int16Case{"-32769", 0, EngineError::Overflow},
            Int16Case{"40000", 0, EngineError::Overflow},
            Int16Case{"1e999", 0, EngineError::Overflow},
            Int16Case{"two", 0, EngineError::NotNumeric})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::to_string(info.index);
    });

} // namespace
} // namespace tarvanel
