#include "cable_loss_rules.h"
#include "locales.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvanel {
namespace {

using test::localized;

struct CableLossCase {
    std::string lossPerMetre; // with "." for the decimal separator
    std::string length;
    std::string connectors;
    std::string label;
};

void PrintTo(const CableLossCase& c, std::ostream* out) {
    *out << c.lossPerMetre << " x " << c.length << " + " << c.connectors << " -> " << c.label;
}

class CableLossTextTest
    : public ::testing::TestWithParam<std::tuple<test::NamedLocale, CableLossCase>> {};

TEST_P(CableLossTextTest, ShowsOneDecimalWithoutATrailingZero) {
    const auto& [named, c] = GetParam();
    const std::string lossPerMetre = localized(c.lossPerMetre, named.locale);
    const std::string length = localized(c.length, named.locale);
    const std::string connectors = localized(c.connectors, named.locale);
    LinkEndFields end;
    end.lossPerMetre = lossPerMetre;
    end.length = length;
    end.connectors = connectors;
    EXPECT_EQ(cableLossText(end, named.locale), localized(c.label, named.locale));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CableLossTextTest,
    ::testing::Combine(
        ::testing::Values(test::kEnUs, test::kElGr, test::kDeDe),
        ::testing::Values(
            CableLossCase{"0.22", "10", "2", "2.7"}, CableLossCase{"0.10", "10", "2", "1.5"},
            CableLossCase{"0.25", "10", "2", "3"}, // not "3.0"
            CableLossCase{"0", "0", "0", "0"}, CableLossCase{"0.22", "0", "0", "0"},
            CableLossCase{"", "10", "2", "0"}, CableLossCase{"0.22", "", "2", "0"},
            CableLossCase{"0.22", "10", "", "0"}, CableLossCase{"0.22", "10", "two", "0"},
            CableLossCase{"0.22", "-10", "2", "-1.7"},
            CableLossCase{"0", "0", "2.5", "0.5"}, // two connectors
            CableLossCase{"0", "0", "3.5", "1"},   // four
            CableLossCase{"0.123", "10", "0", "1.2"},
            CableLossCase{"0.125", "10", "0", "1.3"}, // half away from zero
            CableLossCase{"0.3983", "10", "2", "4.5"}, CableLossCase{"0.086", "1", "0", "0.1"},
            CableLossCase{"0.04", "1", "0", "0"}, CableLossCase{"1000", "1000", "0", "1000000"},
            // the engine cannot compute these: the label shows 0
            CableLossCase{"0.22", "10", "40000", "0"}, CableLossCase{"1e39", "1", "0", "0"},
            CableLossCase{"1e30", "1e30", "0", "0"})));

} // namespace
} // namespace tarvanel
