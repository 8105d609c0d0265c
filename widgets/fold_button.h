#pragma once

#include <QAbstractButton>

namespace tarvanel {

// A button in the picture's own style that folds a part of the window out and
// back: its caption, then a small framed box with a triangle pointing down
// (press to open) or up (press to close). A push button to assistive
// technology, it takes the focus from the Tab key and shows it with a dotted
// frame.
class FoldButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit FoldButton(const QString& caption, QWidget* parent = nullptr);

    bool isOpen() const { return m_open; }
    void setOpen(bool open);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_open = false;
};

} // namespace tarvanel
