#include "widgets/result_label.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvanel {

namespace {

class ResultLabelAccessible : public QAccessibleWidget {
public:
    explicit ResultLabelAccessible(ResultLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const ResultLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
            return label->spokenName();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* resultLabelAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ResultLabel::staticMetaObject.className())) {
        if (auto* label = qobject_cast<ResultLabel*>(object))
            return new ResultLabelAccessible(label);
    }
    return nullptr;
}

} // namespace

ResultLabel::ResultLabel(const QString& caption, const QString& text, QWidget* parent,
                         const QString& unit)
    : QLabel(text, parent)
    , m_caption(caption)
    , m_unit(unit) {
    setToolTip(QString::fromUtf8(kResultWalkHint));
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(resultLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

QString ResultLabel::spokenName() const {
    QString name = m_caption + QLatin1Char(' ') + text();
    if (!m_unit.isEmpty()) name += QLatin1Char(' ') + m_unit;
    return name;
}

} // namespace tarvanel
