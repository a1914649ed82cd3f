#include "platform/quit_signals.h"

#include <array>
#include <cerrno>
#include <csignal>

namespace sky {

namespace {

constexpr std::array<int, 3> Handled{SIGTERM, SIGINT, SIGHUP};
WindowWaker* signalWaker = nullptr;  // set before the handlers are, cleared after they are gone

void OnSignal(int) {
    const int saved = errno;
    signalWaker->Wake();
    errno = saved;
}

void SetMask(int how) {
    sigset_t set;
    sigemptyset(&set);
    for (int s : Handled) sigaddset(&set, s);
    pthread_sigmask(how, &set, nullptr);
}

void Install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Handled) sigaction(s, &action, nullptr);
}

}  // namespace

void QuitSignals::HoldBack() { SetMask(SIG_BLOCK); }

QuitSignals::QuitSignals(std::function<void()> onQuit) : waker_(std::move(onQuit)) {
    if (waker_.Works()) {
        signalWaker = &waker_;
        Install(&OnSignal);
    }
    SetMask(SIG_UNBLOCK);
}

QuitSignals::~QuitSignals() {
    if (signalWaker != &waker_) return;
    Install(SIG_DFL);
    signalWaker = nullptr;
}

}  // namespace sky
