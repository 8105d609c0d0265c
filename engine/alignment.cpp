#include "engine/alignment.h"

#include "engine/radio_physics.h"

#include <cmath>

namespace tarvanel {

namespace {

AlignmentVerdict verdictOf(double differenceDb) {
    const double shown = std::round(differenceDb * 100.0) / 100.0;
    if (shown > 5.0) return AlignmentVerdict::CheckInputs;
    if (shown >= -5.0) return AlignmentVerdict::Aligned;
    if (shown >= -10.0) return AlignmentVerdict::CheckAim;
    return AlignmentVerdict::CheckCableConnectorsPath;
}

std::optional<double> angleFor(double lossDb, const std::optional<double>& beamwidth) {
    if (!beamwidth || !(*beamwidth <= 360.0)) return std::nullopt;
    const Outcome<double> degrees = offAxisDegrees(lossDb, *beamwidth);
    return degrees.ok() ? std::optional(degrees.value) : std::nullopt;
}

} // namespace

EndAlignment endAlignment(const BudgetFigures& link, ReceivingEnd at, std::string_view measured,
                          const NumberLocale& locale) {
    EndAlignment end;
    end.expectedDbm = receivedDbm(link, at);
    const TypedNumber typed = readTyped(measured, locale);
    end.unreadableMeasured = typed.unreadable;
    if (typed.value) end.measuredDbm = -std::fabs(*typed.value);
    end.belowSensitivity =
        end.expectedDbm && link.sensitivityDb &&
        std::round(*end.expectedDbm * 100.0) / 100.0 < -std::fabs(*link.sensitivityDb);
    if (end.expectedDbm && end.measuredDbm && !end.belowSensitivity &&
        std::isfinite(*end.measuredDbm - *end.expectedDbm)) {
        end.differenceDb = *end.measuredDbm - *end.expectedDbm;
        end.verdict = verdictOf(*end.differenceDb);
    }
    return end;
}

AimAngles aimAngles(std::string_view beamwidthDegrees, const NumberLocale& locale) {
    const std::optional<double> beamwidth = readTyped(beamwidthDegrees, locale).value;
    return {angleFor(1.0, beamwidth), angleFor(3.0, beamwidth)};
}

} // namespace tarvanel
