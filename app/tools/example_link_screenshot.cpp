// Opens the window, types the example link into its fields key by key, waits
// for the results and warnings to refresh, and saves a picture of the window.
// Used by scripts/screenshot: example_link_screenshot OUTPUT.png

#include "frm_main.h"
#include "main_window_support.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    tarvanel::FrmMain form;
    form.show();
    form.activateWindow();

    // The same keys the window tests type, with this locale's separator.
    tarvanel::testing::typeExampleLink(form, QLocale().decimalPoint());

    int status = 1;
    // No caret in the picture: the field that holds the focus (also the one the
    // window focuses when it becomes active) gives it up first.
    QTimer::singleShot(1000, &form, [&] {
        if (QWidget* focused = form.focusWidget()) focused->clearFocus();
    });
    // Both timers have ticked by then: results after 200 ms, warnings after 600 ms.
    QTimer::singleShot(1300, &form, [&] {
        QPixmap picture;
        if (QScreen* screen = form.screen()) picture = screen->grabWindow(form.winId());
        if (picture.isNull()) picture = form.grab();
        status = picture.save(output) ? 0 : 1;
        if (status != 0) std::fprintf(stderr, "cannot write %s\n", argv[1]);
        QCoreApplication::exit(status);
    });
    QApplication::exec();
    return status;
}
