#pragma once

#include "texts/sheet.h"

#include <QLocale>
#include <QString>

namespace tarvanel {

struct LinkInputs;
struct LinkTexts;

// The link's sheet (texts/link_sheet.h) under the program's title, in the
// user's locale: what the summary and the report say. `survey`, when it has a
// heading (the plan has a survey site), follows the link's own sections.
Sheet linkSheetOf(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale,
                  const SheetSection& survey = {});

// A plain-text summary of the link, from what the user entered and the texts
// of its figures: the program and its version, then section by section every
// input with its unit and every result and read-out, one "caption: value" a
// line; a line without a value is left out. The survey last, its table a row
// a line with a tab between cells.
QString linkSummary(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale,
                    const SheetSection& survey = {});

} // namespace tarvanel
