#include "plan_export/plan_features.h"

#include "engine/link_figures.h"
#include "geo/geodesy.h"
#include "numbers/number_text.h"
#include "sites/site_columns.h"
#include "sites/site_rows.h"
#include "texts/link_texts.h"

#include <cmath>
#include <map>
#include <numbers>

namespace tarvanel {

namespace {

constexpr std::uint32_t kGreen = 0x008000ff; // the window's colours, 0xRRGGBBAA
constexpr std::uint32_t kRed = 0xff0000ff;
constexpr std::uint32_t kGrey = 0x808080ff;
constexpr std::uint32_t kSiteBlue = 0x143296ff; // the map's site dots
constexpr std::uint32_t kOutline = 0xffa000ff;
constexpr int kOutlineSegments = 36;

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// A text as a number, 0 when it holds none.
double numberOr0(const std::string& text, const NumberLocale& locale) {
    const Outcome<double> read = toDouble(text, locale);
    return read.ok() && std::isfinite(read.value) ? read.value : 0.0;
}

double antennaOf(const Site& site, const NumberLocale& locale) {
    return numberOr0(site.ground, locale) + numberOr0(site.mast, locale);
}

MapFeature siteFeature(const Site& site, const Position& at, const NumberLocale& locale) {
    const double antenna = antennaOf(site, locale);
    MapFeature feature{site.name, {{at, antenna}}, {}, kSiteBlue};
    for (std::size_t column = 0; column < SiteColumnCount; ++column)
        if (column != NameColumn && column != PositionColumn)
            feature.attributes.push_back(
                {std::string(siteColumns()[column].key), cellText(site, column)});
    feature.attributes.push_back({kAntennaHeightKey, rounded(antenna, 2)});
    feature.attributes.push_back(
        {"description", "Κεραία " + formatGeneral(static_cast<float>(rounded(antenna, 2)), locale) +
                            " m πάνω από τη θάλασσα (έδαφος " +
                            (site.ground.empty() ? "0" : site.ground) + " m, ιστός " +
                            (site.mast.empty() ? "0" : site.mast) + " m)"});
    return feature;
}

// The margin a link is judged on: over its profile when that gives Lb.
struct Judged {
    std::optional<double> margin;
    std::string marginText;
    bool met = false;
};
Judged judged(const LinkFigures& figures, const LinkTexts& texts) {
    const bool overPath = figures.path.margin.ok();
    const Outcome<double>& margin = overPath ? figures.path.margin : figures.atDistance.margin;
    if (!margin.ok() || !figures.atDistance.fadeMargin.ok()) return {};
    return {margin.value, overPath ? texts.path.margin : texts.readouts.margin,
            overPath ? figures.path.marginMet : figures.atDistance.marginMet};
}

MapFeature linkFeature(const Plan& plan, const Link& link, const std::array<FeaturePoint, 2>& ends,
                       const NumberLocale& locale) {
    const LinkInputs inputs = plan.inputs(link.id);
    const LinkFigures figures = linkFigures(inputs, locale);
    const LinkTexts texts = linkTexts(figures, inputs, locale);
    const Judged judgement = judged(figures, texts);
    const std::string name = plan.site(link.ends[0])->name + " – " + plan.site(link.ends[1])->name;
    MapFeature feature{name,
                       {ends[0], ends[1]},
                       {},
                       !judgement.margin ? kGrey
                       : judgement.met   ? kGreen
                                         : kRed,
                       link.id == plan.currentLink() ? 5.0 : 3.0};
    auto& attributes = feature.attributes;
    std::string description;
    const auto say = [&](const std::string& caption, const std::string& text) {
        if (!text.empty()) description += (description.empty() ? "" : " · ") + caption + " " + text;
    };
    if (figures.geo.path.ok()) {
        const GeodesicPath& path = figures.geo.path.value;
        attributes.push_back({"distance_km", rounded(path.distanceKm, 3)});
        if (path.bearing1) attributes.push_back({"bearing_1_deg", rounded(*path.bearing1, 1)});
        if (path.bearing2) attributes.push_back({"bearing_2_deg", rounded(*path.bearing2, 1)});
        say("Απόσταση", texts.positions.linkDistance + " km");
        say("Αζιμούθια", texts.positions.bearing1 + " / " + texts.positions.bearing2);
    }
    if (const PointFigures* worst = figures.path.worstPoint()) {
        attributes.push_back({"worst_point_km", rounded(worst->km, 3)});
        attributes.push_back({"worst_point_f1_percent", std::round(worst->share)});
        say("Χειρότερο σημείο", texts.path.worstAt + ", " + texts.path.fresnelZone);
    }
    if (figures.path.profileLoss.ok()) {
        attributes.push_back({"lb_db", rounded(figures.path.profileLoss.value, 2)});
        say("Lb", texts.path.profileLoss);
    }
    if (judgement.margin) {
        const double fade = std::fabs(figures.atDistance.fadeMargin.value);
        attributes.push_back({"margin_db", rounded(*judgement.margin, 2)});
        attributes.push_back({"fade_margin_db", fade});
        say("Περιθώριο", judgement.marginText + (judgement.met ? " (κρατά" : " (κάτω από") +
                             " το fade margin " + formatGeneral(static_cast<float>(fade), locale) +
                             " dB)");
    }
    attributes.push_back({"best_rate", texts.rates.best});
    say("Καλύτερος ρυθμός", texts.rates.best);
    attributes.push_back({"description", description});
    return feature;
}

// 60 % of the first Fresnel zone around the line of sight at the current
// link's worst point, in the plane across the path there.
std::optional<MapFeature> fresnelOutline(const Plan& plan, const Position& end1,
                                         const NumberLocale& locale) {
    const LinkFigures figures = linkFigures(plan.currentInputs(), locale);
    const PointFigures* worst = figures.path.worstPoint();
    if (!worst || !figures.geo.path.ok() || !figures.geo.path.value.bearing1) return std::nullopt;
    const Outcome<GeodesicStep> centre =
        geodesicStep(end1, *figures.geo.path.value.bearing1, worst->km);
    if (!centre.ok()) return std::nullopt;
    const double radius = 0.6 * worst->fresnelRadius;
    MapFeature outline{"60 % της ζώνης Fresnel, " +
                           formatPattern(worst->km, DisplayPattern::ThreeDecimals, locale) +
                           " km από το άκρο 1",
                       {},
                       {{"worst_point_km", rounded(worst->km, 3)},
                        {"radius_m", rounded(radius, 2)},
                        {"line_of_sight_asl_m", rounded(worst->lineOfSight, 2)}},
                       kOutline,
                       2.0};
    for (int i = 0; i <= kOutlineSegments; ++i) {
        const double angle = 2 * std::numbers::pi * i / kOutlineSegments;
        const double across = radius * std::cos(angle); // metres to the right of the path
        const Outcome<GeodesicStep> at =
            geodesicStep(centre.value.position, centre.value.bearing + 90.0, across / 1000.0);
        if (!at.ok()) return std::nullopt;
        outline.points.push_back(
            {at.value.position, worst->lineOfSight + radius * std::sin(angle)});
    }
    return outline;
}

} // namespace

std::vector<FeatureLayer> planFeatures(const Plan& plan, const NumberLocale& locale,
                                       bool withFresnelOutline) {
    FeatureLayer sites{"Τοποθεσίες", {}};
    std::map<SiteId, FeaturePoint> antennas;
    for (const Site& site : plan.sites()) {
        if (!siteProblem(site, locale).empty()) continue;
        const Position at = readPosition(site.position, locale).position;
        antennas.emplace(site.id, FeaturePoint{at, antennaOf(site, locale)});
        sites.features.push_back(siteFeature(site, at, locale));
    }
    FeatureLayer links{"Ζεύξεις", {}};
    for (const Link& link : plan.links()) {
        const auto end1 = antennas.find(link.ends[0]), end2 = antennas.find(link.ends[1]);
        if (end1 != antennas.end() && end2 != antennas.end())
            links.features.push_back(linkFeature(plan, link, {end1->second, end2->second}, locale));
    }
    std::vector<FeatureLayer> layers{std::move(sites), std::move(links)};
    const auto current = antennas.find(plan.current().ends[0]);
    if (withFresnelOutline && current != antennas.end())
        if (auto outline = fresnelOutline(plan, current->second.position, locale))
            layers.push_back({"Ζώνη Fresnel 60 %", {std::move(*outline)}});
    return layers;
}

} // namespace tarvanel
