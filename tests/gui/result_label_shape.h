#pragma once

// The shape every result label must have, whatever the fields hold: an optional
// minus, integer digits, the locale's separator, the pattern's decimals and the
// unit suffix, e.g. "-3.50 dBm" or "6,061 Km".

#include "frm_main.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace tarvanel::testing {

struct ResultLabelShape {
    const char* name;
    int decimals;
    const char* suffix;
};

// lblEIRP1, lblEIRP2, lblDistance, lblFSL, lblFrensel.
inline const ResultLabelShape kResultLabelShapes[] = {
    {"lblEIRP1", 2, " dBm"}, {"lblEIRP2", 2, " dBm"}, {"lblDistance", 3, " Km"},
    {"lblFSL", 1, " dB"},    {"lblFrensel", 2, " m"},
};

inline bool isResultLabelText(const QString& text, int decimals, const QString& suffix,
                              const QLocale& locale) {
    const QRegularExpression shape(QStringLiteral("\\A(%1)?[0-9]+%2[0-9]{%3}%4\\z")
                                       .arg(QRegularExpression::escape(locale.negativeSign()),
                                            QRegularExpression::escape(locale.decimalPoint()),
                                            QString::number(decimals),
                                            QRegularExpression::escape(suffix)));
    return shape.match(text).hasMatch();
}

inline QStringList resultLabelTexts(const FrmMain& window) {
    const auto& c = window.controls();
    return {c.lblEIRP1->text(), c.lblEIRP2->text(), c.lblDistance->text(), c.lblFSL->text(),
            c.lblFrensel->text()};
}

// The first result label whose text is not well formed, as "name: text"; empty
// when every one is.
inline QString malformedResultLabel(const FrmMain& window, const QLocale& locale) {
    const QStringList texts = resultLabelTexts(window);
    for (int i = 0; i < texts.size(); ++i) {
        const ResultLabelShape& shape = kResultLabelShapes[i];
        if (!isResultLabelText(texts[i], shape.decimals, QString::fromLatin1(shape.suffix), locale))
            return QStringLiteral("%1: \"%2\"").arg(QLatin1String(shape.name), texts[i]);
    }
    return {};
}

} // namespace tarvanel::testing
