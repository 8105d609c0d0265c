// Fills all 13 fields of the link, the link distance, the path panel's four
// texts, both positions and the declination with arbitrary texts, in any power unit, earth factor
// and locale, and checks what the refresh relies on: every result is finite, a failure carries 0,
// and the label, read-out and path texts are empty or well formed.

#include "fuzz/fuzz_support.h"
#include "texts/link_texts.h"

#include <cmath>

namespace {

using namespace tarvanel;
using namespace tarvanel::fuzz;

// Empty, or a result text with its suffix; never a NaN or an infinity, in any case.
void checkReadout(std::string_view text, int decimals, std::string_view suffix,
                  const NumberLocale& locale, const char* what) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    check(lower.find("nan") == lower.npos && lower.find("inf") == lower.npos, what);
    check(text.empty() || isResultText(text, decimals, suffix, locale), what);
}

// Empty, or "X dBm (Y mW)".
void checkLegalPower(std::string_view text, const NumberLocale& locale) {
    if (text.empty()) return;
    const std::size_t open = text.find(" (");
    check(open != text.npos && text.ends_with(')'), "legal power: X dBm (Y mW)");
    checkReadout(text.substr(0, open), 2, " dBm", locale, "legal power in dBm");
    checkReadout(text.substr(open + 2, text.size() - open - 3), 2, " mW", locale,
                 "legal power in mW");
}

