#include "widgets/spoken_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace tarvanel {

namespace {

QAccessibleInterface* spokenNoticeAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(SpokenNotice::staticMetaObject.className())) {
        // Without a name of its own: the label inside it says the text once.
        if (auto* notice = qobject_cast<SpokenNotice*>(object))
            return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget* parent)
    : QWidget(parent)
    , m_text(new QLabel(this)) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(spokenNoticeAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void SpokenNotice::say(const QString& text) {
    // A notice is heard as it appears: hidden and shown again, it is heard again.
    hide();
    m_text->setText(text);
    show();
}

QString SpokenNotice::text() const {
    return m_text->text();
}

} // namespace tarvanel
