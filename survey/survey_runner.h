#pragma once

#include "elevation/elevation_sampling.h"
#include "numbers/number_locale.h"
#include "plan/link.h"
#include "survey/survey_row.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

class ElevationReader;

// The rows of a survey to compute: the chosen site, the sites to survey from
// it, each with the ground already read for it when there is one, and the
// survey's settings. Copies, so the plan may change while they are computed.
struct SurveyJob {
    struct Task {
        Site to;
        std::optional<ElevationProfile> ground; // read before, for the same positions and folder
    };
    Link settings;
    Site from;
    std::vector<Task> tasks;
    std::string folderUtf8; // empty: no ground
    NumberLocale locale;
};

// A row computed, with the ground it was computed over and the pair as it saw it.
struct SurveyResult {
    SurveyPair pair;
    std::optional<ElevationProfile> ground;
    SurveyRow row;
};

// Computes a job's rows off the window's thread, one after another, in the
// order given, reading the ground through one elevation session. Each row is
// told as it is done; a job cancelled, or replaced by another, tells no more.
class SurveyRunner : public QObject {
    Q_OBJECT
public:
    explicit SurveyRunner(QObject* parent = nullptr);
    ~SurveyRunner() override; // waits for the row being computed

    void run(SurveyJob job); // cancels the job running
    void cancel();
    bool running() const { return m_watcher != nullptr; }

signals:
    void rowDone(const tarvanel::SurveyResult& result);
    void progress(int done, int total);
    void finished(bool cancelled);

private:
    void stop();

    std::shared_ptr<ElevationReader> m_reader;         // loads the plugin on first use
    QThreadPool m_pool;                                // one thread: a survey at a time
    QFutureWatcher<SurveyResult>* m_watcher = nullptr; // a new one a job: none of an old one's news
    int m_total = 0;
};

} // namespace tarvanel
