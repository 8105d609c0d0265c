#pragma once

#include "engine/earth_factor.h"
#include "engine/engine_error.h"
#include "engine/installer_readouts.h"
#include "engine/number_locale.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

// The path from one mast to the other: the two antenna heights and the points
// that stand between them, over the link distance, on an earth whose radius
// is stretched by the factor k.
//
// Heights are in m above one datum shared by both ends and the points (sea
// level, or the ground at end 1): ground elevation plus mast height. A point's
// distance is in km from end 1.
//
// Worked example: the example link (2427 MHz, margin 11.67 dB at 5 km, fade
// margin 10) at d = 5 km, antennas at 32 and 18 m, one obstacle 2 km from
// end 1, k = 4/3:
//                        obstacle 15 m       obstacle 25 m
//   line of sight        26.40 m             26.40 m
//   earth's bulge        0.35 m              0.35 m
//   Fresnel radius       12.17 m             12.17 m
//   clearance            11.05 m, 91 %       1.05 m, 9 %
//   Fresnel zone         clear               partly blocked (v = -0.12)
//   diffraction loss     0.00 dB             4.99 dB
//   margin less loss     11.67 dB            6.68 dB (below the fade margin)
//   least antenna 1      25.76 m             42.43 m
//   least antenna 2      8.65 m              33.65 m
//   tilt at end 1 / 2    -0.18 / +0.14 degrees

// A point of the ground between the ends, as typed or read from a file.
struct ProfilePointFields {
    std::string distanceKm; // from end 1
    std::string groundM;    // ground elevation, m above sea level
    std::string clutterM;   // what stands on it (trees, buildings), m above the ground

    bool operator==(const ProfilePointFields&) const = default;
};

// The path panel's inputs, as the user left them.
struct PathFields {
    std::string antenna1Height;   // m
    std::string antenna2Height;   // m
    std::string obstacleDistance; // km from end 1
    std::string obstacleHeight;   // m, of its top
    EarthFactor earthFactor = EarthFactor::Standard;
    // Each end's ground elevation (m above sea level; empty reads as 0) and
    // mast (m above that ground): the antenna stands at their sum.
    std::string ground1;
    std::string mast1;
    std::string ground2;
    std::string mast2;
    std::vector<ProfilePointFields> points; // in the order the table shows them
    std::string pointsSource;               // where they came from: a file's name, or empty

    bool operator==(const PathFields&) const = default;
};

// How much of the first Fresnel zone a point leaves free: at least 60 %
// (clear), 0 to 60 % (partly blocked), or the point above the line of sight.
enum class Verdict { Unknown, Clear, PartlyBlocked, Blocked };
// The verdict on the share of F1 left free, in %, judged on the whole percent
// as shown: 59.6 % shows, and counts, as 60 (Unknown when not finite).
Verdict fresnelVerdict(double percent);
// The verdict on the share of F1 left free, in % (Unknown when not finite).
Verdict fresnelVerdict(double percent);

// The figures at one point strictly between the ends.
struct PointFigures {
    double km = 0;                 // from end 1
    Outcome<double> top;           // what stands there, m above the datum
    Outcome<double> lineOfSight;   // the straight line between the antennas
    Outcome<double> earthBulge;    // for the earth factor k
    Outcome<double> fresnelRadius; // the first zone's
    Outcome<double> clearance;     // line of sight - (top + bulge)
    Outcome<double> share;         // the clearance in % of the radius
    // From the share as a whole percent: clear from 60, partly blocked from 0.
    Verdict verdict = Verdict::Unknown;
};

// What the side view draws, in double precision; a figure that does not
// compute is missing.
struct PathProfile {
    std::optional<double> distanceKm; // only a positive one
    std::optional<double> megahertz;  // only a positive one
    std::optional<double> antenna1Height;
    std::optional<double> antenna2Height;
    std::optional<double> obstacleKm; // only strictly between the ends
    std::optional<double> obstacleHeight;
    double earthFactor = 4.0 / 3.0;
    Verdict verdict = Verdict::Unknown;

    bool operator==(const PathProfile&) const = default;
};

// Every figure of the path, as numbers.
struct PathFigures {
    std::vector<PointFigures> points; // by distance from end 1
    // The point the path's verdict stands on: the least share of the zone;
    // the first point while no share computes; none without points.
    std::optional<std::size_t> worst;
    Outcome<double> diffractionLoss; // the worst point as a single knife edge
    Outcome<double> margin;          // at the link distance, less that loss
    bool marginMet = false;          // at least the fade margin
    // The least height of one antenna, the other as typed, that leaves 60 %
    // of the zone free at every point.
    Outcome<double> leastHeight1;
    Outcome<double> leastHeight2;
    Outcome<double> tilt1; // degrees toward the other end, with the curvature
    Outcome<double> tilt2;
    PathProfile profile;

    const PointFigures* worstPoint() const { return worst ? &points[*worst] : nullptr; }
};

PathFigures pathFigures(const PathFields& fields, const PathReadouts& link,
                        const NumberLocale& locale);

// The earth's bulge, the line of sight and the first Fresnel radius at `km`
// from end 1 of a profile; missing when the profile lacks what they need.
std::optional<double> bulgeAt(const PathProfile& profile, double km);
std::optional<double> lineOfSightAt(const PathProfile& profile, double km);
std::optional<double> fresnelRadiusAt(const PathProfile& profile, double km);

} // namespace tarvanel
