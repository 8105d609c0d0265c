#pragma once

#include "widgets/result_label.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

namespace tarvanel {

// Reaches every result from the keyboard without changing the Tab order: F8
// moves the focus to the next result in reading order (Shift+F8 the one
// before; Down and Up too while on a result), so that a screen reader reads
// it as its caption and value; Escape, or Tab, goes back to the control the
// user came from. Neither Orca (its commands go with its own modifier key)
// nor the desktop claims F8. Every result without a tooltip of its own tells
// the keys in its tooltip (widgets/result_label.h).
class ResultWalk : public QObject {
    Q_OBJECT
public:
    static inline const QKeySequence kNextKey{Qt::Key_F8};
    static inline const QKeySequence kPreviousKey{Qt::SHIFT | Qt::Key_F8};
    static constexpr const char* kHint = kResultWalkHint;

    explicit ResultWalk(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void step(int direction);
    void back();
    // Gives a result the focus; it takes it only from the walk.
    void visit(QLabel* result);

    QWidget* m_window;
    QPointer<QWidget> m_cameFrom;
};

} // namespace tarvanel
