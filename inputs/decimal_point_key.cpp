#include "inputs/decimal_point_key.h"

#include "rules/decimal_key_rules.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace tarvanel {

DecimalPointKey::DecimalPointKey(QLineEdit* Text5, LocaleSource locale, QObject* parent)
    : QObject(parent)
    , m_field(Text5)
    , m_locale(std::move(locale)) {
    m_field->installEventFilter(this);
}

QString DecimalPointKey::Text5_KeyPress(const QString& typed) const {
    return QString::fromStdString(decimalKeyText(typed.toStdString(), m_locale()));
}

bool DecimalPointKey::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_field || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Shortcuts (Ctrl+V and the like) are not typed characters.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString replacement = Text5_KeyPress(key->text());
    if (replacement == key->text()) return false;

    // The field takes the replacement as if it had been typed; it passes here
    // again unchanged.
    QKeyEvent typed(QEvent::KeyPress,
                    replacement == QLatin1String(",") ? Qt::Key_Comma : key->key(),
                    key->modifiers(), replacement, key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(m_field, &typed);
    return true;
}

} // namespace tarvanel
