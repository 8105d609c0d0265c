#include "channel_selector.h"

#include "channel_rules.h"

#include <QComboBox>
#include <QLineEdit>

namespace tarvanel {

ChannelSelector::ChannelSelector(QComboBox* Combo1, QLineEdit* txtFrequency, LocaleSource locale,
                                 QObject* parent)
    : QObject(parent)
    , m_combo(Combo1)
    , m_frequency(txtFrequency)
    , m_locale(std::move(locale)) {
    connect(m_combo, &QComboBox::textActivated, this, &ChannelSelector::Combo1_Click);
    // textEdited, not textChanged: choosing an item rewrites the text from code.
    connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, &ChannelSelector::Combo1_Change);
}

void ChannelSelector::Combo1_Click() {
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
