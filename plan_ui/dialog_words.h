#pragma once

#include <QTranslator>

namespace tarvanel {

// The words Qt's own file dialog and message boxes write (buttons, tooltips,
// column headings, their context menu and messages), in Greek. Qt ships no
// Greek translation of them. Installed while a dialog of the plan is open.
class DialogWords : public QTranslator {
public:
    DialogWords();
    ~DialogWords() override;

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

} // namespace tarvanel
