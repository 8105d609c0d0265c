#include "app/frm_main.h"
#include "app/quit_on_signal.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvanel"));
    // Lets docks match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarvanel.Tarvanel"));
    QApplication::setApplicationVersion(QStringLiteral(TARVANEL_VERSION));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    tarvanel::quitOnTerminationSignals();

    tarvanel::FrmMain form;
    form.show();
    return QApplication::exec();
}
