#include "background_picture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace tarvanel {

namespace {

constexpr double kTwipsPerPixel = 15.0;

constexpr double px(double twips) {
    return twips / kTwipsPerPixel;
}

// Vertical centre, in pixels, of a control given by its top and height in twips.
constexpr double centreOf(double topTwips, double heightTwips) {
    return px(topTwips + heightTwips / 2.0);
}

// Where the controls sit, in twips; the captions are placed around them.
constexpr double kFieldHeight = 280;
constexpr double kCaptionLeft = 195;
constexpr double kUnitLeft = 2970;
constexpr double kResultCaptionLeft = 5310;
constexpr double kResultLabelLeft = 7080;
constexpr double kStripHeight = 315;
constexpr double kStripRuleHeight = 30;
constexpr double kBorderWidth = 2; // pixels

// The result labels show their text from their top left corner in bold
// DejaVu Sans of these pixel sizes; captions and units beside them share the
// baseline of that first line.
constexpr int kCableLossLabelPixels = 11;
constexpr int kResultLabelPixels = 12;
constexpr int kFreeSpaceLabelPixels = 13;

struct Label {
    double left, top, width; // twips
    int fontPixels;
};

QFontMetricsF labelMetrics(const Label& label) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(label.fontPixels);
    font.setBold(true);
    return QFontMetricsF(font);
}

double labelBaseline(const Label& label) {
    return px(label.top) + labelMetrics(label).ascent();
}

double labelLineCentre(const Label& label) {
    return px(label.top) + labelMetrics(label).height() / 2.0;
}

// One link end's block: the five field tops (power, gain, loss per metre,
// length, connectors) and its cable-loss label.
struct LinkEndLayout {
    const char* heading;
    std::array<double, 5> fieldTops;
    Label cableLossLabel;
};

constexpr std::array<const char*, 5> kFieldCaptions = {"Ισχύς εκπομπής", "Απολαβή κεραίας (Gain)",
                                                       "Απώλειες καλωδίου", "Μήκος καλωδίου",
                                                       "Αριθμός συνδετήρων"};
// The unit drawn right of each field; the power row has its clickable unit pictures.
constexpr std::array<const char*, 5> kFieldUnits = {"", "dBi", "dB/m", "m", ""};

const std::array<LinkEndLayout, 2> kLinkEnds = {{
    {"Interface No.1", {1250, 1560, 1870, 2180, 2470}, {3960, 2200, 735, kCableLossLabelPixels}},
    {"Interface No.2", {3210, 3520, 3830, 4140, 4440}, {3960, 4160, 975, kCableLossLabelPixels}},
}};

// The result captions of the right column and the label each one names.
struct ResultCaption {
    const char* text;
    Label label;
};

constexpr std::array<ResultCaption, 5> kResultCaptions = {{
    {"Interface 1 EIRP", {kResultLabelLeft, 1260, 3495, kResultLabelPixels}},
    {"Interface 2 EIRP", {kResultLabelLeft, 1770, 1095, kResultLabelPixels}},
    {"Μέγιστη απόσταση", {kResultLabelLeft, 2370, 1215, kResultLabelPixels}},
    {"Free Space Loss", {kResultLabelLeft, 2640, 1455, kFreeSpaceLabelPixels}},
    {"Fresnel Zone Radius", {kResultLabelLeft, 2940, 1095, kResultLabelPixels}},
}};

QFont pictureFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    // The gaps beside the controls are narrow ("Απώλειες καλωδίου" must end
    // before the "..." button); the condensed cut of DejaVu Sans fits them at 11 px.
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QFont captionFont() {
    return pictureFont(11);
}

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

