#pragma once

#include "widgets/control_row.h"

class QWidget;

namespace tarvanel {

// Makes the widget a row describes, as a child of `parent`: its kind, place,
// font, colour, initial text and tooltip, its objectName, and for assistive
// technology its name (`name`, see accessibleNameOf) and description (the
// tooltip, or a text box's unit). Nothing for the kinds its container makes
// itself (a panel, the side view).
QWidget* createControl(const ControlRow& row, QWidget* parent, const QString& name);

} // namespace tarvanel
