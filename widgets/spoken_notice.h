#pragma once

#include <QWidget>

class QLabel;

namespace tarvanel {

// A notice that a screen reader speaks when it appears, wherever the focus is.
// It takes no room and draws nothing: the window already shows what it says.
//
// Orca 43 speaks a label's new name only while the label has the focus, and
// speaks no new name or description with Qt 6.4 at all (Qt sends the object,
// not the text, with the change); it does speak a notification that shows, as
// "notification" and the text of the labels inside it, after what it is
// saying, and keeps it in its list of notifications (and braille flashes it).
class SpokenNotice : public QWidget {
    Q_OBJECT
public:
    explicit SpokenNotice(QWidget* parent);

    // Shows the notice again with `text`, so that it is heard.
    void say(const QString& text);

    // What it said last.
    QString text() const;

private:
    QLabel* m_text;
};

} // namespace tarvanel
