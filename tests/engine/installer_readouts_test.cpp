#include "tests/engine/test_support.h"
#include "texts/link_texts.h"

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
    const char *text, *km;
    bool marginMet;
    Limit limiting;
    // Legal powers | loss | received | margin | clearance | F1 | 0.6 F1 | bulge | way back,
    // written with "." and "-"
    const char* texts;
    friend void PrintTo(const ReadoutCase& c, std::ostream* o) { printRow(o, c, c.text, c.km); }
};

using ReadoutTest = LocaleTest<ReadoutCase>;

TEST_P(ReadoutTest, GivesTheWorkedFigures) {
    const auto& [named, c] = GetParam();
    const NumberLocale& locale = named.locale;
    LinkInputs inputs;
    inputs.link = exampleLinkWith(c.field, c.text, locale);
    inputs.linkDistance = localized(c.km, locale);
    const InstallerReadoutTexts t = linkTexts(inputs, locale).readouts;
    EXPECT_EQ(t.legalPower1 + "|" + t.legalPower2 + "|" + t.freeSpaceLoss + "|" + t.received + "|" +
                  t.margin + "|" + t.clearance + "|" + t.fresnelRadius + "|" + t.fresnelPart + "|" +
                  t.earthBulge + "|" + t.reverseDistance,
              localized(c.texts, locale));
    EXPECT_EQ(t.marginMet, c.marginMet);
    EXPECT_EQ(t.limiting, c.limiting);
}

#define LEGAL "7.70 dBm (5.89 mW)|6.50 dBm (4.47 mW)|"
const ReadoutCase kReadouts[] = {
    {"5km", Unchanged, "", "5", true, Limit::Neither,
     LEGAL "114.13 dB|-68.33 dBm|11.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|6.061 Km"},
    // At the greatest distance (6.06095 km) the margin shows the fade margin and is met.
    {"greatest_distance", Unchanged, "", "6.061", true, Limit::Neither,
     LEGAL "115.80 dB|-70.00 dBm|10.00 dB|8.75 m|13.68 m|8.21 m|0.54 m|6.061 Km"},
    {"channel_6", Freq, "2437", "10", false, Limit::Neither,
     LEGAL "120.18 dB|-74.38 dBm|5.62 dB|11.99 m|17.54 m|10.52 m|1.47 m|6.036 Km"},
    {"end1_limits", P1, "17", "5", false, Limit::End1ToEnd2,
     LEGAL "114.13 dB|-71.33 dBm|8.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|6.061 Km"},
    {"end2_limits", P2, "17", "5", true, Limit::End2ToEnd1,
     LEGAL "114.13 dB|-68.33 dBm|11.67 dB|7.82 m|12.43 m|7.46 m|0.37 m|4.291 Km"},
    {"no_distance", Unchanged, "", "", false, Limit::Neither, LEGAL "|||||||6.061 Km"},
    {"zero_distance", Unchanged, "", "0", false, Limit::Neither, LEGAL "|||||||6.061 Km"},
    {"distance_below_zero", Unchanged, "", "-5", false, Limit::Neither, LEGAL "|||||||6.061 Km"},
    {"no_gain2", G2, "", "5", false, Limit::Unknown,
     "7.70 dBm (5.89 mW)||114.13 dB|||7.82 m|12.43 m|7.46 m|0.37 m|"},
    {"no_frequency", Freq, "", "5", false, Limit::Unknown, LEGAL "||||||0.37 m|"},
};
#undef LEGAL

TARVANEL_IN_EVERY_LOCALE(ExampleLink, ReadoutTest, kReadouts);

// While both positions read, their geodesic is the link distance, whatever was
// typed; equal positions give a distance of 0, so no read-out and no bearing.
TEST(PositionsGiveTheDistance, InEveryLocale) {
    for (const NamedLocale& named : kLocales) {
        const NumberLocale& l = named.locale;
        LinkInputs inputs;
        inputs.link = exampleLink(l);
        inputs.linkDistance = "5";
        inputs.position1 = "37.97552, 23.73484";
        inputs.position2 = localized("38.02000 23.78000", l);
        inputs.declination = "5";
        LinkTexts t = linkTexts(inputs, l);
        EXPECT_EQ(t.positions.linkDistance + "|" + t.readouts.received + "|" +
                      t.positions.bearing1 + "|" + t.positions.bearing2 + "|" +
                      t.positions.magnetic,
                  localized("6.333|-70.38 dBm|38.8°|218.8°|33.8° / 213.8°", l))
            << named.name;
        inputs.position2 = inputs.position1;
        t = linkTexts(inputs, l);
        EXPECT_EQ(t.positions.linkDistance + "|" + t.readouts.received + "|" + t.positions.bearing1,
                  localized("0.000||", l));
        inputs.position2 = "91, 23";
        t = linkTexts(inputs, l);
        EXPECT_EQ(t.positions.linkDistance + "|" + t.readouts.received,
                  "5|" + localized("-68.33 dBm", l));
        EXPECT_FALSE(t.positions.problem2.empty());
    }
}

} // namespace
} // namespace tarvanel
