#include "numbers/number_text.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tarvanel {
namespace {

using namespace test;

constexpr std::size_t kMegabyte = 1 << 20;
constexpr float kFloatMax = std::numeric_limits<float>::max(), kThird = 1.0f / 3.0f;
const std::string kSevens(kMegabyte, '7'), kThirds = "0." + std::string(kMegabyte, '3');
const std::string kNul("5\0", 2), kNines = std::string(10'000, '9') + "e-10000";

// A text, with "." and a leading "-", and how it reads: its nearest single, or
// why it does not read (not a number at all, or out of range), in every
// precision.
struct ReadCase {
    const char* name;
    std::string text;
    float value;
    EngineError error = kOk;
    friend void PrintTo(const ReadCase& c, std::ostream* o) { printRow(o, c, c.text); }
};

using ReadTest = LocaleTest<ReadCase>;

TEST_P(ReadTest, ReadsTheNearestSingleOrFailsInEveryPrecision) {
    const auto& [named, c] = GetParam();
    const std::string text = localized(c.text, named.locale);
    const Outcome<float> single = toSingle(text, named.locale);
    EXPECT_EQ(single.error, c.error);
    EXPECT_EQ(single.value, c.value);
    EXPECT_EQ(std::signbit(single.value), std::signbit(c.value));
    EXPECT_EQ(isNumeric(text, named.locale), c.error != kNotNumeric);
    EXPECT_EQ(toDouble(text, named.locale).error == kNotNumeric, c.error == kNotNumeric);
    // As a 16-bit integer: the nearest, halves to even, or Overflow past its range.
    const Outcome<std::int16_t> int16 = toInt16(text, named.locale);
    const double nearest = std::nearbyint(c.value);
    const bool fits = single.ok() && nearest >= -32768 && nearest <= 32767;
    EXPECT_EQ(int16.error, fits ? kOk : single.ok() ? kOverflow : c.error);
    EXPECT_EQ(int16.value, fits ? nearest : 0);
}

// A point, a comma or the locale's separator is the decimal mark in every
// locale.
const ReadCase kReads[] = {
    {"decimals", "17.355", 17.355f},          {"comma", "0,22", 0.22f},
    {"float_max", "3.4028234e38", kFloatMax}, {"minus", "-5", -5},
    {"ten_thousand_nines", kNines, 1},        {"plus", "+5", 5},
    {"megabyte_of_3s", kThirds, kThird},      {"tabs", "\t7\t", 7},
    {"exponent_minus", "2.5e-3", 2.5e-3f},    {"capital_e", "1E3", 1000},
    {"minus_underflow", "-1e-60", -0.0f},     {"minus_zero", "-0", -0.0f},
    {"exponent_far_below", "1e-999999", 0},   {"mark_first", ",5", 0.5f},
    {"zero_e_999999", "0.000e999999", 0},     {"mark_last", "5.", 5},
    {"int16_max", "32767.4", 32767.4f},       {"int16_half_down", "2.5", 2.5f},
    {"int16_above_max", "32767.5", 32767.5f}, {"int16_half_up", "3.5", 3.5f},
    {"int16_min", "-32768.5", -32768.5f},     {"int16_minus_half", "-2.5", -2.5f},
    {"int16_below_min", "-32769", -32769}};

TARVANEL_IN_EVERY_LOCALE(Texts, ReadTest, kReads);

// Out of range, or not a number at all: digit grouping is never read, so two
// marks are not a number; no "inf", no look-alike digits or invisible characters.
const ReadCase kFailures[] = {
    {"above_float_max", "3.5e38", 0, kOverflow},   {"minus_1e39", "-1e39", 0, kOverflow},
    {"megabyte_of_7s", kSevens, 0, kOverflow},     {"empty", "", 0, kNotNumeric},
    {"letters_after", "12abc", 0, kNotNumeric},    {"blanks", "   ", 0, kNotNumeric},
    {"hexadecimal", "0x10", 0, kNotNumeric},       {"inf", "inf", 0, kNotNumeric},
    {"minus_alone", "-", 0, kNotNumeric},          {"two_minuses", "--1", 0, kNotNumeric},
    {"exponent_alone", "1e", 0, kNotNumeric},      {"blank_grouping", "1 000", 0, kNotNumeric},
    {"grouping", "1.234,5", 0, kNotNumeric},       {"comma_grouping", "1,000.5", 0, kNotNumeric},
    {"two_marks", "1..5", 0, kNotNumeric},         {"marks_alone", ".,5", 0, kNotNumeric},
    {"fullwidth", "\uff12\uff10", 0, kNotNumeric}, {"no_break_space", "\u00a05", 0, kNotNumeric},
    {"right_to_left", "\u200f20", 0, kNotNumeric}, {"nul", kNul, 0, kNotNumeric}};

TARVANEL_IN_EVERY_LOCALE(Failures, ReadTest, kFailures);

TEST(NumberReading, OnlyTheLocaleSignsAndExponent) {
    EXPECT_EQ(toSingle("0.22", kElGr.locale).value, 0.22f); // a point where a comma is usual
    EXPECT_EQ(toSingle("-2,5", kSvSe.locale).value, -2.5f); // the ASCII minus too
    EXPECT_EQ(toSingle("1\u00d710^3", kSvSe.locale).value, 1000.0f);
    EXPECT_EQ(toSingle("1\u00d710^999999", kSvSe.locale).error, kOverflow);
    EXPECT_FALSE(isNumeric("\u00d710^5", kSvSe.locale));
    EXPECT_FALSE(isNumeric("\u2212", kSvSe.locale));
    EXPECT_FALSE(isNumeric("\u22125", kEnUs.locale));
}

TEST(NumberReading, DoublePrecisionHasItsOwnRange) {
    EXPECT_EQ(toDouble("1e300", kEnUs.locale).value, 1e300);
    EXPECT_EQ(toDouble("1e309", kEnUs.locale).error, kOverflow);
}

struct PatternCase {
    const char* name;
    float value;
    DisplayPattern pattern;
    const char* text; // with "." and a leading "-"
    friend void PrintTo(const PatternCase& c, std::ostream* o) { printRow(o, c, c.text); }
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
const PatternCase kPatterns[] = {
    {"km", 6.060955f, kThree, "6.061"},          {"minus", -3.5f, kTwo, "-3.50"},
    {"shown_half", 2.675f, kTwo, "2.68"},        {"minus_shown_half", -2.675f, kTwo, "-2.68"},
    {"carry", 999.995f, kTwo, "1000.00"},        {"half", 0.05f, kOne, "0.1"},
    {"never_minus_zero", -0.001f, kTwo, "0.00"}, {"no_grouping", 1e10f, kTwo, "10000000000.00"},
    {"float_max", kFloatMax, kOne, kMaxText}};

TARVANEL_IN_EVERY_LOCALE(Values, PatternTest, kPatterns);

TEST(NumberWriting, DoublesShowFifteenDigitsAndNonFiniteNeverEscapes) {
    const NumberLocale& en = kEnUs.locale;
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
