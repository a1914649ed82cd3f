#include "shot/shot_thread.h"

#include "shot/flight.h"
#include "shot/impact.h"

namespace sky {

void RunShot(GameState& s, double& ShotTime, const ShotHooks& hooks) {
    const FlightEnd end = FlyMissile(s, ShotTime, hooks);
    ResolveImpact(s, end, ShotTime, hooks);
    // The end of every shot, frames or not: the turn passes, the view shows
    // the trail without missile and debris, then the controls come back.
    if (hooks.PassTurn) hooks.PassTurn();
    if (hooks.DrawFrame) hooks.DrawFrame();
    if (hooks.FinishShot) hooks.FinishShot();
}

TThread1::TThread1(GameState& s, SyncCaller& sync, ShotHooks window)
    : s_(s), sync_(sync), window_(std::move(window)) {}

TThread1::~TThread1() {
    if (thread_.joinable()) WaitFor();
}

void TThread1::Start() { thread_ = std::thread([this] { Execute(); }); }

void TThread1::WaitFor() {
    if (!thread_.joinable()) return;
    if (std::this_thread::get_id() != thread_.get_id()) sync_.WaitServing([this] { return finished_.load(); });
    thread_.join();
}

void TThread1::Execute() {
    const auto onWindow = [this](const std::function<void()>& proc) -> std::function<void()> {
        if (!proc) return {};
        return [this, &proc] { sync_.Call(proc); };
    };
    ShotHooks hooks;
    hooks.DrawFrame = onWindow(window_.DrawFrame);
    hooks.PlotTrailPixel = onWindow(window_.PlotTrailPixel);
    hooks.PlayBlastSound = onWindow(window_.PlayBlastSound);
    hooks.PassTurn = onWindow(window_.PassTurn);
    hooks.FinishShot = onWindow(window_.FinishShot);
    hooks.Clock = window_.Clock;
    hooks.StopRequested = [this] { return stop_.load(); };
    hooks.BlastDrawAtEveryHit = window_.BlastDrawAtEveryHit;

    RunShot(s_, ShotTime, hooks);
    finished_ = true;
    sync_.NotifyFinished();
}

}  // namespace sky
