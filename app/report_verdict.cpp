#include "app/report_verdict.h"

#include "app/window_table.h"
#include "numbers/number_text.h"
#include "path/path_panel_table.h"
#include "texts/link_texts.h"

#include <cmath>
#include <string_view>

namespace tarvanel {

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text).trimmed();
}

// A control's caption as the window or the panel draws it.
QString captionOf(std::string_view name) {
    for (std::span<const ControlRow> table : {windowTable(), pathPanelTable()})
        for (const ControlRow& row : table)
            if (row.caption && name == row.name) return QString::fromUtf8(row.caption);
    return {};
}

VerdictLine captioned(std::string_view name, const std::string& value, Tone tone) {
    return {captionOf(name) + QStringLiteral(": ") + q(value), tone};
}

Tone toneOf(bool good) {
    return good ? Tone::Good : Tone::Bad;
}

} // namespace

std::vector<VerdictLine> reportVerdict(const LinkFigures& figures, const LinkTexts& texts,
                                       const NumberLocale& locale) {
    std::vector<VerdictLine> lines;
    const PathTexts& path = texts.path;
    const bool overPath = !path.margin.empty();
    const std::string& margin = overPath ? path.margin : texts.readouts.margin;
    const bool met = overPath ? path.marginMet : texts.readouts.marginMet;
    const Outcome<double>& fade = figures.atDistance.fadeMargin;
    if (margin.empty() || !fade.ok()) {
        lines.push_back({QStringLiteral("Η ζεύξη δεν κρίνεται: λείπει η απόσταση ζεύξης ή ένα "
                                        "στοιχείο της")});
    } else {
        lines.push_back(
            {met ? QStringLiteral("Η ζεύξη κλείνει") : QStringLiteral("Η ζεύξη δεν κλείνει"),
             toneOf(met)});
        QString detail = QStringLiteral("Περιθώριο στα %1 km: %2")
                             .arg(q(texts.positions.linkDistance), q(margin));
        if (overPath)
            detail += QStringLiteral(" (μείον απώλεια περίθλασης %1)").arg(q(path.profileLoss));
        const float fadeDb = static_cast<float>(std::fabs(fade.value));
        lines.push_back(
            {detail + QStringLiteral(", fade margin %1 dB").arg(q(formatGeneral(fadeDb, locale))),
             toneOf(met)});
    }
    if (!texts.rates.best.empty())
        lines.push_back(captioned("lblBestRate", texts.rates.best, toneOf(!texts.rates.none)));
    if (!path.fresnelZone.empty())
        lines.push_back(captioned("lblWorstPoint", path.worstAt + ", " + path.fresnelZone,
                                  toneOf(path.verdict == Verdict::Clear)));
    lines.push_back(
        captioned("lblLegalLimit", texts.band.limit, texts.band.outside ? Tone::Bad : Tone::Plain));
    // An outdoor link on an indoors-only sub-band.
    if (texts.band.indoorsOnly)
        lines.push_back(
            {QString::fromUtf8(kIndoorsOnlyText).replace(QLatin1Char('\n'), QLatin1Char(' ')) +
                 QStringLiteral(" (") + q(texts.band.conditions) + QLatin1Char(')'),
             Tone::Bad});
    for (const auto& [name, power] : {std::pair{"lblLegalPower1", &texts.readouts.legalPower1},
                                      {"lblLegalPower2", &texts.readouts.legalPower2}})
        if (!power->empty()) lines.push_back(captioned(name, *power, Tone::Plain));
    const std::vector<VerdictLine> warnings = reportWarnings(texts);
    lines.insert(lines.end(), warnings.begin(), warnings.end());
    return lines;
}

std::vector<VerdictLine> reportWarnings(const LinkTexts& texts) {
    std::vector<VerdictLine> lines;
    const PathTexts& path = texts.path;
    for (const auto& [end, shown, eirp] :
         {std::tuple{LinkEnd::One, texts.warning1, &texts.results.eirp1},
          {LinkEnd::Two, texts.warning2, &texts.results.eirp2}})
        if (shown)
            lines.push_back({QStringLiteral("%1: %2 (EIRP %3)")
                                 .arg(QString::fromUtf8(headingOf(end)),
                                      QString::fromUtf8(rowOf(Role::Warning, end).text), q(*eirp)),
                             Tone::Bad});
    for (const auto& [target, check, aim] :
         {std::tuple{"lblTarget1", "lblAlignment1", &texts.rates.end1},
          {"lblTarget2", "lblAlignment2", &texts.rates.end2}}) {
        if (aim->belowSensitivity)
            lines.push_back(captioned(target, aim->target + ", " + aim->check, Tone::Bad));
        else if (!aim->check.empty() && !aim->aligned)
            lines.push_back(captioned(check, aim->check, Tone::Bad));
    }
    if (!path.withoutGround.empty())
        lines.push_back(captioned("lblWithoutGround", path.withoutGround, Tone::Bad));
    return lines;
}

} // namespace tarvanel
