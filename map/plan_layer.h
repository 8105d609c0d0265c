#pragma once

#include "map/map_projection.h"
#include "map/map_scene.h"

#include <QColor>

class QPainter;

namespace tarvanel {

// The plan drawn over the map: the survey's lines thin, the links as lines in
// the colour of their margin (the current one thicker), the sites as dots
// with their names, the selected site ringed.

inline const QColor kSiteDot{20, 50, 150};
QColor toneColour(LinkTone tone);

void paintPlanLayer(QPainter& painter, const MapProjection& projection, const MapScene& scene,
                    const std::vector<SurveyLine>& survey, SiteId selectedSite);

// What a click at `pixel` lands on: the nearest site within a few pixels of
// its dot, else the nearest link within a few pixels of its line, else none.
struct MapHit {
    SiteId site = 0;
    LinkId link = 0;
};
MapHit hitAt(const MapProjection& projection, const MapScene& scene, const QPointF& pixel);

} // namespace tarvanel
