#pragma once
// The README's worked survey: the example link from A to B (A with Interface
// No.1's radio, B with No.2's), C and D with B's radio, surveyed from A.
#include "plan/plan.h"

namespace tarvanel::testing {

inline Site placed(Site site, const char* name, const char* position, const char* ground,
                   const char* mast) {
    site.name = name;
    site.position = position;
    site.ground = ground;
    site.mast = mast;
    return site;
}

inline Plan workedSites(const char* fadeMargin = "10") {
    Plan plan;
    LinkInputs in = plan.currentInputs();
    in.link = {{"20", PowerUnit::dBm, "15", "0.22", "10", "2"},
               {"20", PowerUnit::dBm, "15", "0.10", "10", "2"},
               "2427",
               "80",
               fadeMargin};
    plan.setCurrentInputs(in);
    const auto [a, b] = plan.current().ends;
    const Site radio2 = *plan.site(b);
    plan.setSite(placed(*plan.site(a), "A", "37.97552, 23.73484", "100", "20"));
    plan.setSite(placed(radio2, "B", "38.02000, 23.78000", "100", "15"));
    plan.addSite(placed(radio2, "C", "37.93000, 23.69000", "120", "12"));
    plan.addSite(placed(radio2, "D", "38.10000, 23.60000", "300", "10"));
    plan.setSurveySite(a);
    return plan;
}

// The worked sites with three links from A: A-B (current), A-C and A-D.
inline Plan workedLinks() {
    Plan plan = workedSites();
    for (SiteId other : {3, 4}) {
        Link link = plan.current();
        link.ends = {1, other};
        plan.addLink(link);
    }
    return plan;
}

} // namespace tarvanel::testing
