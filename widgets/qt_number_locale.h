#pragma once

#include "numbers/number_locale.h"

#include <QLocale>

namespace tarvanel {

// The engine's view of a Qt locale's number conventions: decimal separator,
// minus and plus signs and exponent mark, as UTF-8.
NumberLocale numberLocaleFrom(const QLocale& locale);

} // namespace tarvanel
