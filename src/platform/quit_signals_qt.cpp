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

void Install(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Handled) sigaction(s, &action, nullptr);
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> onQuit) : waker_(std::move(onQuit)) {
    if (!waker_.Works()) return;
    signalWaker = &waker_;
    Install(&OnSignal);
}

QuitSignals::~QuitSignals() {
    if (signalWaker != &waker_) return;
    Install(SIG_DFL);
    signalWaker = nullptr;
}

}  // namespace sky
