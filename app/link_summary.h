#pragma once

#include <QString>

class QWidget;

namespace tarvanel {

// A plain-text summary of the link for a report: the program and its version,
// every input with its unit and every result and read-out, as the window shows
// them (so in the user's locale), one per line.
QString linkSummary(const QWidget& window);

} // namespace tarvanel
