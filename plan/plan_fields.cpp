#include "plan/plan_fields.h"

#include <array>

namespace tarvanel {

namespace {

#define MEMBER(path)                                                                               \
    +[](LinkInputs & in) -> auto& {                                                                \
        return in.path;                                                                            \
    }

// The keys name the quantity and its unit; the texts stay in the user's
// notation ("0,22" under el_GR), so a plan reads the same under any locale.
const auto kPlanFields = std::to_array<PlanField>({
    {"frequency_mhz", MEMBER(link.frequency)},
    {"channel", MEMBER(channel)},
    {"sensitivity_dbm", MEMBER(link.sensitivity)},
    {"fade_margin_db", MEMBER(link.margin)},
    {"power_1", MEMBER(link.end1.power)},
    {"power_unit_1", MEMBER(link.end1.unit)},
    {"gain_dbi_1", MEMBER(link.end1.gain)},
    {"cable_loss_db_per_m_1", MEMBER(link.end1.lossPerMetre)},
    {"cable_length_m_1", MEMBER(link.end1.length)},
    {"connectors_1", MEMBER(link.end1.connectors)},
    {"power_2", MEMBER(link.end2.power)},
    {"power_unit_2", MEMBER(link.end2.unit)},
    {"gain_dbi_2", MEMBER(link.end2.gain)},
    {"cable_loss_db_per_m_2", MEMBER(link.end2.lossPerMetre)},
    {"cable_length_m_2", MEMBER(link.end2.length)},
    {"connectors_2", MEMBER(link.end2.connectors)},
    {"link_distance_km", MEMBER(linkDistance)},
    {"position_1", MEMBER(position1)},
    {"position_2", MEMBER(position2)},
    {"declination_deg", MEMBER(declination)},
    {"earth_factor_k", MEMBER(path.earthFactor)},
    {"ground_m_1", MEMBER(path.ground1)},
    {"mast_m_1", MEMBER(path.mast1)},
    {"ground_m_2", MEMBER(path.ground2)},
    {"mast_m_2", MEMBER(path.mast2)},
    {"profile_points", MEMBER(path.points)},
    {"profile_source", MEMBER(path.pointsSource)},
    {"rate_standard", MEMBER(rates.standard)},
    {"rate_overrides", MEMBER(rates.overrides)},
    {"measured_level_dbm_1", MEMBER(rates.measured1)},
    {"measured_level_dbm_2", MEMBER(rates.measured2)},
    {"beamwidth_deg_1", MEMBER(rates.beamwidth1)},
    {"beamwidth_deg_2", MEMBER(rates.beamwidth2)},
});

#undef MEMBER

} // namespace

std::span<const PlanField> planFields() {
    return kPlanFields;
}

} // namespace tarvanel
