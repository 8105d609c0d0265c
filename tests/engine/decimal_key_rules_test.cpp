#include "decimal_key_rules.h"
#include "locales.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvanel {
namespace {

struct KeyCase {
    test::NamedLocale locale;
    std::string typed;
    std::string inserted;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << c.locale.name << " \"" << c.typed << "\" -> \"" << c.inserted << '"';
}

class DecimalKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(DecimalKeyTest, APointBecomesTheDecimalSeparator) {
    EXPECT_EQ(decimalKeyText(GetParam().typed, GetParam().locale.locale), GetParam().inserted);
}

const test::NamedLocale kArabicSeparator{"ar_EG", {"\xd9\xab", "-", "+", "e"}}; // U+066B

INSTANTIATE_TEST_SUITE_P(
    Keys, DecimalKeyTest,
    ::testing::Values(KeyCase{test::kEnUs, ".", "."}, KeyCase{test::kDeDe, ".", ","},
                      KeyCase{test::kElGr, ".", ","}, KeyCase{kArabicSeparator, ".", "\xd9\xab"},
                      KeyCase{test::kDeDe, ",", ","}, KeyCase{test::kEnUs, ",", ","},
                      KeyCase{test::kDeDe, "1", "1"}, KeyCase{test::kDeDe, "-", "-"},
                      KeyCase{test::kDeDe, "e", "e"}, KeyCase{test::kDeDe, "", ""},
                      KeyCase{test::kDeDe, "..", ".."}));

} // namespace
} // namespace tarvanel
