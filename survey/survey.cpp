#include "survey/survey.h"

#include "sites/site_columns.h"

namespace tarvanel {

std::vector<SiteId> surveyedSites(const Plan& plan, const NumberLocale& locale) {
    const Site* from = plan.site(plan.surveySite());
    if (!from || !siteProblem(*from, locale).empty()) return {};
    std::vector<SiteId> sites;
    for (const Site& site : plan.sites())
        if (site.id != from->id && siteProblem(site, locale).empty()) sites.push_back(site.id);
    return sites;
}

std::vector<SurveyRow> surveyRows(const Plan& plan, const GroundReader& ground,
                                  const NumberLocale& locale) {
    std::vector<SurveyRow> rows;
    const Site* from = plan.site(plan.surveySite());
    for (SiteId id : surveyedSites(plan, locale)) {
        const Site& to = *plan.site(id);
        std::optional<ElevationProfile> profile;
        if (ground)
            profile = ground(readPosition(from->position, locale).position,
                             readPosition(to.position, locale).position);
        const SurveyPair pair =
            surveyPair(plan.current(), *from, to, profile, plan.surveyFolder(), locale);
        rows.push_back(surveyRow(pair, profile, locale));
    }
    return rows;
}

SheetSection surveySection(const Plan& plan, const std::vector<SurveyRow>& rows) {
    SheetSection section;
    const Site* from = plan.site(plan.surveySite());
    if (!from) return section;
    section.heading = "Έρευνα από " + from->name;
    section.lines.push_back({"Έδαφος", plan.surveyFolder().empty()
                                           ? "χωρίς έδαφος"
                                           : "αρχεία υψομέτρων, " + plan.surveyFolder()});
    for (const SurveyColumnText& column : surveyColumns())
        section.table.header.push_back(column.caption);
    for (const SurveyRow& row : rows) {
        section.table.rows.emplace_back(row.cells.begin(), row.cells.end());
        section.table.tones.emplace_back(row.tones.begin(), row.tones.end());
    }
    return section;
}

} // namespace tarvanel
