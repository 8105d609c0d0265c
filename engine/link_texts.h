#pragma once

#include "engine/installer_readouts.h"
#include "engine/link_budget.h"
#include "engine/number_locale.h"
#include "engine/result_text.h"

#include <string_view>

namespace tarvanel {

// Every text the window's 200 ms refresh shows for the link, from one
// evaluation of its fields.
struct LinkTexts {
    ResultTexts results;
    InstallerReadoutTexts readouts;
};

LinkTexts linkTexts(const LinkFields& link, std::string_view distanceKm,
                    const NumberLocale& locale);

} // namespace tarvanel
