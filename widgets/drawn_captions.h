#pragma once

#include "widgets/control_row.h"

#include <QFont>

#include <span>

class QPainter;

namespace tarvanel {

// Twips as the picture's pixels.
constexpr double px(double twips) {
    return twipsToPixelsF(twips);
}

// Vertical centre, in pixels, of a control's box.
constexpr double centreOf(const TwipsBox& box) {
    return px(box.top + box.height / 2.0);
}

// A heading: the caption font, bold and underlined.
QFont headingFont();

// Draws `utf8` with its left edge at `left` on the baseline `baseline`.
void drawOnBaseline(QPainter& painter, const QFont& font, double left, double baseline,
                    const char* utf8);

// Draws `utf8` with its left edge at `left` and its line box centred on
// `centreY`, the way a text box centres its own text, so both share a baseline.
void drawCaption(QPainter& painter, const QFont& font, double left, double centreY,
                 const char* utf8);

// The caption and unit word of every control of a container: left and right of
// a field, centred on its row; on the first line of a result label, the unit
// just after its edge.
void drawControlCaptions(QPainter& painter, std::span<const ControlRow> rows, Container container);

} // namespace tarvanel
