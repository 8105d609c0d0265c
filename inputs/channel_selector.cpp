#include "inputs/channel_selector.h"

#include "rules/channel_rules.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace tarvanel {

ChannelSelector::ChannelSelector(QComboBox* Combo1, QLineEdit* txtFrequency, LocaleSource locale,
                                 QObject* parent)
    : QObject(parent)
    , m_combo(Combo1)
    , m_frequency(txtFrequency)
    , m_locale(std::move(locale)) {
    // No inline completion: after a typed blank it would write " 1", a channel
    // the user never chose. The list is thirteen numbers; typing one is quicker.
    m_combo->setCompleter(nullptr);
    connect(m_combo, &QComboBox::textActivated, this, &ChannelSelector::Combo1_Click);
    connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        m_typedText = text;
        Combo1_Change();
    });
    // A change that was not typed is either the combo box writing a chosen
    // item (textActivated follows at once) or a write from outside, such as a
    // screen reader or dictation: that one is the user's too, once it is clear
    // that no item choice follows it.
    connect(m_combo->lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_typedText && *m_typedText == text) {
            m_typedText.reset();
            return;
        }
        m_typedText.reset();
        const unsigned change = ++m_untypedChanges;
        QTimer::singleShot(0, this, [this, change] {
            if (change == m_untypedChanges && m_chosenChange != change) Combo1_Change();
        });
    });
}

void ChannelSelector::Combo1_Click() {
    m_chosenChange = m_untypedChanges;
    writeFrequency();
}
void ChannelSelector::Combo1_Change() {
    writeFrequency();
}

void ChannelSelector::writeFrequency() {
    const auto text = channelFrequencyText(m_combo->currentText().toStdString(), m_locale());
    if (text) m_frequency->setText(QString::fromStdString(*text));
}

} // namespace tarvanel
