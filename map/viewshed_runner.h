#pragma once

#include "map/map_picture.h"
#include "plan/site.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <map>
#include <memory>
#include <vector>

namespace tarvanel {

class ElevationReader;

// What a site sees: from its antenna (its mast above the ground) to a mast of
// `targetMastM` anywhere within the radius, over the ground of the elevation
// folder, the earth bent by k. Line of sight only: the Fresnel zone is not
// asked to be clear.
struct ViewshedAsk {
    QString elevationFolder;
    SiteId site = 0;
    Position position;
    double siteMastM = 0.0;
    double targetMastM = 0.0;
    double radiusM = 20000.0;
    double earthFactorK = 4.0 / 3.0;
    std::vector<std::pair<SiteId, Position>> others; // sites to answer for
};

struct ViewshedLayer {
    ViewshedAsk ask;
    MapPicture picture;
    // Whether each of the others is seen (unknown beyond the radius or
    // without ground), as the survey table shows it.
    std::map<SiteId, Sight> sights;
    QString problem; // in Greek, when nothing was worked out
};

// "ορατό", "όχι", or nothing for a site the viewshed does not reach.
QString sightWord(Sight sight);

ViewshedLayer viewshedFor(ElevationReader& reader, const ViewshedAsk& ask,
                          std::function<bool(double done)> progress = {});

// Works a viewshed out off the caller's thread, telling its progress; one at
// a time, cancelled by cancel() or by a new one.
class ViewshedRunner : public QObject {
    Q_OBJECT
public:
    ViewshedRunner(std::shared_ptr<ElevationReader> reader, QObject* parent = nullptr);
    ~ViewshedRunner() override; // cancels and waits

    void start(const ViewshedAsk& ask);
    void cancel();
    bool busy() const { return m_running.isRunning(); }

signals:
    void progressed(int percent);
    void finished(const tarvanel::ViewshedLayer& layer); // not when cancelled
    void cancelled();

private:
    struct Shared {
        std::atomic<bool> cancel{false};
        std::atomic<int> percent{0};
    };
    std::shared_ptr<ElevationReader> m_reader;
    std::shared_ptr<Shared> m_shared;
    QFutureWatcher<ViewshedLayer> m_running;
    QTimer m_progress;
};

} // namespace tarvanel
