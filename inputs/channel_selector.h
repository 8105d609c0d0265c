#pragma once

#include "inputs/locale_source.h"

#include <QObject>
#include <QString>

#include <optional>

class QComboBox;
class QLineEdit;

namespace tarvanel {

// Choosing a channel in the combo box, or typing a channel number into it,
// writes the channel's frequency into the frequency field. Typing into the
// frequency field does not change the combo box. A change of the text that
// the user makes any other way (a screen reader's or dictation's write) counts
// as typed; the program's own writes and a chosen item run one handler only.
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
    std::optional<QString> m_typedText; // the typed text whose change is still to come
    unsigned m_untypedChanges = 0;
    unsigned m_chosenChange = 0; // the untyped change an item choice made
};

} // namespace tarvanel
