#pragma once

#include "link_budget.h"
#include "locales.h"

#include <string>

namespace tarvanel::test {

// Texts of every field, owned here, that the engine reads through views.
struct LinkTexts {
    struct End {
        std::string power, gain, lossPerMetre, length, connectors;
        PowerUnit unit = PowerUnit::dBm;
    };
    End end1, end2;
    std::string frequency, sensitivity, margin;

    LinkFields fields() const {
        auto view = [](const End& e) {
            return LinkEndFields{e.power, e.unit, e.gain, e.lossPerMetre, e.length, e.connectors};
        };
        return {view(end1), view(end2), frequency, sensitivity, margin};
    }
};

// The example link: 2427 MHz; both ends 20 dBm, 15 dBi, 10 m of cable with two
// connectors, 0.22 and 0.10 dB/m; sensitivity 80, margin 10.
inline LinkTexts exampleLink(const NumberLocale& locale) {
    LinkTexts link;
    link.end1 = {"20", "15", localized("0.22", locale), "10", "2"};
    link.end2 = {"20", "15", localized("0.10", locale), "10", "2"};
    link.frequency = "2427";
    link.sensitivity = "80";
    link.margin = "10";
    return link;
}

// Rewrites every field typed with "." as a user of `locale` types it.
inline void localizeAll(LinkTexts& link, const NumberLocale& locale) {
    for (auto* end : {&link.end1, &link.end2}) {
        for (auto* text :
             {&end->power, &end->gain, &end->lossPerMetre, &end->length, &end->connectors})
            *text = localized(*text, locale);
    }
    for (auto* text : {&link.frequency, &link.sensitivity, &link.margin})
        *text = localized(*text, locale);
}

} // namespace tarvanel::test
