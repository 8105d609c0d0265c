#pragma once

namespace tarvanel {

// Why a conversion or a calculation step failed.
enum class EngineError {
    None,
    NotNumeric, // the text does not read as a number (type mismatch)
    Overflow,   // the number does not fit the target type
    DivisionByZero,
    InvalidOperation, // 0 / 0, logarithm of a non-positive number, root of a negative one
};

// A value or the reason it could not be computed.
template <typename T> struct Outcome {
    T value{};
    EngineError error = EngineError::None;

    bool ok() const { return error == EngineError::None; }
    static Outcome failure(EngineError e) { return Outcome{T{}, e}; }
    // What a guarded function shows: the value, or 0 on any failure.
    T orZero() const { return ok() ? value : T{}; }
};

// A failure on its way out of a function that returns an Outcome of any type.
struct Failed {
    EngineError error;
    template <typename T> operator Outcome<T>() const { return Outcome<T>::failure(error); }
};

// Leaves the enclosing function, which returns an Outcome, with the failure of
// an intermediate Outcome; otherwise names its value.
#define TARVANEL_TRY(name, expression)                                                             \
    const auto name = (expression);                                                                \
    if (!name.ok()) return ::tarvanel::Failed {                                                    \
            name.error                                                                             \
        }

} // namespace tarvanel
