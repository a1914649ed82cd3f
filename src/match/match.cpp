#include "match/match.h"

#include <mutex>

#include "shot/impact.h"
#include "terrain/game_setup.h"

namespace sky {
namespace {
void Run(const std::function<void()>& f) {
    if (f) f();
}
}  // namespace

Match::Match(GameState& s, SyncCaller* sync) : s_(s), sync_(sync) {}

void Match::Bind(Canvas& imLand, MatchView view) {
    imLand_ = &imLand;
    view_ = std::move(view);
}

void Match::NewGame() {
    SetUpGame();
    Run(view_.TurnBegins);
}

void Match::SetUpGame() {
    Run(view_.GameStarting);
    sky::SetUpGame(s_, *imLand_);
    Run(view_.GameStarted);
}

void Match::NewMatch() {
    s_.Score[1] = 0;
    s_.Score[2] = 0;
    NewGame();
}

// The controls are locked before the shot is marked, and the worker starts
// before the flight sound; the worker's first call can only be served after
// this returns to the event loop.
void Match::Shoot() {
    // The controls come back before the winner window, while the worker still
    // waits for that hand-over: a press then (a screen reader's passes the
    // window's modality) starts nothing rather than wait for the worker.
    if (Busy()) return;
    shooting_ = true;
    Run(view_.ShotStarting);
    {
        const std::lock_guard lock(s_.SharedLock);
        s_.ShotInFlight = 1;
    }
    if (!sync_) {
        Run(view_.ShotLaunched);
        RunShot(s_, shotTime_, ShotProcedures());
        return;
    }
    ShotThread.reset();  // the last shot's worker has ended; this only collects it
    ShotThread = std::make_unique<TThread1>(s_, *sync_, ShotProcedures());
    ShotThread->Start();
    Run(view_.ShotLaunched);
}

SearchResult Match::ComputerShot(int level) {
    if (Busy()) return {0, 0};
    const SearchResult found = ComputerAim(s_, level);
    if (view_.AimChosen) view_.AimChosen(found);
    Shoot();
    return found;
}

ShotHooks Match::ShotProcedures() {
    ShotHooks h;
    h.DrawFrame = view_.DrawFrame;
    h.PlotTrailPixel = view_.PlotTrailPixel;
    h.PlayBlastSound = view_.PlayBlastSound;
    h.PassTurn = [this] { PassTurn(); };
    h.FinishShot = [this] { FinishShot(); };
    h.Clock = view_.Clock;
    h.BlastDrawAtEveryHit = view_.BlastDrawAtEveryHit;
    return h;
}

// The turn passes after every shot, also the one that ends a game.
void Match::PassTurn() {
    Run(view_.TurnEnding);
    s_.CurrentPlayer = OtherPlayer(s_.CurrentPlayer);
    Run(view_.TurnPassed);
}

void Match::FinishShot() {
    Run(view_.ControlsBack);
    if (!Closing()) {
        const int winner = SettleEndOfGame(s_);
        if (view_.ShotSettled) view_.ShotSettled(winner);
        if (winner != 0 && !Closing()) SetUpGame();
    }
    shooting_ = false;
    if (!Closing()) Run(view_.TurnBegins);
}

}  // namespace sky
