// Arbitrary texts through the rules behind the input fields: power unit
// conversion, the channel selector, the cable-loss labels, the decimal key and
// the catalogue lookup. Whatever they write into a field must read as a number.

#include "cable_catalogue.h"
#include "cable_loss_rules.h"
#include "channel_rules.h"
#include "decimal_key_rules.h"
#include "fuzz_support.h"
#include "number_text.h"
#include "power_unit_rules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarvanel::fuzz {
namespace {

void checkPowerConversion(std::string_view text, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const bool numeric = isNumeric(text, locale);
    const auto milliwatts = dbmTextToMilliwatts(text, locale);
    const auto dbm = milliwattTextToDbm(text, locale);
    check(numeric || !milliwatts, "mW from a text that is not numeric", text, l.name);
    check(numeric || !dbm, "dBm from a text that is not numeric", text, l.name);
    check(milliwatts == convertPowerText(text, PowerUnit::mW, locale), "convert to mW", text,
          l.name);
    check(dbm == convertPowerText(text, PowerUnit::dBm, locale), "convert to dBm", text, l.name);
    check(!convertPowerText(text, PowerUnit::None, locale), "convert to no unit", text, l.name);

    if (milliwatts) {
        const Outcome<float> value = toSingle(*milliwatts, locale);
        check(value.ok() && value.value > 0.0f, "mW text not a positive number", *milliwatts,
              l.name);
        // A power in the usual range comes back to itself within the rounding.
        const Outcome<float> before = toSingle(text, locale);
        const auto back = milliwattTextToDbm(*milliwatts, locale);
        if (before.ok() && std::fabs(before.value) <= 300.0f) {
            check(back.has_value(), "dBm -> mW -> dBm lost", text, l.name);
            const Outcome<float> after = toSingle(*back, locale);
            check(after.ok() && std::fabs(after.value - before.value) <= 0.03f,
                  "dBm -> mW -> dBm drifts", text, l.name);
        }
    }
    if (dbm) {
        const Outcome<float> value = toSingle(*dbm, locale);
        check(value.ok(), "dBm text not a number", *dbm, l.name);
        check(toSingle(text, locale).value > 0.0f, "dBm from a power that is not positive", text,
              l.name);
    }
}

void checkChannel(std::string_view text, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const auto frequency = channelFrequencyText(text, locale);
    const Outcome<std::int16_t> channel = toInt16(text, locale);
    check(frequency.has_value() == (channel.ok() && channelFrequencyMHz(channel.value).has_value()),
          "channel text and channel number disagree", text, l.name);
    if (!frequency) return;
    check(frequency->size() >= 2 && (frequency->front() == ' ' || frequency->front() == '-'),
          "frequency text without leading blank or minus", *frequency, l.name);
    check(std::all_of(frequency->begin() + 1, frequency->end(), isDigit),
          "frequency text not digits", *frequency, l.name);
    const Outcome<std::int16_t> back = toInt16(*frequency, locale);
    check(back.ok() && back.value == 2407 + 5 * channel.value, "frequency of the channel",
          *frequency, l.name);
}

void checkCableLoss(const SplitInput& split, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const LinkEndFields end{"", PowerUnit::dBm, "", split.texts[0], split.texts[1], split.texts[2]};
    const std::string text = cableLossText(end, locale);
    const std::string input = split.texts[0] + '\n' + split.texts[1] + '\n' + split.texts[2];
    check(isNumeric(text, locale) && toSingle(text, locale).ok(), "cable-loss label not numeric",
          input, l.name);
    const Outcome<float> loss = ReturnCableLoss(end, locale);
    if (!loss.ok() || loss.value == 0.0f)
        check(text == "0", "cable-loss label of 0", input, l.name);
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SplitInput split = splitLines(text, 3);
    for (const FuzzLocale& l : kLocales) {
        checkPowerConversion(text, l);
        checkChannel(text, l);
        checkCableLoss(split, l);
        const std::string key = decimalKeyText(text, l.locale);
        check(key == (text == "." ? l.locale.decimal : std::string(text)), "decimal key", text,
              l.name);
    }
    const float loss = list_selection(text);
    const bool listed =
        std::any_of(kCableCatalogue.begin(), kCableCatalogue.end(),
                    [&](const CableType& cable) { return cable.displayText == text; });
    check(listed ? loss > 0.0f : loss == 0.0f, "catalogue lookup", text, "-");
    return 0;
}
