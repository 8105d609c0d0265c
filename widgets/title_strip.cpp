#include "widgets/title_strip.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace tarvanel {

namespace {

QAccessibleInterface* titleStripAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TitleStrip::staticMetaObject.className())) {
        if (auto* strip = qobject_cast<TitleStrip*>(object))
            return new QAccessibleWidget(strip, QAccessible::TitleBar);
    }
    return nullptr;
}

} // namespace

TitleStrip::TitleStrip(QWidget* parent)
    : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(titleStripAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setCursor(Qt::PointingHandCursor);
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(event->globalPosition());
}

} // namespace tarvanel
