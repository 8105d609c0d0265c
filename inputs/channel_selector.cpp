#include "inputs/channel_selector.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

namespace tarvanel {

ChannelSelector::ChannelSelector(QComboBox* Combo1, QObject* parent)
    : QObject(parent)
    , m_combo(Combo1) {
    // No inline completion: after a typed blank it would write " 1", a channel
    // the user never chose. The list is a band's channels; typing one is quicker.
    m_combo->setCompleter(nullptr);
    connect(m_combo, &QComboBox::textActivated, this, &ChannelSelector::Combo1_Click);
    connect(m_combo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        m_typedText = text;
        Combo1_Change(text);
    });
    // A change that was not typed is either the combo box writing a chosen
    // item (textActivated follows at once) or a write from outside, such as a
    // screen reader or dictation: that one is the user's too, once it is clear
    // that no item choice follows it.
    connect(m_combo->lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_writing) return;
        if (m_typedText && *m_typedText == text) {
            m_typedText.reset();
            return;
        }
        m_typedText.reset();
        const unsigned change = ++m_untypedChanges;
        QTimer::singleShot(0, this, [this, change, text] {
            if (change == m_untypedChanges && m_chosenChange != change) Combo1_Change(text);
        });
    });
}

void ChannelSelector::Combo1_Click(const QString& text) {
    m_chosenChange = m_untypedChanges;
    emit channelEntered(text);
}

void ChannelSelector::Combo1_Change(const QString& text) {
    emit channelEntered(text);
}

void ChannelSelector::setItems(const std::vector<std::string>& channels) {
    QStringList items;
    for (const std::string& channel : channels)
        items << QString::fromStdString(channel);
    if (items == m_items) return;
    m_items = items;
    const QSignalBlocker blocker(m_combo);
    m_combo->clear();
    m_combo->addItems(items);
    m_combo->setCurrentIndex(-1);
}

void ChannelSelector::setText(const QString& text) {
    const QScopedValueRollback<bool> writing(m_writing, true);
    ++m_untypedChanges; // a write from outside still to be taken is overtaken
    m_combo->setEditText(text);
}

} // namespace tarvanel
