#include "texts/link_sheet.h"

#include "band/band.h"
#include "texts/band_texts.h"
#include "texts/captions.h"
#include "texts/result_text.h"

#include <algorithm>
#include <array>

namespace tarvanel {

namespace {

namespace c = caption;
using P = SheetPart;
using From = SheetSources;

std::string trimmed(const std::string& text) {
    constexpr const char* kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// A text as typed, with its unit after it; nothing when it holds nothing.
std::string typed(const std::string& text, const char* unit = "") {
    std::string value = trimmed(text);
    if (!value.empty() && *unit) value += std::string(" ") + unit;
    return value;
}

const LinkEndFields& endOf(const From& from, P part) {
    return part == P::End2 ? from.inputs.link.end2 : from.inputs.link.end1;
}

const char* unitWord(PowerUnit unit) {
    return unit == PowerUnit::mW ? "mW" : "dBm";
}

// Where TPC moves a limit of the link's band, and a band of several widths.
bool limitFollowsTpc(const LinkInputs& in) {
    for (const SubBandRule& rule : bandTable(in.band).rules)
        if (legalLimitDbm(rule, true) != legalLimitDbm(rule, false)) return true;
    return false;
}
bool severalWidths(const LinkInputs& in) {
    return bandTable(in.band).widths.size() > 1;
}

// How many points the profile holds, and where they came from.
std::string pointsText(const PathFields& path) {
    if (path.points.empty()) return {};
    std::string text = std::to_string(path.points.size());
    if (!path.pointsSource.empty()) text += " (από " + path.pointsSource + ")";
    return text;
}

// The rates whose datasheet figures the user typed: "MCS4: ευαισθησία -80 dBm".
std::string overridesText(const From& from) {
    const RateFields& rates = from.inputs.rates;
    const std::vector<RateRowTexts>& rows = from.texts.rates.rows;
    std::string typedRows;
    for (std::size_t i = 0; i < rates.overrides.size() && i < rows.size(); ++i) {
        const RateOverride& row = rates.overrides[i];
        std::string figures;
        if (!row.sensitivity.empty()) figures = "ευαισθησία " + row.sensitivity + " dBm";
        if (!row.power.empty())
            figures += (figures.empty() ? "" : ", ") + std::string("ισχύς ") + row.power + " dBm";
        if (figures.empty()) continue;
        typedRows += (typedRows.empty() ? "" : "; ") + rows[i].name + ": " + figures;
    }
    return typedRows;
}

// Each end's lines, the same for both.
template <P End> constexpr std::array<SheetField, 9> endFields() {
    constexpr bool two = End == P::End2;
    return {{
        {End, c::kPower, "power",
         [](const From& f) { return typed(endOf(f, End).power, unitWord(endOf(f, End).unit)); }},
        {End, c::kGain, "gain_dbi", [](const From& f) { return typed(endOf(f, End).gain, "dBi"); }},
        {End, c::kLossPerMetre, "cable_loss_db_per_m",
         [](const From& f) { return typed(endOf(f, End).lossPerMetre, "dB/m"); }},
        {End, c::kLength, "cable_length_m",
         [](const From& f) { return typed(endOf(f, End).length, "m"); }},
        {End, c::kConnectors, "connectors",
         [](const From& f) { return typed(endOf(f, End).connectors); }},
        {End, c::kCableLoss, nullptr,
         [](const From& f) { return cableLossText(endOf(f, End), f.locale) + " dB"; }},
        {End, two ? c::kEirp2 : c::kEirp1, nullptr,
         [](const From& f) {
             return trimmed(two ? f.texts.results.eirp2 : f.texts.results.eirp1);
         }},
        {End, "", nullptr,
         [](const From& f) {
             return std::string((two ? f.texts.warning2 : f.texts.warning1) ? c::kOutsideLegalLimits
                                                                            : "");
         }},
        {End, two ? c::kLegalPower2 : c::kLegalPower1, nullptr,
         [](const From& f) {
             return two ? f.texts.readouts.legalPower2 : f.texts.readouts.legalPower1;
         }},
    }};
}

// One end's alignment lines.
template <int End> constexpr std::array<SheetField, 5> aimFields() {
    constexpr bool two = End == 2;
    return {{
        {P::Rates, two ? c::kMeasured2 : c::kMeasured1, "measured_level_dbm",
         [](const From& f) {
             return typed(two ? f.inputs.rates.measured2 : f.inputs.rates.measured1, "dBm");
         }},
        {P::Rates, two ? c::kTarget2 : c::kTarget1, nullptr,
         [](const From& f) { return (two ? f.texts.rates.end2 : f.texts.rates.end1).target; }},
        {P::Rates, two ? c::kCheck2 : c::kCheck1, nullptr,
         [](const From& f) { return (two ? f.texts.rates.end2 : f.texts.rates.end1).check; }},
        {P::Rates, two ? c::kBeamwidth2 : c::kBeamwidth1, "beamwidth_deg",
         [](const From& f) {
             return typed(two ? f.inputs.rates.beamwidth2 : f.inputs.rates.beamwidth1, "°");
         }},
        {P::Rates, two ? c::kOffAxis2 : c::kOffAxis1, nullptr,
         [](const From& f) { return (two ? f.texts.rates.end2 : f.texts.rates.end1).beamwidth; }},
    }};
}

template <std::size_t... N> constexpr auto joined(const std::array<SheetField, N>&... parts) {
    std::array<SheetField, (N + ...)> all{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)),
      at += N),
     ...);
    return all;
}

constexpr std::array<SheetField, 14> kLinkFields{{
    {P::Link, c::kFrequency, "frequency_mhz",
     [](const From& f) { return typed(f.inputs.link.frequency, "MHz"); }},
    {P::Link, c::kChannel, "channel", [](const From& f) { return typed(f.inputs.channel); }},
    {P::Link, c::kBand, "band",
     [](const From& f) { return std::string(bandTable(f.inputs.band).name); }},
    {P::Link, c::kChannelWidth, "channel_width_mhz",
     [](const From& f) {
         return severalWidths(f.inputs)
                    ? std::to_string(widthMHz(widthIn(f.inputs.band, f.inputs.width))) + " MHz"
                    : std::string();
     }},
    {P::Link, c::kTpc, "tpc",
     [](const From& f) {
         return limitFollowsTpc(f.inputs) ? std::string(f.inputs.tpc ? "ναι" : "όχι")
                                          : std::string();
     }},
    {P::Link, c::kLegalLimit, nullptr, [](const From& f) { return f.texts.band.limit; }},
    {P::Link, c::kBandConditions, nullptr, [](const From& f) { return f.texts.band.conditions; }},
    {P::Link, c::kPosition1, "position", [](const From& f) { return typed(f.inputs.position1); }},
    {P::Link, c::kPosition2, "position", [](const From& f) { return typed(f.inputs.position2); }},
    {P::Link, c::kDistanceFromPositions, nullptr,
     [](const From& f) {
         const PositionTexts& positions = f.texts.positions;
         return positions.fromPositions ? typed(positions.linkDistance, "km") : std::string();
     }},
    {P::Link, c::kBearing1, nullptr, [](const From& f) { return f.texts.positions.bearing1; }},
    {P::Link, c::kBearing2, nullptr, [](const From& f) { return f.texts.positions.bearing2; }},
    {P::Link, c::kDeclination, "declination_deg",
     [](const From& f) { return typed(f.inputs.declination, "°"); }},
    {P::Link, c::kCompassBearings, nullptr,
     [](const From& f) { return f.texts.positions.magnetic; }},
}};

constexpr std::array<SheetField, 13> kReceiverAndResults{{
    {P::Receiver, c::kSensitivity, "sensitivity_dbm",
     [](const From& f) { return typed(f.inputs.link.sensitivity, "dBm"); }},
    {P::Receiver, c::kFadeMargin, "fade_margin_db",
     [](const From& f) { return typed(f.inputs.link.margin, "dB"); }},
    {P::Results, c::kGreatestDistance, nullptr,
     [](const From& f) { return trimmed(f.texts.results.distance); }},
    {P::Results, "", nullptr, [](const From& f) { return f.texts.readouts.wayBack; }},
    {P::Results, c::kFreeSpaceLoss, nullptr,
     [](const From& f) { return trimmed(f.texts.results.freeSpace); }},
    {P::Results, c::kFresnelRadius, nullptr,
     [](const From& f) { return trimmed(f.texts.results.fresnel); }},
    {P::Readouts, c::kLinkDistance, "link_distance_km",
     [](const From& f) { return typed(f.texts.positions.linkDistance, "km"); }},
    {P::Readouts, c::kReceived, nullptr, [](const From& f) { return f.texts.readouts.received; }},
    {P::Readouts, c::kMargin, nullptr, [](const From& f) { return f.texts.readouts.margin; }},
    {P::Readouts, c::kClearance, nullptr, [](const From& f) { return f.texts.readouts.clearance; }},
    {P::Readouts, "", nullptr, [](const From& f) { return f.texts.readouts.clearanceTerms; }},
    {P::Path, c::kGround1, "ground_m",
     [](const From& f) { return typed(f.inputs.path.ground1, "m"); }},
    {P::Path, c::kMast1, "mast_m", [](const From& f) { return typed(f.inputs.path.mast1, "m"); }},
}};

#define PATH_FIGURE(text, member)                                                                  \
    SheetField {                                                                                   \
        P::Path, text, nullptr, [](const From& f) { return f.texts.path.member; }                  \
    }

