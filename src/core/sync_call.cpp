#include "core/sync_call.h"

#include <chrono>
#include <utility>

namespace sky {

SyncCaller::SyncCaller(std::function<void()> wake)
    : windowThread_(std::this_thread::get_id()), wake_(std::move(wake)) {}

void SyncCaller::Call(const std::function<void()>& proc) {
    if (std::this_thread::get_id() == windowThread_) {
        proc();
        return;
    }
    Request request{&proc, false};
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(&request);
    }
    queued_.notify_all();
    if (wake_) wake_();
    std::unique_lock lock(mutex_);
    served_.wait(lock, [&] { return request.done; });
}

void SyncCaller::Serve() {
    // Only what is queued now: a procedure queued meanwhile has woken the
    // window thread again, and its event loop gets a turn in between.
    std::size_t queued;
    {
        const std::lock_guard lock(mutex_);
        queued = queue_.size();
    }
    for (; queued > 0; --queued) {
        Request* request;
        {
            const std::lock_guard lock(mutex_);
            if (queue_.empty()) return;  // a nested Serve (in a modal window's event loop) ran it
            request = queue_.front();
            queue_.pop_front();
        }
        // Run outside the lock: the procedure may show a modal window whose
        // event loop comes back into Serve.
        (*request->proc)();
        {
            const std::lock_guard lock(mutex_);
            request->done = true;
        }
        served_.notify_all();
    }
}

void SyncCaller::WaitServing(const std::function<bool()>& finished) {
    for (;;) {
        Serve();
        std::unique_lock lock(mutex_);
        if (queue_.empty() && finished()) return;
        // The timeout only guards against a worker that ends without
        // NotifyFinished; normally a notification wakes us at once.
        queued_.wait_for(lock, std::chrono::milliseconds(500), [&] { return !queue_.empty() || finished(); });
    }
}

void SyncCaller::NotifyFinished() {
    {
        // Taking the lock orders this after the worker's own finished flag,
        // so a WaitServing between its check and its wait cannot miss it.
        const std::lock_guard lock(mutex_);
    }
    queued_.notify_all();
}

}  // namespace sky
