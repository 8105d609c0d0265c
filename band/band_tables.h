#pragma once

#include "band/band.h"

// The tables behind band.h, one file each.
namespace tarvanel::bands {

const BandTable& band2_4GHz();
const BandTable& band5GHz();
std::span<const RateStandard> rateStandards();

} // namespace tarvanel::bands
