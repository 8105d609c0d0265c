#pragma once

#include "engine/earth_factor.h"
#include "engine/installer_readouts.h"
#include "numbers/number_locale.h"
#include "numbers/outcome.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvanel {

// The path from one mast to the other over the ground between them: each
// end's ground and mast, and the points of a ground profile, over the link
// distance, on an earth whose radius is stretched by the factor k. Heights are
// in m above sea level (an end's ground empty reads as 0, so a profile typed
// above one common level works too), distances in km from end 1.
//
// Worked example: the example link (2427 MHz, margin 11.67 dB at 5 km, fade
// margin 10) at d = 5 km, masts of 32 and 18 m on ground 0, one point 2 km from
// end 1, k = 4/3:
//                        ground 15 m         ground 25 m
//   line of sight        26.40 m             26.40 m
//   earth's bulge        0.35 m              0.35 m
//   Fresnel radius       12.17 m             12.17 m
//   clearance            11.05 m, 91 %       1.05 m, 9 %
//   Fresnel zone         clear               partly blocked
//   knife edge           0.00 dB             4.99 dB (v = -0.12)
//   over the profile     0.00 dB             10.69 dB (Bullington)
//   margin less that     11.67 dB            0.98 dB (below the fade margin)
//   least mast 1         25.76 m             42.43 m
//   least mast 2         8.65 m              33.65 m
//   tilt at end 1 / 2    -0.18 / +0.14 degrees

// A point of the ground between the ends, as typed or read from a file.
struct ProfilePointFields {
    std::string distanceKm; // from end 1
    std::string groundM;    // ground elevation, m above sea level
    std::string clutterM;   // what stands on it (trees, buildings), m above the ground; empty: 0

    bool operator==(const ProfilePointFields&) const = default;
};

// How PathFields::pointsSource starts for points read from the user's
// elevation files.
inline constexpr std::string_view kElevationFilesSource = "αρχεία υψομέτρων";

// The path panel's inputs, as the user left them.
struct PathFields {
    EarthFactor earthFactor = EarthFactor::Standard;
    // Each end's ground elevation (m above sea level; empty reads as 0) and
    // mast (m above that ground): the antenna stands at their sum.
    std::string ground1;
    std::string mast1;
    std::string ground2;
    std::string mast2;
    std::vector<ProfilePointFields> points; // in the order the table holds them
    std::string pointsSource;               // where they came from: a file's name, or empty

    bool operator==(const PathFields&) const = default;
};

// How much of the first Fresnel zone a point leaves free: at least 60 %
// (clear), 0 to 60 % (partly blocked), or the point above the line of sight.
enum class Verdict { Unknown, Clear, PartlyBlocked, Blocked };
// The verdict on the share of F1 left free, in %, judged on the whole percent
// as shown: 59.6 % shows, and counts, as 60 (Unknown when not finite).
Verdict fresnelVerdict(double percent);

// Why a point of the table counts or not.
enum class PointState {
    Used,        // strictly between the ends, its figures computed
    NotNumbers,  // a distance or ground that does not read, or a clutter that does not
    OutsideEnds, // at an end or beyond it
    NoPath,      // the link's own figures do not compute (no distance, frequency, mast)
};

// The figures at one point of the table, in the table's order.
struct PointFigures {
    PointState state = PointState::NoPath;
    double km = 0;          // from end 1, when its numbers read
    double lineOfSight = 0; // these four in m, while used
    double earthBulge = 0;
    double fresnelRadius = 0;
    double clearance = 0; // line of sight - (ground + clutter + bulge)
    double share = 0;     // the clearance in % of the radius
    Verdict verdict = Verdict::Unknown;

    bool operator==(const PointFigures&) const = default;
};

// A point of the ground as the side view draws it.
struct GroundPoint {
    double km;
    double ground;
    double clutter;
    bool operator==(const GroundPoint&) const = default;
};

// A stretch of the path, km from end 1.
struct KmSpan {
    double from = 0.0;
    double to = 0.0;
    bool operator==(const KmSpan&) const = default;
};

// What the side view draws, in double precision; a figure that does not
// compute is missing.
struct PathProfile {
    std::optional<double> distanceKm; // only a positive one
    std::optional<double> megahertz;  // only a positive one
    double ground1 = 0;               // m above sea level
    double ground2 = 0;
    std::optional<double> antenna1Height; // ground + mast
    std::optional<double> antenna2Height;
    std::vector<GroundPoint> points; // used points, by distance
    // Where points read from elevation files leave the ground unknown: a gap
    // between two points, or between an end and its nearest point, more than
    // three times the files' spacing (the median gap between points) wide,
    // left by a missing tile or a run of void cells. Typed points are never
    // gapped: the ground runs straight between them.
    std::vector<KmSpan> withoutGround;
    std::optional<double> worstKm; // the worst point, in the colour of its verdict
    Verdict verdict = Verdict::Unknown;
    double earthFactor = 4.0 / 3.0;

    bool operator==(const PathProfile&) const = default;
};

// Every figure of the path, as numbers.
struct PathFigures {
    std::vector<PointFigures> points; // one per row of the table
    std::optional<std::size_t> worst; // the used point with the least share of its zone
    Outcome<double> knifeEdgeLoss;    // the worst point as a single knife edge
    Outcome<double> profileLoss;      // over the whole profile (Bullington), Lb
    Outcome<double> margin;           // at the link distance, less Lb
    bool marginMet = false;           // at least the fade margin
    // The least mast at one end, the other as typed, that leaves 60 % of the
    // zone free at every point.
    Outcome<double> leastMast1;
    Outcome<double> leastMast2;
    Outcome<double> tilt1; // degrees toward the other end, with the curvature
    Outcome<double> tilt2;
    std::size_t usedPoints = 0;
    double kmWithoutGround = 0.0; // the length of profile.withoutGround
    PathProfile profile;

    const PointFigures* worstPoint() const { return worst ? &points[*worst] : nullptr; }
};

PathFigures pathFigures(const PathFields& fields, const PathReadouts& link,
                        const NumberLocale& locale);

// The earth's bulge, the line of sight and the first Fresnel radius at `km`
// from end 1 of a profile, and the ground there (linear between the points,
// without the bulge); missing when the profile lacks what they need.
std::optional<double> bulgeAt(const PathProfile& profile, double km);
std::optional<double> lineOfSightAt(const PathProfile& profile, double km);
std::optional<double> fresnelRadiusAt(const PathProfile& profile, double km);
GroundPoint groundAt(const PathProfile& profile, double km);

} // namespace tarvanel
