#pragma once

#include "elevation/geo_extent.h"
#include "geo/geo_position.h"
#include "plan/map_place.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <numbers>
#include <vector>

namespace tarvanel {

// Metres in a degree of latitude on a sphere of the earth's mean radius, as
// the elevation plugin lays its pictures.
inline constexpr double kMetresPerDegree = 6371008.8 * std::numbers::pi / 180.0;

// How the map lays the earth on the screen: north up, equirectangular about
// its middle. A degree of latitude is kMetresPerDegree / metresPerPixel pixels
// everywhere, a degree of longitude that times the cosine of the middle's
// latitude: the grid the relief and the viewshed come on, so that a picture
// of an area lies on the map by stretching alone.
//
// Worked example: the middle at 38° N 23.75° E, 20 m a pixel, 900 x 700
// pixels. A degree of latitude is 111195.1 / 20 = 5559.8 px, of longitude
// 5559.8 x cos 38° = 4381.2 px, so 37.97552 N 23.73484 E lies at
// (450 - 0.01516 x 4381.2, 350 + 0.02448 x 5559.8) = (383.6, 486.1).
class MapProjection {
public:
    // The scale is kept between these, the middle within 85° of the equator.
    static constexpr double kFinestMetresPerPixel = 0.5;
    static constexpr double kCoarsestMetresPerPixel = 20000.0;

    MapProjection(const MapPlace& place, const QSizeF& size);

    const MapPlace& place() const { return m_place; }
    const QSizeF& size() const { return m_size; }

    QPointF toPixel(const Position& p) const;
    Position toPosition(const QPointF& pixel) const;
    // What the map shows, as far as it reaches (beyond the poles too).
    GeoExtent extent() const;
    // The pixels an area covers.
    QRectF rectOf(const GeoExtent& area) const;

    // The map dragged by `pixels`: what was under a point is that far on.
    MapProjection panned(const QPointF& pixels) const;
    // `factor` times closer (above 1 zooms in), the point under `about`
    // staying where it is.
    MapProjection zoomed(double factor, const QPointF& about) const;

    // The place that shows every position with a tenth of the map to spare
    // on each side; one position (or many at one spot) at 20 m a pixel; none
    // at 0° 0° and 20 km a pixel.
    static MapPlace fitting(const std::vector<Position>& positions, const QSizeF& size);

private:
    double pixelsPerDegreeLatitude() const;
    double pixelsPerDegreeLongitude() const;

    MapPlace m_place;
    QSizeF m_size;
};

} // namespace tarvanel
