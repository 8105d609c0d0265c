#include "survey/survey_runner.h"

#include "elevation/elevation_loader.h"

#include <QPromise>

#include <utility>

namespace tarvanel {

namespace {

void compute(QPromise<SurveyResult>& promise, const SurveyJob& job, ElevationReader& reader) {
    promise.setProgressRange(0, static_cast<int>(job.tasks.size()));
    std::unique_ptr<ElevationSession> session;
    if (!job.folderUtf8.empty()) session = reader.openSession(job.folderUtf8);
    const PositionReading from = readPosition(job.from.position, job.locale);
    int done = 0;
    for (const SurveyJob::Task& task : job.tasks) {
        if (promise.isCanceled()) return;
        std::optional<ElevationProfile> ground = task.ground;
        if (session && !ground)
            ground =
                session->sample(from.position, readPosition(task.to.position, job.locale).position);
        SurveyPair pair =
            surveyPair(job.settings, job.from, task.to, ground, job.folderUtf8, job.locale);
        SurveyRow row = surveyRow(pair, ground, job.locale);
        promise.addResult(SurveyResult{std::move(pair), std::move(ground), std::move(row)});
        promise.setProgressValue(++done);
    }
}

} // namespace

SurveyRunner::SurveyRunner(QObject* parent)
    : QObject(parent)
    , m_reader(std::make_shared<ElevationReader>()) {
    m_pool.setMaxThreadCount(1);
}

SurveyRunner::~SurveyRunner() {
    stop();
}

void SurveyRunner::stop() {
    auto* watcher = std::exchange(m_watcher, nullptr);
    if (!watcher) return;
    watcher->disconnect(this);
    watcher->cancel();
    watcher->waitForFinished();
    watcher->deleteLater();
}

void SurveyRunner::run(SurveyJob job) {
    stop();
    m_total = static_cast<int>(job.tasks.size());
    auto* watcher = m_watcher = new QFutureWatcher<SurveyResult>(this);
    connect(watcher, &QFutureWatcherBase::resultReadyAt, this,
            [this, watcher](int index) { emit rowDone(watcher->resultAt(index)); });
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this](int done) { emit progress(done, m_total); });
    connect(watcher, &QFutureWatcherBase::finished, this, [this] {
        stop();
        emit finished(false);
    });
    emit progress(0, m_total);
    // As QtConcurrent::run with a promise would, without loading one more
    // library when the program starts.
    auto promise = std::make_shared<QPromise<SurveyResult>>();
    watcher->setFuture(promise->future());
    promise->start();
    m_pool.start([promise, job = std::move(job), reader = m_reader] {
        compute(*promise, job, *reader);
        promise->finish();
    });
}

void SurveyRunner::cancel() {
    if (!m_watcher) return;
    stop();
    emit finished(true);
}

} // namespace tarvanel
