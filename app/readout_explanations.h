#pragma once

#include <QLocale>
#include <QString>

namespace tarvanel {

struct LinkTexts;

// What two read-outs mean beyond their figure, for their tooltips and the
// summary; empty while the figure is.
struct ReadoutExplanations {
    // The greatest distance the other way round and which way limits the link.
    QString distance;
    // The terms of the clearance needed at mid-path, with k.
    QString clearance;
};

ReadoutExplanations readoutExplanations(const LinkTexts& texts, const QLocale& locale);

} // namespace tarvanel
