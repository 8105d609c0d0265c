#pragma once

#include "link_end_controls.h"

#include <QWidget>

namespace tarvanel {

// The keyboard reaches a link end's power unit through its option buttons,
// which lie outside the visible area. While one of them holds the focus, this
// frame is drawn around the end's "dBm" and "mW" pictures so the user sees
// where the focus is. It also lets all four arrow keys move between the two
// options (the buttons sit side by side, so Up and Down would find nothing).
class UnitFocusFrame : public QWidget {
    Q_OBJECT
public:
    UnitFocusFrame(const LinkEndControls& end, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvanel
