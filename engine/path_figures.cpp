#include "engine/path_figures.h"

#include "engine/radio_physics.h"
#include "engine/terrain_profile.h"
#include "numbers/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace tarvanel {

namespace {

using Double = Outcome<double>;
constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

double valueOr(const Double& reading, double otherwise) {
    return reading.ok() ? reading.value : otherwise;
}

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t") == std::string::npos;
}

// A text that may be left empty for 0 (an end's ground, a point's clutter).
double zeroWhenEmpty(const std::string& text, const NumberLocale& locale) {
    return blank(text) ? 0.0 : valueOr(toDouble(text, locale), kMissing);
}

Double known(const std::optional<double>& value) {
    return value ? Double{*value} : Double::failure(EngineError::InvalidOperation);
}

// The table's rows as the profile's points; a row that does not read is not
// a number anywhere, so it counts nowhere.
std::vector<TerrainPoint> terrainPoints(const std::vector<ProfilePointFields>& rows,
                                        const NumberLocale& locale,
                                        std::vector<PointFigures>& figures) {
    std::vector<TerrainPoint> points;
    points.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ProfilePointFields& row = rows[i];
        const TerrainPoint point{valueOr(toDouble(row.distanceKm, locale), kMissing),
                                 valueOr(toDouble(row.groundM, locale), kMissing),
                                 zeroWhenEmpty(row.clutterM, locale)};
        const bool numbers = std::isfinite(point.km) && std::isfinite(point.groundM) &&
                             std::isfinite(point.clutterM);
        figures[i].state = numbers ? PointState::NoPath : PointState::NotNumbers;
        figures[i].km = numbers ? point.km : 0.0;
        points.push_back(numbers ? point : TerrainPoint{kMissing, kMissing, kMissing});
    }
    return points;
}

PointState stateOf(PointStatus status, PointState read) {
    if (read == PointState::NotNumbers) return read;
    switch (status) {
    case PointStatus::Used:
        return PointState::Used;
    case PointStatus::AtAnEnd:
        return PointState::OutsideEnds;
    case PointStatus::NotFinite:
        return PointState::NotNumbers;
    case PointStatus::NoPath:
        break;
    }
    return PointState::NoPath;
}

// A gap wider than this many of the usual spacing holds no ground.
constexpr double kGapSpacings = 3.0;

std::vector<KmSpan> stretchesWithoutGround(const std::vector<GroundPoint>& points,
                                           double distanceKm) {
    if (points.size() < 2) return {};
    std::vector<double> gaps;
    for (std::size_t i = 1; i < points.size(); ++i)
        gaps.push_back(points[i].km - points[i - 1].km);
    const auto middle = gaps.begin() + static_cast<std::ptrdiff_t>(gaps.size() / 2);
    std::nth_element(gaps.begin(), middle, gaps.end());
    const double widest = kGapSpacings * *middle;
    std::vector<KmSpan> spans;
    if (!(widest > 0.0)) return spans;
    double from = 0.0;
    for (const GroundPoint& point : points) {
        if (point.km - from > widest) spans.push_back({from, point.km});
        from = point.km;
    }
    if (distanceKm - from > widest) spans.push_back({from, distanceKm});
    return spans;
}

} // namespace

Verdict fresnelVerdict(double percent) {
    if (!std::isfinite(percent)) return Verdict::Unknown;
    // Judged on the whole percent as shown: taken to 15 significant digits,
    // then rounded, halves away from zero. Only a share next to a half can
    // round otherwise than directly; the slower way is kept for those.
    double shown = std::round(percent);
    if (std::fabs(std::fabs(percent - std::trunc(percent)) - 0.5) < 1e-9) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.14e", percent);
        shown = std::round(std::strtod(digits, nullptr));
    }
    return shown >= 100.0 * kClearFresnelPart ? Verdict::Clear
           : shown >= 0.0                     ? Verdict::PartlyBlocked
                                              : Verdict::Blocked;
}

