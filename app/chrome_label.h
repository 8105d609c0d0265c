#pragma once

#include <QLabel>
#include <QPointF>

namespace tarvanel {

// A transparent label laid over a glyph of the drawn title strip. It reports a
// press of any mouse button (with the global pointer position) and a left click.
class ChromeLabel : public QLabel {
    Q_OBJECT
public:
    explicit ChromeLabel(QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button, QPointF globalPosition);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_leftDown = false;
};

} // namespace tarvanel
