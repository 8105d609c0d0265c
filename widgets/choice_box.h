#pragma once

#include <QComboBox>

namespace tarvanel {

// A drop-down of fixed choices that assistive technology names by its caption
// (its accessible name) and reads the choice as its value, its text and its
// selected item, also while it is closed. A plain QComboBox on Linux is named
// by its current text, so "4/3" would be all a screen reader says of it.
class ChoiceBox : public QComboBox {
    Q_OBJECT
public:
    explicit ChoiceBox(QWidget* parent = nullptr);

    // Fills the list with `choices` when they are not already its choices
    // (refilling would lose the current choice and the list's selection).
    void setChoices(const QStringList& choices);

private:
    QStringList m_choices; // what setChoices last filled the list with
};

} // namespace tarvanel
