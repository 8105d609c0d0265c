#include "app/plan_verdicts.h"

#include "app/report_verdict.h"
#include "engine/link_figures.h"
#include "texts/link_texts.h"

namespace tarvanel {

namespace {

Tone toneOf(bool good) {
    return good ? Tone::Good : Tone::Bad;
}

} // namespace

SheetSection planVerdicts(const Plan& plan, const NumberLocale& locale) {
    SheetSection section{"Οι ζεύξεις του σχεδίου", {}, {}};
    SheetTable& table = section.table;
    table.header = {"Άκρο 1",           "Άκρο 2",         "km", "Περιθώριο", "Καλύτερος ρυθμός",
                    "Χειρότερο σημείο", "Προειδοποιήσεις"};
    for (const Link& link : plan.links()) {
        const LinkInputs inputs = plan.inputs(link.id);
        const LinkTexts texts = linkTexts(linkFigures(inputs, locale), inputs, locale);
        const PathTexts& path = texts.path;
        const bool overPath = !path.margin.empty();
        std::string warnings;
        for (const VerdictLine& warning : reportWarnings(texts))
            warnings += (warnings.empty() ? "" : "· ") + warning.text.toStdString();
        table.rows.push_back(
            {plan.site(link.ends[0])->name, plan.site(link.ends[1])->name,
             texts.positions.linkDistance, overPath ? path.margin : texts.readouts.margin,
             texts.rates.best,
             path.fresnelZone.empty() ? "" : path.worstAt + ", " + path.fresnelZone, warnings});
        table.tones.push_back({Tone::Plain, Tone::Plain, Tone::Plain,
                               toneOf(overPath ? path.marginMet : texts.readouts.marginMet),
                               texts.rates.best.empty() ? Tone::Plain : toneOf(!texts.rates.none),
                               toneOf(path.verdict == Verdict::Clear), Tone::Bad});
    }
    return section;
}

} // namespace tarvanel
