#include "channel_rules.h"
#include "locales.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tarvanel {
namespace {

using test::localized;

struct ChannelCase {
    std::string typed;     // with "." for the decimal separator
    std::string frequency; // what the frequency field gets
};

void PrintTo(const ChannelCase& c, std::ostream* out) {
    *out << '"' << c.typed << "\" -> \"" << c.frequency << '"';
}

class ChannelTextTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, ChannelCase>> {};

TEST_P(ChannelTextTest, WritesTheChannelFrequency) {
    const auto& [named, c] = GetParam();
    EXPECT_EQ(channelFrequencyText(localized(c.typed, named.locale), named.locale), c.frequency);
}

INSTANTIATE_TEST_SUITE_P(
    Channels, ChannelTextTest,
    ::testing::Combine(::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
                       ::testing::Values(ChannelCase{" 1", " 2412"}, ChannelCase{" 3", " 2422"},
                                         ChannelCase{" 13", " 2472"}, ChannelCase{"1", " 2412"},
                                         ChannelCase{"13", " 2472"}, ChannelCase{"0", " 2407"},
                                         ChannelCase{"-1", " 2402"},
                                         ChannelCase{"2.5", " 2417"}, // halves to even: 2
                                         ChannelCase{"3.5", " 2427"}, // 4
                                         ChannelCase{"2.6", " 2422"}, ChannelCase{"1e3", " 7407"},
                                         ChannelCase{"-500", "-93"}, ChannelCase{"-481", " 2"},
                                         ChannelCase{"-482", "-3"}, ChannelCase{"+14", " 2477"},
                                         // the last channels whose steps stay in 16 bits
                                         ChannelCase{"6072", " 32767"},
                                         ChannelCase{"-6552", "-30353"})));

class ChannelFailureTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, std::string>> {};

TEST_P(ChannelFailureTest, LeavesTheFrequencyField) {
    const auto& [named, typed] = GetParam();
    EXPECT_EQ(channelFrequencyText(localized(typed, named.locale), named.locale), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Texts, ChannelFailureTest,
                         ::testing::Combine(::testing::Values(test::kEnUs, test::kElGr,
                                                              test::kDeDe),
                                            ::testing::Values("", " ", "-", "abc", "1a", "one",
                                                              "6073",   // 32772 MHz
                                                              "-6553",  // (n - 1) x 5 overflows
                                                              "32767",  // likewise
                                                              "-32768", // n - 1 overflows
                                                              "40000"   // no 16-bit channel
                                                              )));

TEST(ChannelText, TheOtherSeparatorIsNotANumber) {
    EXPECT_EQ(channelFrequencyText("2,5", test::kEnUs.locale), std::nullopt);
    EXPECT_EQ(channelFrequencyText("2.5", test::kDeDe.locale), std::nullopt);
}

TEST(ChannelFrequency, StepsOfFiveMegahertz) {
    for (int channel = 1; channel <= 13; ++channel)
        EXPECT_EQ(channelFrequencyMHz(static_cast<std::int16_t>(channel)), 2407 + 5 * channel);
    EXPECT_EQ(channelFrequencyMHz(6072), 32767);
    EXPECT_EQ(channelFrequencyMHz(6073), std::nullopt);
    EXPECT_EQ(channelFrequencyMHz(-6552), -30353);
    EXPECT_EQ(channelFrequencyMHz(-6553), std::nullopt);
    EXPECT_EQ(channelFrequencyMHz(-32768), std::nullopt);
}

} // namespace
} // namespace tarvanel
