// The yardstick for Tarvanel's idle CPU (bench/startup.sh): a bare Qt Widgets
// window of the same size whose only work is one 200 ms QTimer that does
// nothing. SIGTERM and SIGINT end it with exit code 0, the way Tarvanel ends.

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return 1;
    QSocketNotifier notifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::exit(0); });
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare timer window"));
    window.setFixedSize(550, 362);
    window.show();

    QTimer timer;
    timer.setInterval(200);
    QObject::connect(&timer, &QTimer::timeout, &window, [] {});
    timer.start();

    return QApplication::exec();
}
