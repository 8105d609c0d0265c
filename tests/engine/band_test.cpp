#include "band/band.h"
#include "cables/cable_catalogue.h"
#include "engine/band_choice.h"
#include "rules/channel_rules.h"
#include "tests/engine/test_support.h"
#include "texts/link_texts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tarvanel {
namespace {

using namespace test;

// The example link at 5 GHz on a channel the channel box writes, and every
// figure that the band changes.
struct BandCase {
    const char* name;
    const char* channel;
    bool tpc;
    const char *distance, *fresnel, *limit;
    bool indoors;
    const char *legal1, *legal2; // written with "." and "-"
    friend void PrintTo(const BandCase& c, std::ostream* o) { printRow(o, c, c.channel); }
};
using BandTest = LocaleTest<BandCase>;

LinkInputs at5GHz(const char* channel, const NumberLocale& locale) {
    LinkInputs in;
    in.link = exampleLink(locale);
    in.band = Band::GHz5;
    in.link.frequency = channelFrequencyText(channel, locale, Band::GHz5).value_or("");
    return in;
}

TEST_P(BandTest, GivesTheWorkedFigures) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    LinkInputs in = at5GHz(c.channel, l);
    in.tpc = c.tpc;
    const LinkTexts t = linkTexts(in, l);
    EXPECT_EQ(t.results.distance + "|" + t.results.fresnel + "|" + t.band.limit + "|" +
                  t.readouts.legalPower1 + "|" + t.readouts.legalPower2,
              localized(c.distance, l) + "|" + localized(c.fresnel, l) + "|" + c.limit + "|" +
                  localized(c.legal1, l) + "|" + localized(c.legal2, l));
    EXPECT_EQ(t.results.freeSpace, localized("115.8 dB", l));
    EXPECT_EQ(t.band.indoorsOnly, c.indoors);
    EXPECT_TRUE(t.warning1 && t.warning2); // 32.30 and 33.50 dBm are above every limit
}

// clang-format off
const BandCase kBands[] = {
    {"channel_100", "100", true, "2.675 Km", "6.04 m", "30 dBm", false, "17.70 dBm (58.88 mW)", "16.50 dBm (44.67 mW)"},
    {"channel_100_without_tpc", "100", false, "2.675 Km", "6.04 m", "27 dBm", false, "14.70 dBm (29.51 mW)", "13.50 dBm (22.39 mW)"},
    {"channel_36", "36", true, "2.840 Km", "6.41 m", "23 dBm", true, "10.70 dBm (11.75 mW)", "9.50 dBm (8.91 mW)"},
    {"channel_149", "149", true, "2.560 Km", "5.78 m", "14 dBm", false, "1.70 dBm (1.48 mW)", "0.50 dBm (1.12 mW)"},
};
// clang-format on
TARVANEL_IN_EVERY_LOCALE(ExampleLink, BandTest, kBands);

// The best rate at 5500 MHz, 802.11ac with one stream, in free space; the
// typed sensitivity is MCS0's at 20 MHz, 3 dB more at 40 and 6 dB at 80.
struct WidthCase {
    const char *name, *km, *received;
    ChannelWidth width;
    const char* best;
    friend void PrintTo(const WidthCase& c, std::ostream* o) { printRow(o, c, c.km); }
};
using WidthTest = LocaleTest<WidthCase>;

TEST_P(WidthTest, GivesTheBestRate) {
    const auto& [named, c] = GetParam();
    const NumberLocale& l = named.locale;
    LinkInputs in = at5GHz("100", l);
    in.width = c.width;
    in.rates.standard = RateSet::Dot11acOneStream;
    in.linkDistance = c.km;
    const LinkTexts t = linkTexts(in, l);
    EXPECT_EQ(t.readouts.received, localized(c.received, l));
    EXPECT_EQ(t.rates.none ? "none" : t.rates.best,
              c.best[0] == 'n' ? c.best : localized(c.best, l));
}

const WidthCase kWidths[] = {
    {"1km_20MHz", "1", "-61.46 dBm", ChannelWidth::MHz20, "MCS3, 26 Mb/s"},
    {"1km_40MHz", "1", "-61.46 dBm", ChannelWidth::MHz40, "MCS2, 40.5 Mb/s"},
    {"1km_80MHz", "1", "-61.46 dBm", ChannelWidth::MHz80, "MCS0, 29.3 Mb/s"},
    {"2km_20MHz", "2", "-67.48 dBm", ChannelWidth::MHz20, "MCS0, 6.5 Mb/s"},
    {"2km_40MHz", "2", "-67.48 dBm", ChannelWidth::MHz40, "none"},
    {"2km_80MHz", "2", "-67.48 dBm", ChannelWidth::MHz80, "none"},
};
TARVANEL_IN_EVERY_LOCALE(Rates5GHz, WidthTest, kWidths);

// A channel is offered only while its whole width lies in one sub-band.
TEST(Band, OffersTheChannelsThatFitASubBand) {
    const std::vector<int> at20 = channelsOf(Band::GHz5, ChannelWidth::MHz20);
    EXPECT_EQ(at20.size(), 26u); // 36-64, 100-140, 149-173: not 144 (5710-5730 MHz)
    EXPECT_EQ(std::ranges::count(at20, 144) + std::ranges::count(at20, 177), 0);
    EXPECT_EQ(channelsOf(Band::GHz5, ChannelWidth::MHz40),
              (std::vector{38, 46, 54, 62, 102, 110, 118, 126, 134, 151, 159, 167}));
    EXPECT_EQ(channelsOf(Band::GHz5, ChannelWidth::MHz80), (std::vector{42, 58, 106, 122, 155}));
    EXPECT_EQ(channelItems(Band::GHz2_4).back(), " 13");
    EXPECT_EQ(channelFrequencyText("42", kElGr.locale, Band::GHz5), " 5210");
}

