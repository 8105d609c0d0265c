#pragma once

#include "engine/path_figures.h"
#include "engine/radio_physics.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace tarvanel {

// The figures of a link over a ground profile of many points: each point's
// clearance, the worst point, the diffraction loss over the whole profile
// (ITU-R P.526 section 4.5.1, Bullington) and the least mast at each end.
//
// Heights are in m above sea level: an end's antenna is its ground plus its
// mast; a point's top is its ground plus what stands on it (clutter) plus the
// earth's bulge there. Distances are in km from end 1.
//
// Worked example: 2437 MHz, 10 km, k = 4/3, ends at 100 m ground with masts of
// 20 and 15 m (antennas at 120 and 115 m), ground every km from 1 to 9 km:
// 110, 120, 150, 180, 160, 130, 140, 120, 110 m.
//   worst point           4 km: clearance -63.41 m, -369 % of F1, blocked
//   knife edge there      v = 5.22, 27.19 dB
//   over the profile      beyond the line of sight: the rays from the ends
//                         meet at dbp = 4.000 km, v = 5.22, Luc = 27.19 dB,
//                         Lb = 37.28 dB
//   least mast 1          142.87 m (mast 2 at 15 m)
//   least mast 2          199.31 m (mast 1 at 20 m)

struct TerrainPoint {
    double km = 0.0;       // from end 1
    double groundM = 0.0;  // above sea level
    double clutterM = 0.0; // trees, buildings: above the ground
};

struct TerrainEnd {
    double groundM = 0.0; // above sea level
    double mastM = 0.0;   // above that ground
};

struct TerrainLink {
    double megahertz = 0.0;
    double distanceKm = 0.0;
    double earthFactor = earthFactorChoice(EarthFactor::Standard).value;
    TerrainEnd end1, end2;
};

// Whether a point counts in the figures.
enum class PointStatus {
    NoPath,    // the link's own numbers do not compute (no distance, no frequency...)
    Used,      // strictly between the ends, its figures finite
    AtAnEnd,   // at an end or beyond it (km <= 0 or >= d)
    NotFinite, // a number of it, or a figure from it, is not finite
};

// A point's figures in m (0 unless it is used); clearance = line of sight -
// (ground + clutter + bulge), also in % of the first Fresnel radius.
struct TerrainPointFigures {
    PointStatus status = PointStatus::NoPath;
    double lineOfSight = 0.0;
    double bulge = 0.0;
    double fresnelRadius = 0.0;
    double clearance = 0.0;
    double clearancePercent = 0.0;
};

// The point with the least share of its Fresnel radius free, and the loss of
// a single knife edge there (as the one-obstacle path reckons it).
struct WorstPoint {
    std::size_t index = 0; // into the points given
    double km = 0.0;
    double clearance = 0.0; // m
    double percent = 0.0;   // of the first Fresnel radius
    Verdict verdict = Verdict::Unknown;
    double knifeEdgeV = 0.0;
    std::optional<double> knifeEdgeLossDb; // missing past double precision
};

// Bullington's loss over the profile: the parameter v of the equivalent knife
// edge, where it stands when the profile rises beyond the line of sight, its
// loss Luc and the loss Lb.
struct ProfileDiffraction {
    double v = 0.0;
    std::optional<double> breakpointKm;
    double edgeLossDb = 0.0;
    double lossDb = 0.0;
};

struct TerrainFigures {
    std::vector<TerrainPointFigures> points; // one per point given, in their order
    std::optional<WorstPoint> worst;  // these need a used point
    std::optional<ProfileDiffraction> diffraction;
    std::optional<double> leastMast1; // 60 % of F1 free everywhere, mast 2 as given
    std::optional<double> leastMast2; // mast 1 as given
    std::optional<double> tilt1;      // degrees, toward the other end; need no point
    std::optional<double> tilt2;
};

// One pass over the points; allocates only the figures' vector.
TerrainFigures terrainFigures(const TerrainLink& link, std::span<const TerrainPoint> points);

} // namespace tarvanel
