#pragma once

#include "elevation/feature_writing.h"
#include "numbers/number_locale.h"
#include "plan/plan.h"

#include <vector>

namespace tarvanel {

// The plan as features for Google Earth and GIS tools (written by the
// elevation plugin, elevation/feature_writing.h), in three layers:
//
// "Τοποθεσίες": each site whose texts make a site (sites/site_columns.h), a
//   point at its antenna, ground + mast above sea level (an empty ground or
//   mast is 0), with the site's texts as typed under the plan file's keys
//   (name aside: ground_m, mast_m, power, power_unit, gain_dbi, ...), which
//   the sites' import reads back, and antenna_asl_m, the antenna's height as
//   a number.
// "Ζεύξεις": each link between two such sites, a line from antenna to
//   antenna, green while its margin at the link distance (less Lb over its
//   profile) keeps the fade margin, red below, grey while a figure it needs
//   is missing; the current link wider. Its figures as numbers, rounded as
//   the window shows them, where they compute: distance_km, bearing_1_deg,
//   bearing_2_deg, worst_point_km, worst_point_f1_percent, lb_db, margin_db,
//   fade_margin_db; best_rate as its text; and a Greek description (Google
//   Earth's balloon).
// "Ζώνη Fresnel 60 %" (when asked for, and the current link has a worst
//   point): the circle 60 % of the first Fresnel zone's radius around the
//   line of sight at the current link's worst point, across the path, as a
//   closed line at absolute altitudes: what must stay clear there.
//
// Worked figures (the README's sites A-D, A-B the current link, flat):
// A's point at 37.97552, 23.73484, 120 m (ground 100 + mast 20); A-B a red
// line, 6.333 km, margin_db 9.62 (fade margin 10).
std::vector<FeatureLayer> planFeatures(const Plan& plan, const NumberLocale& locale,
                                       bool fresnelOutline);

} // namespace tarvanel
