// Fills the link's figures, every row's sensitivity and power, both measured
// levels and the beamwidth with arbitrary texts, in any rate set and locale,
// and checks what the rate table and the alignment aid promise: every figure
// finite or missing, an unreadable row without figures, and the best rate the
// fastest one whose margin meets the fade margin.

#include "engine/alignment.h"
#include "engine/data_rates.h"
#include "engine/radio_physics.h"
#include "fuzz/fuzz_support.h"
#include "numbers/number_text.h"
#include "texts/result_text.h"

#include <cmath>

namespace {

using namespace tarvanel;
using namespace tarvanel::fuzz;

bool finiteOrMissing(const std::optional<double>& figure) {
    return !figure || std::isfinite(*figure);
}

void checkRows(const RateTable& table, const BudgetFigures& link) {
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const RateRow& row = table.rows[i];
        FUZZ_CHECK(finiteOrMissing(row.sensitivityDbm) && finiteOrMissing(row.greatestKm) &&
                   finiteOrMissing(row.marginDb));
        FUZZ_CHECK(!row.greatestKm || *row.greatestKm >= 0.0);
        FUZZ_CHECK(!row.unreadableOverride || (!row.sensitivityDbm && !row.marginDb));
        FUZZ_CHECK(!row.meetsFadeMargin || (row.marginDb && link.fadeMarginDb &&
                                            meetsFadeMargin(*row.marginDb, *link.fadeMarginDb)));
        // Faster than the best: known, and short of the fade margin.
        if (table.best && i > *table.best) FUZZ_CHECK(row.marginDb && !row.meetsFadeMargin);
        if (i > 0) FUZZ_CHECK(row.megabits > table.rows[i - 1].megabits);
    }
    FUZZ_CHECK(!table.best || table.rows.at(*table.best).meetsFadeMargin);
    FUZZ_CHECK(!table.shortfall || (!table.best && table.shortfall->db > 0.0));
}

void checkEnd(const EndAlignment& end) {
    FUZZ_CHECK(finiteOrMissing(end.expectedDbm) && finiteOrMissing(end.measuredDbm) &&
               finiteOrMissing(end.differenceDb));
    FUZZ_CHECK(!end.measuredDbm || *end.measuredDbm <= 0.0);
    FUZZ_CHECK(!end.unreadableMeasured || !end.measuredDbm);
    FUZZ_CHECK(!end.belowSensitivity || !end.verdict);
    FUZZ_CHECK(end.differenceDb.has_value() == end.verdict.has_value());
    // Missing also when the two are too far apart for double precision.
    FUZZ_CHECK(!end.differenceDb || (end.expectedDbm && end.measuredDbm));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Options: rate set, locale, channel width. Then power, gain and cable loss
    // of end 1 and of end 2, frequency, sensitivity, fade margin, distance and extra loss;
    // sensitivity and power of each of the 8 rows; both measured levels; the
    // beamwidth.
    constexpr std::size_t kFigures = 11, kRows = 8;
    const auto t =
        splitLines({reinterpret_cast<const char*>(data), size}, kFigures + 2 * kRows + 3);
    const FuzzLocale& l = kLocales[option(t, 1, kLocales.size())];
    const NumberLocale& locale = l.locale;
    currentLocale = l.name;
    std::array<std::optional<double>, kFigures> f;
    for (std::size_t i = 0; i < kFigures; ++i) {
        const Outcome<double> figure = toDouble(t[i + 1], locale);
        if (figure.ok()) f[i] = figure.value;
    }
    const BudgetFigures link{{f[0], f[1], f[2]}, {f[3], f[4], f[5]}, f[6], f[7], f[8], f[9], f[10]};
    std::array<RateOverride, kRows> typed;
    for (std::size_t i = 0; i < kRows; ++i)
        typed[i] = {t[kFigures + 1 + 2 * i], t[kFigures + 2 + 2 * i]};
    // Every standard at every width, also one it has no rates at.
    const auto standards = rateStandards();
    constexpr std::array<ChannelWidth, 3> kWidths{ChannelWidth::MHz20, ChannelWidth::MHz40,
                                                  ChannelWidth::MHz80};
    checkRows(rateTable(link, standards[option(t, 0, standards.size())].set, typed, locale,
                        kWidths[option(t, 2, 3)]),
              link);

    const std::size_t measured = kFigures + 2 * kRows + 1;
    checkEnd(endAlignment(link, ReceivingEnd::End1, t[measured], locale));
    checkEnd(endAlignment(link, ReceivingEnd::End2, t[measured + 1], locale));
    const AimAngles angles = aimAngles(t[measured + 2], locale);
    FUZZ_CHECK(angles.oneDbDegrees.has_value() == angles.threeDbDegrees.has_value());
    FUZZ_CHECK(!angles.oneDbDegrees ||
               (*angles.oneDbDegrees > 0.0 && *angles.threeDbDegrees > *angles.oneDbDegrees &&
                std::isfinite(*angles.threeDbDegrees)));
    return 0;
}
