#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class QComboBox;

namespace tarvanel {

// Choosing a channel in the combo box, or typing a channel number into it,
// asks for the channel's frequency (the window writes it into the plan, and
// the frequency field shows it). Typing into the frequency field does not
// change the combo box. A change of the text that the user makes any other
// way (a screen reader's or dictation's write) counts as typed; the program's
// own writes and a chosen item run one handler only.
class ChannelSelector : public QObject {
    Q_OBJECT
public:
    explicit ChannelSelector(QComboBox* Combo1, QObject* parent = nullptr);

    void Combo1_Click(const QString& text);  // an item chosen, by mouse or keyboard
    void Combo1_Change(const QString& text); // the user typed, deleted or pasted in the edit part

    // The program writes the box's text from the plan: not a choice of the user.
    void setText(const QString& text);
    // The program lists the band's channels (only when they differ from those
    // it listed last): no choice of the user either, no item is chosen and the
    // text is empty until the program writes it (setText).
    void setItems(const std::vector<std::string>& channels);

signals:
    // The user chose or typed this channel text.
    void channelEntered(const QString& text);

private:
    QComboBox* m_combo;
    QStringList m_items;                // the channels setItems last listed
    std::optional<QString> m_typedText; // the typed text whose change is still to come
    unsigned m_untypedChanges = 0;
    unsigned m_chosenChange = 0; // the untyped change an item choice made
    bool m_writing = false;      // the program's own write of the text
};

} // namespace tarvanel
