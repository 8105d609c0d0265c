#include "cables/cable_catalogue.h"
#include "numbers/number_text.h"
#include "rules/cable_loss_rules.h"
#include "rules/channel_rules.h"
#include "rules/decimal_key_rules.h"
#include "rules/power_unit_rules.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace tarvanel {
namespace {

using namespace test;

// A power typed in one unit and what the field shows in the other; no text
// (nullptr) when the field stays as it is. The engine reads a power typed in
// mW as the dBm the field would show.
struct ConversionCase {
    const char *name, *from;
    PowerUnit target;
    const char* to;
    friend void PrintTo(const ConversionCase& c, std::ostream* o) { printRow(o, c, c.from, c.to); }
};

using ConversionTest = LocaleTest<ConversionCase>;

TEST_P(ConversionTest, WritesThePowerInTheOtherUnitAsTheEngineReadsIt) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    const std::string from = localized(c.from, l);
    EXPECT_EQ(convertPowerText(from, c.target, l),
              c.to ? std::optional(localized(c.to, l)) : std::nullopt);
    // A power typed in mW reads as the dBm its field would show, or fails.
    if (c.target != kDbm) return;
    const Outcome<float> power = GetPower({from, kMw, "", "", "", ""}, l);
    EXPECT_EQ(power.ok(), c.to != nullptr);
    EXPECT_EQ(power.value, c.to ? toSingle(localized(c.to, l), l).value : 0.0f);
}

// Two decimals from 1 mW up, three significant digits below.
const ConversionCase kConversions[] = {
    {"just_below_1_mW", "-0.01", kMw, "0.998"},  {"half_mW", "-3.01", kMw, "0.5"},
    {"three_digits", "-23", kMw, "0.00501"},     {"exponent", "-60", kMw, "1E-06"},
    {"mW_overflow", "400", kMw, nullptr},        {"mW_underflow", "-500", kMw, nullptr},
    {"from_exponent", "1E-06", kDbm, "-60.00"},  {"to_dBm", "0.5", kDbm, "-3.01"},
    {"mW_below_zero", "-5", kDbm, nullptr},      {"zero_mW", "0", kDbm, nullptr},
    {"dBm_overflow", "1e39", kDbm, nullptr},     {"empty", "", kDbm, nullptr},
    {"no_unit", "20", PowerUnit::None, nullptr}, {"comma", "1,5", kMw, "1.41"}};

TARVANEL_IN_EVERY_LOCALE(Powers, ConversionTest, kConversions);

struct ChannelCase {
    const char *name, *typed, *mhz; // no MHz (nullptr): the field stays
    friend void PrintTo(const ChannelCase& c, std::ostream* o) { printRow(o, c, c.typed, c.mhz); }
};

using ChannelTest = LocaleTest<ChannelCase>;

TEST_P(ChannelTest, WritesTheChannelFrequency) {
    const auto& [named, c] = GetParam();
    const auto text = channelFrequencyText(localized(c.typed, named.locale), named.locale);
    EXPECT_EQ(text, c.mhz ? std::optional<std::string>(c.mhz) : std::nullopt);
}

// Halves to even (2.5 is channel 2); the last channels whose 16-bit steps
// hold are 6072 and -6552.
const ChannelCase kChannelCases[] = {
    {"first", " 1", " 2412"},          {"below_first", "-1", " 2402"},
    {"half_down", "2.5", " 2417"},     {"half_up", "3.5", " 2427"},
    {"minus_MHz", "-482", "-3"},       {"top", "6072", " 32767"},
    {"bottom", "-6552", "-30353"},     {"empty", "", nullptr},
    {"letter", "1a", nullptr},         {"above_top", "6073", nullptr},
    {"below_bottom", "-6553", nullptr}};

TARVANEL_IN_EVERY_LOCALE(Channels, ChannelTest, kChannelCases);

// A link end's cable fields, the loss the engine gives and its label.
struct CableCase {
    const char *name, *lossPerMetre, *length, *connectors, *label;
    EngineError error = kOk;
    friend void PrintTo(const CableCase& c, std::ostream* o) {
        printRow(o, c, c.lossPerMetre, c.length, c.connectors);
    }
};

using CableTest = LocaleTest<CableCase>;

TEST_P(CableTest, AddsCableAndConnectorsShownToOneDecimal) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    const auto typed = [&l](const char* text) { return localized(text, l); };
    const LinkEndFields end{
        "", kDbm, "", typed(c.lossPerMetre), typed(c.length), typed(c.connectors)};
    EXPECT_EQ(ReturnCableLoss(end, l).error, c.error);
    EXPECT_EQ(cableLossText(end, l), localized(c.label, l));
}

// The label halves away from zero, connector counts to even (2.5 is two
// connectors, 3.5 four); a field that is not a number leaves the cable out, a
// loss the engine cannot compute shows 0.
const CableCase kCableCases[] = {{"length_below_zero", "0.22", "-10", "2", "-1.7"},
                                 {"label_half_of_0_125", "0.125", "10", "0", "1.3"},
                                 {"no_exponent", "1000", "1000", "0", "1000000"},
                                 {"connectors_half_down", "0", "0", "2.5", "0.5"},
                                 {"length_empty", "0.22", "", "2", "0"},
                                 {"connectors_overflow", "0.22", "10", "40000", "0", kOverflow},
                                 {"loss_overflow", "1e39", "10", "2", "0", kOverflow},
                                 {"letters_before_overflow", "1e39", "10", "two", "0"},
                                 {"product_overflow", "1e38", "1e38", "0", "0", kOverflow}};

TARVANEL_IN_EVERY_LOCALE(Fields, CableTest, kCableCases);

// The chooser's row is the catalogue's entry, and the chooser writes its loss
// per metre in the general number form; a row beyond the catalogue gives 0.
struct CatalogueCase {
    const char* name;
    int row;
    const char* lossPerMetre;
    friend void PrintTo(const CatalogueCase& c, std::ostream* o) { printRow(o, c); }
};

using CatalogueTest = LocaleTest<CatalogueCase>;

TEST_P(CatalogueTest, WritesTheLossPerMetreOfTheRowsEntry) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(lossPerMetreText(list_selection(c.row), named.locale),
              localized(c.lossPerMetre, named.locale));
}

const CatalogueCase kCatalogue[] = {
    {"WBC240", 0, "0.3983"}, {"Hiflex", 11, "0.1833"},  {"LMR900", 6, "0.086"}, {"RG316", 12, "1"},
    {"RG213", 13, "0.46"},   {"past_the_end", 14, "0"}, {"none", -1, "0"}};

TARVANEL_IN_EVERY_LOCALE(Cables, CatalogueTest, kCatalogue);

// A typed point becomes the locale's separator, however long; anything else
// passes as typed.
TEST(DecimalSeparator, TypedPointBecomesTheLocaleOne) {
    EXPECT_EQ(decimalKeyText(".", {"\u066b", "-", "+", "e"}), "\u066b");
    EXPECT_EQ(decimalKeyText("..", kElGr.locale), "..");
}

} // namespace
} // namespace tarvanel
