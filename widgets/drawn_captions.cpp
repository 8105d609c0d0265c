#include "widgets/drawn_captions.h"

#include "widgets/window_fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace tarvanel {

namespace {

constexpr double kUnitAfterLabel = 3; // pixels between a label's edge and its unit

// A label shows its text from its top left corner in its own font; captions
// and units beside it share the baseline of that first line.
double labelBaseline(const ControlRow& row) {
    const QFontMetricsF metrics(windowFont(row.fontPixels, row.bold, row.condensed));
    return px(row.box.top) + metrics.ascent();
}

} // namespace

QFont headingFont() {
    QFont font = pictureFont(11, true);
    font.setUnderline(true);
    return font;
}

void drawOnBaseline(QPainter& painter, const QFont& font, double left, double baseline,
                    const char* utf8) {
    painter.setFont(font);
    painter.drawText(QPointF(left, baseline), QString::fromUtf8(utf8));
}

void drawCaption(QPainter& painter, const QFont& font, double left, double centreY,
                 const char* utf8) {
    const QFontMetricsF metrics(font);
    const double baseline = centreY - metrics.height() / 2.0 + metrics.ascent();
    drawOnBaseline(painter, font, left, baseline, utf8);
}

void drawControlCaptions(QPainter& painter, std::span<const ControlRow> rows, Container container) {
    const QFont font = pictureFont();
    for (const ControlRow& row : rows) {
        if (row.container != container) continue;
        if (row.kind == Kind::ResultLabel) {
            if (row.caption)
                drawOnBaseline(painter, font, px(row.captionLeft), labelBaseline(row), row.caption);
            if (row.unit)
                drawOnBaseline(painter, font, px(row.box.right()) + kUnitAfterLabel,
                               labelBaseline(row), row.unit);
            continue;
        }
        if (row.caption)
            drawCaption(painter, font, px(row.captionLeft), centreOf(row.box), row.caption);
        if (row.unit) drawCaption(painter, font, px(row.unitLeft), centreOf(row.box), row.unit);
    }
}

} // namespace tarvanel
