// The game as the main window plays it, without a window: the state, the
// overview map and the aiming widgets as software canvases, driven by the
// game's own match (src/match) as the window drives it. Only the computer
// plays; this table keeps the record of every shot and game and checks them.
//
// Direct: each shot is flown and resolved on this thread, without frames.
// Threaded: the real shot worker runs it and this thread plays the window
// thread, serving its synchronous calls and reading the frame state under the
// shared lock between them.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "aiming/aim_widgets.h"
#include "checks.h"
#include "core/canvas.h"
#include "core/game_state.h"
#include "core/sync_call.h"
#include "match/match.h"

namespace sky::soak {

class Table {
public:
    // What the match is bound with: the table's own view, or one a network
    // session wraps around it (the session is made here, on the table's match).
    using Wrap = std::function<MatchView(MatchView, GameState&, Match&)>;

    // fault receives every broken invariant, prefixed with the game and shot.
    Table(bool threaded, std::function<void(const std::string&)> fault, const Wrap& wrap = {});
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    GameState& State() { return *s_; }

    // A new landscape from the generator as it stands (the window's NewGame).
    void NewGame();
    // One press of the computer button at a skill level: the search, the
    // shot, the hand-over and the end of the game; a game won is logged and
    // the match sets up the next one at once, as in the window. The press
    // goes through `press` when set (a network session), else to the match.
    void ComputerTurn(int level);
    std::function<void(int level)> press;
    // Gives up the game in play (it went on too long): logged without a winner, a new one set up.
    void AbandonGame();
    // The game was replaced whole (a network host's state): shown, and logged
    // as a game that cannot be replayed from a seed.
    void TookState();
    // Called at the start of every game's log and after every shot's checks.
    std::function<void(GameLog&)> onGameStarting;
    std::function<void()> onShotSettled;

    GameLog& Current() { return current_; }
    int GameNumber() const { return gameNumber_; }
    // The games ended since the last call, in order.
    std::vector<GameLog> TakeEnded();

    int64_t FramesDrawn() const { return framesDrawn_; }
    int64_t FramesRead() const { return framesRead_; }

private:
    class Waker {  // wakes the window thread for a synchronous call
    public:
        void Wake();
        void Wait();  // until woken or a millisecond passed
    private:
        std::mutex mutex_;
        std::condition_variable cv_;
        bool pending_ = false;
    };

    void Fault(const std::string& what);
    MatchView Procedures();
    // What the window does at the match's steps, done here with checks.
    void GameStarting();
    void GameStarted();
    void ShotStarting();
    void PlotTrailPixel();
    void PlayBlastSound();
    void DrawFrame();
    void ShotSettled(int winner);
    void ReadFrame();  // what a frame reads, under the lock
    void EndLog(int winner);

    std::unique_ptr<GameState> s_;
    const bool threaded_;
    const std::function<void(const std::string&)> fault_;
    Canvas imLand_, imFarben_, pb_, im2_, im3_;
    AimWidgets aim_;
    Waker waker_;
    SyncCaller sync_;
    Match match_;
    std::atomic<int64_t> clockMs_{0};  // the worker's clock: moves on only with a frame

    int gameNumber_ = 0, shotNumber_ = 0, level_ = -1;
    bool gameOpen_ = false;
    SearchResult found_{0, 0};
    GameLog current_;
    Standing before_{};
    uint32_t afterAim_ = 0, blastAt_ = 0;
    int blasts_ = 0;
    std::vector<GameLog> ended_;
    int64_t framesDrawn_ = 0, framesRead_ = 0;
};

// The game again from its first draw, on a table with no history, flown
// directly at the same skill levels; fault receives what breaks on the way.
GameLog Replay(const GameLog& played, const std::function<void(const std::string&)>& fault);

}  // namespace sky::soak
