#pragma once

#include <QWidget>

namespace tarvanel {

// The panel that folds out below the window: the path's inputs and results
// over a picture of its own (ground, border, heading, captions and the side
// view's legend), drawn like the window's background. Escape inside it asks
// to close it.
class PathPanel : public QWidget {
    Q_OBJECT
public:
    explicit PathPanel(QWidget* parent = nullptr);

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tarvanel
