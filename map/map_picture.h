#pragma once

#include "elevation/raster_map.h"
#include "elevation/shaded_relief.h"
#include "elevation/viewshed.h"
#include "map/map_projection.h"

#include <QImage>

class QPainter;

namespace tarvanel {

// A picture of an area on the map's kind of grid (north up, equirectangular),
// as the elevation plugin makes them: drawn on any view of the map by
// stretching it over the pixels the area covers.
struct MapPicture {
    QImage image; // null when there is none
    GeoExtent area;
};

MapPicture pictureOf(const ShadedRelief& relief, const GeoExtent& area);
MapPicture pictureOf(const RasterMapPicture& map, const GeoExtent& area);
// The cells a site sees in translucent yellow, those it does not in a faint
// grey; the rest clear.
MapPicture pictureOf(const Viewshed& seen);

void paintPicture(QPainter& painter, const MapProjection& projection, const MapPicture& picture,
                  double opacity = 1.0);

} // namespace tarvanel
