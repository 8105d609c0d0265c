#include "cable_loss_rules.h"
#include "channel_rules.h"
#include "decimal_key_rules.h"
#include "number_text.h"
#include "power_unit_rules.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace tarvanel {
namespace {

using test::localized;

template <typename Case>
using LocaleTest = ::testing::TestWithParam<std::tuple<test::NamedLocale, Case>>;

// A power typed in one unit and what the field shows in the other; no text
// (nullptr) when the field stays as it is.
struct ConversionCase {
    const char* from;
    PowerUnit target;
    const char* to;
};

using ConversionTest = LocaleTest<ConversionCase>;

TEST_P(ConversionTest, WritesThePowerInTheOtherUnit) {
    const auto& [named, c] = GetParam();
    const auto text = convertPowerText(localized(c.from, named.locale), c.target, named.locale);
    EXPECT_EQ(text, c.to ? std::optional(localized(c.to, named.locale)) : std::nullopt);
}

constexpr auto kMw = PowerUnit::mW;
constexpr auto kDbm = PowerUnit::dBm;

// Two decimals from 1 mW up, three significant digits below.
const ConversionCase kConversionCases[] = {
    {"20", kMw, "100.00"},       {"15", kMw, "31.62"},
    {"0", kMw, "1.00"},          {"-0.01", kMw, "0.998"},
    {"-3.01", kMw, "0.5"},       {"-23", kMw, "0.00501"},
    {"-60", kMw, "1E-06"},       {" 17 ", kMw, "50.12"},
    {"", kMw, nullptr},          {"abc", kMw, nullptr},
    {"20 dBm", kMw, nullptr},    {"1e39", kMw, nullptr},
    {"400", kMw, nullptr},       {"-500", kMw, nullptr},
    {"100.00", kDbm, "20.00"},   {"31.62", kDbm, "15.00"},
    {"1", kDbm, "0.00"},         {"0.5", kDbm, "-3.01"},
    {"0.00501", kDbm, "-23.00"}, {"1E-06", kDbm, "-60.00"},
    {"3", kDbm, "4.77"},         {"", kDbm, nullptr},
    {"0", kDbm, nullptr},        {"-0", kDbm, nullptr},
    {"-5", kDbm, nullptr},       {"1e39", kDbm, nullptr},
    {"-", kDbm, nullptr},        {"20", PowerUnit::None, nullptr}};

INSTANTIATE_TEST_SUITE_P(Powers, ConversionTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kConversionCases)));

// dBm -> mW -> dBm keeps the power within 0.03 dB from -200 to 380 dBm.
TEST(PowerConversion, RoundTripKeepsThePower) {
    const NumberLocale& locale = test::kSvSe.locale;
    for (int hundredths = -20000; hundredths <= 38000; ++hundredths) {
        const std::string dbm =
            formatPattern(hundredths / 100.0, DisplayPattern::TwoDecimals, locale);
        const auto milliwatts = dbmTextToMilliwatts(dbm, locale);
        ASSERT_TRUE(milliwatts && toSingle(*milliwatts, locale).value > 0.0f) << dbm;
        const auto back = milliwattTextToDbm(*milliwatts, locale);
        ASSERT_TRUE(back) << *milliwatts;
        ASSERT_LE(std::abs(toDouble(*back, locale).value - hundredths / 100.0), 0.03 + 1e-9) << dbm;
    }
}

TEST(PowerUnits, SwitchOnlyFromTheOtherUnit) {
    for (PowerUnit unit : {kDbm, kMw})
        EXPECT_EQ(powerUnitFromUnderline(underlineEndsFor(unit).x1), unit);
    EXPECT_TRUE(switchesTo(kUnderlineDbmX1, kMw));
    EXPECT_TRUE(switchesTo(kUnderlineMwX1, kDbm));
    EXPECT_FALSE(switchesTo(kUnderlineDbmX1, kDbm));
    EXPECT_FALSE(switchesTo(kUnderlineMwX1, kMw));
    EXPECT_FALSE(switchesTo(kUnderlineDbmX1 + 0.5f, kMw));
    EXPECT_FALSE(switchesTo(kUnderlineDbmX2, kDbm));
    EXPECT_FALSE(switchesTo(kUnderlineDbmX1, PowerUnit::None));
    EXPECT_EQ(unitWord(kMw), "mWatts");
}

