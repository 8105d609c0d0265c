#pragma once

// Checked double-precision arithmetic for the engine's own .cpp files: every
// step reports division by zero, an invalid operation or overflow where it
// happens instead of carrying an infinity or NaN along.

#include "numbers/outcome.h"

#include <cmath>

namespace tarvanel::checked {

inline Outcome<double> value(double v) {
    if (std::isnan(v)) return Outcome<double>::failure(EngineError::InvalidOperation);
    if (std::isinf(v)) return Outcome<double>::failure(EngineError::Overflow);
    return {v};
}

inline Outcome<double> divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        return Outcome<double>::failure(numerator == 0.0 ? EngineError::InvalidOperation
                                                         : EngineError::DivisionByZero);
    }
    return value(numerator / denominator);
}

inline Outcome<double> squareRoot(double v) {
    if (v < 0.0) return Outcome<double>::failure(EngineError::InvalidOperation);
    return value(std::sqrt(v));
}

// Applies a function that returns an Outcome to the values of readings that
// must all have computed; otherwise gives the first reading's failure.
template <typename Function, typename... Readings>
auto apply(Function function, const Readings&... readings)
    -> decltype(function(readings.value...)) {
    for (EngineError error : {readings.error...})
        if (error != EngineError::None) return Failed{error};
    return function(readings.value...);
}

// Stores a double-precision intermediate as a single-precision result.
inline Outcome<float> toSingle(double v) {
    const Outcome<double> finite = value(v);
    if (!finite.ok()) return Outcome<float>::failure(finite.error);
    const auto single = static_cast<float>(v);
    if (std::isinf(single)) return Outcome<float>::failure(EngineError::Overflow);
    return {single};
}

} // namespace tarvanel::checked
