#pragma once

#include "numbers/outcome.h"

#include <cstdint>

namespace tarvanel {

// The radio physics of a link, in double precision, each step checked (a
// failure names the step's error instead of carrying an infinity or NaN).
// Frequencies in MHz, path lengths in km, heights and radii in m.
//
// Worked figures, at 2427 MHz (channel 4):
//   wavelength                                  0.1235 m
//   free-space loss over 5 km                   114.13 dB
//   first Fresnel radius mid-way along 5 km     12.43 m
//   at 2 km of a 5 km path (d1 = 2, d2 = 3)      12.17 m
//   earth's bulge there for k = 4/3             0.35 m
//   line of sight there, antennas at 32 and 18 m 26.40 m
//   an edge 1.05 m below it: v = -0.12, loss     4.99 dB
//   tilt of the 32 m antenna toward the other   -0.18 degrees (k = 4/3)

// The speed of light in 10^6 m/s: a wavelength in m from a frequency in MHz.
inline constexpr double kSpeedOfLightMegametresPerSecond = 299.792458;
// The earth's mean radius.
inline constexpr double kEarthRadiusKm = 6371.0;
// The share of the first Fresnel zone a path must keep free of obstacles.
inline constexpr double kClearFresnelPart = 0.6;

// lambda = 299.792458 / f. InvalidOperation unless f > 0.
Outcome<double> wavelengthMetres(double megahertz);

// 20 log10(4 pi f d 1000 / 299.792458), the logarithm taken as ln / ln 10.
// Negative f and d with a positive product give the loss of their magnitudes;
// InvalidOperation when the product is not positive.
Outcome<double> freeSpaceLossDb(double megahertz, double kilometres);

// The distance over which the free-space loss reaches `lossDb`, from the loss
// over 1 km: 10^((loss - FSL(f, 1 km)) / 20). 115.80 dB at 2427 MHz: 6.061 km.
// InvalidOperation unless f > 0, Overflow past double precision.
Outcome<double> freeSpaceDistanceKm(double megahertz, double lossDb);

// How far off its axis an antenna may point for a given loss. The main lobe
// of a half-power beamwidth theta3 loses 12 (theta / theta3)^2 dB at theta
// off the axis (the parabolic main lobe of the common antenna pattern
// models), so theta = theta3 sqrt(loss / 12): 1 dB at theta3 / sqrt(12) and
// 3 dB at theta3 / 2; an 18 degree antenna, 5.20 and 9.00 degrees.
// InvalidOperation unless theta3 > 0 and the loss >= 0.
Outcome<double> offAxisDegrees(double lossDb, double beamwidthDegrees);

// The first Fresnel zone's radius at a point d1 from one end and d2 from the
// other: sqrt(lambda d1 d2 / (d1 + d2)).
Outcome<double> fresnelRadiusMetres(double megahertz, double d1Km, double d2Km);

// How far the earth rises above the straight line between the two ends'
// ground at that point: d1 d2 / (2 k R).
Outcome<double> earthBulgeMetres(double d1Km, double d2Km, double earthFactor);

// The straight line between antennas h1 and h2 (m) at d1 of a d km path:
// h1 + (h2 - h1) d1 / d.
Outcome<double> lineOfSightMetres(double h1, double h2, double d1Km, double dKm);

// The diffraction parameter of a knife edge whose top is `clearance` m below
// the line of sight (negative: above it), at d1 and d2 from the ends:
// v = -clearance sqrt(2 / lambda (1 / d1 + 1 / d2)), lengths in m.
Outcome<double> diffractionParameter(double clearanceMetres, double megahertz, double d1Km,
                                     double d2Km);

// The loss of a single knife edge (ITU-R P.526):
// J(v) = 6.9 + 20 log10(sqrt((v - 0.1)^2 + 1) + v - 0.1) for v > -0.78, else 0.
Outcome<double> knifeEdgeLossDb(double v);

// The angle of an antenna at height hThis toward one at hOther, d km away,
// with the earth's curvature: atan((hOther - hThis) / d - d / (2 k R)),
// in degrees, negative when it points down.
Outcome<double> antennaTiltDegrees(double hThis, double hOther, double dKm, double earthFactor);

// The height an antenna needs at one end for the line of sight to pass
// `target` m up at d1 from this end and d2 from the other end, whose antenna is
// at hOther: from h + (hOther - h) d1 / (d1 + d2) = target,
// h = (target (d1 + d2) - hOther d1) / d2. 22.66 m up at 2 of 5 km, the other
// antenna at 18 m: 25.76 m.
Outcome<double> antennaHeightForLineMetres(double targetMetres, double hOther, double d1Km,
                                           double d2Km);

// Where the two steepest rays of a profile meet (ITU-R P.526, Bullington): the
// ray from end 1 (antenna hts, slope Stim in m/km) and the ray from end 2
// (antenna hrs, slope Srim toward end 1), km from end 1, over d km:
// dbp = (hrs - hts + Srim d) / (Stim + Srim). Antennas at 120 and 115 m, 10 km
// apart, a ridge 181.41 m up (bulge included) at 4 km: Stim = 15.35, Srim =
// 11.07, dbp = 4.00 km.
Outcome<double> bullingtonBreakpointKm(double hts, double hrs, double stim, double srim,
                                       double dKm);

// The loss over a profile from the loss of its one equivalent knife edge Luc
// (ITU-R P.526, Bullington): Lb = Luc + (1 - e^(-Luc / 6)) (10 + 0.02 d).
// Luc = 4.99 dB over 5 km: 10.69 dB.
Outcome<double> bullingtonLossDb(double lucDb, double dKm);

// dBm = 10 ln(p) / ln(10). InvalidOperation for p <= 0 or NaN, Overflow for an
// infinite p.
Outcome<double> milliwattsToDbm(double milliwatts);

// mW = 10^(dBm / 10). Overflow past double precision, InvalidOperation for
// NaN; a power too small for double precision is 0.
Outcome<double> dbmToMilliwatts(double dbm);

// A receiver sensitivity is entered as its magnitude, 80 and -80 both meaning
// -80 dBm, read as a 16-bit integer: |s|, an Overflow for -32768.
Outcome<double> sensitivityMagnitude(const Outcome<std::int16_t>& sensitivity);

// Whether a margin meets the fade margin, judged on the margin as shown (two
// decimals), so that at the greatest distance, where it shows the fade margin
// itself, it reads as met: 10.004 meets 10, 9.994 does not.
bool meetsFadeMargin(double margin, double fadeMargin);

} // namespace tarvanel
