#include "engine/terrain_profile.h"

#include "numbers/checked_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvanel {

namespace {

std::optional<double> known(const Outcome<double>& value) {
    return value.ok() ? std::optional(value.value) : std::nullopt;
}

bool allFinite(std::initializer_list<double> values) {
    return std::ranges::all_of(values, [](double v) { return std::isfinite(v); });
}

// A point's figures and what the profile's figures take from it: its
// knife-edge v, the antenna heights that
// leave 0.6 F1 free over it, and the slopes from each end's antenna to it.
struct PointWork {
    TerrainPointFigures figures;
    double v, need1, need2, slopeFrom1, slopeFrom2;
};

Outcome<PointWork> pointWork(const TerrainLink& link, double hts, double hrs,
                             const TerrainPoint& point) {
    const double d = link.distanceKm, f = link.megahertz, d1 = point.km, d2 = d - point.km;
    TARVANEL_TRY(sight, lineOfSightMetres(hts, hrs, d1, d));
    TARVANEL_TRY(bulge, earthBulgeMetres(d1, d2, link.earthFactor));
    TARVANEL_TRY(radius, fresnelRadiusMetres(f, d1, d2));
    TARVANEL_TRY(top, checked::value(point.groundM + point.clutterM + bulge.value));
    TARVANEL_TRY(clearance, checked::value(sight.value - top.value));
    TARVANEL_TRY(percent, checked::divide(100.0 * clearance.value, radius.value));
    TARVANEL_TRY(v, diffractionParameter(clearance.value, f, d1, d2));
    const double target = top.value + kClearFresnelPart * radius.value;
    TARVANEL_TRY(need1, antennaHeightForLineMetres(target, hrs, d1, d2));
    TARVANEL_TRY(need2, antennaHeightForLineMetres(target, hts, d2, d1));
    TARVANEL_TRY(slope1, checked::divide(top.value - hts, d1));
    TARVANEL_TRY(slope2, checked::divide(top.value - hrs, d2));
    const TerrainPointFigures figures{PointStatus::Used, sight.value,     bulge.value,
                                      radius.value,      clearance.value, percent.value};
    return Outcome<PointWork>{
        {figures, v.value, need1.value, need2.value, slope1.value, slope2.value}};
}

// Luc and Lb of the equivalent knife edge v.
std::optional<ProfileDiffraction> diffraction(const Outcome<double>& v, double d,
                                              std::optional<double> breakpointKm) {
    const Outcome<double> luc = checked::apply(knifeEdgeLossDb, v);
    const Outcome<double> lb =
        checked::apply([d](double loss) { return bullingtonLossDb(loss, d); }, luc);
    if (!lb.ok()) return std::nullopt;
    return ProfileDiffraction{v.value, breakpointKm, luc.value, lb.value};
}

} // namespace

TerrainFigures terrainFigures(const TerrainLink& link, std::span<const TerrainPoint> points) {
    TerrainFigures out;
    out.points.resize(points.size());
    const double d = link.distanceKm, k = link.earthFactor, f = link.megahertz;
    const double hts = link.end1.groundM + link.end1.mastM;
    const double hrs = link.end2.groundM + link.end2.mastM;
    if (!allFinite({d, k, hts, hrs, link.end1.groundM, link.end2.groundM}) || !(d > 0.0) ||
        !(k > 0.0))
        return out;
    out.tilt1 = known(antennaTiltDegrees(hts, hrs, d, k));
    out.tilt2 = known(antennaTiltDegrees(hrs, hts, d, k));
    if (!wavelengthMetres(f).ok()) return out;

    constexpr double kLeast = -std::numeric_limits<double>::infinity();
    double need1 = kLeast, need2 = kLeast, stim = kLeast, srim = kLeast, sightV = kLeast;
    std::optional<std::size_t> worst;
    double worstV = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TerrainPoint& point = points[i];
        TerrainPointFigures& figures = out.points[i];
        figures.status = PointStatus::NotFinite;
        if (!allFinite({point.km, point.groundM, point.clutterM})) continue;
        if (!(point.km > 0.0 && point.km < d)) {
            figures.status = PointStatus::AtAnEnd;
            continue;
        }
        const Outcome<PointWork> work = pointWork(link, hts, hrs, point);
        if (!work.ok()) continue;
        const PointWork& w = work.value;
        figures = w.figures;
        need1 = std::max(need1, w.need1);
        need2 = std::max(need2, w.need2);
        stim = std::max(stim, w.slopeFrom1);
        srim = std::max(srim, w.slopeFrom2);
        sightV = std::max(sightV, w.v);
        if (!worst || figures.clearancePercent < out.points[*worst].clearancePercent) {
            worst = i;
            worstV = w.v;
        }
    }
    if (!worst) return out;

    const TerrainPointFigures& w = out.points[*worst];
    const double km = points[*worst].km;
    out.worst = {*worst,
                 km,
                 w.clearance,
                 w.clearancePercent,
                 fresnelVerdict(w.clearancePercent),
                 worstV,
                 known(knifeEdgeLossDb(worstV))};

    // Within the line of sight (every top below the line from antenna to
    // antenna) the equivalent edge is the point with the greatest v; beyond it,
    // it stands where the steepest rays from the two ends meet. On the line
    // itself both give 0.
    if (stim <= (hrs - hts) / d) {
        out.diffraction = diffraction({sightV}, d, std::nullopt);
    } else {
        const Outcome<double> dbp = bullingtonBreakpointKm(hts, hrs, stim, srim, d);
        const Outcome<double> edgeV = checked::apply(
            [&](double x) -> Outcome<double> {
                TARVANEL_TRY(sight, lineOfSightMetres(hts, hrs, x, d));
                return diffractionParameter(sight.value - (hts + stim * x), f, x, d - x);
            },
            dbp);
        out.diffraction = diffraction(edgeV, d, known(dbp));
    }
    out.leastMast1 = known(checked::value(need1 - link.end1.groundM));
    out.leastMast2 = known(checked::value(need2 - link.end2.groundM));
    return out;
}

} // namespace tarvanel