void checkPath(const PathTexts& path, const PathProfile& p, const NumberLocale& locale) {
    for (const std::string* metres : {&path.lineOfSight, &path.earthBulge, &path.fresnelRadius,
                                      &path.clearance, &path.leastMast1, &path.leastMast2})
        checkReadout(*metres, 2, " m", locale, "path figure in m");
    checkReadout(path.knifeEdgeLoss, 2, " dB", locale, "knife-edge loss");
    checkReadout(path.profileLoss, 2, " dB", locale, "loss over the profile");
    checkReadout(path.worstAt, 3, " km", locale, "worst point");
    checkReadout(path.margin, 2, " dB", locale, "margin less the loss");
    check(!path.marginMet || !path.margin.empty(), "a path margin colour only with a margin");
    // Angles with their sign: "+0.14°", "-0.18°", "0.00°".
    for (std::string_view tilt : {path.tilt1, path.tilt2})
        checkReadout(tilt.starts_with(locale.plus) ? tilt.substr(locale.plus.size()) : tilt, 2, "°",
                     locale, "tilt");
    // The zone: a whole percent and the verdict, exactly while there is a verdict.
    std::string_view zone = path.fresnelZone;
    if (zone.starts_with(locale.minus)) zone.remove_prefix(locale.minus.size());
    const std::size_t digits = zone.find_first_not_of("0123456789");
    check(zone.empty() == (p.verdict == Verdict::Unknown) &&
              (zone.empty() || (digits > 0 && zone.substr(digits).starts_with(" % "))),
          "zone: a whole percent and the verdict, only with a verdict");
    for (const auto& value :
         {p.distanceKm, p.megahertz, p.antenna1Height, p.antenna2Height, p.worstKm})
        check(!value || std::isfinite(*value), "the side view's figures are finite");
    check(!p.distanceKm || *p.distanceKm > 0.0, "the side view's distance is positive");
    check(!p.worstKm || (*p.worstKm > 0.0 && *p.worstKm < *p.distanceKm),
          "the worst point stands between the ends");
    for (const GroundPoint& point : p.points)
        check(std::isfinite(point.ground) && std::isfinite(point.clutter) && point.km > 0.0 &&
                  point.km < *p.distanceKm,
              "the side view's points are finite and between the ends");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Options: unit of end 1, unit of end 2, locale, earth factor, band, width,
    // TPC. Then the 13 fields, the link distance in km, and the two antenna heights, the
    // obstacle's distance and its height, both positions and the declination.
    const auto t = splitLines({reinterpret_cast<const char*>(data), size}, 21);
    const FuzzLocale& l = kLocales[option(t, 2, kLocales.size())];
    const NumberLocale& locale = l.locale;
    currentLocale = l.name;
    constexpr std::array<PowerUnit, 3> kUnits{PowerUnit::dBm, PowerUnit::mW, PowerUnit::None};
    const LinkFields link{{t[1], kUnits[option(t, 0, 3)], t[2], t[3], t[4], t[5]},
                          {t[6], kUnits[option(t, 1, 3)], t[7], t[8], t[9], t[10]},
                          t[11],
                          t[12],
                          t[13]};

    const LinkResults r = evaluateLink(link, locale);
    for (const Outcome<float>* result :
         {&r.end1.power, &r.end1.cableLoss, &r.end1.eirp, &r.end2.power, &r.end2.cableLoss,
          &r.end2.eirp, &r.distance, &r.freeSpaceLoss, &r.fresnelRadius}) {
        FUZZ_CHECK(result->ok() ? std::isfinite(result->value) : result->value == 0.0f);
    }
    constexpr std::array<EarthFactor, 3> kFactors{EarthFactor::Standard, EarthFactor::Unity,
                                                  EarthFactor::Low};
    // Masts on ground 0 and one point of the ground, as the one obstacle.
    const PathFields path{kFactors[option(t, 3, 3)], "", t[15], "", t[16],
                          {{t[17], t[18], ""}},      ""};
    // Any band, width and TPC, also a width the band does not have.
    constexpr std::array<ChannelWidth, 3> kWidths{ChannelWidth::MHz20, ChannelWidth::MHz40,
                                                  ChannelWidth::MHz80};
    const LinkInputs inputs{link,
                            "",
                            t[14],
                            t[19],
                            t[20],
                            t[21],
                            path,
                            {},
                            allBands()[option(t, 4, allBands().size())],
                            kWidths[option(t, 5, 3)],
                            option(t, 6, 2) == 1};
    const LinkFigures figures = linkFigures(inputs, locale);
    const LinkTexts all = linkTexts(figures, inputs, locale);
    // The distance in force is finite and never negative; bearings wrap.
    FUZZ_CHECK(!figures.atDistance.distance.ok() ||
               (std::isfinite(figures.atDistance.distance.value) &&
                figures.atDistance.distance.value > 0.0));
    for (const std::optional<double>& m : {figures.geo.magnetic1, figures.geo.magnetic2})
        FUZZ_CHECK(!m || (*m >= 0.0 && *m < 360.0));
    FUZZ_CHECK(all.positions.bearing1.find("360") != 0);
    const ResultTexts& texts = all.results;
    FUZZ_CHECK(isResultText(texts.eirp1, 2, " dBm", locale));
    FUZZ_CHECK(isResultText(texts.eirp2, 2, " dBm", locale));
    FUZZ_CHECK(isResultText(texts.distance, 3, " Km", locale));
    FUZZ_CHECK(isResultText(texts.freeSpace, 1, " dB", locale));
    FUZZ_CHECK(isResultText(texts.fresnel, 2, " m", locale));

    checkPath(all.path, figures.path.profile, locale);
    const InstallerReadoutTexts& ro = all.readouts;
    checkLegalPower(ro.legalPower1, locale);
    checkLegalPower(ro.legalPower2, locale);
    checkReadout(ro.freeSpaceLoss, 2, " dB", locale, "free-space loss at the distance");
    checkReadout(ro.received, 2, " dBm", locale, "received level");
    checkReadout(ro.margin, 2, " dB", locale, "margin");
    for (const std::string* metres :
         {&ro.clearance, &ro.fresnelRadius, &ro.fresnelPart, &ro.earthBulge})
        checkReadout(*metres, 2, " m", locale, "clearance, Fresnel radius, 0.6 of it or bulge");
    checkReadout(ro.reverseDistance, 3, " Km", locale, "way back");
    FUZZ_CHECK(!ro.marginMet || !ro.margin.empty());
    // Which way limits is known when both greatest distances are.
    FUZZ_CHECK((ro.limiting == LimitingDirection::Unknown) ==
               (ro.reverseDistance.empty() || !r.distance.ok()));
    return 0;
}
