#pragma once

#include "engine/link_figures.h"
#include "geo/geo_position.h"
#include "numbers/number_locale.h"
#include "plan/plan.h"

#include <QString>

#include <optional>
#include <vector>

namespace tarvanel {

// What a link's line says: its margin at the link distance (less the path's
// loss Lb when its profile gives one) at least the fade margin, below it, or
// not known while a figure it needs is missing.
enum class LinkTone { Met, Short, Incomplete };

LinkTone linkToneOf(const LinkFigures& figures);

// A line of the survey from one site to another, as the survey found it:
// whether the margin there is at least the fade margin, or not known yet.
// The survey sets its rows on the map as these.
struct SurveyLine {
    SiteId from = 0;
    SiteId to = 0;
    std::optional<bool> marginMet;
};

// The plan as the map draws it, read once for each change of the plan.
struct MapScene {
    struct SitePoint {
        SiteId id = 0;
        QString name;
        std::optional<Position> position; // none while its text does not read
    };
    struct LinkLine {
        LinkId id = 0;
        std::array<SiteId, 2> ends{};
        LinkTone tone = LinkTone::Incomplete;
    };
    std::vector<SitePoint> sites;
    std::vector<LinkLine> links;
    LinkId current = 0;

    const SitePoint* site(SiteId id) const;
    // The positions that read, to fit the map to.
    std::vector<Position> positions() const;
};

// Every site and link of the plan, each link judged by the engine's figures.
MapScene mapSceneOf(const Plan& plan, const NumberLocale& locale);

} // namespace tarvanel
