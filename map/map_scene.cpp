#include "map/map_scene.h"

#include <algorithm>

namespace tarvanel {

LinkTone linkToneOf(const LinkFigures& figures) {
    const bool overPath = figures.path.margin.ok();
    const bool known = overPath || figures.atDistance.margin.ok();
    if (!known || !figures.atDistance.fadeMargin.ok()) return LinkTone::Incomplete;
    const bool met = overPath ? figures.path.marginMet : figures.atDistance.marginMet;
    return met ? LinkTone::Met : LinkTone::Short;
}

const MapScene::SitePoint* MapScene::site(SiteId id) const {
    const auto found =
        std::find_if(sites.begin(), sites.end(), [id](const SitePoint& s) { return s.id == id; });
    return found == sites.end() ? nullptr : &*found;
}

std::vector<Position> MapScene::positions() const {
    std::vector<Position> read;
    for (const SitePoint& s : sites)
        if (s.position) read.push_back(*s.position);
    return read;
}

MapScene mapSceneOf(const Plan& plan, const NumberLocale& locale) {
    MapScene scene;
    for (const Site& site : plan.sites()) {
        const PositionReading reading = readPosition(site.position, locale);
        scene.sites.push_back({site.id, QString::fromStdString(site.name),
                               reading.ok() ? std::optional(reading.position) : std::nullopt});
    }
    for (const Link& link : plan.links())
        scene.links.push_back(
            {link.id, link.ends, linkToneOf(linkFigures(plan.inputs(link.id), locale))});
    scene.current = plan.currentLink();
    return scene;
}

} // namespace tarvanel
