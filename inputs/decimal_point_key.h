#pragma once

#include "inputs/locale_source.h"

#include <QObject>

class QLineEdit;

namespace tarvanel {

// Link end 1's cable length field takes a typed point as the user's decimal
// separator, so the number reads back as typed in a decimal-comma locale.
// Only typing is changed: pasted text stays as it was pasted.
class DecimalPointKey : public QObject {
    Q_OBJECT
public:
    DecimalPointKey(QLineEdit* Text5, LocaleSource locale, QObject* parent = nullptr);

    // What Text5 inserts for a typed character.
    QString Text5_KeyPress(const QString& typed) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_field;
    LocaleSource m_locale;
};

} // namespace tarvanel
