#include "engine/path_figures.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "engine/radio_physics.h"
#include "engine/result_text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tarvanel {

namespace {

using Double = Outcome<double>;

std::optional<double> known(const Double& value) {
    return value.ok() ? std::optional(value.value) : std::nullopt;
}

Double valueOf(const std::optional<double>& value) {
    return value ? Double{*value} : Failed{EngineError::NotNumeric};
}

// The obstacle's distance, only strictly between the two ends.
Double obstacleKm(const PathFields& fields, const Double& distance, const NumberLocale& locale) {
    TARVANEL_TRY(d1, toDouble(fields.obstacleDistance, locale));
    TARVANEL_TRY(d, distance);
    if (!(d1.value > 0.0 && d1.value < d.value)) return Failed{EngineError::InvalidOperation};
    return d1;
}

Double difference(const Double& a, const Double& b) {
    return checked::apply([](double x, double y) { return checked::value(x - y); }, a, b);
}

PointFigures pointAt(double km, const Double& top, const Double& h1, const Double& h2,
                     const PathReadouts& link, double k) {
    const Double d1{km};
    const Double d2 = difference(link.distance, d1);
    PointFigures point;
    point.km = km;
    point.top = top;
    point.lineOfSight = checked::apply(lineOfSightMetres, h1, h2, d1, link.distance);
    point.earthBulge =
        checked::apply([k](double x1, double x2) { return earthBulgeMetres(x1, x2, k); }, d1, d2);
    point.fresnelRadius = checked::apply(fresnelRadiusMetres, link.frequency, d1, d2);
    point.clearance = difference(
        point.lineOfSight, checked::apply([](double o, double b) { return checked::value(o + b); },
                                          top, point.earthBulge));
    point.share = checked::apply([](double c, double r) { return checked::divide(100.0 * c, r); },
                                 point.clearance, point.fresnelRadius);
    point.verdict = point.share.ok() ? fresnelVerdict(point.share.value) : Verdict::Unknown;
    return point;
}

// The greatest height an end needs over all points, each kept 0.6 F1 clear.
Double leastHeightOver(const std::vector<PointFigures>& points, const Double& other, double d,
                       bool atEnd1) {
    std::optional<double> least;
    EngineError error = EngineError::InvalidOperation;
    for (const PointFigures& p : points) {
        const Double target =
            checked::apply([](double t, double b,
                              double r) { return checked::value(t + b + kClearFresnelPart * r); },
                           p.top, p.earthBulge, p.fresnelRadius);
        const double fromThisEnd = atEnd1 ? p.km : d - p.km;
        const Double h = checked::apply(
            [&](double t, double o) {
                return antennaHeightForLineMetres(t, o, fromThisEnd, d - fromThisEnd);
            },
            target, other);
        if (h.ok())
            least = least ? std::max(*least, h.value) : h.value;
        else if (!least)
            error = h.error;
    }
    return least ? Double{*least} : Double::failure(error);
}

std::optional<std::size_t> worstOf(const std::vector<PointFigures>& points) {
    if (points.empty()) return std::nullopt;
    std::optional<std::size_t> worst;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Double& share = points[i].share;
        if (share.ok() && (!worst || share.value < points[*worst].share.value)) worst = i;
    }
    return worst ? worst : std::optional<std::size_t>(0);
}

} // namespace

Verdict fresnelVerdict(double percent) {
    if (!std::isfinite(percent)) return Verdict::Unknown;
    // Judged on the whole percent as shown: taken to 15 significant digits,
    // then rounded, halves away from zero.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.14e", percent);
    const double shown = std::round(std::strtod(digits, nullptr));
    return shown >= 100.0 * kClearFresnelPart ? Verdict::Clear
           : shown >= 0.0                     ? Verdict::PartlyBlocked
                                              : Verdict::Blocked;
}

PathFigures pathFigures(const PathFields& fields, const PathReadouts& link,
                        const NumberLocale& locale) {
    const double k = earthFactorValue(fields.earthFactor);
    const Double& d = link.distance;
    const Double h1 = toDouble(fields.antenna1Height, locale);
    const Double h2 = toDouble(fields.antenna2Height, locale);
    const Double obstacle = toDouble(fields.obstacleHeight, locale);
    const Double d1 = obstacleKm(fields, d, locale);

    PathFigures figures;
    if (d1.ok()) figures.points.push_back(pointAt(d1.value, obstacle, h1, h2, link, k));
    figures.worst = worstOf(figures.points);
    if (const PointFigures* worst = figures.worstPoint()) {
        figures.diffractionLoss = checked::apply(
            knifeEdgeLossDb, checked::apply(diffractionParameter, worst->clearance, link.frequency,
                                            Double{worst->km}, difference(d, Double{worst->km})));
        figures.leastHeight1 = leastHeightOver(figures.points, h2, d.value, true);
        figures.leastHeight2 = leastHeightOver(figures.points, h1, d.value, false);
    } else {
        figures.diffractionLoss = figures.leastHeight1 = figures.leastHeight2 =
            Failed{EngineError::InvalidOperation};
    }
    figures.margin = difference(link.margin, figures.diffractionLoss);
    figures.marginMet = figures.margin.ok() && link.fadeMargin.ok() &&
                        meetsFadeMargin(figures.margin.value, link.fadeMargin.value);
    const auto tilt = [&](const Double& from, const Double& to) {
        return checked::apply(
            [k](double a, double b, double km) { return antennaTiltDegrees(a, b, km, k); }, from,
            to, d);
    };
    figures.tilt1 = tilt(h1, h2);
    figures.tilt2 = tilt(h2, h1);
    const PointFigures* worst = figures.worstPoint();
    figures.profile = {known(d),
                       known(link.frequency),
                       known(h1),
                       known(h2),
                       worst ? std::optional(worst->km) : std::nullopt,
                       worst ? known(worst->top) : std::nullopt,
                       k,
                       worst ? worst->verdict : Verdict::Unknown};
    return figures;
}

std::optional<double> bulgeAt(const PathProfile& profile, double km) {
    return known(
        checked::apply([&](double d) { return earthBulgeMetres(km, d - km, profile.earthFactor); },
                       valueOf(profile.distanceKm)));
}

std::optional<double> lineOfSightAt(const PathProfile& profile, double km) {
    return known(checked::apply(
        [km](double h1, double h2, double d) { return lineOfSightMetres(h1, h2, km, d); },
        valueOf(profile.antenna1Height), valueOf(profile.antenna2Height),
        valueOf(profile.distanceKm)));
}

std::optional<double> fresnelRadiusAt(const PathProfile& profile, double km) {
    return known(
        checked::apply([km](double f, double d) { return fresnelRadiusMetres(f, km, d - km); },
                       valueOf(profile.megahertz), valueOf(profile.distanceKm)));
}

} // namespace tarvanel
