// Blocking calls from the shot worker onto the window thread: the worker
// hands over a procedure and waits until the window thread has run it, so
// all drawing, sound and dialogs stay on the window thread.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace sky {

class SyncCaller {
public:
    // wake runs on the calling worker thread whenever a procedure is queued,
    // so the window's event loop can schedule Serve() soon. The constructing
    // thread is the window thread.
    explicit SyncCaller(std::function<void()> wake = {});
    SyncCaller(const SyncCaller&) = delete;
    SyncCaller& operator=(const SyncCaller&) = delete;

    // Worker side: queue proc, wake the window thread, block until proc has
    // run there. On the window thread itself proc simply runs.
    void Call(const std::function<void()>& proc);

    // Window thread: run the procedures queued so far, in order, each once.
    // One queued while they run is left to the next Serve (its wake comes).
    void Serve();

    // Window thread, at shutdown: serve queued procedures until finished() is
    // true. Wakes for every new procedure and for NotifyFinished().
    void WaitServing(const std::function<bool()>& finished);

    // Worker side: the worker's body has ended (make finished() true first).
    void NotifyFinished();

private:
    struct Request {
        const std::function<void()>* proc;
        bool done = false;
    };

    const std::thread::id windowThread_;
    const std::function<void()> wake_;
    std::mutex mutex_;
    std::condition_variable queued_;  // window side: a request arrived or the worker ended
    std::condition_variable served_;  // worker side: a request is done
    std::deque<Request*> queue_;
};

}  // namespace sky
