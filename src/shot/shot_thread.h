// The shot worker: one thread per shot that flies the missile, resolves the
// impact and hands the turn back. It reaches the window thread only through
// blocking synchronous calls; the procedures it asks for are the window's.
#pragma once

#include <atomic>
#include <thread>

#include "core/game_state.h"
#include "core/sync_call.h"
#include "shot/shot_hooks.h"

namespace sky {

// The body of every shot, in its fixed order: the flight, the impact, the
// turn passing, one frame without missile and debris, then the end of the
// shot. The worker runs it with its procedures on the window thread; a
// driver without a window thread runs it on its own, without frames.
void RunShot(GameState& s, double& ShotTime, const ShotHooks& hooks);

class TThread1 {
public:
    // Created suspended: nothing runs until Start. `window` holds the
    // procedures to run on the window thread; its clock and stop request are
    // the worker's own.
    TThread1(GameState& s, SyncCaller& sync, ShotHooks window);
    ~TThread1();  // waits for the body to end
    TThread1(const TThread1&) = delete;
    TThread1& operator=(const TThread1&) = delete;

    void Start();
    // The window is closing: the remaining frames are not drawn, the rest of the shot still runs.
    void Terminate() { stop_ = true; }
    bool Finished() const { return finished_; }
    // On the window thread: wait for the body to end while serving its calls.
    void WaitFor();

    double ShotTime = 0;  // simulated seconds, from 0 in the flight and again in the debris

private:
    void Execute();

    GameState& s_;
    SyncCaller& sync_;
    ShotHooks window_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

}  // namespace sky
