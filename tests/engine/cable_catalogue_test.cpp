#include "cable_catalogue.h"
#include "locales.h"
#include "number_text.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarvanel {
namespace {

using test::localized;

struct CatalogueCase {
    int position; // 1-based, as the chooser lists them
    std::string displayText;
    float lossPer100m;
    std::string lossPerMetre; // written with "."
};

class CatalogueTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, CatalogueCase>> {};

TEST_P(CatalogueTest, EntryLooksUpAndWritesItsLossPerMetre) {
    const auto& [named, c] = GetParam();
    const CableType& entry = kCableCatalogue.at(static_cast<std::size_t>(c.position - 1));
    EXPECT_EQ(entry.displayText, c.displayText);
    EXPECT_EQ(list_selection(c.displayText), c.lossPer100m);
    const std::string written = lossPerMetreText(list_selection(c.displayText), named.locale);
    EXPECT_EQ(written, localized(c.lossPerMetre, named.locale));
    // The engine reads back the figure that was written.
    EXPECT_FLOAT_EQ(toSingle(written, named.locale).value, c.lossPer100m / 100.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CatalogueTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(CatalogueCase{1, "WBC240 - 39.83db/100m", 39.83f, "0.3983"},
                          CatalogueCase{2, "WBC100 - 121.5db/100m", 121.5f, "1.215"},
                          CatalogueCase{3, "WBC195 - 57.64db/100m", 57.64f, "0.5764"},
                          CatalogueCase{4, "WBC200 - 51.65db/100m", 51.65f, "0.5165"},
                          CatalogueCase{5, "WBC400 - 22.44db/100m", 22.44f, "0.2244"},
                          CatalogueCase{6, "WBC600 - 14.52db/100m", 14.52f, "0.1452"},
                          CatalogueCase{7, "LMR900 - 8.6db/100m", 8.6f, "0.086"},
                          CatalogueCase{8, "AirCell 7 - 39.9db/100m", 39.9f, "0.399"},
                          CatalogueCase{9, "Ecoflex10 - 23.6db/100m", 23.6f, "0.236"},
                          CatalogueCase{10, "Aircom Plus - 22.1db/100m", 22.1f, "0.221"},
                          CatalogueCase{11, "Ecoflex15 - 16.3db/100m", 16.3f, "0.163"},
                          CatalogueCase{12, "1/4'' Hiflex - 18.33db/100m", 18.33f, "0.1833"},
                          CatalogueCase{13, "RG316 - 100db/100m", 100.0f, "1"},
                          CatalogueCase{14, "RG213 - 46db/100m", 46.0f, "0.46"})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" +
               std::to_string(std::get<1>(info.param).position);
    });

TEST(CableCatalogue, LookupIsExact) {
    for (const char* text :
         {"", "1/4\" Hiflex - 18.33db/100m", "RG316 - 100dB/100m", "RG316 - 100db/100m ",
          " RG316 - 100db/100m", "rg316 - 100db/100m", "RG316", "0.1"}) {
        EXPECT_EQ(list_selection(text), 0.0f) << '"' << text << '"';
    }
}

TEST(CableCatalogue, TextsArePlainAsciiAndDistinct) {
    std::set<std::string_view> seen;
    for (const CableType& cable : kCableCatalogue) {
        EXPECT_TRUE(seen.insert(cable.displayText).second) << cable.displayText;
        for (char c : cable.displayText)
            EXPECT_GT(static_cast<unsigned char>(c), 31u);
        for (char c : cable.displayText)
            EXPECT_LT(static_cast<unsigned char>(c), 128u);
    }
}

TEST(CableCatalogue, NoSelectionWritesZero) {
    EXPECT_EQ(lossPerMetreText(list_selection(""), test::kDeDe.locale), "0");
}

} // namespace
} // namespace tarvanel
