#include "cables/cable_catalogue.h"
#include "engine/number_text.h"
#include "tests/engine/test_support.h"

#include <gtest/gtest.h>

namespace tarvanel {
namespace {

// The catalogue in the chooser's order, and the loss per metre it writes.
struct CatalogueCase {
    const char* displayText;
    float lossPer100m;
    const char* lossPerMetre; // with "."
};

class CatalogueTest : public ::testing::TestWithParam<test::NamedLocale> {};

const CatalogueCase kEntries[] = {
    {"WBC240 - 39.83db/100m", 39.83f, "0.3983"}, {"WBC100 - 121.5db/100m", 121.5f, "1.215"},
    {"WBC195 - 57.64db/100m", 57.64f, "0.5764"}, {"WBC200 - 51.65db/100m", 51.65f, "0.5165"},
    {"WBC400 - 22.44db/100m", 22.44f, "0.2244"}, {"WBC600 - 14.52db/100m", 14.52f, "0.1452"},
    {"LMR900 - 8.6db/100m", 8.6f, "0.086"},      {"AirCell 7 - 39.9db/100m", 39.9f, "0.399"},
    {"Ecoflex10 - 23.6db/100m", 23.6f, "0.236"}, {"Aircom Plus - 22.1db/100m", 22.1f, "0.221"},
    {"Ecoflex15 - 16.3db/100m", 16.3f, "0.163"}, {"1/4'' Hiflex - 18.33db/100m", 18.33f, "0.1833"},
    {"RG316 - 100db/100m", 100.0f, "1"},         {"RG213 - 46db/100m", 46.0f, "0.46"}};

TEST_P(CatalogueTest, EveryEntryLooksUpAndWritesItsLossPerMetre) {
    const NumberLocale& locale = GetParam().locale;
    ASSERT_EQ(kCableCatalogue.size(), std::size(kEntries));
    for (std::size_t i = 0; i < std::size(kEntries); ++i) {
        const CatalogueCase& c = kEntries[i];
        EXPECT_EQ(kCableCatalogue[i].displayText, c.displayText);
        EXPECT_EQ(list_selection(c.displayText), c.lossPer100m);
        const std::string written = lossPerMetreText(list_selection(c.displayText), locale);
        EXPECT_EQ(written, test::localized(c.lossPerMetre, locale));
        EXPECT_FLOAT_EQ(toSingle(written, locale).value, c.lossPer100m / 100.0f);
    }
    EXPECT_EQ(lossPerMetreText(list_selection(""), locale), "0");
}

INSTANTIATE_TEST_SUITE_P(Locales, CatalogueTest, ::testing::ValuesIn(test::kLocales));

TEST(CableCatalogue, LookupIsExact) {
    for (const char* text :
         {"1/4\" Hiflex - 18.33db/100m", "RG316 - 100dB/100m", "RG316 - 100db/100m "})
        EXPECT_EQ(list_selection(text), 0.0f) << text;
}

} // namespace
} // namespace tarvanel
