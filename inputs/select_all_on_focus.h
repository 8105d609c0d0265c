#pragma once

#include <QObject>

#include <QList>

class QLineEdit;

namespace tarvanel {

// Selects the whole text of a text box whenever it gains the focus, by the
// keyboard or by the mouse, so that the next typed character replaces it.
class SelectAllOnFocus : public QObject {
    Q_OBJECT
public:
    SelectAllOnFocus(const QList<QLineEdit*>& fields, QObject* parent = nullptr);

    // The GotFocus handler of every field.
    static void GotFocus(QLineEdit* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The field whose focus came from a mouse press still under way: that press
    // places the cursor, so the text is selected again when it is released.
    QLineEdit* m_focusedByPress = nullptr;
};

} // namespace tarvanel
