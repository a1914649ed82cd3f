// The rules of a match, written once for everyone who drives a game: the
// main window, the soak, and the players that take turns on their own. A
// match is a series of games with running scores. The rules decide which
// player is next, who is beaten, what the score becomes, when a new game
// starts and in which order the game's generator is drawn; what a driver
// shows or plays at each step is its own, through MatchView.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "computer/computer_aim.h"
#include "core/canvas.h"
#include "core/game_state.h"
#include "core/sync_call.h"
#include "shot/shot_thread.h"

namespace sky {

// What a driver does at each step of a match. Every procedure runs on the
// thread that owns the game (the window thread; during a threaded shot,
// inside the worker's synchronous calls). An empty one is skipped.
struct MatchView {
    // A new game is about to be set up from the generator as it stands (a
    // driver that shares its games with another may seed the generator here).
    std::function<void()> GameStarting;
    std::function<void()> GameStarted;   // a new landscape, wind and first player are set: show them
    // The computer has stored the current player's aim (the search's result): show it.
    std::function<void(const SearchResult&)> AimChosen;
    std::function<void()> ShotStarting;  // the Shoot press, before the worker exists: lock the shot controls
    std::function<void()> ShotLaunched;  // the shot flies: the flight sound
    // The shot's own requests, as in ShotHooks.
    std::function<void()> DrawFrame;
    std::function<void()> PlotTrailPixel;
    std::function<void()> PlayBlastSound;
    std::function<void()> TurnEnding;    // before the turn passes: stop the sound, repaint the overview map
    std::function<void()> TurnPassed;    // CurrentPlayer is the next player: show their aim and the energies
    std::function<void()> ControlsBack;  // the shot is over: unlock the shot controls
    // After the end-of-game rule: 0, or the winner, whose score is already
    // raised. A window shows the winner here until its window closes; the new
    // game follows when this returns.
    std::function<void(int winner)> ShotSettled;
    // The current player may act: after a new game is shown, and after a shot
    // that did not end the game. During a threaded shot this runs inside the
    // worker's last call, so a driver that lets a player act on their own
    // (the computer, a peer) schedules that for later, never shoots from here.
    std::function<void()> TurnBegins;
    // The program ends: a shot still hands over, without score, winner or new game.
    std::function<bool()> Closing;
    std::function<int64_t()> Clock;      // the shot's clock (empty: the steady clock)
    // A game shared with another computer: PlayBlastSound is asked at every
    // hit, whatever the sound (see ShotHooks).
    bool BlastDrawAtEveryHit = false;
};

class Match {
public:
    // sync: the owning thread's synchronous calls, and each shot flies on a
    // worker thread. Without one, a shot flies at once on the calling thread,
    // without frames.
    Match(GameState& s, SyncCaller* sync);
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    // What the match shows on: the overview map's canvas and the driver's
    // procedures. Set before the first game; set again only while no shot
    // runs (a network game wraps the driver's procedures).
    void Bind(Canvas& imLand, MatchView view);

    // A fresh landscape, wind, full energies and a random first player; the scores stay.
    void NewGame();
    // "[Neues Spiel]": both scores back to 0, then a new game.
    void NewMatch();
    // The current player fires their stored aim. Ignored while a shot runs.
    void Shoot();
    // The computer searches an aim for the current player at a skill level
    // (0 low, 1 medium, 2 high), which the driver is shown, and fires it;
    // nothing happens (no search, no draw) while a shot runs.
    SearchResult ComputerShot(int level);

    // The last shot's worker, kept after it ends until the next shot; the
    // window's closing stops and waits for one still running.
    std::unique_ptr<TThread1> ShotThread;
    // From the Shoot press until the shot's last step (and a new game it brought) is done.
    bool ShotRunning() const { return shooting_; }
    // A shot runs, or the last worker is still returning from its final call:
    // Shoot and ComputerShot would be ignored now.
    bool Busy() const { return shooting_ || (ShotThread && !ShotThread->Finished()); }

private:
    void SetUpGame();
    ShotHooks ShotProcedures();
    void PassTurn();
    void FinishShot();
    bool Closing() const { return view_.Closing && view_.Closing(); }

    GameState& s_;
    SyncCaller* const sync_;
    Canvas* imLand_ = nullptr;
    MatchView view_;
    double shotTime_ = 0;  // a shot flown on the calling thread keeps its clock here
    bool shooting_ = false;
};

}  // namespace sky
