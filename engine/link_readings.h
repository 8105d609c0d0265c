#pragma once

#include "engine_error.h"
#include "link_budget.h"

#include <cstdint>

namespace tarvanel {

// Every field of a link end read once, each with its own outcome, so that one
// refresh can derive all results from a single reading of the texts.
struct EndReadings {
    Outcome<float> power;     // GetPower
    Outcome<float> cableLoss; // ReturnCableLoss
    Outcome<float> gain;      // the gain text as a single
};

struct LinkReadings {
    EndReadings end1;
    EndReadings end2;
    Outcome<std::int16_t> sensitivity;
    Outcome<float> margin;
    Outcome<float> frequency;        // the distance and the radius read it as a single
    Outcome<double> frequencyDouble; // the free-space loss reads it as a double
};

EndReadings readEnd(const LinkEndFields& end, const NumberLocale& locale);
LinkReadings readLink(const LinkFields& link, const NumberLocale& locale);

// The calculations on readings; every failure, read or computed, is returned.
Outcome<float> eirpOf(const EndReadings& end);
Outcome<float> distanceOf(const LinkReadings& link);
Outcome<float> freeSpaceLossOf(const LinkReadings& link, const Outcome<float>& distance);
Outcome<float> fresnelRadiusOf(const LinkReadings& link, const Outcome<float>& distance);

inline float orZero(const Outcome<float>& value) {
    return value.ok() ? value.value : 0.0f;
}

} // namespace tarvanel
