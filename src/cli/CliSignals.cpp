#include "CliSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalFds[2] = {-1, -1};
std::function<void()> signalHandler;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalFds[1], &byte, 1);
}
}

void QuitOnTerminationSignals()
{
    OnTerminationSignals([] { QCoreApplication::quit(); });
}

void OnTerminationSignals(std::function<void()> handler)
{
    signalHandler = std::move(handler);
    if (signalFds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalFds) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalFds[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(signalFds[0], &byte, 1);
        if (signalHandler)
            signalHandler();
    });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    // A closed terminal (SIGHUP) ends a transfer as Ctrl+C and kill do: END to the radio,
    // the port closed, and what a cancelled write left in the radio said.
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &sa, nullptr);
}
