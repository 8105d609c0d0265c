#include "map/link_map.h"

#include "map/map_background.h"
#include "map/map_furniture.h"
#include "map/plan_layer.h"
#include "widgets/qt_number_locale.h"

#include <QPainter>

namespace tarvanel {

namespace {

// The scene fitted to the positions `fitted`, its current link thick.
void paintScene(QPainter& painter, const QRectF& box, const MapScene& scene,
                const std::vector<Position>& fitted, ElevationReader& reader,
                const QString& elevationFolder) {
    const MapProjection projection(MapProjection::fitting(fitted, box.size()), box.size());

    painter.save();
    painter.setClipRect(box);
    painter.translate(box.topLeft());
    const QRectF area(QPointF(), box.size());
    painter.fillRect(area, QColor(236, 234, 224));
    if (!elevationFolder.isEmpty())
        if (auto request = backgroundRequestFor(projection, elevationFolder, {})) {
            request->sizePx *= 2;
            paintPicture(painter, projection, backgroundFor(reader, *request).relief);
        }
    paintPlanLayer(painter, projection, scene, {}, 0);
    paintScaleBar(painter, area, projection.place().metresPerPixel);
    paintNorthArrow(painter, area);
    painter.restore();
}

} // namespace

void paintLinkMap(QPainter& painter, const QRectF& box, const Plan& plan, LinkId link,
                  ElevationReader& reader, const QString& elevationFolder) {
    MapScene scene = mapSceneOf(plan, numberLocaleFrom(QLocale()));
    scene.current = link;
    std::vector<Position> ends;
    if (const Link* shown = plan.link(link))
        for (const SiteId end : shown->ends)
            if (const auto* site = scene.site(end); site && site->position)
                ends.push_back(*site->position);
    paintScene(painter, box, scene, ends, reader, elevationFolder);
}

void paintPlanMap(QPainter& painter, const QRectF& box, const Plan& plan, ElevationReader& reader,
                  const QString& elevationFolder) {
    const MapScene scene = mapSceneOf(plan, numberLocaleFrom(QLocale()));
    paintScene(painter, box, scene, scene.positions(), reader, elevationFolder);
}

} // namespace tarvanel
