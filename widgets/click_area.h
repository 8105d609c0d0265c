#pragma once

#include <QAbstractButton>

namespace tarvanel {

// A clickable area of the window: a unit picture showing its word ("dBm",
// "mW") or a transparent box over a glyph of the drawn title strip ("_", "X").
// It is a real button, so assistive technology can find and press it, but it
// takes no focus from the Tab key and shows the hand pointer.
class ClickArea : public QAbstractButton {
    Q_OBJECT
public:
    explicit ClickArea(const QString& word, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvanel
