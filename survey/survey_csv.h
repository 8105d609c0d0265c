#pragma once

#include <QString>

namespace tarvanel {

class SurveyView;

// The survey's table as a CSV file (widgets/csv_saving.h), in the order the
// view shows it: each other site's own columns as typed, under the keys the
// sites' import reads back (name;position;ground_m;mast_m;power;...), then
// its figures as numbers in the locale's decimal mark, where they compute:
//   distance_km, bearing_here_deg, bearing_there_deg, ground (the ground's
//   source, as the table says it), worst_point_km, worst_point_f1_percent
//   (with ground), clearance_needed_m (without: at mid-path), lb_db,
//   received_there_dbm, margin_there_db, received_here_dbm, margin_here_db,
//   best_rate (as the table says it), visible (the "Ορατό" column).
// A row still waiting has its site's columns only.
QString surveyCsv(const SurveyView& view);

} // namespace tarvanel
