#pragma once

#include <QPointF>
#include <QWidget>

namespace tarvanel {

// The transparent area over the drawn title strip: a press of any mouse button
// reports where it happened, in global coordinates, so the window can be moved.
// Assistive technology sees it as the window's title bar.
class TitleStrip : public QWidget {
    Q_OBJECT
public:
    explicit TitleStrip(QWidget* parent = nullptr);

signals:
    void pressed(QPointF globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace tarvanel
