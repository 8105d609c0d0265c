#include "plan/plan.h"

#include <algorithm>

namespace tarvanel {

namespace {

template <class T> auto findId(std::vector<T>& items, int id) {
    return std::find_if(items.begin(), items.end(), [id](const T& item) { return item.id == id; });
}

} // namespace

Plan::Plan() {
    Site site;
    site.name = "Άκρο 1";
    const SiteId end1 = addSite(site);
    site.name = "Άκρο 2";
    const SiteId end2 = addSite(site);
    Link link;
    link.ends = {end1, end2};
    m_current = addLink(link);
}

Plan::Plan(std::vector<Site> sites, std::vector<Link> links, LinkId current)
    : m_sites(std::move(sites))
    , m_links(std::move(links))
    , m_current(current) {
    for (const Site& s : m_sites)
        m_nextSite = std::max(m_nextSite, s.id + 1);
    for (const Link& l : m_links)
        m_nextLink = std::max(m_nextLink, l.id + 1);
}

// Listeners belong to the plan they listen to, not to its copies.
Plan::Plan(const Plan& other)
    : m_sites(other.m_sites)
    , m_links(other.m_links)
    , m_current(other.m_current)
    , m_mapPlace(other.m_mapPlace)
    , m_surveySite(other.m_surveySite)
    , m_surveyFolder(other.m_surveyFolder)
    , m_nextSite(other.m_nextSite)
    , m_nextLink(other.m_nextLink) {}

Plan& Plan::operator=(const Plan& other) {
    m_sites = other.m_sites;
    m_links = other.m_links;
    m_current = other.m_current;
    m_mapPlace = other.m_mapPlace;
    m_surveySite = other.m_surveySite;
    m_surveyFolder = other.m_surveyFolder;
    m_nextSite = other.m_nextSite;
    m_nextLink = other.m_nextLink;
    return *this;
}

bool Plan::operator==(const Plan& other) const {
    return m_sites == other.m_sites && m_links == other.m_links && m_current == other.m_current &&
           m_surveySite == other.m_surveySite && m_surveyFolder == other.m_surveyFolder;
}

const Site* Plan::site(SiteId id) const {
    return const_cast<Plan*>(this)->siteById(id);
}

const Link* Plan::link(LinkId id) const {
    return const_cast<Plan*>(this)->linkById(id);
}

Site* Plan::siteById(SiteId id) {
    const auto found = findId(m_sites, id);
    return found == m_sites.end() ? nullptr : &*found;
}

Link* Plan::linkById(LinkId id) {
    const auto found = findId(m_links, id);
    return found == m_links.end() ? nullptr : &*found;
}

void Plan::setCurrentLink(LinkId id) {
    if (id == m_current || !link(id)) return;
    m_current = id;
    tell({PlanChange::Kind::CurrentLink, id});
}

void Plan::setMapPlace(const std::optional<MapPlace>& place) {
    if (place == m_mapPlace) return;
    m_mapPlace = place;
    tell({PlanChange::Kind::MapPlace});
}

SiteId Plan::addSite(Site site) {
    site.id = m_nextSite++;
    m_sites.push_back(std::move(site));
    tell({PlanChange::Kind::SiteAdded, m_sites.back().id, m_sites.size() - 1});
    return m_sites.back().id;
}

void Plan::setSite(const Site& site) {
    Site* kept = siteById(site.id);
    if (!kept || *kept == site) return;
    *kept = site;
    tell({PlanChange::Kind::SiteChanged, site.id});
}

bool Plan::removeSite(SiteId id) {
    const auto found = findId(m_sites, id);
    if (found == m_sites.end()) return false;
    const auto& ends = current().ends;
    if (ends[0] == id || ends[1] == id) return false;
    std::vector<LinkId> standing;
    for (const Link& l : m_links)
        if (l.ends[0] == id || l.ends[1] == id) standing.push_back(l.id);
    for (LinkId l : standing)
        removeLink(l);
    const auto index = static_cast<std::size_t>(found - m_sites.begin());
    m_sites.erase(m_sites.begin() + static_cast<std::ptrdiff_t>(index));
    tell({PlanChange::Kind::SiteRemoved, id, index});
    if (id == m_surveySite) setSurveySite(0);
    return true;
}

LinkId Plan::addLink(Link link) {
    if (!site(link.ends[0]) || !site(link.ends[1]) || link.ends[0] == link.ends[1]) return 0;
    link.id = m_nextLink++;
    m_links.push_back(std::move(link));
    tell({PlanChange::Kind::LinkAdded, m_links.back().id, m_links.size() - 1});
    return m_links.back().id;
}

void Plan::setLink(const Link& link) {
    Link* kept = linkById(link.id);
    if (!kept || *kept == link) return;
    if (!site(link.ends[0]) || !site(link.ends[1]) || link.ends[0] == link.ends[1]) return;
    *kept = link;
    tell({PlanChange::Kind::LinkChanged, link.id});
}

bool Plan::removeLink(LinkId id) {
    const auto found = findId(m_links, id);
    if (found == m_links.end() || id == m_current) return false;
    const auto index = static_cast<std::size_t>(found - m_links.begin());
    m_links.erase(found);
    tell({PlanChange::Kind::LinkRemoved, id, index});
    return true;
}

void Plan::replace(const Plan& other) {
    *this = other;
    tell({PlanChange::Kind::Replaced});
}

void Plan::setSurveySite(SiteId id) {
    if (!site(id)) id = 0;
    if (id == m_surveySite) return;
    m_surveySite = id;
    tell({PlanChange::Kind::Survey, id});
}

void Plan::setSurveyFolder(const std::string& folderUtf8) {
    if (folderUtf8 == m_surveyFolder) return;
    m_surveyFolder = folderUtf8;
    tell({PlanChange::Kind::Survey, m_surveySite});
}

LinkInputs Plan::inputs(LinkId id) const {
    const Link* l = link(id);
    return l ? linkInputs(*l, *site(l->ends[0]), *site(l->ends[1])) : LinkInputs{};
}

LinkInputs linkInputs(const Link& link, const Site& a, const Site& b) {
    LinkInputs in;
    in.link = {a.radio, b.radio, link.frequency, b.sensitivity, link.fadeMargin};
    in.channel = link.channel;
    in.band = link.band;
    in.width = link.width;
    in.tpc = link.tpc;
    in.linkDistance = link.distance;
    in.position1 = a.position;
    in.position2 = b.position;
    in.declination = link.declination;
    in.path = {link.earthFactor, a.ground,    a.mast,           b.ground,
               b.mast,           link.points, link.pointsSource};
    const auto& r = link.readings;
    in.rates = {link.rateStandard, link.rateOverrides, r[0].measured,
                r[1].measured,     r[0].beamwidth,     r[1].beamwidth};
    return in;
}

void Plan::setInputs(LinkId id, const LinkInputs& in) {
    const Link* kept = link(id);
    if (!kept) return;
    Link l = *kept;
    Site a = *site(l.ends[0]);
    Site b = *site(l.ends[1]);
    a.radio = in.link.end1;
    b.radio = in.link.end2;
    // Typed into the link, the sensitivity is both receivers'; left alone, each
    // site keeps its own.
    if (in.link.sensitivity != b.sensitivity) a.sensitivity = b.sensitivity = in.link.sensitivity;
    a.position = in.position1;
    b.position = in.position2;
    a.ground = in.path.ground1;
    a.mast = in.path.mast1;
    b.ground = in.path.ground2;
    b.mast = in.path.mast2;
    l.frequency = in.link.frequency;
    l.fadeMargin = in.link.margin;
    l.channel = in.channel;
    l.band = in.band;
    l.width = in.width;
    l.tpc = in.tpc;
    l.distance = in.linkDistance;
    l.declination = in.declination;
    l.earthFactor = in.path.earthFactor;
    l.points = in.path.points;
    l.pointsSource = in.path.pointsSource;
    l.rateStandard = in.rates.standard;
    l.rateOverrides = in.rates.overrides;
    l.readings = {AimReadings{in.rates.measured1, in.rates.beamwidth1},
                  AimReadings{in.rates.measured2, in.rates.beamwidth2}};
    setSite(a);
    setSite(b);
    setLink(l);
}

int Plan::listen(std::function<void(const PlanChange&)> listener) {
    m_listeners.emplace(m_nextListener, std::move(listener));
    return m_nextListener++;
}

void Plan::unlisten(int number) {
    m_listeners.erase(number);
}

void Plan::tell(const PlanChange& change) {
    // A listener may stop listening, or start another, while it is told.
    const auto listeners = m_listeners;
    for (const auto& [number, listener] : listeners)
        if (m_listeners.count(number)) listener(change);
}

} // namespace tarvanel
