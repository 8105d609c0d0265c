#pragma once

#include <QList>
#include <QWidget>

class QRadioButton;

namespace tarvanel {

// The keyboard reaches a link end's power unit through its option buttons,
// which lie outside the visible area. While one of them holds the focus, this
// dotted frame is drawn around the pictures that stand for them (the end's
// "dBm" and "mW") so the user sees where the focus is. It also lets all four
// arrow keys move between the options (the buttons sit side by side, so Up and
// Down would find nothing).
class UnitFocusFrame : public QWidget {
    Q_OBJECT
public:
    UnitFocusFrame(const QList<QWidget*>& pictures, const QList<QRadioButton*>& options,
                   QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvanel
