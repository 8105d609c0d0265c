#pragma once

#include "numbers/number_locale.h"
#include "plan/plan.h"
#include "survey/survey_runner.h"

#include <QAbstractTableModel>

#include <map>
#include <optional>
#include <vector>

namespace tarvanel {

// The survey from the plan's chosen site as a table: a row for every other
// site (survey/survey.h says which), its figures filled in as they are
// computed off the window's thread. The model follows the plan's changes,
// taken together once a burst of them is over: a site that differs from the
// one surveyed is surveyed again alone (the chosen one: every row), a site
// added or removed adds or removes its row, other link settings, another
// folder or locale survey every row again; the ground already read is read
// again only for other positions or another folder. A row is either whole or,
// while it waits, blank but for its name.
//
// A map reads the rows through SiteIdRole (the other site's id) and
// MarginRole (the weaker way's margin in dB, a double; none while waiting),
// and follows dataChanged and the resets. After the survey's own columns,
// "Ορατό" says what a viewshed from the chosen site found for each other site
// (setSights); it is empty for a viewshed from another site, or none.
class SurveyModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { SiteIdRole = Qt::UserRole + 1, MarginRole, SortRole };
    static constexpr int kSightColumn = static_cast<int>(SurveyColumnCount);

    explicit SurveyModel(Plan& plan, QObject* parent = nullptr);
    ~SurveyModel() override;

    const Plan& plan() const { return m_plan; }
    SiteId siteAt(int row) const;
    const SurveyRow* rowAt(int row) const; // null while it waits
    // The pair of a computed row becomes the plan's current link, from the
    // chosen site: the link between the two (or a new one) with the survey's
    // settings and ground, and an empty ground of either site from the files.
    void makeCurrent(int row);

    // Whether each site is seen from `from` ("ορατό", "όχι"; a site left out:
    // not known), as a viewshed worked it out.
    void setSights(SiteId from, std::map<SiteId, QString> words);

    void cancel(); // rows not yet computed stay blank
    void resume(); // computes the rows still blank
    bool running() const { return m_runner->running(); }
    int waiting() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void progress(int done, int total);
    void finished(bool cancelled);

private:
    struct Entry {
        Site given; // the site as the plan held it when surveyed
        std::optional<SurveyResult> result;
        std::string groundKey; // positions and folder the ground was read for
        std::optional<ElevationProfile> ground;
    };

    void follow(const PlanChange& change);
    void sync();
    void survey();
    void take(const SurveyResult& result);
    Entry* entryOf(SiteId site);
    QVariant sightData(SiteId site, int role) const;

    Plan& m_plan;
    int m_listening = 0;
    SurveyRunner* m_runner;
    std::vector<Entry> m_entries;
    bool m_syncPending = false;
    // What the rows were computed with.
    Site m_from;
    Site m_fromFilled; // as the pairs saw it, with the files' ground
    Link m_settings;
    std::string m_folder;
    NumberLocale m_locale;
    SiteId m_sightsFrom = 0;
    std::map<SiteId, QString> m_sights;
};

} // namespace tarvanel