PathFigures pathFigures(const PathFields& fields, const PathReadouts& link,
                        const NumberLocale& locale) {
    PathFigures figures;
    figures.points.resize(fields.points.size());
    const std::vector<TerrainPoint> points = terrainPoints(fields.points, locale, figures.points);

    const double mast1 = valueOr(toDouble(fields.mast1, locale), kMissing);
    const double mast2 = valueOr(toDouble(fields.mast2, locale), kMissing);
    TerrainLink terrain{valueOr(link.frequency, kMissing),
                        valueOr(link.distance, kMissing),
                        earthFactorValue(fields.earthFactor),
                        {zeroWhenEmpty(fields.ground1, locale), mast1},
                        {zeroWhenEmpty(fields.ground2, locale), mast2}};
    const TerrainFigures t = terrainFigures(terrain, points);

    for (std::size_t i = 0; i < points.size(); ++i) {
        PointFigures& point = figures.points[i];
        const TerrainPointFigures& from = t.points[i];
        point.state = stateOf(from.status, point.state);
        if (point.state != PointState::Used) continue;
        ++figures.usedPoints;
        point.lineOfSight = from.lineOfSight;
        point.earthBulge = from.bulge;
        point.fresnelRadius = from.fresnelRadius;
        point.clearance = from.clearance;
        point.share = from.clearancePercent;
        point.verdict = fresnelVerdict(from.clearancePercent);
    }
    if (t.worst) {
        figures.worst = t.worst->index;
        figures.knifeEdgeLoss = known(t.worst->knifeEdgeLossDb);
    } else {
        figures.knifeEdgeLoss = Double::failure(EngineError::InvalidOperation);
    }
    figures.profileLoss = t.diffraction ? Double{t.diffraction->lossDb}
                                        : Double::failure(EngineError::InvalidOperation);
    figures.margin = link.margin.ok() && figures.profileLoss.ok()
                         ? Double{link.margin.value - figures.profileLoss.value}
                         : Double::failure(EngineError::InvalidOperation);
    figures.marginMet = figures.margin.ok() && link.fadeMargin.ok() &&
                        meetsFadeMargin(figures.margin.value, link.fadeMargin.value);
    figures.tilt1 = known(t.tilt1);
    figures.tilt2 = known(t.tilt2);
    // The least mast at one end needs only the other's: without its own, the
    // figures are taken again with it at 0.
    const auto leastMast = [&](bool atEnd1) {
        const double own = atEnd1 ? mast1 : mast2;
        if (std::isfinite(own)) return known(atEnd1 ? t.leastMast1 : t.leastMast2);
        TerrainLink without = terrain;
        (atEnd1 ? without.end1 : without.end2).mastM = 0.0;
        const TerrainFigures again = terrainFigures(without, points);
        return known(atEnd1 ? again.leastMast1 : again.leastMast2);
    };
    // A mast lower than the ground stands for no mast at all: any mast will do.
    const auto noLowerThanGround = [](Double mast) {
        if (mast.ok()) mast.value = std::max(0.0, mast.value);
        return mast;
    };
    figures.leastMast1 = noLowerThanGround(leastMast(true));
    figures.leastMast2 = noLowerThanGround(leastMast(false));

    PathProfile& profile = figures.profile;
    if (link.distance.ok()) profile.distanceKm = link.distance.value;
    if (link.frequency.ok()) profile.megahertz = link.frequency.value;
    profile.earthFactor = terrain.earthFactor;
    profile.ground1 = std::isfinite(terrain.end1.groundM) ? terrain.end1.groundM : 0.0;
    profile.ground2 = std::isfinite(terrain.end2.groundM) ? terrain.end2.groundM : 0.0;
    if (std::isfinite(mast1)) profile.antenna1Height = profile.ground1 + mast1;
    if (std::isfinite(mast2)) profile.antenna2Height = profile.ground2 + mast2;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (figures.points[i].state == PointState::Used)
            profile.points.push_back({points[i].km, points[i].groundM, points[i].clutterM});
    std::stable_sort(profile.points.begin(), profile.points.end(),
                     [](const GroundPoint& a, const GroundPoint& b) { return a.km < b.km; });
    if (profile.distanceKm && fields.pointsSource.starts_with(kElevationFilesSource))
        profile.withoutGround = stretchesWithoutGround(profile.points, *profile.distanceKm);
    for (const KmSpan& span : profile.withoutGround)
        figures.kmWithoutGround += span.to - span.from;
    if (const PointFigures* worst = figures.worstPoint()) {
        profile.worstKm = worst->km;
        profile.verdict = worst->verdict;
    }
    return figures;
}

std::optional<double> bulgeAt(const PathProfile& profile, double km) {
    if (!profile.distanceKm) return std::nullopt;
    const Double bulge = earthBulgeMetres(km, *profile.distanceKm - km, profile.earthFactor);
    return bulge.ok() ? std::optional(bulge.value) : std::nullopt;
}

std::optional<double> lineOfSightAt(const PathProfile& profile, double km) {
    if (!profile.distanceKm || !profile.antenna1Height || !profile.antenna2Height)
        return std::nullopt;
    const Double line = lineOfSightMetres(*profile.antenna1Height, *profile.antenna2Height, km,
                                          *profile.distanceKm);
    return line.ok() ? std::optional(line.value) : std::nullopt;
}

std::optional<double> fresnelRadiusAt(const PathProfile& profile, double km) {
    if (!profile.distanceKm || !profile.megahertz) return std::nullopt;
    const Double radius = fresnelRadiusMetres(*profile.megahertz, km, *profile.distanceKm - km);
    return radius.ok() ? std::optional(radius.value) : std::nullopt;
}

GroundPoint groundAt(const PathProfile& profile, double km) {
    GroundPoint before{0.0, profile.ground1, 0.0};
    GroundPoint after{profile.distanceKm.value_or(0.0), profile.ground2, 0.0};
    const auto next =
        std::lower_bound(profile.points.begin(), profile.points.end(), km,
                         [](const GroundPoint& point, double at) { return point.km < at; });
    if (next != profile.points.end()) after = *next;
    if (next != profile.points.begin()) before = *std::prev(next);
    if (!(after.km > before.km)) return {km, before.ground, before.clutter};
    const double share = std::clamp((km - before.km) / (after.km - before.km), 0.0, 1.0);
    return {km, before.ground + share * (after.ground - before.ground),
            before.clutter + share * (after.clutter - before.clutter)};
}

} // namespace tarvanel
