#pragma once

#include "engine/engine_error.h"

namespace tarvanel {

// The one conversion each way between milliwatts and dBm, in double precision.

// 10 x ln(p), then divided by ln(10). InvalidOperation for p <= 0 or NaN,
// Overflow for an infinite p.
Outcome<double> milliwattsToDbm(double milliwatts);

// 10^(d / 10). Overflow past double precision, InvalidOperation for NaN; a
// power too small for double precision is 0.
Outcome<double> dbmToMilliwatts(double dbm);

} // namespace tarvanel
