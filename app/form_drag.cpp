#include "app/form_drag.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tarvanel {

namespace {

const char kDragObjectName[] = "tarvanel_pointer_drag";

// Moves the window by the pointer's travel since the press, until a button is
// released. Watches the whole application because the press went to a child.
class PointerDrag : public QObject {
public:
    PointerDrag(QWidget* form, QPointF grabPosition)
        : QObject(form)
        , m_form(form)
        , m_grabPosition(grabPosition)
        , m_startPosition(form->pos()) {
        setObjectName(QLatin1String(kDragObjectName));
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* move = static_cast<QMouseEvent*>(event);
            if (move->buttons() == Qt::NoButton) {
                finish(); // the release went elsewhere
                break;
            }
            const QPointF travel = move->globalPosition() - m_grabPosition;
            m_form->move(m_startPosition + travel.toPoint());
            break;
        }
        case QEvent::MouseButtonRelease:
            finish();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void finish() {
        QCoreApplication::instance()->removeEventFilter(this);
        setObjectName(QString());
        deleteLater();
    }

    QWidget* m_form; // our parent, so it outlives us
    QPointF m_grabPosition;
    QPoint m_startPosition;
};

} // namespace

void DragForm(QWidget* form, QPointF grabPosition) {
    if (form == nullptr) return;
    form = form->window();
    if (QWindow* handle = form->windowHandle(); handle != nullptr && handle->startSystemMove())
        return;
    if (form->findChild<QObject*>(QLatin1String(kDragObjectName), Qt::FindDirectChildrenOnly))
        return; // a drag is already under way
    new PointerDrag(form, grabPosition);
}

} // namespace tarvanel
