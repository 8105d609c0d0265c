#include "map/map_background.h"

#include "elevation/elevation_loader.h"
#include "map/off_thread.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace tarvanel {

namespace {

constexpr double kMostLatitude = 85.0;

QString missingTilesNote(const std::vector<std::string>& tiles) {
    QStringList named;
    for (std::size_t i = 0; i < std::min<std::size_t>(tiles.size(), 3); ++i)
        named << QString::fromStdString(tiles[i]);
    if (tiles.size() > 3) named << QStringLiteral("και %1 ακόμη").arg(tiles.size() - 3);
    return QStringLiteral("Λείπουν πλακίδια υψομέτρων: %1.").arg(named.join(QStringLiteral(", ")));
}

} // namespace

bool BackgroundRequest::operator==(const BackgroundRequest& other) const {
    const auto fields = [](const BackgroundRequest& r) {
        return std::tie(r.elevationFolder, r.rasterMap, r.area.west, r.area.south, r.area.east,
                        r.area.north, r.sizePx);
    };
    return fields(*this) == fields(other);
}

std::optional<BackgroundRequest> backgroundRequestFor(const MapProjection& projection,
                                                      const QString& elevationFolder,
                                                      const QString& rasterMap) {
    const GeoExtent view = projection.extent();
    const bool relief = !elevationFolder.isEmpty() && view.east - view.west <= kWidestReliefDegrees;
    if (!relief && rasterMap.isEmpty()) return std::nullopt;
    const GeoExtent world{std::max(view.west, -180.0), std::max(view.south, -kMostLatitude),
                          std::min(view.east, 180.0), std::min(view.north, kMostLatitude)};
    if (world.west >= world.east || world.south >= world.north) return std::nullopt;
    const QRectF pixels = projection.rectOf(world);
    const QSize size(std::clamp(int(std::lround(pixels.width())), 1, 8192),
                     std::clamp(int(std::lround(pixels.height())), 1, 8192));
    return BackgroundRequest{relief ? elevationFolder : QString(), rasterMap, world, size};
}

MapBackground backgroundFor(ElevationReader& reader, const BackgroundRequest& request) {
    MapBackground background;
    QStringList notes;
    const int width = request.sizePx.width(), height = request.sizePx.height();
    if (!request.rasterMap.isEmpty()) {
        const RasterMapPicture map =
            reader.readRasterMap({request.rasterMap.toStdString(), request.area, width, height});
        background.rasterMap = pictureOf(map, request.area);
        if (!map.error.empty()) notes << QString::fromStdString(map.error);
    }
    if (!request.elevationFolder.isEmpty()) {
        const ShadedRelief relief = reader.shadeRelief(
            {request.elevationFolder.toStdString(), request.area, width, height});
        background.relief = pictureOf(relief, request.area);
        if (!relief.error.empty())
            notes << QString::fromStdString(relief.error);
        else if (!relief.missingTiles.empty())
            notes << missingTilesNote(relief.missingTiles);
    }
    background.notes = notes.join(QLatin1Char('\n'));
    return background;
}

BackgroundLoader::BackgroundLoader(std::shared_ptr<ElevationReader> reader, QObject* parent)
    : QObject(parent)
    , m_reader(std::move(reader)) {
    connect(&m_running, &QFutureWatcher<MapBackground>::finished, this, [this] {
        if (!m_running.isFinished()) return; // told late of one replaced since
        const MapBackground background = m_running.result();
        if (m_waiting) {
            start(*m_waiting);
            m_waiting.reset();
        }
        emit ready(background);
    });
}

BackgroundLoader::~BackgroundLoader() {
    m_running.waitForFinished();
}

void BackgroundLoader::request(const BackgroundRequest& request) {
    if (m_running.isRunning())
        m_waiting = request;
    else
        start(request);
}

void BackgroundLoader::start(const BackgroundRequest& request) {
    m_running.setFuture(
        offThread([reader = m_reader, request] { return backgroundFor(*reader, request); }));
}

} // namespace tarvanel