constexpr std::array<SheetField, 20> kPathFields{{
    {P::Path, c::kGround2, "ground_m",
     [](const From& f) { return typed(f.inputs.path.ground2, "m"); }},
    {P::Path, c::kMast2, "mast_m", [](const From& f) { return typed(f.inputs.path.mast2, "m"); }},
    {P::Path, c::kEarthFactor, "earth_factor_k",
     [](const From& f) { return std::string(f.texts.earthFactor); }},
    PATH_FIGURE(c::kWorstPoint, worstAt),
    PATH_FIGURE(c::kLineOfSight, lineOfSight),
    PATH_FIGURE(c::kEarthBulge, earthBulge),
    PATH_FIGURE(c::kPointFresnelRadius, fresnelRadius),
    PATH_FIGURE(c::kPointClearance, clearance),
    PATH_FIGURE(c::kFresnelZone, fresnelZone),
    PATH_FIGURE(c::kKnifeEdge, knifeEdgeLoss),
    PATH_FIGURE(c::kDiffractionLoss, profileLoss),
    PATH_FIGURE(c::kPathMargin, margin),
    PATH_FIGURE(c::kLeastMast1, leastMast1),
    PATH_FIGURE(c::kLeastMast2, leastMast2),
    PATH_FIGURE(c::kTilt1, tilt1),
    PATH_FIGURE(c::kTilt2, tilt2),
    {P::Path, c::kProfilePoints, "profile_points",
     [](const From& f) { return pointsText(f.inputs.path); }},
    PATH_FIGURE(c::kWithoutGround, withoutGround),
    {P::Rates, c::kStandard, "rate_standard",
     [](const From& f) { return rateStandardName(f.inputs.rates.standard); }},
    {P::Rates, c::kBestRate, nullptr, [](const From& f) { return f.texts.rates.best; }},
}};

#undef PATH_FIGURE

constexpr std::array<SheetField, 1> kOverrides{{
    {P::Rates, c::kRateOverrides, "rate_overrides", overridesText},
}};

constexpr auto kFields =
    joined(kLinkFields, endFields<P::End1>(), endFields<P::End2>(), kReceiverAndResults,
           kPathFields, kOverrides, aimFields<1>(), aimFields<2>());

const char* headingOf(P part) {
    switch (part) {
    case P::End1:
        return c::kEnd1;
    case P::End2:
        return c::kEnd2;
    case P::Receiver:
        return "Δέκτης";
    case P::Results:
        return "Αποτελέσματα";
    case P::Readouts:
        return "Στην απόσταση ζεύξης";
    case P::Path:
        return "Διαδρομή ζεύξης";
    case P::Rates:
        return "Ρυθμοί και στόχευση";
    case P::Link:
        break;
    }
    return "";
}

} // namespace

std::span<const SheetField> linkSheetFields() {
    return kFields;
}

Sheet linkSheet(const std::string& title, const LinkInputs& inputs, const LinkTexts& texts,
                const NumberLocale& locale) {
    const SheetSources from{inputs, texts, locale};
    Sheet sheet{title, {}};
    for (auto first = kFields.begin(); first != kFields.end();) {
        const P part = first->part;
        const auto last = std::find_if(first, kFields.end(),
                                       [part](const SheetField& f) { return f.part != part; });
        SheetSection section{headingOf(part), {}, {}};
        // The path says something only once one of its fields does (its k
        // alone says nothing).
        bool typedHere = part != P::Path;
        for (auto field = first; field != last; ++field) {
            std::string value = field->value(from);
            if (value.empty()) continue;
            typedHere = typedHere || (field->planKey && part == P::Path &&
                                      std::string_view(field->planKey).ends_with("_m"));
            section.lines.push_back({field->caption, std::move(value), Tone::Plain});
        }
        if (typedHere && !section.lines.empty()) sheet.sections.push_back(std::move(section));
        first = last;
    }
    return sheet;
}

std::string sheetText(const Sheet& sheet) {
    std::string text = sheet.title + "\n";
    for (const SheetSection& section : sheet.sections) {
        if (!section.heading.empty()) text += "\n" + section.heading + "\n";
        for (const SheetLine& line : section.lines)
            text += (line.caption.empty() ? "" : line.caption + ": ") + line.value + "\n";
        if (!section.table.rows.empty()) {
            std::string header;
            for (const std::string& cell : section.table.header)
                header += (header.empty() ? "" : "\t") + cell;
            text += header + "\n";
            for (const auto& row : section.table.rows) {
                std::string cells;
                for (const std::string& cell : row)
                    cells += (cells.empty() ? "" : "\t") + cell;
                text += cells + "\n";
            }
        }
    }
    return text;
}

} // namespace tarvanel
