// Fills all 13 fields of the link with arbitrary texts, in any power unit and
// locale, and checks what the refresh relies on: every result is finite, a
// failure carries 0 and the label texts are well formed.

#include "engine/result_text.h"
#include "fuzz/fuzz_support.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvanel;
    using namespace tarvanel::fuzz;
    // Options: unit of end 1, unit of end 2, locale. Then the 13 fields.
    const auto t = splitLines({reinterpret_cast<const char*>(data), size}, 13);
    const FuzzLocale& l = kLocales[option(t, 2, kLocales.size())];
    const NumberLocale& locale = l.locale;
    currentLocale = l.name;
    constexpr std::array<PowerUnit, 3> kUnits{PowerUnit::dBm, PowerUnit::mW, PowerUnit::None};
    const LinkFields link{{t[1], kUnits[option(t, 0, 3)], t[2], t[3], t[4], t[5]},
                          {t[6], kUnits[option(t, 1, 3)], t[7], t[8], t[9], t[10]},
                          t[11],
                          t[12],
                          t[13]};

    const LinkResults r = evaluateLink(link, locale);
    for (const Outcome<float>* result :
         {&r.end1.power, &r.end1.cableLoss, &r.end1.eirp, &r.end2.power, &r.end2.cableLoss,
          &r.end2.eirp, &r.distance, &r.freeSpaceLoss, &r.fresnelRadius}) {
        FUZZ_CHECK(result->ok() ? std::isfinite(result->value) : result->value == 0.0f);
    }
    const ResultTexts texts = computeResultTexts(link, locale);
    FUZZ_CHECK(isResultText(texts.eirp1, 2, " dBm", locale));
    FUZZ_CHECK(isResultText(texts.eirp2, 2, " dBm", locale));
    FUZZ_CHECK(isResultText(texts.distance, 3, " Km", locale));
    FUZZ_CHECK(isResultText(texts.freeSpace, 1, " dB", locale));
    FUZZ_CHECK(isResultText(texts.fresnel, 2, " m", locale));
    return 0;
}
