#pragma once

#include "engine/link_inputs.h"
#include "plan/link.h"
#include "plan/map_place.h"
#include "plan/site.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

// What changed in a plan, told to whoever listens, after the change.
struct PlanChange {
    enum class Kind {
        Replaced,    // everything (a plan opened, or a new one)
        SiteAdded,   // `id` at `index` of sites()
        SiteChanged, // `id`: one or more of its texts
        SiteRemoved, // `id`, which stood at `index`
        LinkAdded,
        LinkChanged,
        LinkRemoved,
        CurrentLink, // another link is current: `id`
        MapPlace,    // the map was moved
        Survey,      // the survey's site or folder
    };
    Kind kind = Kind::Replaced;
    int id = 0;
    std::size_t index = 0;
};

// Everything the user plans: sites, the links between them, and the link the
// window shows (there is always one). A plan is a value: copies compare by
// their contents and take none of the listeners.
class Plan {
public:
    // A new plan: two sites, "Άκρο 1" and "Άκρο 2", both ends in dBm, and one
    // link between them, every other field empty, as a new window shows it.
    Plan();
    // A plan of these sites and links, their ids as given (a plan read from a
    // file); the ends of every link must be sites among them, and `current`
    // one of the links.
    Plan(std::vector<Site> sites, std::vector<Link> links, LinkId current);
    Plan(const Plan& other);
    Plan& operator=(const Plan& other);

    const std::vector<Site>& sites() const { return m_sites; }
    const std::vector<Link>& links() const { return m_links; }
    const Site* site(SiteId id) const;
    const Link* link(LinkId id) const;
    LinkId currentLink() const { return m_current; }
    const Link& current() const { return *link(m_current); }

    void setCurrentLink(LinkId id); // an id not in the plan changes nothing
    // Where the map was left; none until it is moved (it then fits the plan).
    const std::optional<MapPlace>& mapPlace() const { return m_mapPlace; }
    void setMapPlace(const std::optional<MapPlace>& place); // told only when it differs
    SiteId addSite(Site site);                              // its id is given here
    void setSite(const Site& site); // the site with its id; told only when it differs
    // Removes a site and every link it stands in, unless it is an end of the
    // current link (then false, and nothing changes).
    bool removeSite(SiteId id);
    LinkId addLink(Link link); // both ends must be sites of the plan, else 0
    void setLink(const Link& link);
    bool removeLink(LinkId id); // never the current link
    // Everything at once, as another plan holds it (listeners stay).
    void replace(const Plan& other);

    // One link as the engine reads it, and the way back: every text of `inputs`
    // goes to the link or to the site of its end (a site shared with other
    // links changes for them too). The receiver sensitivity of the link is both
    // sites': it reads as end 2's.
    LinkInputs inputs(LinkId id) const;
    void setInputs(LinkId id, const LinkInputs& inputs);
    LinkInputs currentInputs() const { return inputs(m_current); }
    void setCurrentInputs(const LinkInputs& in) { setInputs(m_current, in); }

    // The survey from one site to all others: the site it is made from (0 for
    // none; a site removed is no longer chosen) and the folder of elevation
    // files its ground is read from (empty: none).
    SiteId surveySite() const { return m_surveySite; }
    void setSurveySite(SiteId id); // an id not in the plan chooses none
    const std::string& surveyFolder() const { return m_surveyFolder; }
    void setSurveyFolder(const std::string& folderUtf8);

    // Calls `listener` after every change until unlisten(returned number).
    int listen(std::function<void(const PlanChange&)> listener);
    void unlisten(int number);

    bool operator==(const Plan& other) const;

private:
    Site* siteById(SiteId id);
    Link* linkById(LinkId id);
    void tell(const PlanChange& change);

    std::vector<Site> m_sites;
    std::vector<Link> m_links;
    LinkId m_current = 0;
    std::optional<MapPlace> m_mapPlace;
    SiteId m_surveySite = 0;
    std::string m_surveyFolder;
    SiteId m_nextSite = 1;
    LinkId m_nextLink = 1;
    std::map<int, std::function<void(const PlanChange&)>> m_listeners;
    int m_nextListener = 1;
};

// A link as the engine reads it, between the sites at its ends (the receiver
// sensitivity is end 2's): what Plan::inputs gives for a link of the plan.
LinkInputs linkInputs(const Link& link, const Site& end1, const Site& end2);

} // namespace tarvanel
