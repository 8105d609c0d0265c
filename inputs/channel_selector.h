#pragma once

#include "locale_source.h"

#include <QObject>

class QComboBox;
class QLineEdit;

namespace tarvanel {

// Choosing a channel in the combo box, or typing a channel number into it,
// writes the channel's frequency into the frequency field. Typing into the
// frequency field does not change the combo box.
class ChannelSelector : public QObject {
    Q_OBJECT
public:
    ChannelSelector(QComboBox* Combo1, QLineEdit* txtFrequency, LocaleSource locale,
                    QObject* parent = nullptr);

    void Combo1_Click();  // an item chosen, by mouse or keyboard
    void Combo1_Change(); // the user typed, deleted or pasted in the edit part

private:
    void writeFrequency();

    QComboBox* m_combo;
    QLineEdit* m_frequency;
    LocaleSource m_locale;
};

} // namespace tarvanel
