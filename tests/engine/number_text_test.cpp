#include "number_text.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>

#include <cmath>
#include <limits>

namespace tarvanel {
namespace {

using test::localized;

template <typename Case>
using LocaleTest = ::testing::TestWithParam<std::tuple<test::NamedLocale, Case>>;

constexpr auto kNotNumeric = EngineError::NotNumeric;
constexpr auto kOverflow = EngineError::Overflow;
constexpr auto kOk = EngineError::None;

std::string repeat(std::string_view part, std::size_t count) {
    std::string text;
    while (count-- > 0)
        text += part;
    return text;
}

constexpr std::size_t kMegabyte = 1 << 20;
constexpr float kFloatMax = std::numeric_limits<float>::max(), kThird = 1.0f / 3.0f;
const std::string kSevens = repeat("7", kMegabyte), kZeros = repeat("0", kMegabyte);
const std::string kThirds = "0." + repeat("3", kMegabyte), kBlanks = "5" + repeat(" ", kMegabyte);
const std::string kNul("5\0", 2), kHugeExponent = "1e" + repeat("9", 25);
const std::string kLongDigits = "1" + repeat("0", 41) + "e-5";
const std::string kTiny = "0." + kZeros + "1", kNines = repeat("9", 10'000) + "e-10000";

// A numeric text, with "." and a leading "-", and its nearest single.
struct ReadCase {
    std::string text;
    float value;
};

using ReadTest = LocaleTest<ReadCase>;

TEST_P(ReadTest, ReadsTheNearestSingle) {
    const auto& [named, c] = GetParam();
    const std::string text = localized(c.text, named.locale);
    EXPECT_TRUE(isNumeric(text, named.locale));
    const Outcome<float> single = toSingle(text, named.locale);
    EXPECT_TRUE(single.ok());
    EXPECT_EQ(single.value, c.value);
    EXPECT_EQ(std::signbit(single.value), std::signbit(c.value));
}

const ReadCase kReadCases[] = {
    {"20", 20},           {"-5", -5},          {"+5", 5},         {"0.22", 0.22f},
    {".5", 0.5f},         {"5.", 5},           {" 2417", 2417},   {"2417 ", 2417},
    {"\t7\t", 7},         {"17.355", 17.355f}, {"1e3", 1000},     {"1E3", 1000},
    {"2.5e-3", 2.5e-3f},  {"1e+3", 1000},      {"-0", -0.0f},     {"3.4028234e38", kFloatMax},
    {"1e-60", 0},         {"-1e-60", -0.0f},   {"1e-999999", 0},  {"0.000e999999", 0},
    {kLongDigits, 1e36f}, {kZeros, 0},         {kThirds, kThird}, {kBlanks, 5},
    {kTiny, 0},           {kNines, 1}};

INSTANTIATE_TEST_SUITE_P(Texts, ReadTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kReadCases)));

// A text that does not read: not a number at all, or out of range.
struct ReadFailureCase {
    std::string text;
    EngineError error;
};

using ReadFailureTest = LocaleTest<ReadFailureCase>;

TEST_P(ReadFailureTest, FailsInEveryPrecision) {
    const auto& [named, c] = GetParam();
    const std::string text = localized(c.text, named.locale);
    EXPECT_EQ(isNumeric(text, named.locale), c.error == kOverflow);
    EXPECT_EQ(toSingle(text, named.locale).error, c.error);
    EXPECT_EQ(toDouble(text, named.locale).error == kNotNumeric, c.error == kNotNumeric);
    EXPECT_EQ(toInt16(text, named.locale).error, c.error);
}

// Only ASCII digits, one separator, blanks around, an exponent: no grouping,
// no "inf" or "nan", no look-alike digits or invisible characters.
const ReadFailureCase kReadFailureCases[] = {{"3.5e38", kOverflow},
                                             {"-1e39", kOverflow},
                                             {"1e999999", kOverflow},
                                             {kHugeExponent, kOverflow},
                                             {kSevens, kOverflow},
                                             {"", kNotNumeric},
                                             {"   ", kNotNumeric},
                                             {"abc", kNotNumeric},
                                             {"12abc", kNotNumeric},
                                             {"inf", kNotNumeric},
                                             {"nan", kNotNumeric},
                                             {"Infinity", kNotNumeric},
                                             {"0x10", kNotNumeric},
                                             {"$5", kNotNumeric},
                                             {"5 €", kNotNumeric},
                                             {"-", kNotNumeric},
                                             {".", kNotNumeric},
                                             {"+", kNotNumeric},
                                             {"1e", kNotNumeric},
                                             {"e3", kNotNumeric},
                                             {"1..2", kNotNumeric},
                                             {"--1", kNotNumeric},
                                             {"1 000", kNotNumeric},
                                             {"- 5", kNotNumeric},
                                             {"\u03b1\u03b2", kNotNumeric},
                                             {"\u0662\u0660", kNotNumeric},
                                             {"\uff12\uff10", kNotNumeric},
                                             {"\u00a05", kNotNumeric},
                                             {"2\u00a0000", kNotNumeric},
                                             {"\u200f20", kNotNumeric},
                                             {"20\u200f", kNotNumeric},
                                             {"20\u037e", kNotNumeric},
                                             {kNul, kNotNumeric}};

INSTANTIATE_TEST_SUITE_P(Texts, ReadFailureTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kReadFailureCases)));

