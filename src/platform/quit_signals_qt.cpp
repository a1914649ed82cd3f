#include "platform/quit_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace sky {

namespace {

constexpr std::array<int, 3> Handled{SIGTERM, SIGINT, SIGHUP};
int pipeFds[2] = {-1, -1};

void OnSignal(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int saved = errno;
    if (write(pipeFds[1], &byte, 1) < 0) {
        // A full pipe already holds a request; one is enough.
    }
    errno = saved;
}

void Install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Handled) sigaction(s, &action, nullptr);
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onQuit) : onQuit_(std::move(onQuit)) {
    if (pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0) return;
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] {
        unsigned char byte;
        while (read(pipeFds[0], &byte, 1) > 0) {
        }
        if (onQuit_) onQuit_();
    });
    Install(&OnSignal);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    Install(SIG_DFL);
    delete notifier_;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

}  // namespace sky
