#include "rules/power_unit_rules.h"

#include "engine/radio_physics.h"
#include "numbers/number_text.h"

namespace tarvanel {

namespace {

// What is written must read back as a number of the same kind, or nothing is written.
bool readsBack(const std::string& text, const NumberLocale& locale, bool mustBePositive) {
    const Outcome<float> back = toSingle(text, locale);
    return back.ok() && (!mustBePositive || back.value > 0.0f);
}

} // namespace

UnderlineEnds underlineEndsFor(PowerUnit unit) {
    if (unit == PowerUnit::mW) return {kUnderlineMwX1, kUnderlineMwX2};
    return {kUnderlineDbmX1, kUnderlineDbmX2};
}

std::string_view unitWord(PowerUnit unit) {
    return unit == PowerUnit::mW ? "mWatts" : "dBm";
}

std::optional<std::string> dbmTextToMilliwatts(std::string_view dbmText,
                                               const NumberLocale& locale) {
    const Outcome<float> dbm = toSingle(dbmText, locale);
    if (!dbm.ok()) return std::nullopt;
    const Outcome<double> power = dbmToMilliwatts(dbm.value);
    if (!power.ok() || !(power.value > 0.0)) return std::nullopt;
    const double milliwatts = power.value;

    std::string text = milliwatts >= 1.0
                           ? formatPattern(milliwatts, DisplayPattern::TwoDecimals, locale)
                           : formatGeneral(static_cast<float>(milliwatts), locale, 3);
    if (!readsBack(text, locale, true)) return std::nullopt;
    return text;
}

std::optional<std::string> milliwattTextToDbm(std::string_view milliwattText,
                                              const NumberLocale& locale) {
    const Outcome<float> milliwatts = toSingle(milliwattText, locale);
    if (!milliwatts.ok()) return std::nullopt;
    // The conversion of the power reading, so both give the same dBm.
    const Outcome<double> dbm = milliwattsToDbm(milliwatts.value);
    if (!dbm.ok()) return std::nullopt;
    std::string text = formatPattern(dbm.value, DisplayPattern::TwoDecimals, locale);
    if (!readsBack(text, locale, false)) return std::nullopt;
    return text;
}

std::optional<std::string> convertPowerText(std::string_view text, PowerUnit target,
                                            const NumberLocale& locale) {
    switch (target) {
    case PowerUnit::mW:
        return dbmTextToMilliwatts(text, locale);
    case PowerUnit::dBm:
        return milliwattTextToDbm(text, locale);
    case PowerUnit::None:
        break;
    }
    return std::nullopt;
}

} // namespace tarvanel
