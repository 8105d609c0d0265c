#pragma once

#include <QLineEdit>

namespace tarvanel {

// A text box of the window. Assistive technology hears it as Qt's own line
// edit, except that its text is one run of text attributes from the first
// character to the last: Qt's line edit answers an empty run at every offset,
// and Orca, which reads a line run by run, then leaves out the last character
// ("242" for 2427).
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(QWidget* parent = nullptr);

    // Where the character at `offset` is drawn, in screen coordinates; empty
    // past the end of the text.
    QRect characterRect(int offset) const;
};

} // namespace tarvanel
