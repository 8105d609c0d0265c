#include "app/dialog_language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace tarvanel {

bool speakGreekInDialogs() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* words = new QTranslator(QCoreApplication::instance());
    return words->load(QStringLiteral(":/translations/qt_el.qm")) &&
           QCoreApplication::installTranslator(words);
}

} // namespace tarvanel
