#include "rules/cable_loss_rules.h"

#include "numbers/number_text.h"

namespace tarvanel {

std::string cableLossText(const LinkEndFields& end, const NumberLocale& locale) {
    const Outcome<float> loss = ReturnCableLoss(end, locale);
    if (!loss.ok()) return "0";
    const std::string rounded = formatPattern(loss.value, DisplayPattern::OneDecimal, locale);
    const Outcome<float> back = toSingle(rounded, locale);
    if (!back.ok()) return "0";
    return formatGeneral(back.value, locale);
}

} // namespace tarvanel
