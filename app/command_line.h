#pragma once

#include <QString>

class QCoreApplication;

namespace tarvanel {

// The program's command line: tarvanel [-h|--help] [-v|--version] [plan]
//
// Before the window exists: --help and --version answer on standard output
// and end the program, without a display. Qt's own options (-platform ...)
// are left for QApplication.
void answerHelpOrVersion(int argc, char** argv);

// Once QApplication has taken its own options: the plan file given, or empty.
// A wrong option or a second file ends the program with a message on standard
// error and exit status 1.
QString planOnCommandLine(const QCoreApplication& app);

} // namespace tarvanel
