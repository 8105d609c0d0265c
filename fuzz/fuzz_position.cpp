// Reads two arbitrary texts as the ends' positions under every locale and
// checks what the link planner relies on: a position is finite and in range or
// "not a position" with a reason to show, a hemisphere letter never gives the
// wrong sign, and the geodesic between two positions is finite with bearings
// in [0, 360).

#include "fuzz/fuzz_support.h"
#include "geo/geodesy.h"
#include "texts/verdict_words.h"

#include <cmath>

namespace {

using namespace tarvanel;
using namespace tarvanel::fuzz;

bool isBearing(double degrees) {
    return degrees >= 0.0 && degrees < 360.0;
}

PositionReading checkedReading(const std::string& text, const NumberLocale& locale) {
    const PositionReading r = readPosition(text, locale);
    check(r.ok() != !positionProblemText(r.problem).empty(), "a reason exactly when not read");
    if (!r.ok()) return r;
    const Position& p = r.position;
    check(std::fabs(p.latitude) <= 90.0 && std::fabs(p.longitude) <= 180.0,
          "a position is finite and in range");
    // Both halves are read whole: a letter belongs to the half it signs.
    check(text.find('S') == text.npos || p.latitude <= 0.0, "S gives a latitude <= 0");
    check(text.find('N') == text.npos || p.latitude >= 0.0, "N gives a latitude >= 0");
    check(text.find('W') == text.npos || p.longitude <= 0.0, "W gives a longitude <= 0");
    check(text.find('E') == text.npos || p.longitude >= 0.0, "E gives a longitude >= 0");
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Options: the declination in whole degrees (byte - 128). Then end 1, end 2.
    const auto t = splitLines({reinterpret_cast<const char*>(data), size}, 2);
    const double declination = t[0].empty() ? 0.0 : static_cast<unsigned char>(t[0][0]) - 128.0;
    for (const FuzzLocale& l : kLocales) {
        currentLocale = l.name;
        const PositionReading end1 = checkedReading(t[1], l.locale);
        const PositionReading end2 = checkedReading(t[2], l.locale);
        if (!end1.ok() || !end2.ok()) continue;
        const Outcome<GeodesicPath> path = geodesicBetween(end1.position, end2.position);
        FUZZ_CHECK(path.ok());
        // Half the earth's circumference along a meridian: no geodesic is longer.
        FUZZ_CHECK(path.value.distanceKm >= 0.0 && path.value.distanceKm <= 20004.0);
        FUZZ_CHECK(path.value.bearing1.has_value() == (path.value.distanceKm > 0.0));
        FUZZ_CHECK(path.value.bearing2.has_value() == path.value.bearing1.has_value());
        for (const auto& bearing : {path.value.bearing1, path.value.bearing2}) {
            if (!bearing) continue;
            FUZZ_CHECK(isBearing(*bearing) && isBearing(magneticBearing(*bearing, declination)));
            FUZZ_CHECK(isBearing(bearingForDisplay(*bearing, 1)));
        }
    }
    return 0;
}
