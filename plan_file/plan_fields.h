#pragma once

#include "engine/link_inputs.h"
#include "plan/plan.h"

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tarvanel {

// Where a plan file keeps one member of a record (a site, a link, where the
// map was left, or the one link of a version-1 plan): its key and the member
// itself. Each kind of member has one way of being written (see
// plan_values.h): texts as JSON strings exactly as typed, choices as their
// labels, a yes or no as true or false, lists as arrays of objects, the map's
// place as JSON numbers.
template <class Record, class T> using PlanMember = T& (*)(Record&);

template <class Record> struct PlanField {
    const char* key;
    std::variant<PlanMember<Record, std::string>, PlanMember<Record, double>,
                 PlanMember<Record, bool>, PlanMember<Record, Band>,
                 PlanMember<Record, ChannelWidth>,
                 PlanMember<Record, PowerUnit>, PlanMember<Record, EarthFactor>,
                 PlanMember<Record, RateSet>, PlanMember<Record, std::vector<ProfilePointFields>>,
                 PlanMember<Record, std::vector<RateOverride>>>
        member;
};

// Every member a plan keeps, one row each: a new member of a site or a link
// is a new row here.
std::span<const PlanField<Site>> siteFields();
std::span<const PlanField<Link>> linkFields();
std::span<const PlanField<AimReadings>> aimFields();   // each of a link's two ends
std::span<const PlanField<MapPlace>> mapPlaceFields(); // the plan's "map" object

// The keys of version 1, which held one link with its ends' keys ending in
// _1 and _2: read, never written.
std::span<const PlanField<LinkInputs>> version1Fields();

} // namespace tarvanel
