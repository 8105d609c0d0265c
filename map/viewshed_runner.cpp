#include "map/viewshed_runner.h"

#include "elevation/elevation_loader.h"
#include "map/off_thread.h"

namespace tarvanel {

QString sightWord(Sight sight) {
    switch (sight) {
    case Sight::visible:
        return QStringLiteral("ορατό");
    case Sight::hidden:
        return QStringLiteral("όχι");
    case Sight::unknown:
        break;
    }
    return {};
}

ViewshedLayer viewshedFor(ElevationReader& reader, const ViewshedAsk& ask,
                          std::function<bool(double done)> progress) {
    ViewshedRequest request{ask.elevationFolder.toStdString(),
                            ask.position,
                            ask.siteMastM,
                            ask.targetMastM,
                            ask.radiusM,
                            ask.earthFactorK,
                            {},
                            std::move(progress)};
    for (const auto& [id, position] : ask.others)
        request.queries.push_back(position);
    const Viewshed seen = reader.computeViewshed(request);
    ViewshedLayer layer{ask, pictureOf(seen), {}, QString::fromStdString(seen.error)};
    for (std::size_t i = 0; i < seen.queries.size() && i < ask.others.size(); ++i)
        layer.sights[ask.others[i].first] = seen.queries[i];
    if (seen.cancelled) layer.problem = QStringLiteral("Ακυρώθηκε.");
    return layer;
}

ViewshedRunner::ViewshedRunner(std::shared_ptr<ElevationReader> reader, QObject* parent)
    : QObject(parent)
    , m_reader(std::move(reader)) {
    m_progress.setInterval(100);
    connect(&m_progress, &QTimer::timeout, this,
            [this] { emit progressed(m_shared ? m_shared->percent.load() : 0); });
    connect(&m_running, &QFutureWatcher<ViewshedLayer>::finished, this, [this] {
        if (!m_running.isFinished()) return; // told late of one replaced since
        m_progress.stop();
        const bool wasCancelled = m_shared->cancel;
        if (wasCancelled)
            emit cancelled();
        else
            emit finished(m_running.result());
    });
}

ViewshedRunner::~ViewshedRunner() {
    cancel();
    m_running.waitForFinished();
}

void ViewshedRunner::start(const ViewshedAsk& ask) {
    cancel();
    m_running.waitForFinished();
    m_shared = std::make_shared<Shared>();
    const auto progress = [shared = m_shared](double done) {
        shared->percent = int(done * 100);
        return !shared->cancel;
    };
    m_running.setFuture(offThread(
        [reader = m_reader, ask, progress] { return viewshedFor(*reader, ask, progress); }));
    m_progress.start();
    emit progressed(0);
}

void ViewshedRunner::cancel() {
    if (m_shared) m_shared->cancel = true;
}

} // namespace tarvanel
