// Termination requests from the session or the terminal (SIGTERM, SIGINT,
// SIGHUP) end the program the way a window close does, from whatever state
// it is in: the handler only wakes the window thread, which runs the close,
// so no toolkit or game code runs inside a signal.
#pragma once

#include <functional>

#include "platform/window_waker.h"

namespace sky {

class QuitSignals {
public:
    // Created on the window thread; onQuit runs there. Only one may exist.
    explicit QuitSignals(std::function<void()> onQuit);
    ~QuitSignals();  // puts the default handlers back
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    WindowWaker waker_;
};

}  // namespace sky
