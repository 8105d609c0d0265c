#pragma once

#include "numbers/number_locale.h"

#include <functional>

namespace tarvanel {

// Gives the user's number conventions at the moment a handler runs (the window
// passes one that reads the default QLocale).
using LocaleSource = std::function<NumberLocale()>;

} // namespace tarvanel
