#pragma once

#include "engine/installer_readouts.h"
#include "engine/number_locale.h"

#include <optional>
#include <string>

namespace tarvanel {

// The path from one mast to the other: the two antenna heights and one
// obstacle between them, over the link distance, on an earth whose radius is
// stretched by the factor k.
//
// Heights are in m above one datum shared by both ends and the obstacle (sea
// level, or the ground at end 1): ground elevation plus mast height. The
// obstacle's distance is in km from end 1.
//
// Worked example: the example link (2427 MHz, margin 11.67 dB at 5 km, fade
// margin 10) at d = 5 km, antennas at 32 and 18 m, an obstacle 2 km from end 1,
// k = 4/3:
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

// The effective earth-radius factor k.
enum class EarthFactor {
    Standard, // 4/3, the standard atmosphere
    Unity,    // 1, the earth as it is
    Low,      // 2/3, the worst case (sub-refraction)
};
double earthFactorValue(EarthFactor factor);

// The path panel's inputs, as the user left them.
struct PathFields {
    std::string antenna1Height;   // m
    std::string antenna2Height;   // m
    std::string obstacleDistance; // km from end 1
    std::string obstacleHeight;   // m, of its top
    EarthFactor earthFactor = EarthFactor::Standard;
};

// How much of the first Fresnel zone the obstacle leaves free: at least 60 %
// (clear), 0 to 60 % (partly blocked), or the obstacle above the line of sight.
enum class Verdict { Unknown, Clear, PartlyBlocked, Blocked };
// The verdict on the share of F1 left free, in % (Unknown when not finite).
Verdict fresnelVerdict(double percent);

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

// The earth's bulge, the line of sight and the first Fresnel radius at `km`
// from end 1 of a profile; missing when the profile lacks what they need.
std::optional<double> bulgeAt(const PathProfile& profile, double km);
std::optional<double> lineOfSightAt(const PathProfile& profile, double km);
std::optional<double> fresnelRadiusAt(const PathProfile& profile, double km);

// The path panel's results as label texts in the user's locale; a text is
// empty when a figure it needs does not compute.
struct PathTexts {
    std::string lineOfSight;   // at the obstacle, "26.40 m"
    std::string earthBulge;    // "0.35 m"
    std::string fresnelRadius; // "12.17 m"
    std::string clearance;     // "11.05 m"
    std::string fresnelZone; // "91 % ελεύθερη": the share of F1 left free, and the verdict
    std::string diffractionLoss; // "0.00 dB"
    std::string margin;          // the margin at the link distance less that loss
    bool marginMet = false;      // at least the fade margin
    std::string leastHeight1;    // antenna 1 for 0.6 F1 free, antenna 2 as typed
    std::string leastHeight2;
    std::string tilt1; // "-0.18°", toward the other end
    std::string tilt2; // "+0.14°"
    PathProfile profile;
};

PathTexts pathTexts(const PathFields& fields, const PathReadouts& link, const NumberLocale& locale);

} // namespace tarvanel
