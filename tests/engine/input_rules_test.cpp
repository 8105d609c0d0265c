#include "engine/number_text.h"
#include "rules/cable_loss_rules.h"
#include "rules/channel_rules.h"
#include "rules/decimal_key_rules.h"
#include "rules/power_unit_rules.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace tarvanel {
namespace {

using namespace test;

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

// Two decimals from 1 mW up, three significant digits below.
const ConversionCase kConversionCases[] = {
    {"20", kMw, "100.00"},     {"-0.01", kMw, "0.998"},
    {"-3.01", kMw, "0.5"},     {"-23", kMw, "0.00501"},
    {"-60", kMw, "1E-06"},     {" 17 ", kMw, "50.12"},
    {"abc", kMw, nullptr},     {"400", kMw, nullptr},
    {"-500", kMw, nullptr},    {"0.5", kDbm, "-3.01"},
    {"1E-06", kDbm, "-60.00"}, {"", kDbm, nullptr},
    {"0", kDbm, nullptr},      {"-5", kDbm, nullptr},
    {"1e39", kDbm, nullptr},   {"20", PowerUnit::None, nullptr}};

TARVANEL_IN_EVERY_LOCALE(Powers, ConversionTest, kConversionCases);

TEST(PowerUnits, SwitchOnlyFromTheOtherUnit) {
    for (PowerUnit unit : {kDbm, kMw})
        EXPECT_EQ(powerUnitFromUnderline(underlineEndsFor(unit).x1), unit);
    EXPECT_TRUE(switchesTo(kUnderlineDbmX1, kMw));
    EXPECT_TRUE(switchesTo(kUnderlineMwX1, kDbm));
    EXPECT_FALSE(switchesTo(kUnderlineMwX1, kMw));
    EXPECT_FALSE(switchesTo(kUnderlineDbmX1 + 0.5f, kMw));
    EXPECT_FALSE(switchesTo(kUnderlineDbmX1, PowerUnit::None));
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
const ChannelCase kChannelCases[] = {{" 1", " 2412"},    {"13", " 2472"},     {"-1", " 2402"},
                                     {"2.5", " 2417"},   {"3.5", " 2427"},    {"-482", "-3"},
                                     {"6072", " 32767"}, {"-6552", "-30353"}, {"", nullptr},
                                     {"1a", nullptr},    {"6073", nullptr},   {"-6553", nullptr}};

TARVANEL_IN_EVERY_LOCALE(Channels, ChannelTest, kChannelCases);

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
    {"0.22", "10", "2", "2.7"},  {"0.25", "10", "2", "3"},         {"0.22", "-10", "2", "-1.7"},
    {"0.125", "10", "0", "1.3"}, {"1000", "1000", "0", "1000000"}, {"0.22", "10", "40000", "0"}};

TARVANEL_IN_EVERY_LOCALE(Fields, CableLabelTest, kCableLabelCases);

// Other rules of the decimal separator: a typed point becomes it, and a point
// or a comma reads as the decimal mark in every locale (2.5 is channel 2).
TEST(DecimalSeparator, TypedPointBecomesTheLocaleOne) {
    EXPECT_EQ(decimalKeyText(".", test::kEnUs.locale), ".");
    EXPECT_EQ(decimalKeyText(".", test::kElGr.locale), ",");
    EXPECT_EQ(decimalKeyText(".", {"\u066b", "-", "+", "e"}), "\u066b");
    EXPECT_EQ(decimalKeyText("..", test::kElGr.locale), "..");
    EXPECT_EQ(dbmTextToMilliwatts("1.5", test::kElGr.locale), "1,41");
    EXPECT_EQ(milliwattTextToDbm("31,62", test::kEnUs.locale), "15.00");
}

} // namespace
} // namespace tarvanel
