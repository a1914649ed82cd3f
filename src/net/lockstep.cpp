// The session's turns: the match's steps as the lockstep sees them, the
// inputs of both sides, the seeds and the hash check.
#include <algorithm>

#include "net/join_code.h"
#include "net/session.h"

namespace sky::net {
namespace {
void Run(const std::function<void()>& f) {
    if (f) f();
}

// A followed seed's games differ from each other: the game's number, mixed in (splitmix64's finaliser).
uint32_t Scramble(uint32_t base, uint32_t game) {
    uint64_t z = (static_cast<uint64_t>(base) << 32 | game) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}
}  // namespace

MatchView Session::Wrap(MatchView driver) {
    driver_ = driver;
    MatchView v = std::move(driver);
    v.GameStarting = [this] { GameStarting(); };
    v.ShotStarting = [this] { ShotStarting(); };
    v.TurnBegins = [this] { TurnBegins(); };
    v.BlastDrawAtEveryHit = true;  // the sound is each side's own; its draw must be made on both
    return v;
}

uint32_t Session::SeedFor(uint32_t game) {
    auto at = seeds_.find(game);
    if (at == seeds_.end()) at = seeds_.emplace(game, seedBase_ ? Scramble(*seedBase_, game) : SecureRandom32()).first;
    return at->second;
}

// Each game is set up from the seed the host drew for it; the host sends the
// next game's seed now, so that a game ended by a shot can follow at once on both sides.
void Session::GameStarting() {
    ++game_;
    bool seeded = true;
    uint32_t seed = 0;
    if (role_ == Role::Host) {
        seed = SeedFor(game_);
        const uint32_t next = SeedFor(game_ + 1);
        if (phase_ == Phase::Playing && seedSent_ < game_ + 1) {
            Send(SeedMsg{game_ + 1, next});
            seedSent_ = game_ + 1;
        }
    } else if (const auto at = seeds_.find(game_); at != seeds_.end()) {
        seed = at->second;
    } else {
        seeded = false;  // no host: both players are here, the generator goes on as it stands
    }
    if (seeded) s_.Rng.Seed(seed);
    seeds_.erase(seeds_.begin(), seeds_.lower_bound(game_));
    replay_.GameStarted(game_, seeded, seed, s_.Score[1], s_.Score[2]);
    Run(driver_.GameStarting);
}

// The press: the aim is final and the generator holds the computer's draws.
void Session::ShotStarting() {
    if (!applying_ && phase_ == Phase::Playing) {
        const ShotMsg m{seq_, s_.CurrentPlayer, s_.PlayerAim[s_.CurrentPlayer], s_.Rng.State(), localLevel_};
        Send(m);
        replay_.Add(m);
        ++stats_.inputs;
    }
    localLevel_ = -1;
    previewPending_ = false;
    Run(driver_.ShotStarting);
}

void Session::TurnBegins() {
    ++seq_;
    const uint64_t own = StateHash(s_);
    ownHashes_[seq_] = own;
    if (ownHashes_.size() > 8) ownHashes_.erase(ownHashes_.begin());
    if (phase_ == Phase::Playing) Send(HashMsg{seq_, own});
    TryAgree(seq_);
    if (events_.Schedule) events_.Schedule(0);
    Run(driver_.TurnBegins);
}

void Session::TryAgree(uint32_t seq) {
    const auto own = ownHashes_.find(seq), other = peerHashes_.find(seq);
    if (own == ownHashes_.end() || other == peerHashes_.end()) return;
    if (own->second == other->second) {
        if (seq == seq_ && !awaitingRepair_) agreed_ = seq;
        if (events_.Schedule) events_.Schedule(0);
        return;
    }
    Mismatch(seq, own->second, other->second);
}

// The host's state holds: the host sends it and goes on (and compares the
// joiner's hash again once it has taken it); the joiner waits for it and then
// compares with the host's hash it keeps. A second mismatch at the same turn
// means the two cannot agree.
void Session::Mismatch(uint32_t seq, uint64_t own, uint64_t other) {
    if (role_ == Role::Host) peerHashes_.erase(seq);
    if (repaired_ == static_cast<int64_t>(seq) || seq != seq_)
        return Fail(Notice::CannotAgree, {}, Farewell::CannotAgree);
    ++stats_.mismatches;
    repaired_ = seq;
    const std::string report = SaveReplay(replay_.Text(role_, seq, own, other), role_);
    if (role_ == Role::Host) {
        Snapshot snap;
        if (!TakeSnapshot(s_, snap)) return Fail(Notice::CannotAgree, {}, Farewell::CannotAgree);
        Send(StateMsg{seq_, game_, SeedFor(game_ + 1), std::move(snap)});
        seedSent_ = std::max(seedSent_, game_ + 1);
        agreed_ = seq_;
    } else {
        awaitingRepair_ = true;
    }
    Notify(Notice::Repaired, report);
}

bool Session::MayAct() const {
    if (applying_ || match_.Busy()) return false;
    switch (phase_) {
        case Phase::Alone: return true;
        case Phase::Greeting: return role_ == Role::Host;  // a joiner is about to take the host's game
        case Phase::Welcoming:
        case Phase::AwaitingState: return false;
        case Phase::Playing: break;
    }
    return s_.CurrentPlayer == LocalPlayer() && agreed_ == static_cast<int64_t>(seq_) && inbox_.empty() &&
           !pendingState_ && !awaitingRepair_ && (role_ == Role::Host || seeds_.count(game_ + 1) != 0);
}

bool Session::Shoot() {
    if (!MayAct()) return false;
    localLevel_ = -1;
    match_.Shoot();
    return true;
}

bool Session::ComputerShot(int level) {
    if (!MayAct()) return false;
    localLevel_ = level;
    match_.ComputerShot(level);
    return true;
}

bool Session::NewMatch() {
    if (!MayAct()) return false;
    if (phase_ == Phase::Playing) {
        const NewGameMsg m{seq_, s_.CurrentPlayer};
        Send(m);
        replay_.Add(m);
        ++stats_.inputs;
    }
    applying_ = true;  // no preview or second press while the new game is set up
    match_.NewMatch();
    applying_ = false;
    return true;
}

void Session::AimMoved(int64_t nowMs) {
    now_ = nowMs;
    if (phase_ != Phase::Playing || !MayAct()) return;
    previewPending_ = true;
    if (nowMs - lastPreview_ >= PreviewMs) SendPreview();
}

void Session::SendPreview() {
    previewPending_ = false;
    lastPreview_ = now_;
    if (phase_ == Phase::Playing && MayAct())
        Send(AimMsg{seq_, LocalPlayer(), s_.PlayerAim[LocalPlayer()]});
}

void Session::Pump() {
    if (applying_) return;
    if (match_.Busy()) {
        // The worker is returning from its last call: soon idle. During a shot
        // (or its winner window) the turn's beginning pumps again.
        if (!match_.ShotRunning() && events_.Schedule) events_.Schedule(1);
        return;
    }
    if (phase_ == Phase::Welcoming) Welcome();
    if (pendingState_) TakeState();
    while (phase_ == Phase::Playing && !inbox_.empty() && !match_.Busy())
        if (!ApplyNext()) break;
    if (MayAct() && announced_ != static_cast<int64_t>(seq_)) {
        announced_ = seq_;
        Run(events_.LocalTurn);
    }
}

// A first joiner gets a new match (scores 0); one who comes back gets the game as it stands.
void Session::Welcome() {
    if (!hadPeer_) {
        hadPeer_ = true;
        applying_ = true;
        match_.NewMatch();
        applying_ = false;
    }
    phase_ = Phase::Playing;
    Snapshot snap;
    if (!TakeSnapshot(s_, snap)) return Fail(Notice::CannotAgree, {}, Farewell::CannotAgree);
    Send(StateMsg{seq_, game_, SeedFor(game_ + 1), std::move(snap)});
    seedSent_ = game_ + 1;
    ownHashes_[seq_] = StateHash(s_);
    Send(HashMsg{seq_, ownHashes_[seq_]});
    announced_ = -1;
    TryAgree(seq_);
}

void Session::TakeState() {
    const StateMsg m = std::move(*pendingState_);
    pendingState_.reset();
    ApplySnapshot(m.snap, s_);
    const bool first = phase_ == Phase::AwaitingState;
    phase_ = Phase::Playing;
    seq_ = m.seq;
    game_ = m.game;
    seeds_.clear();
    seeds_[game_ + 1] = m.nextSeed;
    ownHashes_.clear();
    ownHashes_[seq_] = StateHash(s_);
    awaitingRepair_ = false;
    announced_ = -1;
    ++stats_.statesTaken;
    replay_.GameStarted(game_, false, 0, s_.Score[1], s_.Score[2]);
    while (!inbox_.empty() && inbox_.front().first < seq_) inbox_.pop_front();
    Send(HashMsg{seq_, ownHashes_[seq_]});
    Run(events_.StateTaken);
    if (first) Notify(Notice::JoinedHost);
    TryAgree(seq_);
}

// The other side's next input, once this side is at its turn (and, on the
// joiner, knows the seed of the game the input may bring).
bool Session::ApplyNext() {
    if (awaitingRepair_ || (role_ == Role::Joiner && seeds_.count(game_ + 1) == 0)) return false;
    const auto [seq, input] = inbox_.front();
    const int32_t player = std::visit([](const auto& m) { return m.player; }, input);
    if (seq != seq_ || player != s_.CurrentPlayer) {
        Fail(Notice::Malformed, "an input out of turn", Farewell::Malformed);
        return false;
    }
    inbox_.pop_front();
    applying_ = true;
    if (const auto* shot = std::get_if<ShotMsg>(&input)) {
        replay_.Add(*shot);
        s_.PlayerAim[player] = shot->aim;
        s_.Rng.Seed(shot->rng);
        match_.Shoot();
    } else {
        replay_.Add(std::get<NewGameMsg>(input));
        match_.NewMatch();
    }
    applying_ = false;
    return true;
}

}  // namespace sky::net
