#include "widgets/qt_number_locale.h"

namespace tarvanel {

NumberLocale numberLocaleFrom(const QLocale& locale) {
    return NumberLocale{
        locale.decimalPoint().toStdString(),
        locale.negativeSign().toStdString(),
        locale.positiveSign().toStdString(),
        locale.exponential().toStdString(),
    };
}

} // namespace tarvanel
