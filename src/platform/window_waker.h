// Wakes the window thread's event loop from another thread.
//
// Why not post an event: posting allocates the event on the worker and frees
// it on the window thread, behind the toolkit's own locks, which the thread
// sanitizer cannot see (and reports). An eventfd is a plain system call on
// the worker's side; a socket notifier on the window thread reads it and
// runs the handler from the event loop.
#pragma once

#include <functional>

class QSocketNotifier;

namespace sky {

class WindowWaker {
public:
    // Created on the window thread; onWake runs there, once per batch of wakes.
    explicit WindowWaker(std::function<void()> onWake);
    ~WindowWaker();
    WindowWaker(const WindowWaker&) = delete;
    WindowWaker& operator=(const WindowWaker&) = delete;

    // Any thread, and a signal handler: it is one write(). A full counter
    // still wakes the window thread; nothing is lost.
    void Wake();
    // False when the system gave no eventfd: then Wake does nothing.
    bool Works() const { return fd_ >= 0; }

private:
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> onWake_;
};

}  // namespace sky
