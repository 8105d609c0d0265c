#pragma once

#include "report/link_report.h"

#include <QString>

class QWidget;

namespace tarvanel {

struct LinkInputs;

// Asks where to write the link's PDF report and writes it: the summary's
// sections, the side view and the ground profile's points; a failure is told
// in one message naming the file. The dialog proposes the plan's name beside
// `planFile` (ex.tarvanel: ex.pdf), or for a new plan (empty) ζεύξη.pdf in the
// folder of the last report.
void exportReport(QWidget* parent, const LinkInputs& inputs, const QString& planFile);

// The report of a link as it is now, in the user's locale.
LinkReport reportOf(const LinkInputs& inputs, const QString& planName);

} // namespace tarvanel
