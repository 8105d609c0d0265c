#pragma once

#include "band/band.h"
#include "engine/alignment.h"
#include "engine/data_rates.h"
#include "engine/installer_readouts.h"
#include "engine/link_budget.h"
#include "engine/link_inputs.h"
#include "engine/path_figures.h"
#include "geo/geo_position.h"
#include "geo/geodesy.h"
#include "numbers/number_locale.h"

#include <optional>

namespace tarvanel {

// Where the ends stand and which way each looks at the other.
struct GeoFigures {
    PositionReading end1; // as read from its text
    PositionReading end2;
    Outcome<GeodesicPath> path; // while both positions read
    Outcome<double> declination;
    // True bearing less the declination, while both are known.
    std::optional<double> magnetic1;
    std::optional<double> magnetic2;
};

// Every figure of the link, as numbers, from one reading of its inputs: what
// the window, the summary and a report show, before any of it becomes text.
struct LinkFigures {
    // The five results, in their exact single-precision steps.
    LinkResults results;
    // The band rule in force at the link's frequency (band/band.h), none
    // outside every sub-band of a band without one rule for all; its limit
    // (with or without TPC) and whether the channel covers weather radars.
    const SubBandRule* bandRule = nullptr;
    std::optional<float> legalLimitDbm;
    bool weatherRadars = false;
    // The width and the rate standard in force (band/band.h: widthIn, standardIn).
    ChannelWidth width = ChannelWidth::MHz20;
    RateSet rateStandard = RateSet::Dot11nOneStream;
    // Each end's EIRP (0 when it fails) above the legal limit.
    bool exceedsLimit1 = false;
    bool exceedsLimit2 = false;
    LegalPower legalPower1;
    LegalPower legalPower2;
    Directions directions; // the greatest distance each way round
    GeoFigures geo;
    // The link distance: the geodesic between the positions while both read,
    // else the one typed.
    bool distanceFromPositions = false;
    PathReadouts atDistance; // the read-outs at the link distance
    EarthFactor earthFactor = EarthFactor::Standard;
    PathFigures path;
    // The rates the link keeps, and the level to aim for at each end, less
    // the path's loss over its profile when it has one.
    RateTable rates;
    EndAlignment alignment1;
    EndAlignment alignment2;
    AimAngles aim1;
    AimAngles aim2;
};

LinkFigures linkFigures(const LinkInputs& inputs, const NumberLocale& locale);

} // namespace tarvanel
