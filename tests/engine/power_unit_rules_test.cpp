#include "locales.h"
#include "number_text.h"
#include "power_unit_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace tarvanel {
namespace {

using test::localized;

struct ConversionCase {
    std::string from; // with "." for the decimal separator
    std::string to;   // likewise
};

void PrintTo(const ConversionCase& c, std::ostream* out) {
    *out << c.from << " -> " << c.to;
}

class DbmToMilliwattsTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, ConversionCase>> {};

TEST_P(DbmToMilliwattsTest, WritesTwoDecimalsFromOneMilliwattAndThreeDigitsBelow) {
    const auto& [named, c] = GetParam();
    const auto text = dbmTextToMilliwatts(localized(c.from, named.locale), named.locale);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, localized(c.to, named.locale));
    EXPECT_EQ(convertPowerText(localized(c.from, named.locale), PowerUnit::mW, named.locale), text);
}

INSTANTIATE_TEST_SUITE_P(
    Powers, DbmToMilliwattsTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(ConversionCase{"20", "100.00"}, ConversionCase{"15", "31.62"},
                          ConversionCase{"30", "1000.00"}, ConversionCase{"0", "1.00"},
                          ConversionCase{"-0.01", "0.998"}, ConversionCase{"-3.01", "0.5"},
                          ConversionCase{"-23", "0.00501"}, ConversionCase{"-30", "0.001"},
                          ConversionCase{"-60", "1E-06"}, ConversionCase{" 17 ", "50.12"},
                          ConversionCase{"2e1", "100.00"})));

class MilliwattsToDbmTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, ConversionCase>> {};

TEST_P(MilliwattsToDbmTest, WritesTwoDecimals) {
    const auto& [named, c] = GetParam();
    const auto text = milliwattTextToDbm(localized(c.from, named.locale), named.locale);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, localized(c.to, named.locale));
    EXPECT_EQ(convertPowerText(localized(c.from, named.locale), PowerUnit::dBm, named.locale),
              text);
}

INSTANTIATE_TEST_SUITE_P(
    Powers, MilliwattsToDbmTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(ConversionCase{"100.00", "20.00"}, ConversionCase{"31.62", "15.00"},
                          ConversionCase{"1000", "30.00"}, ConversionCase{"1", "0.00"},
                          ConversionCase{"0.5", "-3.01"}, ConversionCase{"0.00501", "-23.00"},
                          ConversionCase{"0.001", "-30.00"}, ConversionCase{"1E-06", "-60.00"},
                          ConversionCase{"3", "4.77"})));

struct FailureCase {
    std::string text; // with "." for the decimal separator
    PowerUnit target;
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << '"' << c.text << "\" to " << (c.target == PowerUnit::mW ? "mW" : "dBm");
}

class PowerFailureTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, FailureCase>> {};

TEST_P(PowerFailureTest, LeavesTheFieldAsItIs) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(convertPowerText(localized(c.text, named.locale), c.target, named.locale),
              std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PowerFailureTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(FailureCase{"", PowerUnit::mW}, FailureCase{"  ", PowerUnit::mW},
                          FailureCase{"abc", PowerUnit::mW}, FailureCase{"20 dBm", PowerUnit::mW},
                          FailureCase{"1e39", PowerUnit::mW}, // beyond single precision
                          FailureCase{"400", PowerUnit::mW},  // 1e40 mW would not read back
                          FailureCase{"-500", PowerUnit::mW}, // 1e-50 mW is no power at all
                          FailureCase{"", PowerUnit::dBm}, FailureCase{"abc", PowerUnit::dBm},
                          FailureCase{"0", PowerUnit::dBm}, FailureCase{"-0", PowerUnit::dBm},
                          FailureCase{"-5", PowerUnit::dBm}, FailureCase{"1e39", PowerUnit::dBm},
                          FailureCase{"-", PowerUnit::dBm})));

