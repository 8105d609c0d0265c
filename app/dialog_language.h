#pragma once

namespace tarvanel {

// Makes Qt's own dialogs (file dialogs, message boxes and their buttons)
// speak Greek like the window, for every dialog of the program: installs the
// program's translation of them (app/qt_el.ts; Qt ships none in Greek) and
// asks for Qt's file dialog everywhere instead of the desktop's, whose words
// follow the desktop. Call once, after the QApplication exists; false when
// the translation could not be installed.
bool speakGreekInDialogs();

} // namespace tarvanel
