#include "app/link_summary.h"

#include "app/product_name.h"
#include "texts/link_sheet.h"
#include "widgets/qt_number_locale.h"

namespace tarvanel {

Sheet linkSheetOf(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale) {
    return linkSheet(productTitle().toStdString(), inputs, texts, numberLocaleFrom(locale));
}

QString linkSummary(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale) {
    return QString::fromStdString(sheetText(linkSheetOf(inputs, texts, locale)));
}

} // namespace tarvanel