TEST(PowerConversion, TheOtherSeparatorIsNotANumber) {
    EXPECT_EQ(dbmTextToMilliwatts("1,5", test::kEnUs.locale), std::nullopt);
    EXPECT_EQ(dbmTextToMilliwatts("1.5", test::kDeDe.locale), std::nullopt);
    EXPECT_EQ(milliwattTextToDbm("31,62", test::kEnUs.locale), std::nullopt);
}

TEST(PowerConversion, NoTargetUnitNoConversion) {
    EXPECT_EQ(convertPowerText("20", PowerUnit::None, test::kEnUs.locale), std::nullopt);
}

class RoundTripTest : public ::testing::TestWithParam<test::NamedLocale> {};

// dBm -> mW -> dBm keeps the power within 0.03 dB, from -200 to 380 dBm in
// steps of 0.01 dB; what is written always reads back as a positive power.
TEST_P(RoundTripTest, KeepsThePowerWithinThreeHundredthsOfADecibel) {
    const NumberLocale& locale = GetParam().locale;
    for (int hundredths = -20000; hundredths <= 38000; ++hundredths) {
        const std::string dbm =
            formatPattern(hundredths / 100.0, DisplayPattern::TwoDecimals, locale);
        const auto milliwatts = dbmTextToMilliwatts(dbm, locale);
        ASSERT_TRUE(milliwatts.has_value()) << dbm;
        const Outcome<float> power = toSingle(*milliwatts, locale);
        ASSERT_TRUE(power.ok() && power.value > 0.0f) << *milliwatts;
        const auto back = milliwattTextToDbm(*milliwatts, locale);
        ASSERT_TRUE(back.has_value()) << *milliwatts;
        const double difference =
            std::abs(toDouble(*back, locale).value - toDouble(dbm, locale).value);
        ASSERT_LE(difference, 0.03 + 1e-9) << dbm << " -> " << *milliwatts << " -> " << *back;
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTripTest,
                         ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe));

struct GuardCase {
    float x1;
    PowerUnit target;
    bool switches;
};

class UnitGuardTest : public ::testing::TestWithParam<GuardCase> {};

TEST_P(UnitGuardTest, SwitchesOnlyFromTheOtherUnit) {
    EXPECT_EQ(switchesTo(GetParam().x1, GetParam().target), GetParam().switches);
}

INSTANTIATE_TEST_SUITE_P(Underlines, UnitGuardTest,
                         ::testing::Values(GuardCase{2920.0f, PowerUnit::mW, true},
                                           GuardCase{2920.0f, PowerUnit::dBm, false},
                                           GuardCase{3700.0f, PowerUnit::dBm, true},
                                           GuardCase{3700.0f, PowerUnit::mW, false},
                                           GuardCase{2920.5f, PowerUnit::mW, false},
                                           GuardCase{3380.0f, PowerUnit::dBm, false},
                                           GuardCase{2920.0f, PowerUnit::None, false}));

TEST(UnitPlaces, UnderlineSpansAndWords) {
    EXPECT_EQ(underlineEndsFor(PowerUnit::dBm).x1, 2920.0f);
    EXPECT_EQ(underlineEndsFor(PowerUnit::dBm).x2, 3380.0f);
    EXPECT_EQ(underlineEndsFor(PowerUnit::mW).x1, 3700.0f);
    EXPECT_EQ(underlineEndsFor(PowerUnit::mW).x2, 4080.0f);
    EXPECT_EQ(powerUnitFromUnderline(underlineEndsFor(PowerUnit::mW).x1), PowerUnit::mW);
    EXPECT_EQ(powerUnitFromUnderline(underlineEndsFor(PowerUnit::dBm).x1), PowerUnit::dBm);
    EXPECT_EQ(unitWord(PowerUnit::dBm), "dBm");
    EXPECT_EQ(unitWord(PowerUnit::mW), "mWatts");
}

} // namespace
} // namespace tarvanel
