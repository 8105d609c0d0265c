#pragma once

#include "engine/link_inputs.h"
#include "numbers/number_locale.h"
#include "texts/link_texts.h"
#include "texts/sheet.h"

#include <span>
#include <string>

namespace tarvanel {

// One link as its outputs say it: the summary a user copies and the PDF
// report are both laid out from this sheet. Section by section, every input
// with its unit and every figure, in one fixed order:
//   (under the title)  the link: frequency, channel, positions and bearings
//   Interface No.1/2   each end: its fields, cable loss, EIRP, the warning,
//                      the legal power
//   Δέκτης             sensitivity, fade margin
//   Αποτελέσματα       the five results, with the way back
//   Στην απόσταση ζεύξης  the read-outs, with the terms of the clearance
//   Διαδρομή ζεύξης    the path (only while one of its fields holds something)
//   Ρυθμοί και στόχευση  the rates and the alignment
// A line without a value is left out, and a section without lines.

// Where a field's line stands in the sheet.
enum class SheetPart { Link, End1, End2, Receiver, Results, Readouts, Path, Rates };

// What a sheet's line is read from.
struct SheetSources {
    const LinkInputs& inputs;
    const LinkTexts& texts;
    const NumberLocale& locale;
};

// A line of the link's sheet: its place, its caption, and its value with the
// unit. An input names the key a plan file keeps it under (in its site's
// object for an end's field, else in its link's); a figure has no key.
struct SheetField {
    SheetPart part;
    const char* caption; // empty for a line that is a value alone (a warning)
    const char* planKey; // nullptr for a figure
    std::string (*value)(const SheetSources& from);
};

// Every line, in the sheet's order.
std::span<const SheetField> linkSheetFields();

Sheet linkSheet(const std::string& title, const LinkInputs& inputs, const LinkTexts& texts,
                const NumberLocale& locale);

// The sheet as plain text: the title, then each section after a blank line,
// its heading on a line of its own, then "caption: value" a line.
std::string sheetText(const Sheet& sheet);

} // namespace tarvanel
