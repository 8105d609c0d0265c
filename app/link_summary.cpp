#include "app/link_summary.h"

#include "app/product_name.h"
#include "texts/link_sheet.h"
#include "widgets/qt_number_locale.h"

namespace tarvanel {

Sheet linkSheetOf(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale,
                  const SheetSection& survey) {
    Sheet sheet = linkSheet(productTitle().toStdString(), inputs, texts, numberLocaleFrom(locale));
    if (!survey.heading.empty()) sheet.sections.push_back(survey);
    return sheet;
}

QString linkSummary(const LinkInputs& inputs, const LinkTexts& texts, const QLocale& locale,
                    const SheetSection& survey) {
    return QString::fromStdString(sheetText(linkSheetOf(inputs, texts, locale, survey)));
}

} // namespace tarvanel
