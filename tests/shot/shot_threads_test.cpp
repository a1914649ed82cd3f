// The worker's flight and impact on a thread of its own while this thread
// plays the window: it serves the synchronous calls and draws frames of its
// own in between, both under the shared lock.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include "core/sync_call.h"
#include "shot/flight.h"
#include "shot/impact.h"
#include "shot_fixture.h"

namespace sky {
namespace {

struct Seen {
    int length;
    Point3 newest;
    int32_t centre, rim;
};

TEST(ShotThreads, WindowFramesNeverSeeAnUnstoredPointOrAHalfDugCrater) {
    // The start aim from (250, 400) lands about 250 cells south, far from both players.
    const auto setUp = [] {
        auto s = testing::FlatState(100, {250, 400, 100}, StartAim, 1.0);
        s->PlayerPos[2] = {100, 100, 100};
        return s;
    };
    const FlightEnd rehearsal = [&] {  // where the crater will be
        auto dry = setUp();
        double t = 0;
        return FlyMissile(*dry, t, {});
    }();
    const int cx = static_cast<int>(std::lround(rehearsal.position.x));
    const int cy = static_cast<int>(std::lround(rehearsal.position.y));
    auto s = setUp();
    const Launch l = LaunchOfCurrentPlayer(*s);

    SyncCaller window;
    std::atomic<bool> done{false};
    std::atomic<bool> lockHeldInCall{false};
    std::vector<Seen> seen;
    const auto drawFrame = [&] {  // what a frame reads, copied under the lock
        const std::lock_guard lock(s->SharedLock);
        const int n = s->TrailLength;
        seen.push_back({n, n > 0 ? s->Trail[n] : Point3{}, s->H(cx, cy), s->H(cx - 30, cy)});
    };
    const auto onWindow = [&] {
        // The worker waits in this call; were it holding the lock, the window could never draw.
        bool free = false;
        for (int i = 0; i < 200 && !free; ++i) {
            free = s->SharedLock.try_lock();
            if (!free) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        if (!free) {
            lockHeldInCall = true;
            return;
        }
        s->SharedLock.unlock();
        drawFrame();
    };

    FlightEnd end{};
    std::thread worker([&] {
        ShotHooks h;
        h.PlotTrailPixel = [&] { window.Call(onWindow); };
        h.DrawFrame = [&] { window.Call(onWindow); };
        h.PlayBlastSound = [&] { window.Call([&] { s->Rng.Unit(); }); };
        double shotTime = 0;
        end = FlyMissile(*s, shotTime, h);
        ResolveImpact(*s, end, shotTime, h);
        done = true;
        window.NotifyFinished();
    });
    while (!done) {
        window.Serve();
        drawFrame();
    }
    worker.join();
    window.Serve();

    ASSERT_FALSE(end.flying);
    EXPECT_FALSE(lockHeldInCall);
    ASSERT_GT(seen.size(), 100u);
    const int32_t centreAfter = s->H(cx, cy), rimAfter = s->H(cx - 30, cy);
    ASSERT_LT(centreAfter, 100);
    ASSERT_LT(rimAfter, 100);
    int lastLength = 0;
    for (const Seen& f : seen) {
        ASSERT_GE(f.length, lastLength);
        lastLength = f.length;
        if (f.length > 0) {  // the newest point is a regular point of the curve or the end point
            const Point3 regular = PositionAt(l, testing::StepTime(10 * (f.length - 1)));
            const auto same = [](const Point3& a, const Point3& b) {
                return std::abs(a.x - b.x) + std::abs(a.y - b.y) + std::abs(a.z - b.z) < 1e-9;
            };
            ASSERT_TRUE(same(f.newest, regular) || same(f.newest, end.position)) << f.length;
        }
        // The crater is dug in one go: a frame sees the ground before it or after it.
        ASSERT_TRUE((f.centre == 100 && f.rim == 100) || (f.centre == centreAfter && f.rim == rimAfter));
    }
}

}  // namespace
}  // namespace sky
