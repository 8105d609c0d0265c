#include "survey/survey_row.h"

#include "engine/link_figures.h"
#include "engine/radio_physics.h"
#include "numbers/number_text.h"
#include "plan/plan.h"
#include "texts/link_texts.h"

#include <cmath>
#include <filesystem>

namespace tarvanel {

namespace {

const std::array<SurveyColumnText, SurveyColumnCount> kColumns{{
    {"Τοποθεσία", "Η άλλη τοποθεσία"},
    {"km", "Γεωδαισιακή απόσταση στο ελλειψοειδές WGS84, km"},
    {"Αζιμούθιο εδώ", "Αληθές αζιμούθιο από την επιλεγμένη τοποθεσία προς την άλλη"},
    {"Αζιμούθιο εκεί", "Αληθές αζιμούθιο από την άλλη τοποθεσία προς την επιλεγμένη"},
    {"Έδαφος", "Από τα αρχεία υψομέτρων κατά μήκος της γεωδαισιακής, ή χωρίς έδαφος"},
    {"Χειρότερο σημείο",
     "km από την επιλεγμένη τοποθεσία· χωρίς έδαφος, το ελεύθερο ύψος που χρειάζεται στο μέσο"},
    {"% F1", "Το διάκενο στο χειρότερο σημείο ως ποσοστό της πρώτης ζώνης Fresnel"},
    {"Lb dB", "Απώλεια περίθλασης σε όλο το προφίλ (Bullington)"},
    {"Λήψη εκεί", "Η στάθμη που φτάνει στην άλλη τοποθεσία, μείον Lb"},
    {"Περιθώριο εκεί", "Πάνω από την ευαισθησία της άλλης τοποθεσίας· πράσινο από το fade margin"},
    {"Λήψη εδώ", "Η στάθμη που φτάνει στην επιλεγμένη τοποθεσία, μείον Lb"},
    {"Περιθώριο εδώ", "Πάνω από την ευαισθησία της επιλεγμένης· πράσινο από το fade margin"},
    {"Καλύτερος ρυθμός", "Ο ταχύτερος ρυθμός που κρατά το fade margin"},
}};

std::optional<double> known(const Outcome<double>& value) {
    return value.ok() ? std::optional(value.value) : std::nullopt;
}

// The last part of a folder's path: "/data/srtm/" gives "srtm".
std::string folderName(const std::string& folderUtf8) {
    std::filesystem::path path(folderUtf8);
    if (!path.has_filename()) path = path.parent_path();
    return path.filename().string();
}

Tone toneOf(bool good) {
    return good ? Tone::Good : Tone::Bad;
}

} // namespace

const std::array<SurveyColumnText, SurveyColumnCount>& surveyColumns() {
    return kColumns;
}

SurveyPair surveyPair(const Link& settings, const Site& from, const Site& to,
                      const std::optional<ElevationProfile>& ground, const std::string& folderUtf8,
                      const NumberLocale& locale) {
    SurveyPair pair{settings, from, to};
    pair.link.ends = {from.id, to.id};
    pair.link.points.clear();
    pair.link.pointsSource.clear();
    pair.link.readings = {};
    if (!ground || ground->samples.empty()) return pair;
    // As the path panel writes the ground it reads from the same files.
    const auto written = [&](double value, DisplayPattern pattern) {
        return formatPattern(value, pattern, locale);
    };
    if (pair.from.ground.empty() && ground->ground1M)
        pair.from.ground = written(*ground->ground1M, DisplayPattern::OneDecimal);
    if (pair.to.ground.empty() && ground->ground2M)
        pair.to.ground = written(*ground->ground2M, DisplayPattern::OneDecimal);
    pair.link.points.reserve(ground->samples.size());
    for (const GroundSample& sample : ground->samples)
        pair.link.points.push_back({written(sample.km, DisplayPattern::ThreeDecimals),
                                    written(sample.groundM, DisplayPattern::OneDecimal), ""});
    pair.link.pointsSource = std::string(kElevationFilesSource) + ", " + folderName(folderUtf8);
    return pair;
}

SurveyRow surveyRow(const SurveyPair& pair, const std::optional<ElevationProfile>& ground,
                    const NumberLocale& locale) {
    const LinkInputs there = linkInputs(pair.link, pair.from, pair.to);
    const LinkFigures figures = linkFigures(there, locale);
    const LinkTexts texts = linkTexts(figures, there, locale);
    // The way back needs no ground: its loss over the profile is the same.
    Link back = pair.link;
    back.points.clear();
    const LinkFigures backFigures = linkFigures(linkInputs(back, pair.to, pair.from), locale);

    SurveyRow row;
    row.site = pair.to.id;
    auto& cells = row.cells;
    auto& keys = row.keys;
    cells[SurveyName] = pair.to.name;
    if (figures.geo.path.ok()) {
        const GeodesicPath& path = figures.geo.path.value;
        row.distanceKm = path.distanceKm;
        keys[SurveyDistance] = path.distanceKm;
        keys[SurveyBearingOut] = path.bearing1;
        keys[SurveyBearingBack] = path.bearing2;
        cells[SurveyDistance] = texts.positions.linkDistance;
        cells[SurveyBearingOut] = texts.positions.bearing1;
        cells[SurveyBearingBack] = texts.positions.bearing2;
    }

    const PathFigures& path = figures.path;
    const bool withGround = !there.path.points.empty();
    const std::optional<double> loss = withGround ? known(path.profileLoss) : std::nullopt;
    cells[SurveyGround] = withGround                         ? "αρχεία υψομέτρων"
                          : ground && !ground->error.empty() ? "χωρίς έδαφος: " + ground->error
                                                             : "χωρίς έδαφος";
    if (withGround && ground && !ground->missingTiles.empty())
        cells[SurveyGround] += ", λείπουν πλακίδια";
    if (const PointFigures* worst = path.worstPoint(); withGround && worst) {
        cells[SurveyWorst] = texts.path.worstAt;
        cells[SurveyFresnel] = texts.path.fresnelZone;
        keys[SurveyWorst] = worst->km;
        keys[SurveyFresnel] = worst->share;
        row.tones[SurveyFresnel] = toneOf(worst->verdict == Verdict::Clear);
    } else if (!withGround && figures.atDistance.clearance.ok()) {
        cells[SurveyWorst] = "ελεύθερο ύψος " + texts.readouts.clearance;
        keys[SurveyWorst] = figures.atDistance.clearance.value;
    }
    if (loss) {
        cells[SurveyLoss] = texts.path.profileLoss;
        keys[SurveyLoss] = loss;
    }

    // A direction's level and margin, less Lb when the ground gives it.
    const auto direction = [&](const PathReadouts& readouts, SurveyColumn level,
                               SurveyColumn margin) {
        const double lessLb = loss.value_or(0.0);
        if (!readouts.received.ok() || (withGround && !loss)) return std::optional<double>();
        keys[level] = readouts.received.value - lessLb;
        cells[level] = figureText(Outcome<double>{*keys[level]}, " dBm", locale);
        if (!readouts.margin.ok()) return std::optional<double>();
        keys[margin] = readouts.margin.value - lessLb;
        cells[margin] = figureText(Outcome<double>{*keys[margin]}, " dB", locale);
        const bool met = readouts.fadeMargin.ok() &&
                         meetsFadeMargin(*keys[margin], std::fabs(readouts.fadeMargin.value));
        row.tones[margin] = toneOf(met);
        return keys[margin];
    };
    row.marginThere = direction(figures.atDistance, SurveyReceivedThere, SurveyMarginThere);
    row.marginHere = direction(backFigures.atDistance, SurveyReceivedHere, SurveyMarginHere);

    const RateTable& rates = figures.rates;
    cells[SurveyBestRate] = texts.rates.best;
    if (rates.best) keys[SurveyBestRate] = rates.rows[*rates.best].megabits;
    if (!texts.rates.best.empty()) row.tones[SurveyBestRate] = toneOf(!texts.rates.none);
    return row;
}

} // namespace tarvanel
