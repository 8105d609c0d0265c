// Opens the window, types the example link into its fields key by key, waits
// for the results and warnings to refresh, and saves a picture of the window.
// Used by scripts/screenshot: example_link_screenshot OUTPUT.png

#include "frm_main.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

Qt::Key keyFor(QChar ch) {
    if (ch.isDigit()) return Qt::Key(Qt::Key_0 + ch.digitValue());
    if (ch == QLatin1Char('.')) return Qt::Key_Period;
    if (ch == QLatin1Char(',')) return Qt::Key_Comma;
    if (ch == QLatin1Char('-')) return Qt::Key_Minus;
    return Qt::Key_unknown;
}

void sendKey(QWidget* field, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(field, &release);
}

// Focuses the field, selects what it holds and types the text over it.
void type(QLineEdit* field, const QString& text) {
    field->setFocus(Qt::TabFocusReason);
    sendKey(field, Qt::Key_A, Qt::ControlModifier, QString());
    for (QChar ch : text)
        sendKey(field, keyFor(ch), Qt::NoModifier, QString(ch));
}

} // namespace

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

    const auto& c = form.controls();
    const QString point = QLocale().decimalPoint();
    type(c.txtFrequency, QStringLiteral("2427"));
    type(c.Text2, QStringLiteral("20"));
    type(c.Text3, QStringLiteral("15"));
    type(c.Text4, QStringLiteral("0") + point + QStringLiteral("22"));
    type(c.Text5, QStringLiteral("10"));
    type(c.Text6, QStringLiteral("2"));
    type(c.Text10, QStringLiteral("20"));
    type(c.Text9, QStringLiteral("15"));
    type(c.Text8, QStringLiteral("0") + point + QStringLiteral("10"));
    type(c.Text7, QStringLiteral("10"));
    type(c.Text1, QStringLiteral("2"));
    type(c.Text11, QStringLiteral("80"));
    type(c.Text12, QStringLiteral("10"));

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
