// Texts nobody types on purpose: pasted floods, huge exponents, look-alike
// digits and invisible characters. Each must have a defined outcome: a text
// that is not a number counts as an empty field, an overflowing one as a
// failed calculation (0 shown), and every label stays a well-formed result.

#include "cable_loss_rules.h"
#include "channel_rules.h"
#include "example_link.h"
#include "power_unit_rules.h"
#include "result_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

namespace tarvanel {
namespace {

using test::exampleLink;
using test::LinkTexts;

const NumberLocale kPoint = test::kEnUs.locale;
// Swedish as Qt reports it: U+2212 minus and "×10^" as the exponent mark.
const NumberLocale kMinusSign{",", "\u2212", "+", "\u00d710^"};

std::string repeat(std::string_view part, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + part.size());
    while (text.size() < bytes)
        text += part;
    return text;
}

constexpr std::size_t kMegabyte = 1 << 20;

enum class Reads { NotNumeric, Overflow, Value };

// The texts are made when a test needs them, not when the tests are listed.
using MakeText = std::string (*)();

struct HostileCase {
    const char* name;
    MakeText text;
    Reads reads;
    double value = 0;       // when it reads as a value
    const char* plain = ""; // a plainly typed text that reads the same
    const NumberLocale* locale = &kPoint;
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

const HostileCase kHostileCases[] = {
    {"megabyteOfDigits", [] { return repeat("7", kMegabyte); }, Reads::Overflow},
    {"megabyteOfText", [] { return repeat("lorem ipsum ", kMegabyte); }, Reads::NotNumeric},
    {"megabyteOfZeros", [] { return repeat("0", kMegabyte); }, Reads::Value, 0.0, "0"},
    {"megabyteFractionUnderflows", [] { return "0." + repeat("0", kMegabyte) + "1"; }, Reads::Value,
     0.0, "0"},
    {"megabyteFraction", [] { return "0." + repeat("3", kMegabyte); }, Reads::Value, 1.0 / 3.0,
     "0.3333333333333333"},
    {"megabyteBehindOneDigit", [] { return "5" + repeat(" ", kMegabyte); }, Reads::Value, 5.0, "5"},
    {"tenThousandDigits", [] { return repeat("1234567890", 10'000); }, Reads::Overflow},
    {"tenThousandDigitsNegative", [] { return "-" + repeat("9", 10'000); }, Reads::Overflow},
    {"tenThousandDigitsThenTinyExponent", [] { return repeat("9", 10'000) + "e-10000"; },
     Reads::Value, 1.0, "1"},
    {"hugeExponent", [] { return std::string("1e999999"); }, Reads::Overflow},
    {"hugeNegativeExponent", [] { return std::string("1e-999999"); }, Reads::Value, 0.0, "0"},
    {"exponentPastInt64", [] { return std::string("1e99999999999999999999999"); }, Reads::Overflow},
    {"negativeZero", [] { return std::string("-0"); }, Reads::Value, -0.0, "0"},
    {"NaN", [] { return std::string("NaN"); }, Reads::NotNumeric},
    {"nan", [] { return std::string("nan"); }, Reads::NotNumeric},
    {"Infinity", [] { return std::string("Infinity"); }, Reads::NotNumeric},
    {"minusInf", [] { return std::string("-inf"); }, Reads::NotNumeric},
    {"arabicIndicDigits", [] { return std::string("\u0662\u0660"); }, Reads::NotNumeric},
    {"persianDigits", [] { return std::string("\u06f2\u06f0"); }, Reads::NotNumeric},
    {"fullWidthDigits", [] { return std::string("\uff12\uff10"); }, Reads::NotNumeric},
    {"rightToLeftMarkBefore", [] { return std::string("\u200f20"); }, Reads::NotNumeric},
    {"rightToLeftMarkAfter", [] { return std::string("20\u200f"); }, Reads::NotNumeric},
    {"nonBreakingSpace", [] { return std::string("20\u00a0"); }, Reads::NotNumeric},
    {"nonBreakingSpaceGrouping", [] { return std::string("2\u00a0000"); }, Reads::NotNumeric},
    {"nulInside",
     [] {
         return std::string("2\0"
                            "0",
                            3);
     },
     Reads::NotNumeric},
    {"nulAlone", [] { return std::string(1, '\0'); }, Reads::NotNumeric},
    {"greekLetters", [] { return std::string("\u03b1\u03b2\u03b3"); }, Reads::NotNumeric},
    {"greekQuestionMark", [] { return std::string("20\u037e"); }, Reads::NotNumeric},
    {"loneSeparator", [] { return std::string("."); }, Reads::NotNumeric},
    {"loneMinus", [] { return std::string("-"); }, Reads::NotNumeric},
    {"lonePlus", [] { return std::string("+"); }, Reads::NotNumeric},
    {"loneMinusSign", [] { return std::string("\u2212"); }, Reads::NotNumeric, 0, "", &kMinusSign},
    {"loneComma", [] { return std::string(","); }, Reads::NotNumeric, 0, "", &kMinusSign},
    {"loneExponentMark", [] { return std::string("\u00d710^5"); }, Reads::NotNumeric, 0, "",
     &kMinusSign},
    {"minusSignNumber", [] { return std::string("\u22122,5"); }, Reads::Value, -2.5, "-2,5",
     &kMinusSign},
    {"minusSignHugeExponent", [] { return std::string("1\u00d710^999999"); }, Reads::Overflow, 0,
     "", &kMinusSign},
};

class HostileNumberTest : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileNumberTest, ReadsToADefinedOutcome) {
    const HostileCase& c = GetParam();
    const NumberLocale& locale = *c.locale;
    const std::string text = c.text();
    const Outcome<float> single = toSingle(text, locale);
    const Outcome<double> real = toDouble(text, locale);
    const Outcome<std::int16_t> integer = toInt16(text, locale);
    EXPECT_EQ(isNumeric(text, locale), c.reads != Reads::NotNumeric);
    switch (c.reads) {
    case Reads::NotNumeric:
        EXPECT_EQ(single.error, EngineError::NotNumeric);
        EXPECT_EQ(real.error, EngineError::NotNumeric);
        EXPECT_EQ(integer.error, EngineError::NotNumeric);
        break;
    case Reads::Overflow:
        EXPECT_EQ(single.error, EngineError::Overflow);
        EXPECT_EQ(real.error, EngineError::Overflow);
        EXPECT_EQ(integer.error, EngineError::Overflow);
        break;
    case Reads::Value:
        ASSERT_TRUE(single.ok());
        ASSERT_TRUE(real.ok());
        EXPECT_NEAR(real.value, c.value, 1e-5);
        EXPECT_NEAR(single.value, c.value, 1e-5);
        EXPECT_EQ(std::signbit(single.value), std::signbit(c.value));
        break;
    }
}

// The plainly typed text that reads as the hostile one: empty for a text that
// is not a number, an out-of-range number when it overflows.
std::string plainEquivalent(const HostileCase& c, const std::string& text) {
    if (c.reads == Reads::Overflow) return text.starts_with('-') ? "-1e39" : "1e39";
    return c.plain;
}

// What the input fields write for such a text: what they write for its plain
// equivalent, so nothing (the field stays) when it is not a number or overflows.
TEST_P(HostileNumberTest, InputRulesTreatItAsItsPlainEquivalent) {
    const HostileCase& c = GetParam();
    const NumberLocale& locale = *c.locale;
    const std::string text = c.text();
    const std::string plain = plainEquivalent(c, text);
    EXPECT_EQ(channelFrequencyText(text, locale), channelFrequencyText(plain, locale));
    EXPECT_EQ(dbmTextToMilliwatts(text, locale), dbmTextToMilliwatts(plain, locale));
    EXPECT_EQ(milliwattTextToDbm(text, locale), milliwattTextToDbm(plain, locale));
    // The text in each field of a link end's cable.
    for (int field = 0; field < 3; ++field) {
        std::string loss = "0.22", length = "10", connectors = "2";
        std::string plainLoss = loss, plainLength = length, plainConnectors = connectors;
        std::string* const slots[] = {&loss, &length, &connectors};
        std::string* const plainSlots[] = {&plainLoss, &plainLength, &plainConnectors};
        *slots[field] = text;
        *plainSlots[field] = plain;
        const std::string label =
            cableLossText({"", PowerUnit::dBm, "", loss, length, connectors}, locale);
        EXPECT_EQ(label,
                  cableLossText({"", PowerUnit::dBm, "", plainLoss, plainLength, plainConnectors},
                                locale));
        if (c.reads != Reads::Value) {
            EXPECT_EQ(label, "0") << "field " << field;
        }
    }
    if (c.reads != Reads::Value) {
        EXPECT_FALSE(channelFrequencyText(text, locale));
        EXPECT_FALSE(dbmTextToMilliwatts(text, locale));
        EXPECT_FALSE(milliwattTextToDbm(text, locale));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, HostileNumberTest, ::testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every field of the link, by the name of its control.
using FieldOf = std::string& (*)(LinkTexts&);
struct Field {
    const char* name;
    FieldOf of;
};
const Field kFields[] = {
    {"Text2", [](LinkTexts& l) -> std::string& { return l.end1.power; }},
    {"Text3", [](LinkTexts& l) -> std::string& { return l.end1.gain; }},
    {"Text4", [](LinkTexts& l) -> std::string& { return l.end1.lossPerMetre; }},
    {"Text5", [](LinkTexts& l) -> std::string& { return l.end1.length; }},
    {"Text6", [](LinkTexts& l) -> std::string& { return l.end1.connectors; }},
    {"Text10", [](LinkTexts& l) -> std::string& { return l.end2.power; }},
    {"Text9", [](LinkTexts& l) -> std::string& { return l.end2.gain; }},
    {"Text8", [](LinkTexts& l) -> std::string& { return l.end2.lossPerMetre; }},
    {"Text7", [](LinkTexts& l) -> std::string& { return l.end2.length; }},
    {"Text1", [](LinkTexts& l) -> std::string& { return l.end2.connectors; }},
    {"txtFrequency", [](LinkTexts& l) -> std::string& { return l.frequency; }},
    {"Text11", [](LinkTexts& l) -> std::string& { return l.sensitivity; }},
    {"Text12", [](LinkTexts& l) -> std::string& { return l.margin; }},
};

std::string escaped(std::string_view literal) {
    std::string pattern;
    for (char c : literal) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
        pattern += c;
    }
    return pattern;
}

// "-?\d+[.,]\d{n} suffix", with the locale's minus and separator.
bool wellFormed(const std::string& text, int decimals, const std::string& suffix,
                const NumberLocale& locale) {
    const std::regex shape("(" + escaped(locale.minus) + ")?[0-9]+" + escaped(locale.decimal) +
                           "[0-9]{" + std::to_string(decimals) + "}" + suffix);
    return std::regex_match(text, shape);
}

class HostileFieldTest : public ::testing::TestWithParam<HostileCase> {};

// In any field of the example link, a hostile text gives the results of its
// plain equivalent: an empty field when it is not a number, an out-of-range
// number ("1e39") when it overflows, the number plainly typed otherwise.
TEST_P(HostileFieldTest, GivesTheResultsOfItsPlainEquivalent) {
    const HostileCase& c = GetParam();
    const NumberLocale& locale = *c.locale;
    const std::string text = c.text();
    const std::string plainText = plainEquivalent(c, text);
    for (const Field& field : kFields) {
        SCOPED_TRACE(field.name);
        LinkTexts hostile = exampleLink(locale);
        field.of(hostile) = text;
        LinkTexts plain = exampleLink(locale);
        field.of(plain) = plainText;
        const LinkFields fields = hostile.fields();
        const ResultTexts texts = computeResultTexts(fields, locale);
        const ResultTexts expected = computeResultTexts(plain.fields(), locale);
        EXPECT_EQ(texts.eirp1, expected.eirp1);
        EXPECT_EQ(texts.eirp2, expected.eirp2);
        EXPECT_EQ(texts.distance, expected.distance);
        EXPECT_EQ(texts.freeSpace, expected.freeSpace);
        EXPECT_EQ(texts.fresnel, expected.fresnel);

        EXPECT_TRUE(wellFormed(texts.eirp1, 2, " dBm", locale)) << texts.eirp1;
        EXPECT_TRUE(wellFormed(texts.eirp2, 2, " dBm", locale)) << texts.eirp2;
        EXPECT_TRUE(wellFormed(texts.distance, 3, " Km", locale)) << texts.distance;
        EXPECT_TRUE(wellFormed(texts.freeSpace, 1, " dB", locale)) << texts.freeSpace;
        EXPECT_TRUE(wellFormed(texts.fresnel, 2, " m", locale)) << texts.fresnel;
        for (float value :
             {Calc_EIRP1(fields, locale), Calc_EIRP2(fields, locale), CalcDistance(fields, locale),
              Calc_FSL(fields, locale), Calc_Frensel_Zone(fields, locale)})
            EXPECT_TRUE(std::isfinite(value));
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, HostileFieldTest, ::testing::ValuesIn(kHostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The equivalents themselves, worked out by hand for the fields that decide
// the most: every path result falls to 0, the EIRPs stay.
TEST(HostileLink, FloodInTheFrequencyZeroesThePath) {
    for (const std::string& text : {repeat("7", kMegabyte), repeat("x", kMegabyte),
                                    std::string("1e999999"), std::string("\uff12\uff14")}) {
        LinkTexts link = exampleLink(kPoint);
        link.frequency = text;
        const ResultTexts texts = computeResultTexts(link.fields(), kPoint);
        EXPECT_EQ(texts.eirp1, "32.30 dBm");
        EXPECT_EQ(texts.eirp2, "33.50 dBm");
        EXPECT_EQ(texts.distance, "0.000 Km");
        EXPECT_EQ(texts.freeSpace, "0.0 dB");
        EXPECT_EQ(texts.fresnel, "0.00 m");
    }
}

// 15 dBi + 20 dBm - 0 dB: a cable field that is not a number leaves the cable out.
TEST(HostileLink, FloodInACableFieldLeavesTheCableOut) {
    LinkTexts link = exampleLink(kPoint);
    link.end1.length = repeat("\u03b1", kMegabyte);
    EXPECT_EQ(computeResultTexts(link.fields(), kPoint).eirp1, "35.00 dBm");
    link.end1.length = repeat("9", kMegabyte); // a number, but far too large
    EXPECT_EQ(computeResultTexts(link.fields(), kPoint).eirp1, "0.00 dBm");
}

// "-0" is zero: no label ever shows a negative zero.
TEST(HostileLink, NegativeZeroShowsAsZero) {
    LinkTexts link;
    link.end1 = {"-0", "-0", "", "", ""};
    link.frequency = "-0";
    const ResultTexts texts = computeResultTexts(link.fields(), kPoint);
    EXPECT_EQ(texts.eirp1, "0.00 dBm");
    EXPECT_EQ(texts.distance, "0.000 Km");
    EXPECT_EQ(resultLabelText(-0.0f, DisplayPattern::TwoDecimals, " dBm", kPoint), "0.00 dBm");
    EXPECT_EQ(resultLabelText(-0.004f, DisplayPattern::TwoDecimals, " dBm", kPoint), "0.00 dBm");
}

} // namespace
} // namespace tarvanel
