#include "map/map_picture.h"

#include <QPainter>

namespace tarvanel {

namespace {

const QRgb kSeen = qRgba(255, 230, 0, 100);
const QRgb kUnseen = qRgba(30, 30, 60, 60);

QImage imageOf(const std::vector<std::uint8_t>& rgba, int width, int height,
               QImage::Format format) {
    if (rgba.empty()) return {};
    return QImage(rgba.data(), width, height, width * 4, QImage::Format_RGBA8888)
        .convertToFormat(format); // a copy, in the format quickest to draw
}

} // namespace

MapPicture pictureOf(const ShadedRelief& relief, const GeoExtent& area) {
    return {imageOf(relief.rgba, relief.widthPx, relief.heightPx, QImage::Format_RGB32), area};
}

MapPicture pictureOf(const RasterMapPicture& map, const GeoExtent& area) {
    return {imageOf(map.rgba, map.widthPx, map.heightPx, QImage::Format_ARGB32_Premultiplied),
            area};
}

MapPicture pictureOf(const Viewshed& seen) {
    if (seen.cells.empty()) return {};
    QImage image(seen.widthPx, seen.heightPx, QImage::Format_ARGB32);
    for (int y = 0; y < seen.heightPx; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < seen.widthPx; ++x) {
            const Sight sight = seen.cells[std::size_t(y) * seen.widthPx + x];
            line[x] = sight == Sight::visible  ? kSeen
                      : sight == Sight::hidden ? kUnseen
                                               : qRgba(0, 0, 0, 0);
        }
    }
    return {image.convertToFormat(QImage::Format_ARGB32_Premultiplied), seen.area};
}

void paintPicture(QPainter& painter, const MapProjection& projection, const MapPicture& picture,
                  double opacity) {
    if (picture.image.isNull()) return;
    painter.save();
    painter.setOpacity(opacity);
    painter.drawImage(projection.rectOf(picture.area), picture.image);
    painter.restore();
}

} // namespace tarvanel
