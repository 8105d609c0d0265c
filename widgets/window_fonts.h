#pragma once

#include <QFont>
#include <QString>

namespace tarvanel {

// Every font of the window is DejaVu Sans (it shows Greek), sized in pixels so
// that the layout does not depend on the display's dpi: at 96 dpi 8.25 pt is
// 11 px, 9 pt is 12 px and 9.75 pt is 13 px.
inline constexpr int kFont8_25pt = 11;
inline constexpr int kFont9pt = 12;
inline constexpr int kFont9_75pt = 13;

// The condensed cut fits a long figure where the picture leaves little room.
inline QFont windowFont(int pixelSize, bool bold = false, bool condensed = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    if (condensed) font.setStretch(QFont::Condensed);
    return font;
}

// The picture's captions, units and headings: the semi-condensed cut fits the
// narrow gaps beside the controls ("Απώλειες καλωδίου" must end before the
// "..." button) at 11 px.
inline QFont pictureFont(int pixelSize = 11, bool bold = false) {
    QFont font = windowFont(pixelSize, bold);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

} // namespace tarvanel
