#include "termination_signals.h"

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace skinwright::platform {
namespace {

// The handler may only write to a descriptor; the event loop reads the other
// end and quits outside the handler.
int signalWriteEnd = -1;

extern "C" void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signalWriteEnd, &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals()
{
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    signalWriteEnd = ends[0];

    auto* notifier = new QSocketNotifier(ends[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte;
        [[maybe_unused]] const ssize_t read = ::read(static_cast<int>(notifier->socket()), &byte, 1);
        // Every loop ends, the nested modal ones first; a loop started after
        // this returns at once, so the program runs out to its end.
        QCoreApplication::exit(0);
    });

    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

}  // namespace skinwright::platform
