#include "plan_views/plan_views.h"

#include "map/map_action.h"
#include "map/map_window.h"
#include "sites/sites_window.h"
#include "survey/survey_model.h"
#include "survey/survey_row.h"

#include <QAction>
#include <QPointer>

namespace tarvanel {

namespace {

// Whether a computed row keeps the fade margin both ways; none while it waits
// or a margin does not compute.
std::optional<bool> marginMet(const SurveyRow* row) {
    if (!row || !row->marginThere || !row->marginHere) return std::nullopt;
    return row->tones[SurveyMarginThere] == Tone::Good &&
           row->tones[SurveyMarginHere] == Tone::Good;
}

const QString kName = QStringLiteral("planViewJoint");

// The two windows joined; it lives with the map and does nothing once the
// sites' window is gone.
class ViewJoint : public QObject {
public:
    ViewJoint(Plan& plan, MapWindow& map, SitesWindow& sites)
        : QObject(&map)
        , m_plan(plan)
        , m_map(map)
        , m_sites(&sites) {
        SurveyModel* survey = sites.survey();
        setObjectName(kName);
        connect(survey, &QAbstractItemModel::modelReset, this, &ViewJoint::showSurvey);
        connect(survey, &QAbstractItemModel::dataChanged, this, &ViewJoint::showSurvey);
        connect(survey, &QAbstractItemModel::rowsInserted, this, &ViewJoint::showSurvey);
        connect(survey, &QAbstractItemModel::rowsRemoved, this, &ViewJoint::showSurvey);
        connect(&map, &MapWindow::visibilityChanged, this, &ViewJoint::showSights);
        connect(&map, &MapWindow::siteSelected, &sites, &SitesWindow::selectSite);
        connect(&sites, &SitesWindow::siteSelected, &map, &MapWindow::selectSite);
        showSurvey();
        showSights();
    }

private:
    void showSurvey() {
        if (!m_sites) return;
        const SurveyModel& survey = *m_sites->survey();
        std::vector<SurveyLine> lines;
        for (int row = 0; row < survey.rowCount(); ++row)
            lines.push_back(
                {m_plan.surveySite(), survey.siteAt(row), marginMet(survey.rowAt(row))});
        m_map.setSurveyLines(std::move(lines));
    }

    void showSights() {
        if (!m_sites) return;
        std::map<SiteId, QString> words;
        for (const auto& [site, sight] : m_map.visibility())
            words.emplace(site, sightWord(sight));
        m_sites->survey()->setSights(m_map.visibilityFrom(), std::move(words));
    }

    Plan& m_plan;
    MapWindow& m_map;
    QPointer<SitesWindow> m_sites;
};

} // namespace

void joinPlanViews(QWidget* window, Plan& plan, QAction* openMap, QAction* openSites) {
    // After each action's own handler, which opens its window.
    const auto join = [window, &plan] {
        MapWindow* map = mapWindowOf(window);
        auto* sites = window->findChild<SitesWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (map && sites && !map->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly))
            new ViewJoint(plan, *map, *sites);
    };
    QObject::connect(openMap, &QAction::triggered, window, join);
    QObject::connect(openSites, &QAction::triggered, window, join);
}

} // namespace tarvanel
