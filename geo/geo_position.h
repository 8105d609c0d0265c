#pragma once

#include "numbers/number_locale.h"

#include <string_view>

namespace tarvanel {

// A place on the earth, in degrees: latitude north positive (-90..90),
// longitude east positive (-180..180).
struct Position {
    double latitude = 0.0;
    double longitude = 0.0;
};

// Why a text is not a position, each a thing the user can fix. Where the ways
// of splitting a text fail differently, the latest of these is told.
enum class PositionProblem {
    None,
    Empty,
    Ambiguous,         // a comma both separates and marks decimals, or two readings differ
    NotAnAngle,        // letters other than N S E W, misplaced signs or symbols, too long
    OneNumber,         // one angle only (or one half missing)
    TooManyNumbers,    // more than two angles, or bare numbers side by side ("37 58 31.9 N")
    HemispheresClash,  // both halves lettered N/S or both E/W
    SignAndHemisphere, // a sign and a hemisphere letter on the same angle ("-37.9S")
    PastFiftyNine,     // minutes or seconds of 60 or more ("37°60'", "37°58'60\"")
    LatitudeOutOfRange,
    LongitudeOutOfRange,
};

struct PositionReading {
    Position position; // meaningful only when ok()
    PositionProblem problem = PositionProblem::None;
    bool ok() const { return problem == PositionProblem::None; }
};

// Reads a typed or pasted position: latitude then longitude, each a signed
// decimal ("-33.8688"), a decimal with a hemisphere letter before or after it
// ("37.97552N", "E23.73484") or degrees, minutes and seconds
// (37°58'31.9"N, 37d 58′ 31.9″ N, 37:58:31.9N), as GeographicLib's DMS reads
// them. Between the two: a comma (then the decimal mark is a point: the web
// map's "37.97552, 23.73484"), a semicolon or a blank (then the decimal mark
// may also be a comma or the locale's separator: "37,97552 23,73484"). The
// locale's minus and U+2212 read as a minus. Hemisphere letters are upper
// case; lettered as E/W first and N/S second the halves swap, as DMS::
// DecodeLatLon does. A text that splits into two angles in more than one way
// with different results ("37.9 E 23.7"), or is also one number ("37,23"),
// is Ambiguous: nothing is guessed.
PositionReading readPosition(std::string_view text, const NumberLocale& locale);

} // namespace tarvanel
