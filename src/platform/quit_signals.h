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
    // Holds the signals back, in this thread and every thread it starts later,
    // until a QuitSignals takes them: called first thing in main, so that one
    // that comes while the program starts ends it like one that comes later.
    static void HoldBack();

    // Created on the window thread; onQuit runs there. Only one may exist.
    // A signal held back since HoldBack arrives now.
    explicit QuitSignals(std::function<void()> onQuit);
    ~QuitSignals();  // puts the default handlers back
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    WindowWaker waker_;
};

}  // namespace sky
