#pragma once

#include <QLocale>
#include <QString>

namespace tarvanel {

struct LinkInputs;
struct LinkTexts;

// A plain-text summary of the link for a report, from what the user entered
// and the texts of its figures (so in the user's locale): the program and its
// version, then section by section every input with its unit and every result
// and read-out, one "caption: value" a line; a line without a value is left
// out.
QString linkSummary(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale);

} // namespace tarvanel
