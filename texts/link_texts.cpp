#include "texts/link_texts.h"

#include "engine/radio_physics.h"
#include "numbers/number_text.h"
#include "texts/verdict_words.h"

#include <cmath>

namespace tarvanel {

namespace {

using Double = Outcome<double>;

std::string label(const Outcome<float>& value, DisplayPattern pattern, std::string_view suffix,
                  const NumberLocale& locale) {
    return value.ok() ? resultLabelText(value.value, pattern, suffix, locale) : std::string{};
}

std::string legalPowerText(const LegalPower& power, const NumberLocale& locale) {
    const std::string dbm = figureText(power.dbm, " dBm", locale);
    const std::string milliwatts = figureText(power.milliwatts, " mW", locale);
    if (dbm.empty() || milliwatts.empty()) return {};
    return dbm + " (" + milliwatts + ")";
}

std::string limitingDirection(LimitingDirection limiting) {
    switch (limiting) {
    case LimitingDirection::End1ToEnd2:
        return "Περιορίζει η κατεύθυνση 1 → 2.";
    case LimitingDirection::End2ToEnd1:
        return "Περιορίζει η κατεύθυνση 2 → 1.";
    case LimitingDirection::Neither:
        return "Οι δύο κατευθύνσεις φτάνουν το ίδιο.";
    case LimitingDirection::Unknown:
        break;
    }
    return {};
}

InstallerReadoutTexts readoutTexts(const LinkFigures& figures, const NumberLocale& locale) {
    const PathReadouts& path = figures.atDistance;
    InstallerReadoutTexts texts;
    texts.legalPower1 = legalPowerText(figures.legalPower1, locale);
    texts.legalPower2 = legalPowerText(figures.legalPower2, locale);
    texts.freeSpaceLoss = figureText(path.freeSpaceLoss, " dB", locale);
    texts.received = figureText(path.received, " dBm", locale);
    texts.margin = figureText(path.margin, " dB", locale);
    texts.marginMet = !texts.margin.empty() && path.marginMet;
    texts.clearance = figureText(path.clearance, " m", locale);
    texts.fresnelRadius = figureText(path.fresnelRadius, " m", locale);
    texts.fresnelPart = figureText(path.fresnelPart, " m", locale);
    texts.earthBulge = figureText(path.earthBulge, " m", locale);
    texts.reverseDistance =
        label(figures.directions.reverse, DisplayPattern::ThreeDecimals, " Km", locale);
    texts.limiting = figures.directions.limiting;
    if (!texts.reverseDistance.empty())
        texts.wayBack = "Αντίστροφα (Interface 2 → Interface 1): " + texts.reverseDistance + ". " +
                        limitingDirection(texts.limiting);
    if (!texts.clearance.empty())
        texts.clearanceTerms = formatGeneral(static_cast<float>(kClearFresnelPart), locale) +
                               " × Fresnel " + texts.fresnelPart + " (Fresnel " +
                               texts.fresnelRadius + ") + καμπυλότητα γης " + texts.earthBulge +
                               " (k = " + earthFactorChoice(figures.earthFactor).label + ")";
    return texts;
}

// An angle with its sign always shown: "+0.14°", "-0.18°", "0.00°".
std::string tiltText(const Double& degrees, const NumberLocale& locale) {
    std::string text = figureText(degrees, "°", locale);
    if (!text.empty() && !text.starts_with(locale.minus) && degrees.value > 0.0 &&
        text.find_first_not_of("0.,°") != std::string::npos)
        text.insert(0, locale.plus);
    return text;
}

std::string metresText(double metres, const NumberLocale& locale) {
    return formatPattern(metres, DisplayPattern::TwoDecimals, locale);
}

PathTexts pathTexts(const PathFigures& figures, const NumberLocale& locale) {
    PathTexts texts;
    if (const PointFigures* worst = figures.worstPoint()) {
        texts.worstAt = formatPattern(worst->km, DisplayPattern::ThreeDecimals, locale) + " km";
        texts.lineOfSight = metresText(worst->lineOfSight, locale) + " m";
        texts.earthBulge = metresText(worst->earthBulge, locale) + " m";
        texts.fresnelRadius = metresText(worst->fresnelRadius, locale) + " m";
        texts.clearance = metresText(worst->clearance, locale) + " m";
        texts.verdict = worst->verdict;
        if (worst->verdict != Verdict::Unknown)
            texts.fresnelZone = formatPattern(worst->share, DisplayPattern::WholeNumber, locale) +
                                " % " + verdictWord(worst->verdict);
    }
    texts.knifeEdgeLoss = figureText(figures.knifeEdgeLoss, " dB", locale);
    texts.profileLoss = figureText(figures.profileLoss, " dB", locale);
    texts.margin = figureText(figures.margin, " dB", locale);
    texts.marginMet = !texts.margin.empty() && figures.marginMet;
    texts.leastMast1 = figureText(figures.leastMast1, " m", locale);
    texts.leastMast2 = figureText(figures.leastMast2, " m", locale);
    texts.tilt1 = tiltText(figures.tilt1, locale);
    texts.tilt2 = tiltText(figures.tilt2, locale);
    if (!figures.profile.withoutGround.empty())
        texts.withoutGround =
            formatPattern(figures.kmWithoutGround, DisplayPattern::ThreeDecimals, locale) + " km";
    return texts;
}

std::string problemText(const PositionReading& reading) {
    if (reading.problem == PositionProblem::Empty) return {};
    return std::string(positionProblemText(reading.problem));
}

PositionTexts positionTexts(const LinkFigures& figures, const LinkInputs& inputs,
                            const NumberLocale& locale) {
    const GeoFigures& geo = figures.geo;
    PositionTexts texts;
    texts.fromPositions = figures.distanceFromPositions;
    texts.linkDistance = texts.fromPositions ? formatPattern(geo.path.value.distanceKm,
                                                             DisplayPattern::ThreeDecimals, locale)
                                             : inputs.linkDistance;
    texts.problem1 = problemText(geo.end1);
    texts.problem2 = problemText(geo.end2);
    if (geo.path.ok()) {
        const GeodesicPath& path = geo.path.value;
        if (path.bearing1) texts.bearing1 = bearingText(*path.bearing1, locale);
        if (path.bearing2) texts.bearing2 = bearingText(*path.bearing2, locale);
    }
    if (geo.magnetic1 && geo.magnetic2)
        texts.magnetic =
            bearingText(*geo.magnetic1, locale) + " / " + bearingText(*geo.magnetic2, locale);
    return texts;
}

// A rate to a tenth of a megabit, as the standards quote them: 29.25 is "29.3".
std::string megabitsText(double megabits, const NumberLocale& locale) {
    return formatGeneral(static_cast<float>(std::round(megabits * 10) / 10), locale);
}

std::string rateName(const RateRow& row, const NumberLocale& locale) {
    const std::string megabits = megabitsText(row.megabits, locale);
    return row.mcs ? "MCS" + std::to_string(*row.mcs) : megabits + " Mb/s";
}

std::string fixed(const std::optional<double>& value, DisplayPattern pattern,
                  const NumberLocale& locale) {
    return value ? formatPattern(*value, pattern, locale) : std::string();
}

EndAimTexts aimTexts(const EndAlignment& alignment, const AimAngles& aim,
                     const NumberLocale& locale) {
    EndAimTexts texts;
    if (alignment.expectedDbm)
        texts.target = fixed(alignment.expectedDbm, DisplayPattern::TwoDecimals, locale) + " dBm";
    texts.belowSensitivity = alignment.belowSensitivity;
    if (alignment.belowSensitivity) {
        texts.check = "κάτω από την ευαισθησία: η ζεύξη δεν θα συνδεθεί";
    } else if (alignment.differenceDb && alignment.verdict) {
        const double difference = *alignment.differenceDb;
        texts.target += ", " + fixed(std::fabs(difference), DisplayPattern::TwoDecimals, locale) +
                        (difference < 0 ? " dB ασθενέστερη" : " dB ισχυρότερη");
        texts.check = std::string(verdictWords(*alignment.verdict));
        texts.aligned = *alignment.verdict == AlignmentVerdict::Aligned;
    } else if (alignment.unreadableMeasured) {
        texts.check = "δεν διαβάζεται ως αριθμός";
    }
    if (aim.oneDbDegrees && aim.threeDbDegrees)
        texts.beamwidth = "1 dB: ±" + fixed(aim.oneDbDegrees, DisplayPattern::OneDecimal, locale) +
                          "°, 3 dB: ±" +
                          fixed(aim.threeDbDegrees, DisplayPattern::OneDecimal, locale) + "°";
    return texts;
}

RateTexts rateTexts(const LinkFigures& figures, const NumberLocale& locale) {
    RateTexts texts;
    for (const RateRow& row : figures.rates.rows)
        texts.rows.push_back({rateName(row, locale), megabitsText(row.megabits, locale),
                              fixed(row.sensitivityDbm, DisplayPattern::TwoDecimals, locale),
                              fixed(row.greatestKm, DisplayPattern::ThreeDecimals, locale),
                              fixed(row.marginDb, DisplayPattern::TwoDecimals, locale),
                              row.meetsFadeMargin, row.unreadableOverride});
    if (figures.rates.best) {
        const RateRow& best = figures.rates.rows[*figures.rates.best];
        const std::string megabits = megabitsText(best.megabits, locale) + " Mb/s";
        texts.best = best.mcs ? "MCS" + std::to_string(*best.mcs) + ", " + megabits : megabits;
    } else if (const auto& shortfall = figures.rates.shortfall) {
        const RateRow& nearest = figures.rates.rows[shortfall->row];
        texts.none = true;
        texts.best = "κανένας: λείπουν " +
                     formatPattern(shortfall->db, DisplayPattern::TwoDecimals, locale) + " dB " +
                     (nearest.mcs ? "στο " : "στα ") + rateName(nearest, locale);
    }
    texts.end1 = aimTexts(figures.alignment1, figures.aim1, locale);
    texts.end2 = aimTexts(figures.alignment2, figures.aim2, locale);
    return texts;
}

} // namespace

PointTexts pointTexts(const PointFigures& point, const NumberLocale& locale) {
    PointTexts row;
    row.state = point.state;
    if (point.state != PointState::Used) return row;
    row.clearance = metresText(point.clearance, locale);
    row.share = formatPattern(point.share, DisplayPattern::WholeNumber, locale);
    row.verdict = point.verdict;
    return row;
}

std::string bearingText(double degrees, const NumberLocale& locale) {
    return formatPattern(bearingForDisplay(degrees, 1), DisplayPattern::OneDecimal, locale) + "°";
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

LinkTexts linkTexts(const LinkFigures& figures, const LinkInputs& inputs,
                    const NumberLocale& locale) {
    return {resultTextsOf(figures.results, locale),
            positionTexts(figures, inputs, locale),
            readoutTexts(figures, locale),
            pathTexts(figures.path, locale),
            rateTexts(figures, locale),
            bandTexts(figures),
            earthFactorChoice(figures.earthFactor).label,
            figures.exceedsLimit1,
            figures.exceedsLimit2};
}

LinkTexts linkTexts(const LinkInputs& inputs, const NumberLocale& locale) {
    return linkTexts(linkFigures(inputs, locale), inputs, locale);
}

} // namespace tarvanel
