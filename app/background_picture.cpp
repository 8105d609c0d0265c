#include "app/background_picture.h"

#include "app/product_name.h"
#include "app/window_size.h"
#include "app/window_table.h"
#include "widgets/drawn_captions.h"
#include "widgets/window_colours.h"
#include "widgets/window_fonts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tarvanel {

namespace {

// Drawn lines and heading places, in twips.
constexpr double kReceiverRuleTop = 4725;
constexpr double kReceiverRuleRight = 3975;
constexpr double kStripHeight = 315;
constexpr double kStripRuleHeight = 30;
constexpr double kBorderWidth = 2;    // pixels
constexpr double kHeadingRaise = 8.5; // pixels above the first field's top

double labelLineCentre(const ControlRow& row) {
    const QFontMetricsF metrics(windowFont(row.fontPixels, row.bold, row.condensed));
    return px(row.box.top) + metrics.height() / 2.0;
}

// A closing curly brace from `top` to `bottom` whose point, at `tipY`, faces right.
void drawBrace(QPainter& painter, double left, double width, double top, double bottom,
               double tipY) {
    const double middle = left + width / 2.0;
    const double right = left + width;
    const double curl = width / 2.0;

    QPainterPath brace(QPointF(left, top));
    brace.quadTo(QPointF(middle, top), QPointF(middle, top + curl));
    brace.lineTo(QPointF(middle, tipY - curl));
    brace.quadTo(QPointF(middle, tipY), QPointF(right, tipY));
    brace.quadTo(QPointF(middle, tipY), QPointF(middle, tipY + curl));
    brace.lineTo(QPointF(middle, bottom - curl));
    brace.quadTo(QPointF(middle, bottom), QPointF(left, bottom));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(brace);
    painter.restore();
}

void drawBorder(QPainter& painter) {
    constexpr double w = kWindowWidth;
    constexpr double h = kWindowHeight;
    constexpr double b = kBorderWidth;
    painter.fillRect(QRectF(0, 0, w, b), Qt::black);
    painter.fillRect(QRectF(0, h - b, w, b), Qt::black);
    painter.fillRect(QRectF(0, 0, b, h), Qt::black);
    painter.fillRect(QRectF(w - b, 0, b, h), Qt::black);
}

// A small framed box with one glyph, like a title bar button.
enum class Glyph { Help, Minimize, Close };

void drawGlyphBox(QPainter& painter, const QRectF& box, Glyph glyph) {
    painter.save();
    // A one-pixel frame drawn on the pixel centres stays crisp at scale 1.
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));

    const QRectF inner = box.adjusted(4, 4, -4, -4);
    switch (glyph) {
    case Glyph::Help: {
        painter.setFont(pictureFont(11, true));
        painter.drawText(box, Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Minimize:
        painter.fillRect(QRectF(inner.left(), inner.bottom() - 2, inner.width(), 2), Qt::black);
        break;
    case Glyph::Close:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(inner.topLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomLeft());
        break;
    }
    painter.restore();
}

// The strip the window is moved by: the name and version at the left, the
// help, minimize and close boxes at the right, a two-pixel rule beneath.
void drawTitleStrip(QPainter& painter, const QString& title) {
    const double stripCentre = (kBorderWidth + px(kStripHeight)) / 2.0;
    painter.setFont(pictureFont(12, true));
    const QFontMetricsF metrics(painter.font());
    // A long plan name is cut short before the boxes at the right.
    constexpr double kTitleWidth = 470;
    painter.drawText(QPointF(8, stripCentre - metrics.height() / 2.0 + metrics.ascent()),
                     metrics.elidedText(title, Qt::ElideMiddle, kTitleWidth));

    // The minimize and close boxes lie under their click areas; help is left of them.
    constexpr double boxTop = 3;
    constexpr double boxSize = 15;
    constexpr double boxHeight = 14;
    const double minimizeLeft = px(rowOf(Role::Minimize).box.left);
    drawGlyphBox(painter, QRectF(minimizeLeft - boxSize - 1, boxTop, boxSize, boxHeight),
                 Glyph::Help);
    drawGlyphBox(painter, QRectF(minimizeLeft, boxTop, boxSize, boxHeight), Glyph::Minimize);
    drawGlyphBox(painter, QRectF(px(rowOf(Role::Exit).box.left), boxTop, boxSize, boxHeight),
                 Glyph::Close);

    painter.fillRect(QRectF(0, px(kStripHeight), kWindowWidth, px(kStripRuleHeight)), Qt::black);
}

// A link end's heading above its first field, and the brace that gathers loss
// per metre, length and connectors into the cable loss shown at its point.
void drawLinkEnd(QPainter& painter, LinkEnd end) {
    drawCaption(painter, headingFont(), px(rowOf(Role::Power, end).captionLeft),
                px(rowOf(Role::Power, end).box.top) - kHeadingRaise, headingOf(end));

    const double braceTop = px(rowOf(Role::LossPerMetre, end).box.top) + 1;
    const double braceBottom = px(rowOf(Role::Connectors, end).box.bottom()) - 1;
    drawBrace(painter, 240, 9, braceTop, braceBottom, labelLineCentre(rowOf(Role::CableLoss, end)));
}

// The thin rule above receiver sensitivity and fade margin.
void drawReceiverRule(QPainter& painter) {
    const double ruleLeft = rowOf(Role::Sensitivity).captionLeft; // under the captions
    painter.fillRect(
        QRectF(px(ruleLeft), px(kReceiverRuleTop), px(kReceiverRuleRight - ruleLeft), 1),
        Qt::black);
}

} // namespace

void paintBackground(QPainter& painter, const QString& title) {
    painter.save();
    painter.fillRect(QRectF(0, 0, kWindowWidth, kWindowHeight), kBackgroundGround);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);

    drawBorder(painter);
    drawTitleStrip(painter, title);
    drawControlCaptions(painter, windowTable(), Container::Window);
    drawLinkEnd(painter, LinkEnd::One);
    drawLinkEnd(painter, LinkEnd::Two);
    drawReceiverRule(painter);
    painter.restore();
}

} // namespace tarvanel
