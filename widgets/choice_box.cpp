#include "widgets/choice_box.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvanel {

namespace {

class ChoiceBoxAccessible : public QAccessibleWidget {
public:
    explicit ChoiceBoxAccessible(ChoiceBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const ChoiceBox*>(widget());
        switch (t) {
        case QAccessible::Name:
            return box->accessibleName();
        case QAccessible::Value:
            return box->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* choiceBoxAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ChoiceBox::staticMetaObject.className())) {
        if (auto* box = qobject_cast<ChoiceBox*>(object)) return new ChoiceBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

ChoiceBox::ChoiceBox(QWidget* parent)
    : QComboBox(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(choiceBoxAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

} // namespace tarvanel
