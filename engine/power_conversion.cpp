#include "engine/power_conversion.h"

#include "engine/checked_math.h"

#include <cmath>

namespace tarvanel {

Outcome<double> milliwattsToDbm(double milliwatts) {
    const Outcome<double> power = checked::value(milliwatts);
    if (!power.ok()) return power;
    if (!(milliwatts > 0.0)) return Outcome<double>::failure(EngineError::InvalidOperation);
    return checked::value(10.0 * std::log(milliwatts) / std::log(10.0));
}

Outcome<double> dbmToMilliwatts(double dbm) {
    const Outcome<double> power = checked::value(dbm);
    if (!power.ok()) return power;
    return checked::value(std::pow(10.0, dbm / 10.0));
}

} // namespace tarvanel
