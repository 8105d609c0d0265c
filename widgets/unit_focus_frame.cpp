#include "widgets/unit_focus_frame.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>

namespace tarvanel {

namespace {
constexpr int kFrameMargin = 2; // pixels around the pictures
} // namespace

UnitFocusFrame::UnitFocusFrame(const QList<QWidget*>& pictures, const QList<QRadioButton*>& options,
                               QWidget* window)
    : QWidget(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    QRect around;
    for (const QWidget* picture : pictures)
        around = around.united(picture->geometry());
    setGeometry(around.adjusted(-kFrameMargin, -kFrameMargin, kFrameMargin, kFrameMargin));
    hide();
    for (QRadioButton* option : options)
        option->installEventFilter(this);
}

bool UnitFocusFrame::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        raise();
        show();
        break;
    case QEvent::FocusOut:
        hide();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) break;
        QKeyEvent sideways(key->type(), key->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                           key->modifiers(), key->text(), key->isAutoRepeat());
        QCoreApplication::sendEvent(watched, &sideways);
        return true;
    }
    default:
        break;
    }
    return false;
}

void UnitFocusFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tarvanel