// One point, one comma or the locale's own separator is the decimal mark in
// every locale; digit grouping is never read, so two marks are not a number.
TEST(NumberReading, APointOrACommaIsTheDecimalMark) {
    const std::pair<const char*, std::optional<float>> cases[] = {
        {"0.22", 0.22f}, {"0,22", 0.22f}, {",5", 0.5f},     {"5.", 5.0f},
        {"1.5", 1.5f},   {"1.234,5", {}}, {"1..5", {}},     {"1,,5", {}},
        {"1.5,2", {}},   {"1,000.5", {}}, {"1.500,25", {}}, {".,5", {}}};
    for (const test::NamedLocale& named : test::kLocales) {
        for (const auto& [text, value] : cases) {
            const Outcome<float> read = toSingle(text, named.locale);
            EXPECT_EQ(read.ok(), value.has_value()) << text << " in " << named.name;
            if (value) EXPECT_EQ(read.value, *value) << text << " in " << named.name;
        }
    }
}

TEST(NumberReading, OnlyTheLocaleSignsAndExponent) {
    EXPECT_EQ(toSingle("-2,5", test::kSvSe.locale).value, -2.5f); // the ASCII minus too
    EXPECT_EQ(toSingle("1\u00d710^3", test::kSvSe.locale).value, 1000.0f);
    EXPECT_EQ(toSingle("1\u00d710^999999", test::kSvSe.locale).error, kOverflow);
    EXPECT_FALSE(isNumeric("\u00d710^5", test::kSvSe.locale));
    EXPECT_FALSE(isNumeric("\u2212", test::kSvSe.locale));
    EXPECT_FALSE(isNumeric("\u22125", test::kEnUs.locale));
}

TEST(NumberReading, DoublePrecisionHasItsOwnRange) {
    EXPECT_EQ(toDouble("1e300", test::kEnUs.locale).value, 1e300);
    EXPECT_EQ(toDouble("1e309", test::kEnUs.locale).error, kOverflow);
    EXPECT_EQ(toDouble("1e-400", test::kEnUs.locale).value, 0.0);
    const Outcome<float> tiny = toSingle("1e-40", test::kEnUs.locale);
    EXPECT_TRUE(tiny.ok() && (tiny.value == 0.0f || tiny.value == 1e-40f));
}

struct Int16Case {
    std::string text;
    int value;
    EngineError error;
};

using Int16Test = LocaleTest<Int16Case>;

TEST_P(Int16Test, RoundsHalvesToEven) {
    const auto& [named, c] = GetParam();
    const auto result = toInt16(localized(c.text, named.locale), named.locale);
    EXPECT_EQ(result.error, c.error);
    EXPECT_EQ(result.value, c.value);
}

