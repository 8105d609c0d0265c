#include "app/command_line.h"
#include "app/dialog_language.h"
#include "app/frm_main.h"
#include "app/quit_on_signal.h"
#include "plan_ui/plan_controller.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    // The names QSettings keeps the recent plans under, and --version's answer.
    QCoreApplication::setOrganizationName(QStringLiteral("tarvanel"));
    QCoreApplication::setApplicationName(QStringLiteral("tarvanel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVANEL_VERSION));
    tarvanel::answerHelpOrVersion(argc, argv);

    QApplication app(argc, argv);
    const QString plan = tarvanel::planOnCommandLine(app);
    // Lets docks match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tarvanel.Tarvanel"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    tarvanel::quitOnTerminationSignals();
    tarvanel::speakGreekInDialogs();

    tarvanel::FrmMain form;
    form.show();
    if (!plan.isEmpty()) tarvanel::openPlanIn(form, plan);
    return QApplication::exec();
}
