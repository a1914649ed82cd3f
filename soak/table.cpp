#include "table.h"

#include <chrono>
#include <utility>

#include "computer/computer_aim.h"
#include "shot/flight.h"
#include "shot/impact.h"
#include "shot/shot_thread.h"
#include "terrain/colours.h"
#include "terrain/game_setup.h"
#include "terrain/overview_map.h"

namespace sky::soak {

void Table::Waker::Wake() {
    {
        const std::lock_guard lock(mutex_);
        pending_ = true;
    }
    cv_.notify_one();
}

void Table::Waker::Wait() {
    std::unique_lock lock(mutex_);
    cv_.wait_for(lock, std::chrono::milliseconds(1), [this] { return pending_; });
    pending_ = false;
}

Table::Table(bool threaded, std::function<void(const std::string&)> fault)
    : s_(std::make_unique<GameState>()),
      threaded_(threaded),
      fault_(std::move(fault)),
      imLand_(OverviewMapSize, OverviewMapSize),
      imFarben_(ColourBarWidth, ColourBarHeight),
      pb_(120, 120),
      im2_(60, 60),
      im3_(25, 188),
      aim_(*s_, pb_, im2_, im3_, {[this] { if (threaded_) ReadFrame(); }, {}, {}}),
      sync_([this] { waker_.Wake(); }) {
    // As the window starts: the first colour scheme, player 1 before any game.
    s_->CurrentPlayer = 1;
    BuildColourTable(*s_, 0, imFarben_);
}

void Table::Fault(const std::string& what) {
    fault_("game " + std::to_string(gameNumber_) + ", shot " + std::to_string(shotNumber_) + ": " + what);
}

void Table::NewGame() {
    ++gameNumber_;
    shotNumber_ = 0;
    current_ = {};
    current_.rngAtStart = s_->Rng.State();
    current_.scoreAtStart = {s_->Score[1], s_->Score[2]};
    SetUpGame(*s_, imLand_);
    current_.landscape = HashHeights(*s_);
    for (const std::string& f : SetUpDrawFaults(*s_)) Fault(f);
    aim_.RefreshAimWidgets();
    if (threaded_) ReadFrame();
}

void Table::ComputerTurn(int level) {
    ++shotNumber_;
    before_ = StandingOf(*s_);
    const SearchResult found = ComputerAim(*s_, level);
    afterAim_ = s_->Rng.State();
    blasts_ = 0;
    if (found.chosen == 0) Fault("the computer found no aim among " + std::to_string(found.candidates));
    ShotLog log;
    log.level = level;
    log.aim = s_->PlayerAim[s_->CurrentPlayer];
    current_.shots.push_back(log);
    aim_.ShowStoredAim();
    if (threaded_) ReadFrame();
    Shoot();
}

void Table::Shoot() {
    {
        const std::lock_guard lock(s_->SharedLock);
        s_->ShotInFlight = 1;
    }
    if (!threaded_) {
        // The worker's body, without frames.
        ShotHooks hooks;
        hooks.PlotTrailPixel = [this] { PlotTrailPixel(); };
        hooks.PlayBlastSound = [this] { PlayBlastSound(); };
        double shotTime = 0;
        const FlightEnd end = FlyMissile(*s_, shotTime, hooks);
        ResolveImpact(*s_, end, shotTime, hooks);
        PassTurn();
        FinishShot();
        return;
    }
    TThread1 worker(*s_, sync_, WindowProcedures());
    worker.Start();
    while (!worker.Finished()) {
        sync_.Serve();
        ReadFrame();
        waker_.Wait();
    }
    worker.WaitFor();
}

ShotHooks Table::WindowProcedures() {
    ShotHooks window;
    window.DrawFrame = [this] { DrawFrame(); };
    window.PlotTrailPixel = [this] { PlotTrailPixel(); };
    window.PlayBlastSound = [this] { PlayBlastSound(); };
    window.PassTurn = [this] { PassTurn(); };
    window.FinishShot = [this] { FinishShot(); };
    // The worker draws a step only while it is ahead of this clock, and each
    // frame moves the clock 100 ms on: about one frame in twenty flight steps.
    window.Clock = [this] { return clockMs_.load(); };
    return window;
}

void Table::PlotTrailPixel() {
    const RGB& c = PlayerColour(s_->CurrentPlayer);
    imLand_.SetPixel(s_->TrailPixel.x, s_->TrailPixel.y, Rgb((c.r + 255) / 2, (c.g + 255) / 2, (c.b + 255) / 2));
}

// The sound is on: the window draws which of its two blast sounds to play.
void Table::PlayBlastSound() {
    ++blasts_;
    blastAt_ = s_->Rng.State();
    s_->Rng.Unit();
}

void Table::PassTurn() {
    {
        const std::lock_guard lock(s_->SharedLock);
        DrawOverviewMap(*s_, imLand_);
    }
    s_->CurrentPlayer = 3 - s_->CurrentPlayer;
    aim_.RefreshAimWidgets();
}

void Table::DrawFrame() {
    ReadFrame();
    ++framesDrawn_;
    clockMs_ += 100;
}

void Table::ReadFrame() {
    Faults faults;
    {
        const std::lock_guard lock(s_->SharedLock);
        faults = FrameFaults(*s_);
    }
    ++framesRead_;
    for (const std::string& f : faults) Fault(f);
}

void Table::FinishShot() {
    const int winner = SettleEndOfGame(*s_);
    ShotLog& log = current_.shots.back();
    log.trailLength = s_->TrailLength;
    if (s_->TrailLength >= 1 && s_->TrailLength <= 501) log.end = s_->Trail[s_->TrailLength];
    log.energy = {s_->Energy[1], s_->Energy[2]};
    log.rngAfter = s_->Rng.State();
    for (const std::string& f : ShotFaults(*s_, before_, winner)) Fault(f);
    for (const std::string& f : ShotDrawFaults(afterAim_, blasts_, blastAt_, log.rngAfter)) Fault(f);
    if (winner != 0) EndGame(winner);
}

void Table::AbandonGame() { EndGame(0); }

void Table::EndGame(int winner) {
    current_.winner = winner;
    current_.landscapeAtEnd = HashHeights(*s_);
    current_.scoreAtEnd = {s_->Score[1], s_->Score[2]};
    ended_.push_back(std::move(current_));
    NewGame();
}

std::vector<GameLog> Table::TakeEnded() { return std::exchange(ended_, {}); }

}  // namespace sky::soak
