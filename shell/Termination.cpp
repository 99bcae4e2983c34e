#include "shell/Termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_wake[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_wake[0], &byte, 1);
}

} // namespace

void endOnTermination()
{
    if (g_wake[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_wake) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_wake[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_wake[1], &byte, 1);
        // exit(), not quit(): a modal window open at the time must not hold the end up.
        QCoreApplication::exit(0);
        // A signal during start-up ends the splash's loop only; repeat until
        // the main loop has run and ended too.
        if (notifier->findChild<QTimer *>())
            return;
        auto *again = new QTimer(notifier);
        QObject::connect(again, &QTimer::timeout, [] { QCoreApplication::exit(0); });
        again->start(100);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}
