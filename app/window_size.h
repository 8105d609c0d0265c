#pragma once

#include "widgets/twips.h"

namespace tarvanel {

// The window's size, the background picture's too: 550 x 362 logical pixels.
// The path panel folds out below it.
inline constexpr int kWindowWidth = 550;
inline constexpr int kWindowHeight = 362;
inline constexpr int kWindowWidthTwips = kWindowWidth * kTwipsPerPixel;
inline constexpr int kWindowHeightTwips = kWindowHeight * kTwipsPerPixel;

} // namespace tarvanel
