#pragma once

#include "engine/installer_readouts.h"
#include "engine/link_budget.h"
#include "engine/number_locale.h"
#include "engine/path_profile.h"
#include "engine/result_text.h"

#include <string_view>

namespace tarvanel {

// Every text the window's 200 ms refresh shows for the link, from one
// evaluation of its fields: the results, the read-outs at the link distance
// and the path panel's figures (the read-outs' clearance for the path's k).
struct LinkTexts {
    ResultTexts results;
    InstallerReadoutTexts readouts;
    PathTexts path;
};

LinkTexts linkTexts(const LinkFields& link, std::string_view distanceKm, const PathFields& path,
                    const NumberLocale& locale);

} // namespace tarvanel
