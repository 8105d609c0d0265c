#include "engine/number_text.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>
#include <optional>
#include <utility>

#include <cmath>
#include <limits>

namespace tarvanel {
namespace {

using namespace test;

std::string repeat(std::string_view part, std::size_t count) {
    std::string text;
    while (count-- > 0)
        text += part;
    return text;
}

constexpr std::size_t kMegabyte = 1 << 20;
constexpr float kFloatMax = std::numeric_limits<float>::max(), kThird = 1.0f / 3.0f;
const std::string kSevens = repeat("7", kMegabyte), kThirds = "0." + repeat("3", kMegabyte);
const std::string kNul("5\0", 2), kNines = repeat("9", 10'000) + "e-10000";

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

const ReadCase kReadCases[] = {{"20", 20},          {"-5", -5},
                               {"+5", 5},           {"\t7\t", 7},
                               {"17.355", 17.355f}, {"1E3", 1000},
                               {"2.5e-3", 2.5e-3f}, {"-0", -0.0f},
                               {"-1e-60", -0.0f},   {"1e-999999", 0},
                               {"0.000e999999", 0}, {kThirds, kThird},
                               {kNines, 1},         {"3.4028234e38", kFloatMax}};

TARVANEL_IN_EVERY_LOCALE(Texts, ReadTest, kReadCases);

// A text that does not read: not a number at all (no grouping, no "inf", no
// look-alike digits or invisible characters), or out of range.
using ReadFailureTest = LocaleTest<std::string>;

TEST_P(ReadFailureTest, FailsInEveryPrecision) {
    const auto& [named, typed] = GetParam();
    const std::string text = localized(typed, named.locale);
    const EngineError error = isNumeric(text, named.locale) ? kOverflow : kNotNumeric;
    EXPECT_EQ(error == kOverflow, typed == "3.5e38" || typed == "-1e39" || typed == kSevens);
    EXPECT_EQ(toSingle(text, named.locale).error, error);
    EXPECT_EQ(toDouble(text, named.locale).error == kNotNumeric, error == kNotNumeric);
    EXPECT_EQ(toInt16(text, named.locale).error, error);
}

const std::string kReadFailureCases[] = {
    "3.5e38", "-1e39", kSevens, "",      "   ",          "12abc",   "inf",      "0x10",
    "-",      "1e",    "--1",   "1 000", "\uff12\uff10", "\u00a05", "\u200f20", kNul};

TARVANEL_IN_EVERY_LOCALE(Texts, ReadFailureTest, kReadFailureCases);

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
            if (value) {
                EXPECT_EQ(read.value, *value) << text << " in " << named.name;
            }
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

const Int16Case kInt16Cases[] = {{"2.5", 2, kOk},           {"3.5", 4, kOk},
                                 {"-2.5", -2, kOk},         {"32767.4", 32767, kOk},
                                 {"32767.5", 0, kOverflow}, {"-32768.5", -32768, kOk},
                                 {"-32769", 0, kOverflow},  {"two", 0, kNotNumeric}};

TARVANEL_IN_EVERY_LOCALE(Texts, Int16Test, kInt16Cases);

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
const PatternCase kPatternCases[] = {{6.060955f, kThree, "6.061"}, {-3.5f, kTwo, "-3.50"},
                                     {2.675f, kTwo, "2.68"},       {-2.675f, kTwo, "-2.68"},
                                     {0.05f, kOne, "0.1"},         {999.995f, kTwo, "1000.00"},
                                     {-0.001f, kTwo, "0.00"},      {1e10f, kTwo, "10000000000.00"},
                                     {kFloatMax, kOne, kMaxText}};

TARVANEL_IN_EVERY_LOCALE(Values, PatternTest, kPatternCases);

TEST(NumberWriting, DoublesShowFifteenDigitsAndNonFiniteNeverEscapes) {
    const NumberLocale& en = test::kEnUs.locale;
    // 1.005 is 1.00499999999999989... and shows as 1.00500000000000.
    EXPECT_EQ(formatPattern(1.005, kTwo, en), "1.01");
    EXPECT_EQ(formatPattern(std::numeric_limits<float>::quiet_NaN(), kTwo, en), "0.00");
    EXPECT_EQ(formatPattern(std::numeric_limits<double>::infinity(), kTwo, en), "0.00");
    EXPECT_EQ(formatGeneral(std::numeric_limits<float>::infinity(), en), "0");
    // The shortest plain form up to 7 digits; mW below 1 show 3 (power conversion).
    EXPECT_EQ(formatGeneral(-0.0f, en), "0");
    EXPECT_EQ(formatGeneral(1.2345678f, en), "1.234568");
    EXPECT_EQ(formatGeneral(0.00001f, en), "0.00001");
    EXPECT_EQ(formatGeneral(1.5e20f, en), "1.5E+20");
}

} // namespace
} // namespace tarvanel