TEST(ChannelFrequency, IsTwoThousandFourHundredSevenPlusFiveN) {
    for (std::int16_t channel = 1; channel <= 13; ++channel)
        EXPECT_EQ(channelFrequencyMHz(channel), 2407 + 5 * channel);
}

struct ChannelCase {
    const char* typed;
    const char* frequency; // nullptr: the field stays
};

using ChannelTest = LocaleTest<ChannelCase>;

TEST_P(ChannelTest, WritesTheChannelFrequency) {
    const auto& [named, c] = GetParam();
    const auto text = channelFrequencyText(localized(c.typed, named.locale), named.locale);
    EXPECT_EQ(text, c.frequency ? std::optional<std::string>(c.frequency) : std::nullopt);
}

// Halves to even (2.5 is channel 2); the last channels whose 16-bit steps
// hold are 6072 and -6552.
const ChannelCase kChannelCases[] = {
    {" 1", " 2412"},     {"13", " 2472"},     {"0", " 2407"},     {"-1", " 2402"},
    {"2.5", " 2417"},    {"3.5", " 2427"},    {"2.6", " 2422"},   {"1e3", " 7407"},
    {"-500", "-93"},     {"-481", " 2"},      {"-482", "-3"},     {"+14", " 2477"},
    {"6072", " 32767"},  {"-6552", "-30353"}, {"", nullptr},      {"-", nullptr},
    {"1a", nullptr},     {"6073", nullptr},   {"-6553", nullptr}, {"32767", nullptr},
    {"-32768", nullptr}, {"40000", nullptr}};

INSTANTIATE_TEST_SUITE_P(Channels, ChannelTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kChannelCases)));

struct CableLabelCase {
    const char *lossPerMetre, *length, *connectors, *label;
};

using CableLabelTest = LocaleTest<CableLabelCase>;

TEST_P(CableLabelTest, ShowsOneDecimalWithoutATrailingZero) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    const LinkEndFields end{"",
                            kDbm,
                            "",
                            localized(c.lossPerMetre, l),
                            localized(c.length, l),
                            localized(c.connectors, l)};
    EXPECT_EQ(cableLossText(end, l), localized(c.label, l));
}

// Halves away from zero; a loss the engine cannot compute shows 0.
const CableLabelCase kCableLabelCases[] = {
    {"0.22", "10", "2", "2.7"}, {"0.25", "10", "2", "3"},         {"0", "0", "0", "0"},
    {"", "10", "2", "0"},       {"0.22", "10", "two", "0"},       {"0.22", "-10", "2", "-1.7"},
    {"0", "0", "3.5", "1"},     {"0.123", "10", "0", "1.2"},      {"0.125", "10", "0", "1.3"},
    {"0.04", "1", "0", "0"},    {"1000", "1000", "0", "1000000"}, {"0.22", "10", "40000", "0"},
    {"1e39", "1", "0", "0"},    {"1e30", "1e30", "0", "0"}};

INSTANTIATE_TEST_SUITE_P(Fields, CableLabelTest,
                         ::testing::Combine(::testing::ValuesIn(test::kLocales),
                                            ::testing::ValuesIn(kCableLabelCases)));

// Other rules of the decimal separator: a typed point becomes it, and a point
// or a comma reads as the decimal mark in every locale (2.5 is channel 2).
TEST(DecimalSeparator, TypedPointBecomesTheLocaleOne) {
    EXPECT_EQ(decimalKeyText(".", test::kEnUs.locale), ".");
    EXPECT_EQ(decimalKeyText(".", test::kElGr.locale), ",");
    EXPECT_EQ(decimalKeyText(".", {"\u066b", "-", "+", "e"}), "\u066b");
    EXPECT_EQ(decimalKeyText(",", test::kEnUs.locale), ",");
    EXPECT_EQ(decimalKeyText("..", test::kElGr.locale), "..");
    EXPECT_EQ(decimalKeyText("", test::kElGr.locale), "");
    EXPECT_EQ(channelFrequencyText("2,5", test::kEnUs.locale), " 2417");
    EXPECT_EQ(channelFrequencyText("2.5", test::kElGr.locale), " 2417");
    EXPECT_EQ(dbmTextToMilliwatts("1.5", test::kElGr.locale), "1,41");
    EXPECT_EQ(milliwattTextToDbm("31,62", test::kEnUs.locale), "15.00");
    EXPECT_EQ(milliwattTextToDbm("31.6,2", test::kEnUs.locale), std::nullopt);
}

} // namespace
} // namespace tarvanel