// Draws `text` with its left edge at `left` and its line box centred on `centreY`,
// the way a text box centres its own text, so both share a baseline.
void drawCaption(QPainter& painter, const QFont& font, double left, double centreY,
                 const char* utf8) {
    const QFontMetricsF metrics(font);
    const double baseline = centreY - metrics.height() / 2.0 + metrics.ascent();
    drawOnBaseline(painter, font, left, baseline, utf8);
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
    constexpr double w = kBackgroundWidth;
    constexpr double h = kBackgroundHeight;
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
void drawTitleStrip(QPainter& painter) {
    const double stripCentre = (kBorderWidth + px(kStripHeight)) / 2.0;
    drawCaption(painter, pictureFont(12, true), 8, stripCentre, "Tarvanel 0.1");

    // The minimize and close boxes lie under their labels (7710 and 7950 twips).
    constexpr double boxTop = 3;
    constexpr double boxSize = 15;
    constexpr double boxHeight = 14;
    drawGlyphBox(painter, QRectF(px(7710) - boxSize - 1, boxTop, boxSize, boxHeight), Glyph::Help);
    drawGlyphBox(painter, QRectF(px(7710), boxTop, boxSize, boxHeight), Glyph::Minimize);
    drawGlyphBox(painter, QRectF(px(7950), boxTop, boxSize, boxHeight), Glyph::Close);

    painter.fillRect(QRectF(0, px(kStripHeight), kBackgroundWidth, px(kStripRuleHeight)),
                     Qt::black);
}

// The frequency and channel row above the link ends.
void drawFrequencyRow(QPainter& painter) {
    const QFont font = captionFont();
    const double frequencyRow = centreOf(510, 285); // txtFrequency
    const double channelRow = centreOf(510, 315);   // Combo1
    drawCaption(painter, font, px(210), frequencyRow, "Συχνότητα");
    drawCaption(painter, font, px(1860), frequencyRow, "MHz");
    drawCaption(painter, font, px(3060), channelRow, "Κανάλι");
}

void drawLinkEnd(QPainter& painter, const LinkEndLayout& end) {
    const QFont font = captionFont();

    // The heading sits a little above the first field of its block.
    drawCaption(painter, headingFont(), px(kCaptionLeft), px(end.fieldTops[0]) - 8.5, end.heading);

    for (std::size_t row = 0; row < end.fieldTops.size(); ++row) {
        const double centre = centreOf(end.fieldTops[row], kFieldHeight);
        drawCaption(painter, font, px(kCaptionLeft), centre, kFieldCaptions[row]);
        if (*kFieldUnits[row] != '\0')
            drawCaption(painter, font, px(kUnitLeft), centre, kFieldUnits[row]);
    }

    // The brace gathers loss per metre, length and connectors into the cable
    // loss shown by the label at its point; the unit follows the label.
    const Label& label = end.cableLossLabel;
    const double braceTop = px(end.fieldTops[2]) + 1;
    const double braceBottom = px(end.fieldTops[4] + kFieldHeight) - 1;
    drawBrace(painter, 240, 9, braceTop, braceBottom, labelLineCentre(label));
    drawOnBaseline(painter, font, px(label.left + label.width) + 3, labelBaseline(label), "dB");
}

// Receiver sensitivity and fade margin, below a thin rule.
void drawReceiverRows(QPainter& painter) {
    painter.fillRect(QRectF(px(kCaptionLeft), px(4725), px(3975 - kCaptionLeft), 1), Qt::black);

    const QFont font = captionFont();
    const double sensitivityRow = centreOf(4780, kFieldHeight); // Text11
    const double marginRow = centreOf(5085, kFieldHeight);      // Text12
    drawCaption(painter, font, px(kCaptionLeft), sensitivityRow, "Ευαισθησία δέκτη");
    drawCaption(painter, font, px(kUnitLeft), sensitivityRow, "dBm");
    drawCaption(painter, font, px(kCaptionLeft), marginRow, "Fade Margin");
    drawCaption(painter, font, px(kUnitLeft), marginRow, "dB");
}

void drawResultColumn(QPainter& painter) {
    const QFont font = captionFont();
    for (const ResultCaption& caption : kResultCaptions)
        drawOnBaseline(painter, font, px(kResultCaptionLeft), labelBaseline(caption.label),
                       caption.text);
}

} // namespace

void paintBackground(QPainter& painter) {
    painter.save();
    painter.fillRect(QRectF(0, 0, kBackgroundWidth, kBackgroundHeight), kBackgroundGround);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing);

    drawBorder(painter);
    drawTitleStrip(painter);
    drawFrequencyRow(painter);
    for (const LinkEndLayout& end : kLinkEnds)
        drawLinkEnd(painter, end);
    drawReceiverRows(painter);
    drawResultColumn(painter);
    painter.restore();
}

void paintUnitWord(QPainter& painter, const QRectF& box, const QString& word) {
    painter.save();
    painter.fillRect(box, kBackgroundGround);

    // The largest bold size up to 90 % of the box height whose word fits the width.
    QFont font = pictureFont(std::max(6, static_cast<int>(std::lround(box.height() * 0.9))), true);
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(word) > box.width())
        font.setPixelSize(font.pixelSize() - 1);

    // Centre the capitals, not the line box: the words have no descenders.
    const QFontMetricsF metrics(font);
    const double baseline = box.center().y() + metrics.capHeight() / 2.0;
    const double left = box.center().x() - metrics.horizontalAdvance(word) / 2.0;
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(QPointF(left, baseline), word);
    painter.restore();
}

} // namespace tarvanel
