#include "engine/path_profile.h"

#include "engine/checked_math.h"
#include "engine/number_text.h"
#include "engine/radio_physics.h"
#include "engine/result_text.h"

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

// The antenna height at one end that puts the line of sight `target` m up at
// the obstacle, the other antenna as typed.
Double leastHeight(const Double& target, const Double& other, const Double& fromThisEnd,
                   const Double& toOtherEnd) {
    return checked::apply(antennaHeightForLineMetres, target, other, fromThisEnd, toOtherEnd);
}

// An angle with its sign always shown: "+0.14°", "-0.18°", "0.00°".
std::string tiltText(const Double& degrees, const NumberLocale& locale) {
    std::string text = figureText(degrees, "°", locale);
    if (!text.empty() && !text.starts_with(locale.minus) && degrees.value > 0.0 &&
        text.find_first_not_of("0.,°") != std::string::npos)
        text.insert(0, locale.plus);
    return text;
}

const char* verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Clear:
        return "ελεύθερη";
    case Verdict::PartlyBlocked:
        return "μερικώς εμποδισμένη";
    case Verdict::Blocked:
        return "εμποδισμένη";
    case Verdict::Unknown:
        break;
    }
    return "";
}

} // namespace

double earthFactorValue(EarthFactor factor) {
    switch (factor) {
    case EarthFactor::Unity:
        return 1.0;
    case EarthFactor::Low:
        return 2.0 / 3.0;
    case EarthFactor::Standard:
        break;
    }
    return kStandardEarthFactor;
}

Verdict fresnelVerdict(double percent) {
    if (!std::isfinite(percent)) return Verdict::Unknown;
    // Judged on the whole percent as shown: 59.6 % shows, and counts, as 60.
    const NumberLocale plain;
    const double shown =
        toDouble(formatPattern(percent, DisplayPattern::WholeNumber, plain), plain).value;
    return shown >= 100.0 * kClearFresnelPart ? Verdict::Clear
           : shown >= 0.0                     ? Verdict::PartlyBlocked
                                              : Verdict::Blocked;
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

PathTexts pathTexts(const PathFields& fields, const PathReadouts& link,
                    const NumberLocale& locale) {
    const double k = earthFactorValue(fields.earthFactor);
    const Double& d = link.distance;
    const Double h1 = toDouble(fields.antenna1Height, locale);
    const Double h2 = toDouble(fields.antenna2Height, locale);
    const Double obstacle = toDouble(fields.obstacleHeight, locale);
    const Double d1 = obstacleKm(fields, d, locale);
    const Double d2 = difference(d, d1);

    const Double lineOfSight = checked::apply(lineOfSightMetres, h1, h2, d1, d);
    const Double bulge =
        checked::apply([k](double x1, double x2) { return earthBulgeMetres(x1, x2, k); }, d1, d2);
    const Double fresnel = checked::apply(fresnelRadiusMetres, link.frequency, d1, d2);
    const Double top =
        checked::apply([](double o, double b) { return checked::value(o + b); }, obstacle, bulge);
    const Double clearance = difference(lineOfSight, top);
    const Double share = checked::apply(
        [](double c, double r) { return checked::divide(100.0 * c, r); }, clearance, fresnel);
    const Double loss = checked::apply(
        knifeEdgeLossDb, checked::apply(diffractionParameter, clearance, link.frequency, d1, d2));
    const Double margin = difference(link.margin, loss);
    const Double target = checked::apply(
        [](double t, double r) { return checked::value(t + kClearFresnelPart * r); }, top, fresnel);

    PathTexts texts;
    texts.lineOfSight = figureText(lineOfSight, " m", locale);
    texts.earthBulge = figureText(bulge, " m", locale);
    texts.fresnelRadius = figureText(fresnel, " m", locale);
    texts.clearance = figureText(clearance, " m", locale);
    Verdict verdict = Verdict::Unknown;
    if (share.ok() && std::isfinite(share.value)) {
        verdict = fresnelVerdict(share.value);
        texts.fresnelZone = formatPattern(share.value, DisplayPattern::WholeNumber, locale) +
                            " % " + verdictWord(verdict);
    }
    texts.diffractionLoss = figureText(loss, " dB", locale);
    texts.margin = figureText(margin, " dB", locale);
    texts.marginMet = !texts.margin.empty() && link.fadeMargin.ok() &&
                      meetsFadeMargin(margin.value, link.fadeMargin.value);
    texts.leastHeight1 = figureText(leastHeight(target, h2, d1, d2), " m", locale);
    texts.leastHeight2 = figureText(leastHeight(target, h1, d2, d1), " m", locale);
    const auto tilt = [&](const Double& from, const Double& to) {
        return checked::apply(
            [k](double a, double b, double km) { return antennaTiltDegrees(a, b, km, k); }, from,
            to, d);
    };
    texts.tilt1 = tiltText(tilt(h1, h2), locale);
    texts.tilt2 = tiltText(tilt(h2, h1), locale);
    texts.profile = {known(d),  known(link.frequency), known(h1), known(h2),
                     known(d1), known(obstacle),       k,         verdict};
    return texts;
}

} // namespace tarvanel
