#include "widgets/text_field.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>

namespace tarvanel {

namespace {

class TextFieldAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit TextFieldAccessible(TextField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value)
            field()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // The text interface.
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override {
        if (startOffset > endOffset) return {};
        return field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (index != 0 || !field()->hasSelectedText()) return;
        *startOffset = field()->selectionStart();
        *endOffset = *startOffset + field()->selectionLength();
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int index) override {
        if (index == 0) field()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override {
        if (index == 0) field()->setSelection(startOffset, endOffset - startOffset);
    }
    QRect characterRect(int offset) const override { return field()->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }
    // Offset -2 is the cursor's.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        return QAccessibleTextInterface::textBeforeOffset(at(offset), boundary, startOffset,
                                                          endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        return QAccessibleTextInterface::textAtOffset(at(offset), boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        return QAccessibleTextInterface::textAfterOffset(at(offset), boundary, startOffset,
                                                         endOffset);
    }

    // The editable text interface: what assistive technology writes counts as typed.
    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    TextField* field() const { return static_cast<TextField*>(widget()); }
    int at(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

QAccessibleInterface* textFieldAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TextField::staticMetaObject.className())) {
        if (auto* field = qobject_cast<TextField*>(object)) return new TextFieldAccessible(field);
    }
    return nullptr;
}

} // namespace

TextField::TextField(QWidget* parent)
    : QLineEdit(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(textFieldAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

// From the cursor, which QLineEdit places with its scrolling and margins.
QRect TextField::characterRect(int offset) const {
    const QString shown = text();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(font());
    const QRect cursor = cursorRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return {mapToGlobal(QPoint(x, cursor.top())),
            QSize(metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height())};
}

} // namespace tarvanel
