#pragma once

class QAction;
class QWidget;

namespace tarvanel {

class Plan;

// Keeps the map and the sites' window that `window` opens (through these two
// actions) in step once both are open, whichever opens first:
//   - the survey's rows are thin lines on the map from the survey's site,
//     green or red as both margins keep the fade margin, grey while a row
//     waits; they follow the survey as it fills in and changes;
//   - what the map's viewshed found for the survey's own site is the survey
//     table's "Ορατό" column;
//   - a site chosen in the sites' table is chosen on the map, and a site
//     clicked on the map is the row chosen in the sites' table.
// (A link clicked on the map becomes current; the sites' window then
// selects the survey row of the current pair itself.)
void joinPlanViews(QWidget* window, Plan& plan, QAction* openMap, QAction* openSites);

} // namespace tarvanel
