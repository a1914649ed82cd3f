// The worker's blocking calls reach the real window's event loop, and the
// shutdown wait keeps serving them without the event loop.
#include <QThread>

#include <atomic>
#include <thread>

#include "app/window_fixture.h"

TEST(WindowSyncCalls, RunOnTheWindowThreadFromItsEventLoop) {
    StartedGame g;
    QThread* const windowThread = QThread::currentThread();
    std::atomic<int> ranOnWindow{0}, calls{0};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        for (int i = 0; i < 20; ++i) {
            g.F1().Sync.Call([&] {
                if (QThread::currentThread() == windowThread) ++ranOnWindow;
                g.F1().DrawScene();  // a frame drawn for the worker, as a flight does
            });
            ++calls;
        }
        finished = true;
    });
    EXPECT_TRUE(WaitFor([&] { return finished.load(); }, 10000)) << calls.load() << " calls done";
    worker.join();
    EXPECT_EQ(calls.load(), 20);
    EXPECT_EQ(ranOnWindow.load(), 20);
}

TEST(WindowSyncCalls, ShutdownWaitKeepsServingTheWorker) {
    StartedGame g;
    std::atomic<bool> finished{false};
    int served = 0;  // written only on the window thread
    std::thread worker([&] {
        for (int i = 0; i < 5; ++i) g.F1().Sync.Call([&] { ++served; });
        finished = true;
        g.F1().Sync.NotifyFinished();
    });
    g.F1().Sync.WaitServing([&] { return finished.load(); });
    worker.join();
    EXPECT_EQ(served, 5);
}
