#include "rules/decimal_key_rules.h"

namespace tarvanel {

std::string decimalKeyText(std::string_view typed, const NumberLocale& locale) {
    if (typed == ".") return locale.decimal;
    return std::string(typed);
}

} // namespace tarvanel