const Int16Case kInt16Cases[] = {
    {"2.5", 2, kOk},          {"3.5", 4, kOk},           {"-2.5", -2, kOk},
    {"2.4999", 2, kOk},       {"2.5001", 3, kOk},        {"1e3", 1000, kOk},
    {"32767.4", 32767, kOk},  {"32767.5", 0, kOverflow}, {"-32768.5", -32768, kOk},
    {"-32769", 0, kOverflow}, {"1e999", 0, kOverflow},   {"two", 0, kNotNumeric}};

INSTANTIATE_TEST_SUITE_P(Texts, Int16Test,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kInt16Cases)));

struct PatternCase {
    float value;
    DisplayPattern pattern;
    const char* text; // with "." and a leading "-"
};

using PatternTest = LocaleTest<PatternCase>;

TEST_P(PatternTest, RoundsTheShownDigitsHalfAwayFromZero) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(formatPattern(c.value, c.pattern, named.locale), localized(c.text, named.locale));
}

constexpr auto kOne = DisplayPattern::OneDecimal;
constexpr auto kTwo = DisplayPattern::TwoDecimals;
constexpr auto kThree = DisplayPattern::ThreeDecimals;

const char* const kMaxText = "340282300000000000000000000000000000000.0";
// 2.675f is 2.67499995... but shows as 2.675000: the shown digits round.
const PatternCase kPatternCases[] = {
    {6.060955f, kThree, "6.061"},    {0.0f, kOne, "0.0"},
    {-3.5f, kTwo, "-3.50"},          {1234.5678f, kThree, "1234.568"},
    {2.675f, kTwo, "2.68"},          {-2.675f, kTwo, "-2.68"},
    {0.125f, kOne, "0.1"},           {0.05f, kOne, "0.1"},
    {0.004f, kTwo, "0.00"},          {0.005f, kTwo, "0.01"},
    {999.995f, kTwo, "1000.00"},     {9.9996f, kThree, "10.000"},
    {-0.001f, kTwo, "0.00"},         {-0.0f, kTwo, "0.00"},
    {1e10f, kTwo, "10000000000.00"}, {1e-30f, kTwo, "0.00"},
    {kFloatMax, kOne, kMaxText}};

INSTANTIATE_TEST_SUITE_P(Values, PatternTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kPatternCases)));

TEST(NumberWriting, DoublesShowFifteenDigitsAndNonFiniteNeverEscapes) {
    const NumberLocale& en = test::kEnUs.locale;
    // 1.005 is 1.00499999999999989... and shows as 1.00500000000000.
    EXPECT_EQ(formatPattern(1.005, kTwo, en), "1.01");
    EXPECT_EQ(formatPattern(1e300, kOne, en), "1" + std::string(300, '0') + ".0");
    EXPECT_EQ(formatPattern(std::numeric_limits<float>::quiet_NaN(), kTwo, en), "0.00");
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::infinity(), kTwo, en), "0.00");
    EXPECT_EQ(formatGeneral(std::numeric_limits<float>::infinity(), en), "0");
}

struct GeneralCase {
    float value;
    int digits;
    const char* text;
};

using GeneralTest = LocaleTest<GeneralCase>;

TEST_P(GeneralTest, WritesTheShortestPlainForm) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(formatGeneral(c.value, named.locale, c.digits), localized(c.text, named.locale));
}

const GeneralCase kGeneralCases[] = {{0.3983f, 7, "0.3983"},
                                     {3.0f, 7, "3"},
                                     {-0.0f, 7, "0"},
                                     {-1.7f, 7, "-1.7"},
                                     {1.23456789e8f, 7, "123456800"},
                                     {1.2345678f, 7, "1.234568"},
                                     {0.00001f, 7, "0.00001"},
                                     {0.000001f, 7, "1E-06"},
                                     {1.5e20f, 7, "1.5E+20"},
                                     {1e15f, 7, "1E+15"},
                                     {0.00501187f, 3, "0.00501"},
                                     {0.50003f, 3, "0.5"}};

INSTANTIATE_TEST_SUITE_P(Values, GeneralTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kGeneralCases)));

} // namespace
} // namespace tarvanel
