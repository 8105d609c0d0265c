#include "widgets/choice_box.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace tarvanel {

namespace {

// Named by the caption, the choice its value and its text (which Orca 43
// reads as a combo box's value), the list of choices its child with the
// chosen one selected, as in a standard combo box. The text is read-only: it
// has no cursor and no selection.
class ChoiceBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChoiceBoxAccessible(ChoiceBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return box()->accessibleName();
        return t == QAccessible::Value ? choice() : QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QString text(int start, int end) const override { return choice().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(choice().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    const ChoiceBox* box() const { return static_cast<const ChoiceBox*>(widget()); }
    QString choice() const { return box()->currentText(); }
};

QAccessibleInterface* choiceBoxAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ChoiceBox::staticMetaObject.className())) {
        if (auto* box = qobject_cast<ChoiceBox*>(object)) return new ChoiceBoxAccessible(box);
    }
    return nullptr;
}

} // namespace

void ChoiceBox::setChoices(const QStringList& choices) {
    if (choices == m_choices) return;
    m_choices = choices;
    clear();
    addItems(choices);
}

ChoiceBox::ChoiceBox(QWidget* parent)
    : QComboBox(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(choiceBoxAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    // Qt selects the chosen item in the list only while it is open.
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        view()->selectionModel()->select(model()->index(index, modelColumn()),
                                         QItemSelectionModel::ClearAndSelect);
    });
}

} // namespace tarvanel
