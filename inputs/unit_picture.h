#pragma once

#include <QLabel>

namespace tarvanel {

// A small picture showing a power unit word ("dBm", "mW") that reports clicks.
// It shows the hand pointer so that it reads as something to click.
class UnitPicture : public QLabel {
    Q_OBJECT
public:
    explicit UnitPicture(const QString& word, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace tarvanel
