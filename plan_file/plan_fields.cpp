#include "plan_file/plan_fields.h"

#include <array>

namespace tarvanel {

namespace {

#define MEMBER(Record, path)                                                                       \
    +[](Record & in) -> auto& {                                                                    \
        return in.path;                                                                            \
    }

// The keys name the quantity and its unit; the texts stay in the user's
// notation ("0,22" under el_GR), so a plan reads the same under any locale.
const auto kSiteFields = std::to_array<PlanField<Site>>({
    {"name", MEMBER(Site, name)},
    {"position", MEMBER(Site, position)},
    {"ground_m", MEMBER(Site, ground)},
    {"mast_m", MEMBER(Site, mast)},
    {"power", MEMBER(Site, radio.power)},
    {"power_unit", MEMBER(Site, radio.unit)},
    {"gain_dbi", MEMBER(Site, radio.gain)},
    {"cable_loss_db_per_m", MEMBER(Site, radio.lossPerMetre)},
    {"cable_length_m", MEMBER(Site, radio.length)},
    {"connectors", MEMBER(Site, radio.connectors)},
    {"sensitivity_dbm", MEMBER(Site, sensitivity)},
});

const auto kLinkFields = std::to_array<PlanField<Link>>({
    {"frequency_mhz", MEMBER(Link, frequency)},
    {"channel", MEMBER(Link, channel)},
    // Missing from plans before 5 GHz: 2.4 GHz, 20 MHz, TPC.
    {"band", MEMBER(Link, band)},
    {"channel_width_mhz", MEMBER(Link, width)},
    {"tpc", MEMBER(Link, tpc)},
    {"fade_margin_db", MEMBER(Link, fadeMargin)},
    {"link_distance_km", MEMBER(Link, distance)},
    {"declination_deg", MEMBER(Link, declination)},
    {"earth_factor_k", MEMBER(Link, earthFactor)},
    {"profile_points", MEMBER(Link, points)},
    {"profile_source", MEMBER(Link, pointsSource)},
    {"rate_standard", MEMBER(Link, rateStandard)},
    {"rate_overrides", MEMBER(Link, rateOverrides)},
});

const auto kAimFields = std::to_array<PlanField<AimReadings>>({
    {"measured_level_dbm", MEMBER(AimReadings, measured)},
    {"beamwidth_deg", MEMBER(AimReadings, beamwidth)},
});

const auto kMapPlaceFields = std::to_array<PlanField<MapPlace>>({
    {"centre_latitude", MEMBER(MapPlace, latitude)},
    {"centre_longitude", MEMBER(MapPlace, longitude)},
    {"metres_per_pixel", MEMBER(MapPlace, metresPerPixel)},
});

const auto kVersion1Fields = std::to_array<PlanField<LinkInputs>>({
    {"frequency_mhz", MEMBER(LinkInputs, link.frequency)},
    {"channel", MEMBER(LinkInputs, channel)},
    {"sensitivity_dbm", MEMBER(LinkInputs, link.sensitivity)},
    {"fade_margin_db", MEMBER(LinkInputs, link.margin)},
    {"power_1", MEMBER(LinkInputs, link.end1.power)},
    {"power_unit_1", MEMBER(LinkInputs, link.end1.unit)},
    {"gain_dbi_1", MEMBER(LinkInputs, link.end1.gain)},
    {"cable_loss_db_per_m_1", MEMBER(LinkInputs, link.end1.lossPerMetre)},
    {"cable_length_m_1", MEMBER(LinkInputs, link.end1.length)},
    {"connectors_1", MEMBER(LinkInputs, link.end1.connectors)},
    {"power_2", MEMBER(LinkInputs, link.end2.power)},
    {"power_unit_2", MEMBER(LinkInputs, link.end2.unit)},
    {"gain_dbi_2", MEMBER(LinkInputs, link.end2.gain)},
    {"cable_loss_db_per_m_2", MEMBER(LinkInputs, link.end2.lossPerMetre)},
    {"cable_length_m_2", MEMBER(LinkInputs, link.end2.length)},
    {"connectors_2", MEMBER(LinkInputs, link.end2.connectors)},
    {"link_distance_km", MEMBER(LinkInputs, linkDistance)},
    {"position_1", MEMBER(LinkInputs, position1)},
    {"position_2", MEMBER(LinkInputs, position2)},
    {"declination_deg", MEMBER(LinkInputs, declination)},
    {"earth_factor_k", MEMBER(LinkInputs, path.earthFactor)},
    {"ground_m_1", MEMBER(LinkInputs, path.ground1)},
    {"mast_m_1", MEMBER(LinkInputs, path.mast1)},
    {"ground_m_2", MEMBER(LinkInputs, path.ground2)},
    {"mast_m_2", MEMBER(LinkInputs, path.mast2)},
    {"profile_points", MEMBER(LinkInputs, path.points)},
    {"profile_source", MEMBER(LinkInputs, path.pointsSource)},
    {"rate_standard", MEMBER(LinkInputs, rates.standard)},
    {"rate_overrides", MEMBER(LinkInputs, rates.overrides)},
    {"measured_level_dbm_1", MEMBER(LinkInputs, rates.measured1)},
    {"measured_level_dbm_2", MEMBER(LinkInputs, rates.measured2)},
    {"beamwidth_deg_1", MEMBER(LinkInputs, rates.beamwidth1)},
    {"beamwidth_deg_2", MEMBER(LinkInputs, rates.beamwidth2)},
});

#undef MEMBER

} // namespace

std::span<const PlanField<Site>> siteFields() {
    return kSiteFields;
}
std::span<const PlanField<Link>> linkFields() {
    return kLinkFields;
}
std::span<const PlanField<AimReadings>> aimFields() {
    return kAimFields;
}
std::span<const PlanField<MapPlace>> mapPlaceFields() {
    return kMapPlaceFields;
}
std::span<const PlanField<LinkInputs>> version1Fields() {
    return kVersion1Fields;
}

} // namespace tarvanel
