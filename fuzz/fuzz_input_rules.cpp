// Arbitrary texts through the rules behind the input fields: power unit
// conversion, the channel selector and the cable-loss labels. Whatever they
// write into a field must read as a number.

#include "fuzz/fuzz_support.h"
#include "numbers/number_text.h"
#include "rules/cable_loss_rules.h"
#include "rules/channel_rules.h"
#include "rules/power_unit_rules.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    const std::string_view text{reinterpret_cast<const char*>(data), size};
    const auto lines = splitLines(text, 3);
    const LinkEndFields end{"", PowerUnit::dBm, "", lines[1], lines[2], lines[3]};
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        const NumberLocale& locale = l.locale;
        // A conversion writes a positive power in mW that reads back, only a
        // numeric text converts, and a usual power comes back within rounding.
        const Outcome<float> before = toSingle(text, locale);
        if (const auto milliwatts = convertPowerText(text, PowerUnit::mW, locale)) {
            FUZZ_CHECK(before.ok() && toSingle(*milliwatts, locale).value > 0.0f);
            const auto back = milliwattTextToDbm(*milliwatts, locale);
            FUZZ_CHECK(std::fabs(before.value) > 300.0f ||
                       (back && std::fabs(toSingle(*back, locale).value - before.value) <= 0.03f));
        }
        if (const auto dbm = convertPowerText(text, PowerUnit::dBm, locale))
            FUZZ_CHECK(before.value > 0.0f && toSingle(*dbm, locale).ok());
        // A channel gives the frequency 2407 + 5n, which reads back.
        const Outcome<std::int16_t> channel = toInt16(text, locale);
        const auto frequency = channelFrequencyText(text, locale);
        FUZZ_CHECK(frequency.has_value() == (channel.ok() && channelFrequencyMHz(channel.value)));
        if (frequency) FUZZ_CHECK(toInt16(*frequency, locale).value == 2407 + 5 * channel.value);
        // The cable label reads back, and shows 0 for a failed or zero loss.
        const std::string label = cableLossText(end, locale);
        FUZZ_CHECK(isNumeric(label, locale) && toSingle(label, locale).ok());
        const Outcome<float> loss = ReturnCableLoss(end, locale);
        if (!loss.ok() || loss.value == 0.0f) FUZZ_CHECK(label == "0");
    }
    return 0;
}
