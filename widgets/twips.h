#pragma once

#include <QRect>
#include <QString>

namespace tarvanel {

// The window is laid out in twips: 15 twips make one pixel of the 550 x 362
// background picture.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int twipsToPixels(int twips) {
    // Round half away from zero so that 7.5 px edges land the same way on both sides.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// Twips as fractional pixels, for drawing.
inline constexpr double twipsToPixelsF(double twips) {
    return twips / kTwipsPerPixel;
}

// A rectangle given as left, top, width x height in twips.
struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

inline QRect twipsRect(const TwipsBox& box) {
    return {twipsToPixels(box.left), twipsToPixels(box.top), twipsToPixels(box.width),
            twipsToPixels(box.height)};
}

} // namespace tarvanel
