#include "engine/installer_readouts.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

namespace tarvanel {
namespace {

using namespace test;
using Limit = LimitingDirection;

// The example link with one field changed, a link distance, and every read-out
// they give.
struct ReadoutCase {
    const char* name;
    Field field;
    const char* text;
    const char* km;
    // Legal powers | loss | received | margin | clearance | F1 | 0.6 F1 | bulge | way back,
    // written with "." and "-"
    const char* texts;
    bool marginMet;
    Limit limiting;
    friend void PrintTo(const ReadoutCase& c, std::ostream* o) {
        printRow(o, c.name, c.text, c.km);
    }
};

using ReadoutTest = LocaleTest<ReadoutCase>;

TEST_P(ReadoutTest, GivesTheWorkedFigures) {
    const auto& [named, c] = GetParam();
    const NumberLocale& locale = named.locale;
    const InstallerReadoutTexts t = installerReadoutTexts(exampleLinkWith(c.field, c.text, locale),
                                                          localized(c.km, locale), locale);
    EXPECT_EQ(t.legalPower1 + "|" + t.legalPower2 + "|" + t.freeSpaceLoss + "|" + t.received + "|" +
                  t.margin + "|" + t.clearance + "|" + t.fresnelRadius + "|" + t.fresnelPart + "|" +
                  t.earthBulge + "|" + t.reverseDistance,
              localized(c.texts, locale));
    EXPECT_EQ(t.marginMet, c.marginMet);
    EXPECT_EQ(t.limiting, c.limiting);
}

#define LEGAL "7.70 dBm (5.89 mW)|6.50 dBm (4.47 mW)|"
const ReadoutCase kReadouts[] = {
    {"5km", Unchanged, "", "5",
     LEGAL "114.13 dB|-68.33 dBm|11.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|6.061 Km", true,
     Limit::Neither},
    // At the greatest distance (6.06095 km) the margin shows the fade margin and is met.
    {"greatest_distance", Unchanged, "", "6.061",
     LEGAL "115.80 dB|-70.00 dBm|10.00 dB|8.75 m|13.68 m|8.21 m|0.54 m|6.061 Km", true,
     Limit::Neither},
    {"channel_6", Freq, "2437", "10",
     LEGAL "120.18 dB|-74.38 dBm|5.62 dB|11.99 m|17.54 m|10.52 m|1.47 m|6.036 Km", false,
     Limit::Neither},
    {"end1_limits", P1, "17", "5",
     LEGAL "114.13 dB|-71.33 dBm|8.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|6.061 Km", false,
     Limit::End1ToEnd2},
    {"end2_limits", P2, "17", "5",
     LEGAL "114.13 dB|-68.33 dBm|11.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|4.291 Km", true,
     Limit::End2ToEnd1},
    {"no_distance", Unchanged, "", "", LEGAL "|||||||6.061 Km", false, Limit::Neither},
    {"zero_distance", Unchanged, "", "0", LEGAL "|||||||6.061 Km", false, Limit::Neither},
    {"distance_below_zero", Unchanged, "", "-5", LEGAL "|||||||6.061 Km", false, Limit::Neither},
    {"no_gain2", G2, "", "5", "7.70 dBm (5.89 mW)||114.13 dB|||7.82 m|12.43 m|7.46 m|0.37 m|",
     false, Limit::Unknown},
    {"no_frequency", Freq, "", "5", LEGAL "||||||0.37 m|", false, Limit::Unknown},
};
#undef LEGAL

TARVANEL_IN_EVERY_LOCALE(ExampleLink, ReadoutTest, kReadouts);

} // namespace
} // namespace tarvanel