// The rule in force: the sub-band's (an edge is the lower's); outside every
// sub-band of 5 GHz none, and the 2.4 GHz band's one rule whatever the frequency.
TEST(Band, TakesTheRuleOfTheFrequency) {
    EXPECT_EQ(legalLimitDbm(*legalRuleOf(Band::GHz5, 5250.0), false), 23.0f);
    EXPECT_EQ(legalRuleOf(Band::GHz5, 5400.0), nullptr);
    EXPECT_EQ(legalRuleOf(Band::GHz5, std::nullopt), nullptr);
    EXPECT_EQ(legalRuleOf(Band::GHz2_4, std::nullopt), legalRuleOf(Band::GHz2_4, 2427.0));
    EXPECT_EQ(legalRuleOf(Band::GHz2_4, 5500.0)->limitDbm, 30.0f);
    LinkInputs in = at5GHz("72", kEnUs.locale); // 5360 MHz
    const LinkTexts t = linkTexts(in, kEnUs.locale);
    EXPECT_TRUE(t.band.outside && t.readouts.legalPower1.empty() && !t.warning1);
    in.link.frequency = "5630"; // over the weather radars at 20 MHz, and 5580 at 80 MHz
    EXPECT_EQ(linkTexts(in, kEnUs.locale).band.conditions, "DFS, ραντάρ καιρού");
    in.link.frequency = "5580";
    EXPECT_EQ(linkTexts(in, kEnUs.locale).band.conditions, "DFS");
    in.width = ChannelWidth::MHz80;
    EXPECT_EQ(linkTexts(in, kEnUs.locale).band.conditions, "DFS, ραντάρ καιρού");
}

// A typed frequency moves the link to the band it falls in; the width and the
// standard follow the band.
TEST(Band, FollowsATypedFrequency) {
    LinkInputs before;
    before.rates.standard = RateSet::Dot11nTwoStreams;
    const auto typed = [&](const char* mhz) {
        LinkInputs after = before;
        after.link.frequency = localized(mhz, kSvSe.locale);
        followFrequency(after, before, kSvSe.locale);
        return after;
    };
    EXPECT_EQ(typed("5500.5").band, Band::GHz5);
    EXPECT_EQ(typed("3000").band, Band::GHz2_4);
    before = typed("5500");
    before.width = ChannelWidth::MHz80;
    keepWithinBand(before);
    EXPECT_EQ(before.rates.standard, RateSet::Dot11acTwoStreams);
    const LinkInputs back = typed("2437");
    EXPECT_EQ(back.band, Band::GHz2_4);
    EXPECT_EQ(back.width, ChannelWidth::MHz20);
    EXPECT_EQ(back.rates.standard, RateSet::Dot11nTwoStreams);
}

// The catalogue's losses are at 2437 MHz: outside the 2.4 GHz band the chooser
// scales them by sqrt(f / 2437), to four decimals.
TEST(Band, ScalesTheCatalogueOutsideItsBand) {
    for (const NamedLocale& named : kLocales) {
        const NumberLocale& l = named.locale;
        LinkInputs in = at5GHz("100", l);
        EXPECT_EQ(lossPerMetreText(list_selection(4), l, catalogueScaling(in, l)),
                  localized("0.3371", l));
        in.link.frequency = localized("2427.5", l);
        EXPECT_EQ(lossPerMetreText(list_selection(4), l, catalogueScaling(in, l)),
                  localized("0.2244", l));
        in.link.frequency = "";
        EXPECT_FALSE(catalogueScaling(in, l));
    }
}

// The README's table of the legal rules is the bands' data.
TEST(Band, TheReadmeTellsTheLegalRules) {
    std::ifstream file(TARVANEL_README);
    std::stringstream readme;
    readme << file.rdbuf();
    for (Band band : allBands()) {
        for (const SubBandRule& rule : bandTable(band).rules) {
            const std::string limit = shortNumber(rule.limitDbm) + " dBm";
            std::string row =
                "| " + shortNumber(rule.lowMHz) + "-" + shortNumber(rule.highMHz) + " | " + limit;
            if (rule.limitWithoutTpcDbm != rule.limitDbm)
                row += " with TPC, " + shortNumber(rule.limitWithoutTpcDbm) + " dBm without";
            std::string conditions = rule.indoorsOnly      ? "indoors only"
                                     : rule.dfs            ? "outdoors allowed"
                                     : rule.shortRangeOnly ? "short-range devices only"
                                                           : "—";
            if (rule.dfs) conditions += "; DFS";
            if (rule.radarHighMHz > 0)
                conditions += "; " + shortNumber(rule.radarLowMHz) + "-" +
                              shortNumber(rule.radarHighMHz) + " weather radars";
            row += " | " + conditions;
            EXPECT_NE(readme.str().find(row), std::string::npos) << row;
        }
    }
}

} // namespace
} // namespace tarvanel
