#include "table.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "shot/impact.h"
#include "terrain/colours.h"
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

Table::Table(bool threaded, std::function<void(const std::string&)> fault, const Wrap& wrap)
    : s_(std::make_unique<GameState>()),
      threaded_(threaded),
      fault_(std::move(fault)),
      imLand_(OverviewMapSize, OverviewMapSize),
      imFarben_(ColourBarWidth, ColourBarHeight),
      pb_(120, 120),
      im2_(60, 60),
      im3_(25, 188),
      aim_(*s_, pb_, im2_, im3_, {[this] { if (threaded_) ReadFrame(); }, {}, {}}),
      sync_([this] { waker_.Wake(); }),
      match_(*s_, threaded ? &sync_ : nullptr) {
    match_.Bind(imLand_, wrap ? wrap(Procedures(), *s_, match_) : Procedures());
    // As the window starts: the first colour scheme, player 1 before any game.
    s_->CurrentPlayer = 1;
    BuildColourTable(*s_, 0, imFarben_);
}

void Table::Fault(const std::string& what) {
    fault_("game " + std::to_string(gameNumber_) + ", shot " + std::to_string(shotNumber_) + ": " + what);
}

MatchView Table::Procedures() {
    MatchView v;
    v.GameStarting = [this] { GameStarting(); };
    v.GameStarted = [this] { GameStarted(); };
    v.AimChosen = [this](const SearchResult& found) {
        found_ = found;
        aim_.ShowStoredAim();
        if (threaded_) ReadFrame();
    };
    v.ShotStarting = [this] { ShotStarting(); };
    v.PlotTrailPixel = [this] { PlotTrailPixel(); };
    v.PlayBlastSound = [this] { PlayBlastSound(); };
    v.TurnEnding = [this] {
        const std::lock_guard lock(s_->SharedLock);
        DrawOverviewMap(*s_, imLand_);
    };
    v.TurnPassed = [this] { aim_.RefreshAimWidgets(); };
    v.ShotSettled = [this](int winner) { ShotSettled(winner); };
    if (threaded_) {
        v.DrawFrame = [this] { DrawFrame(); };
        // The worker draws a step only while it is ahead of this clock, and each
        // frame moves the clock 100 ms on: about one frame in twenty flight steps.
        v.Clock = [this] { return clockMs_.load(); };
    }
    return v;
}

void Table::NewGame() { match_.NewGame(); }

// Every game's record starts here, before its set-up draws (and after a
// network session has seeded the generator); a game still open was given up.
void Table::GameStarting() {
    if (gameOpen_) EndLog(0);
    ++gameNumber_;
    shotNumber_ = 0;
    current_ = {};
    current_.rngAtStart = s_->Rng.State();
    current_.scoreAtStart = {s_->Score[1], s_->Score[2]};
    gameOpen_ = true;
    if (onGameStarting) onGameStarting(current_);
}

void Table::TookState() {
    if (gameOpen_) current_.tainted = true;
    GameStarting();
    current_.fromState = true;
    current_.landscape = HashHeights(*s_);
    {
        const std::lock_guard lock(s_->SharedLock);
        DrawOverviewMap(*s_, imLand_);
    }
    aim_.RefreshAimWidgets();
}

void Table::GameStarted() {
    current_.landscape = HashHeights(*s_);
    for (const std::string& f : SetUpDrawFaults(*s_)) Fault(f);
    aim_.RefreshAimWidgets();
    if (threaded_) ReadFrame();
}

void Table::ComputerTurn(int level) {
    level_ = level;
    found_ = {0, 0};
    if (press) press(level);
    else match_.ComputerShot(level);
    level_ = -1;
    if (!threaded_) return;
    while (match_.ShotRunning()) {
        sync_.Serve();
        ReadFrame();
        waker_.Wait();
    }
    match_.ShotThread->WaitFor();
}

// The press, whoever made it: the aim is final, the generator holds the search's draws.
void Table::ShotStarting() {
    ++shotNumber_;
    if (level_ >= 0 && found_.chosen == 0)
        Fault("the computer found no aim among " + std::to_string(found_.candidates));
    before_ = StandingOf(*s_);
    blasts_ = 0;
    afterAim_ = s_->Rng.State();
    ShotLog log;
    log.level = level_;
    log.aim = s_->PlayerAim[s_->CurrentPlayer];
    current_.shots.push_back(log);
    level_ = -1;
}

void Table::PlotTrailPixel() {
    const RGB& c = PlayerColour(s_->CurrentPlayer);
    imLand_.SetPixel(s_->TrailPixel.x, s_->TrailPixel.y, Rgb((c.r + 255) / 2, (c.g + 255) / 2, (c.b + 255) / 2));
}

// The sound is on: the window draws which of its two blast sounds to play.
void Table::PlayBlastSound() {
    ++blasts_;
    blastAt_ = s_->Rng.State();
    DrawBlastSound(s_->Rng);
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

// After the match's end-of-game rule, before it sets up the next game.
void Table::ShotSettled(int winner) {
    ShotLog& log = current_.shots.back();
    log.trailLength = s_->TrailLength;
    if (s_->TrailLength >= 1 && s_->TrailLength <= 501) log.end = s_->Trail[s_->TrailLength];
    log.energy = {s_->Energy[1], s_->Energy[2]};
    log.rngAfter = s_->Rng.State();
    for (const std::string& f : ShotFaults(*s_, before_, winner)) Fault(f);
    for (const std::string& f : ShotDrawFaults(afterAim_, blasts_, blastAt_, log.rngAfter)) Fault(f);
    if (winner != 0) EndLog(winner);
    if (onShotSettled) onShotSettled();
}

void Table::AbandonGame() { match_.NewGame(); }

void Table::EndLog(int winner) {
    current_.winner = winner;
    current_.landscapeAtEnd = HashHeights(*s_);
    current_.scoreAtEnd = {s_->Score[1], s_->Score[2]};
    ended_.push_back(std::move(current_));
    current_ = {};
    gameOpen_ = false;
}

std::vector<GameLog> Table::TakeEnded() { return std::exchange(ended_, {}); }

GameLog Replay(const GameLog& played, const std::function<void(const std::string&)>& fault) {
    Table table(false, fault);
    table.State().Rng.Seed(played.rngAtStart);
    table.State().Score[1] = played.scoreAtStart[0];
    table.State().Score[2] = played.scoreAtStart[1];
    table.NewGame();
    for (const ShotLog& shot : played.shots) {
        table.ComputerTurn(shot.level);
        std::vector<GameLog> ended = table.TakeEnded();
        if (!ended.empty()) return ended.front();
    }
    GameLog unfinished = table.Current();
    unfinished.shots.resize(std::min(unfinished.shots.size(), played.shots.size()));
    return unfinished;
}

}  // namespace sky::soak
