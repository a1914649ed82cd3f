#include "core/sync_call.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace sky {
namespace {

using namespace std::chrono_literals;

void WaitFor(const std::atomic<bool>& flag) {
    while (!flag.load()) std::this_thread::sleep_for(1ms);
}

TEST(SyncCaller, WorkerWaitsUntilTheWindowThreadRanTheProcedure) {
    std::atomic<bool> woken{false}, returned{false};
    std::thread::id wokenOn, ranOn;
    SyncCaller caller([&] {
        wokenOn = std::this_thread::get_id();
        woken = true;
    });
    int value = 0;  // touched only inside the procedure and after join
    bool sawValue = false;
    std::thread worker([&] {
        caller.Call([&] {
            ranOn = std::this_thread::get_id();
            value = 42;
        });
        sawValue = value == 42;
        returned = true;
    });
    const std::thread::id workerId = worker.get_id();
    WaitFor(woken);
    std::this_thread::sleep_for(30ms);
    EXPECT_FALSE(returned.load()) << "Call returned before the window thread served it";
    caller.Serve();
    worker.join();
    EXPECT_TRUE(returned.load());
    EXPECT_TRUE(sawValue);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(wokenOn, workerId);
}

TEST(SyncCaller, WaitServingRunsEveryCallInOrderAndEndsWithTheWorker) {
    SyncCaller caller;
    std::vector<int> seen;  // only the window thread appends
    std::atomic<bool> finished{false};
    constexpr int Calls = 500;
    std::thread worker([&] {
        for (int i = 0; i < Calls; ++i) caller.Call([&seen, i] { seen.push_back(i); });
        finished = true;
        caller.NotifyFinished();
    });
    const std::thread::id window = std::this_thread::get_id();
    caller.WaitServing([&] { return finished.load(); });
    EXPECT_TRUE(finished.load());
    worker.join();
    ASSERT_EQ(seen.size(), static_cast<std::size_t>(Calls));
    for (int i = 0; i < Calls; ++i) ASSERT_EQ(seen[i], i);
    EXPECT_EQ(window, std::this_thread::get_id());
}

TEST(SyncCaller, WaitServingWakesAtOnceWhenTheWorkerEnds) {
    SyncCaller caller;
    std::atomic<bool> finished{false};
    std::chrono::steady_clock::time_point notified;
    std::thread worker([&] {
        std::this_thread::sleep_for(20ms);
        notified = std::chrono::steady_clock::now();
        finished = true;
        caller.NotifyFinished();
    });
    caller.WaitServing([&] { return finished.load(); });
    const auto returnedAt = std::chrono::steady_clock::now();
    worker.join();
    EXPECT_LT(returnedAt - notified, 250ms);
}

TEST(SyncCaller, CallOnTheWindowThreadRunsInline) {
    int calls = 0;
    SyncCaller caller([&] { ++calls; });
    bool ran = false;
    caller.Call([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(calls, 0);  // nothing was queued, so nothing to wake
    caller.Serve();       // and nothing left to serve
}

}  // namespace
}  // namespace sky
