#include "platform/window_waker.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace sky {

WindowWaker::WindowWaker(std::function<void()> onWake)
    : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)), onWake_(std::move(onWake)) {
    if (fd_ < 0) return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, notifier_, [this] {
        uint64_t count = 0;
        while (read(fd_, &count, sizeof count) > 0) {
        }
        if (onWake_) onWake_();
    });
}

WindowWaker::~WindowWaker() {
    delete notifier_;
    if (fd_ >= 0) ::close(fd_);
}

void WindowWaker::Wake() {
    const uint64_t one = 1;
    if (fd_ >= 0 && write(fd_, &one, sizeof one) < 0) {
        // EAGAIN: the counter is full, so the window thread is awake anyway.
    }
}

}  // namespace sky
