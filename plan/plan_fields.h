#pragma once

#include "engine/link_inputs.h"

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace tarvanel {

// Where a plan keeps one member of LinkInputs: its key in the file and the
// member itself. Each kind of member has one way of being written (see
// plan_values.h): texts as JSON strings exactly as typed, choices as their
// labels, lists as arrays of objects.
template <class T> using PlanMember = T& (*)(LinkInputs&);

struct PlanField {
    const char* key;
    std::variant<PlanMember<std::string>, PlanMember<PowerUnit>, PlanMember<EarthFactor>,
                 PlanMember<RateSet>, PlanMember<std::vector<ProfilePointFields>>,
                 PlanMember<std::vector<RateOverride>>>
        member;
};

// Every member a plan keeps, one row each: a new member of LinkInputs is a
// new row here.
std::span<const PlanField> planFields();

} // namespace tarvanel
