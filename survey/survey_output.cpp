#include "survey/survey_output.h"

#include "elevation/elevation_loader.h"
#include "survey/survey.h"

namespace tarvanel {

SheetSection surveySectionNow(const Plan& plan, ElevationReader& reader,
                              const NumberLocale& locale) {
    if (!plan.site(plan.surveySite())) return {};
    std::unique_ptr<ElevationSession> session;
    GroundReader ground;
    if (!plan.surveyFolder().empty()) {
        session = reader.openSession(plan.surveyFolder());
        ground = [&session](const Position& from, const Position& to) {
            return std::optional(session->sample(from, to));
        };
    }
    return surveySection(plan, surveyRows(plan, ground, locale));
}

} // namespace tarvanel
