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

// What a conversion writes reads back (a positive power in mW), only a
// numeric text converts, and a usual power comes back within the rounding.
void checkPowerConversion(std::string_view text, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const Outcome<float> before = toSingle(text, locale);
    if (const auto milliwatts = convertPowerText(text, PowerUnit::mW, locale)) {
        FUZZ_CHECK(before.ok() && toSingle(*milliwatts, locale).value > 0.0f);
        const auto back = milliwattTextToDbm(*milliwatts, locale);
        FUZZ_CHECK(std::fabs(before.value) > 300.0f ||
                   (back && std::fabs(toSingle(*back, locale).value - before.value) <= 0.03f));
    }
    if (const auto dbm = convertPowerText(text, PowerUnit::dBm, locale))
        FUZZ_CHECK(before.value > 0.0f && toSingle(*dbm, locale).ok());
}

void checkChannel(std::string_view text, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const auto frequency = channelFrequencyText(text, locale);
    const Outcome<std::int16_t> channel = toInt16(text, locale);
    FUZZ_CHECK(frequency.has_value() ==
               (channel.ok() && channelFrequencyMHz(channel.value).has_value()));
    if (!frequency) return;
    FUZZ_CHECK(frequency->size() >= 2 && (frequency->front() == ' ' || frequency->front() == '-'));
    FUZZ_CHECK(std::all_of(frequency->begin() + 1, frequency->end(), isDigit));
    const Outcome<std::int16_t> back = toInt16(*frequency, locale);
    FUZZ_CHECK(back.ok() && back.value == 2407 + 5 * channel.value);
}

void checkCableLoss(const SplitInput& split, const FuzzLocale& l) {
    const NumberLocale& locale = l.locale;
    const LinkEndFields end{"", PowerUnit::dBm, "", split.texts[0], split.texts[1], split.texts[2]};
    const std::string text = cableLossText(end, locale);
    const std::string input = split.texts[0] + '\n' + split.texts[1] + '\n' + split.texts[2];
    FUZZ_CHECK(isNumeric(text, locale) && toSingle(text, locale).ok());
    const Outcome<float> loss = ReturnCableLoss(end, locale);
    if (!loss.ok() || loss.value == 0.0f) FUZZ_CHECK(text == "0");
}

} // namespace
} // namespace tarvanel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text = inputText(data, size);
    const SplitInput split = splitLines(text, 3);
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        checkPowerConversion(text, l);
        checkChannel(text, l);
        checkCableLoss(split, l);
        const std::string key = decimalKeyText(text, l.locale);
        FUZZ_CHECK(key == (text == "." ? l.locale.decimal : std::string(text)));
    }
    const float loss = list_selection(text);
    const bool listed =
        std::any_of(kCableCatalogue.begin(), kCableCatalogue.end(),
                    [&](const CableType& cable) { return cable.displayText == text; });
    currentLocale = "-";
    FUZZ_CHECK(listed ? loss > 0.0f : loss == 0.0f);
    return 0;
}
