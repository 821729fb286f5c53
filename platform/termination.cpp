#include "platform/termination.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {
int g_pipe[2] = {-1, -1};  // the signal handler writes to [0]; the event loop reads [1]

extern "C" void NoteSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);  // async-signal-safe
}
}  // namespace

void OnTerminationRequest(std::function<void()> action)
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [action = std::move(action)] {
        char byte;
        [[maybe_unused]] const ssize_t n = ::read(g_pipe[1], &byte, 1);
        action();
    });
    struct sigaction sa {};
    sa.sa_handler = NoteSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(sig, &sa, nullptr);
}

}  // namespace platform
