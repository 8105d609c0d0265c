#include "map/map_projection.h"

#include <algorithm>
#include <cmath>

namespace tarvanel {

namespace {

constexpr double kMostLatitude = 85.0;
constexpr double kOneSiteMetresPerPixel = 20.0;

double cosineOf(double degrees) {
    return std::cos(degrees * std::numbers::pi / 180.0);
}

MapPlace kept(MapPlace place) {
    if (!std::isfinite(place.metresPerPixel)) place.metresPerPixel = kOneSiteMetresPerPixel;
    place.metresPerPixel = std::clamp(place.metresPerPixel, MapProjection::kFinestMetresPerPixel,
                                      MapProjection::kCoarsestMetresPerPixel);
    place.latitude = std::clamp(place.latitude, -kMostLatitude, kMostLatitude);
    place.longitude = std::clamp(place.longitude, -180.0, 180.0);
    return place;
}

} // namespace

MapProjection::MapProjection(const MapPlace& place, const QSizeF& size)
    : m_place(kept(place))
    , m_size(size) {}

double MapProjection::pixelsPerDegreeLatitude() const {
    return kMetresPerDegree / m_place.metresPerPixel;
}

double MapProjection::pixelsPerDegreeLongitude() const {
    return pixelsPerDegreeLatitude() * cosineOf(m_place.latitude);
}

QPointF MapProjection::toPixel(const Position& p) const {
    return {m_size.width() / 2 + (p.longitude - m_place.longitude) * pixelsPerDegreeLongitude(),
            m_size.height() / 2 + (m_place.latitude - p.latitude) * pixelsPerDegreeLatitude()};
}

Position MapProjection::toPosition(const QPointF& pixel) const {
    return {m_place.latitude - (pixel.y() - m_size.height() / 2) / pixelsPerDegreeLatitude(),
            m_place.longitude + (pixel.x() - m_size.width() / 2) / pixelsPerDegreeLongitude()};
}

GeoExtent MapProjection::extent() const {
    const Position northWest = toPosition({0.0, 0.0});
    const Position southEast = toPosition({m_size.width(), m_size.height()});
    return {northWest.longitude, southEast.latitude, southEast.longitude, northWest.latitude};
}

QRectF MapProjection::rectOf(const GeoExtent& area) const {
    return QRectF(toPixel({area.north, area.west}), toPixel({area.south, area.east}));
}

MapProjection MapProjection::panned(const QPointF& pixels) const {
    MapPlace moved = m_place;
    const Position middle = toPosition(QPointF(m_size.width() / 2, m_size.height() / 2) - pixels);
    moved.latitude = middle.latitude;
    moved.longitude = middle.longitude;
    return {moved, m_size};
}

MapProjection MapProjection::zoomed(double factor, const QPointF& about) const {
    const Position held = toPosition(about);
    MapPlace closer = m_place;
    closer.metresPerPixel /= factor;
    const MapProjection scaled(closer, m_size);
    // Back under the pointer: the middle moves by what the point drifted.
    return scaled.panned(about - scaled.toPixel(held));
}

MapPlace MapProjection::fitting(const std::vector<Position>& positions, const QSizeF& size) {
    if (positions.empty()) return {0.0, 0.0, kCoarsestMetresPerPixel};
    GeoExtent box{positions[0].longitude, positions[0].latitude, positions[0].longitude,
                  positions[0].latitude};
    for (const Position& p : positions) {
        box.west = std::min(box.west, p.longitude);
        box.east = std::max(box.east, p.longitude);
        box.south = std::min(box.south, p.latitude);
        box.north = std::max(box.north, p.latitude);
    }
    const double latitude = (box.south + box.north) / 2;
    const double wideM = (box.east - box.west) * kMetresPerDegree * cosineOf(latitude);
    const double tallM = (box.north - box.south) * kMetresPerDegree;
    const double metresPerPixel = std::max(wideM / (0.8 * std::max(1.0, size.width())),
                                           tallM / (0.8 * std::max(1.0, size.height())));
    return kept({latitude, (box.west + box.east) / 2,
                 metresPerPixel > 0.0 ? metresPerPixel : kOneSiteMetresPerPixel});
}

} // namespace tarvanel
