#include "app/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tarvanel {

namespace {

// The handler may only do async-signal-safe work: it writes one byte into a
// socket pair, and the event loop reads it on the other end.
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

bool quitOnTerminationSignals() {
    auto* app = QCoreApplication::instance();
    if (app == nullptr || signalPipe[0] != -1) return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return false;

    // exit() ends every loop running now, a modal dialog's too. A dialog shown
    // before the application's own loop starts (a damaged plan on the command
    // line) would leave that loop to start afresh: `ending` ends it once it runs.
    auto* ending = new QTimer(app);
    ending->setSingleShot(true);
    QObject::connect(ending, &QTimer::timeout, app, [] { QCoreApplication::exit(0); });
    QObject::connect(app, &QCoreApplication::aboutToQuit, ending, &QTimer::stop);
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, [ending] {
        char byte = 0;
        while (::read(signalPipe[1], &byte, 1) > 0) {
        }
        QCoreApplication::exit(0);
        ending->start(0);
    });

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 &&
           ::sigaction(SIGINT, &action, nullptr) == 0;
}

} // namespace tarvanel
