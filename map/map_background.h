#pragma once

#include "map/map_picture.h"

#include <QFutureWatcher>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

namespace tarvanel {

class ElevationReader;

// What lies under the plan on the map: the shaded relief from the user's
// elevation folder over, optionally, a map the user has; worked out by the
// elevation plugin for the area in view at the map's size.
struct BackgroundRequest {
    QString elevationFolder; // none: no relief
    QString rasterMap;       // none: no map under it
    GeoExtent area;
    QSize sizePx;
    bool operator==(const BackgroundRequest& other) const;
};

struct MapBackground {
    MapPicture relief;
    MapPicture rasterMap;
    QString notes; // what could not be drawn and why, in Greek
};

// The relief is drawn only while the map spans at most this many degrees of
// longitude: wider, it would take long to come.
inline constexpr double kWidestReliefDegrees = 6.0;

// The request for a view: its part within the world, at the pixels that part
// covers; none when nothing is asked for or the view lies beyond the world.
std::optional<BackgroundRequest> backgroundRequestFor(const MapProjection& projection,
                                                      const QString& elevationFolder,
                                                      const QString& rasterMap);

// Works the background out on the caller's thread.
MapBackground backgroundFor(ElevationReader& reader, const BackgroundRequest& request);

// Works backgrounds out off the caller's thread, one at a time: a request made
// while one is worked out waits, and only the latest such waits.
class BackgroundLoader : public QObject {
    Q_OBJECT
public:
    BackgroundLoader(std::shared_ptr<ElevationReader> reader, QObject* parent = nullptr);
    ~BackgroundLoader() override; // waits for the one being worked out

    void request(const BackgroundRequest& request);
    bool busy() const { return m_running.isRunning() || m_waiting.has_value(); }

signals:
    void ready(const tarvanel::MapBackground& background);

private:
    void start(const BackgroundRequest& request);

    std::shared_ptr<ElevationReader> m_reader;
    QFutureWatcher<MapBackground> m_running;
    std::optional<BackgroundRequest> m_waiting;
};

} // namespace tarvanel
