#include "engine/installer_readouts.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

namespace tarvanel {
namespace {

using Limit = LimitingDirection;

// The example link with one change, a link distance, and every read-out it gives.
struct Case {
    const char* name;
    test::NamedLocale locale;
    void (*edit)(LinkFields&);
    const char* distance;
    // Legal powers | loss | received | margin | clearance | F1 | 0.6 F1 | bulge | way back,
    // written with "."
    const char* texts;
    bool marginMet;
    Limit limiting;
};

#define LEGAL "7.70 dBm (5.89 mW)|6.50 dBm (4.47 mW)|"
const Case kCases[] = {
    {"5km", test::kEnUs, +[](LinkFields&) {}, "5",
     LEGAL "114.13 dB|-68.33 dBm|11.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|6.061 Km", true,
     Limit::Neither},
    {"10km", test::kEnUs, +[](LinkFields&) {}, "10",
     LEGAL "120.15 dB|-74.35 dBm|5.65 dB|12.02 m|17.57 m|10.54 m|1.47 m|6.061 Km", false,
     Limit::Neither},
    // At the greatest distance (6.06095 km) the margin shows the fade margin and is met.
    {"greatestDistance", test::kEnUs, +[](LinkFields&) {}, "6.061",
     LEGAL "115.80 dB|-70.00 dBm|10.00 dB|8.75 m|13.68 m|8.21 m|0.54 m|6.061 Km", true,
     Limit::Neither},
    {"channel6", test::kEnUs, +[](LinkFields& l) { l.frequency = "2437"; }, "10",
     LEGAL "120.18 dB|-74.38 dBm|5.62 dB|11.99 m|17.54 m|10.52 m|1.47 m|6.036 Km", false,
     Limit::Neither},
    {"decimalComma", test::kElGr, +[](LinkFields&) {}, "10",
     LEGAL "120.15 dB|-74.35 dBm|5.65 dB|12.02 m|17.57 m|10.54 m|1.47 m|6.061 Km", false,
     Limit::Neither},
    {"end1Limits", test::kEnUs, +[](LinkFields& l) { l.end1.power = "17"; }, "5",
     LEGAL "114.13 dB|-71.33 dBm|8.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|6.061 Km", false,
     Limit::End1ToEnd2},
    {"end2Limits", test::kEnUs, +[](LinkFields& l) { l.end2.power = "17"; }, "5",
     LEGAL "114.13 dB|-68.33 dBm|11.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|4.291 Km", true,
     Limit::End2ToEnd1},
    {"noDistance", test::kEnUs, +[](LinkFields&) {}, "", LEGAL "|||||||6.061 Km", false,
     Limit::Neither},
    {"zeroDistance", test::kEnUs, +[](LinkFields&) {}, "0", LEGAL "|||||||6.061 Km", false,
     Limit::Neither},
    {"negativeDistance", test::kEnUs, +[](LinkFields&) {}, "-5", LEGAL "|||||||6.061 Km", false,
     Limit::Neither},
    {"lettersDistance", test::kEnUs, +[](LinkFields&) {}, "abc", LEGAL "|||||||6.061 Km", false,
     Limit::Neither},
    {"noGain2", test::kEnUs, +[](LinkFields& l) { l.end2.gain = ""; }, "5",
     "7.70 dBm (5.89 mW)||114.13 dB|||7.82 m|12.43 m|7.46 m|0.37 m|", false, Limit::Unknown},
    {"noFrequency", test::kEnUs, +[](LinkFields& l) { l.frequency = ""; }, "5",
     LEGAL "||||||0.37 m|", false, Limit::Unknown},
};
#undef LEGAL

class InstallerReadoutsTest : public ::testing::TestWithParam<Case> {};

TEST_P(InstallerReadoutsTest, GivesTheWorkedFigures) {
    const Case& c = GetParam();
    const NumberLocale& locale = c.locale.locale;
    LinkFields link = test::exampleLink(locale);
    c.edit(link);
    const InstallerReadoutTexts t =
        installerReadoutTexts(link, test::localized(c.distance, locale), locale);
    EXPECT_EQ(t.legalPower1 + "|" + t.legalPower2 + "|" + t.freeSpaceLoss + "|" + t.received + "|" +
                  t.margin + "|" + t.clearance + "|" + t.fresnelRadius + "|" + t.fresnelPart + "|" +
                  t.earthBulge + "|" + t.reverseDistance,
              test::localized(c.texts, locale));
    EXPECT_EQ(t.marginMet, c.marginMet);
    EXPECT_EQ(t.limiting, c.limiting);
}

INSTANTIATE_TEST_SUITE_P(ExampleLink, InstallerReadoutsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvanel
