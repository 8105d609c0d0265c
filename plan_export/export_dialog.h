#pragma once

#include <QString>

class QAction;
class QWidget;

namespace tarvanel {

class Plan;

// Asks where to write the plan for Google Earth or a GIS tool and writes it
// (plan_export/plan_features.h) through the elevation plugin. The file
// dialog's type chooses the format, KML or GeoJSON, and whether the current
// link's Fresnel outline goes with it; a name without an ending takes the
// type's. A failure is told in a message naming the file. Returns what was
// written, in a sentence ("Γράφτηκε το σχέδιο.kml."), empty when nothing was.
QString exportPlan(QWidget* parent, const Plan& plan);

// "Εξαγωγή..." among `window`'s actions, for its right-click menu.
QAction* addExportAction(QWidget* window, const Plan& plan);

} // namespace tarvanel
