// One side of a network game, toolkit-free: the lockstep on turn inputs.
// Each side runs the game's own match; only what starts a turn's change
// travels: a shot (the aim bit for bit and the shooter's generator at the
// press, which also carries the draws of a computer search), a new game, and
// each game's seed, which the host draws and sends one game ahead. After
// every turn begins both sides exchange a hash of the whole game; a side lets
// its player act only once the hashes agree. On a mismatch the host sends its
// whole state, the joiner takes it, and both write a replay for a bug report.
//
// The connection below is a Link; the driver passes in the bytes that arrive,
// the end of the connection and the time. A heartbeat goes out every 2 s and
// tells how many messages have been read; 10 s without a message, or with
// messages of this side unread, and the other side is gone. Then a shot in
// flight ends here, and the game goes on with both players at this computer.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/game_state.h"
#include "match/match.h"
#include "net/frame.h"
#include "net/messages.h"
#include "net/notices.h"
#include "net/replay.h"

namespace sky::net {

class Link {
public:
    virtual ~Link() = default;
    virtual void Send(std::vector<uint8_t> frame) = 0;
    // Ends the connection once what is queued is out; the session has already
    // let go of it, so no Disconnected follows.
    virtual void Close() = 0;
};

// What the session asks of its driver. None of them may run a nested event loop.
struct SessionEvents {
    std::function<void(int delayMs)> Schedule;  // call Pump() from the event loop, not before delayMs
    std::function<void(Notice, const std::string& detail)> Notify;
    std::function<void()> LocalTurn;      // the player at this computer may act now
    std::function<void()> PeerAimMoved;   // the other player's aim moved: show it
    std::function<void()> StateTaken;     // the host's state replaced this game: show all of it
    std::function<void()> StopListening;  // host: accept no more connections
};

struct SessionStats {
    int64_t turnBytes = 0;       // sent: shots, new games, hashes and seeds
    int64_t previewBytes = 0;    // sent: aims while dragging
    int64_t heartbeatBytes = 0;  // sent
    int64_t otherBytes = 0;      // sent: hellos, states, goodbyes
    int64_t inputs = 0;          // shots and new games, sent and received
    int mismatches = 0;          // hashes that differed
    int statesTaken = 0;         // joiner: the host's state taken (joins and repairs)
};

class Session {
public:
    static constexpr int HeartbeatMs = 2000;
    static constexpr int SilenceMs = 10000;
    static constexpr int PreviewMs = 50;
    static constexpr int WrongCodesAllowed = 5;

    // The host draws its code when none is given; a joiner's code must be a join code.
    Session(Role role, std::string code, GameState& s, Match& match, SessionEvents events);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The view to bind the match with: the driver's, with the lockstep's steps around it.
    MatchView Wrap(MatchView driver);
    // Host: each game's seed follows from n and the game's number instead of
    // the secure source, so that a scripted game plays the same way each time.
    void FollowSeed(uint32_t n) { seedBase_ = n; }

    // ---- the transport's side
    bool CanTakePeer() const { return link_ == nullptr; }
    // What a connection that cannot be taken is told before it is closed.
    static std::vector<uint8_t> BusyFrame();
    void Connected(Link& link, int64_t nowMs);
    void Received(const uint8_t* data, std::size_t n, int64_t nowMs);
    void Disconnected(int64_t nowMs, bool stoppedReading = false);
    void ConnectFailed(const std::string& detail);
    void Tick(int64_t nowMs);
    void Leave();  // a goodbye, then the connection ends
    void Forget();  // the transport is going away: let go of the link, say and schedule nothing

    // ---- the player at this computer
    // The current player is played at this computer and may act now: always
    // when no one is connected (both players are here), else on this side's
    // turn once the hashes agree and nothing of the other side is pending.
    bool MayAct() const;
    bool Shoot();
    bool ComputerShot(int level);
    bool NewMatch();  // "[Neues Spiel]": applies to both sides
    void AimMoved(int64_t nowMs);
    // Applies what is due: a joiner to welcome, the host's state, the other
    // side's inputs; then tells the driver when its player may act.
    void Pump();

    Role GetRole() const { return role_; }
    int LocalPlayer() const { return role_ == Role::Host ? 1 : 2; }
    const std::string& Code() const { return code_; }
    bool InGame() const { return phase_ == Phase::Playing; }
    bool HasConnection() const { return link_ != nullptr; }
    uint32_t Turn() const { return seq_; }
    uint32_t GameNumber() const { return game_; }
    const SessionStats& Stats() const { return stats_; }

private:
    enum class Phase { Alone, Greeting, Welcoming, AwaitingState, Playing };
    using Input = std::variant<ShotMsg, NewGameMsg>;

    // session.cpp: the connection
    void Send(const Message& m);
    void Handle(const Message& m);
    void OnHello(const Hello& m);
    void OnGoodbye(Farewell reason);
    void OnInput(const Input& in, uint32_t seq, int32_t player);
    void OnHeartbeat(const Heartbeat& m);
    void Fail(Notice n, std::string detail, Farewell reason);
    void Lose(Notice n, std::string detail);  // by value: the detail may live in what Drop resets
    void Drop();
    void Notify(Notice n, const std::string& detail = {});

    // lockstep.cpp: the turns
    void GameStarting();
    void ShotStarting();
    void TurnBegins();
    void Welcome();
    void TakeState();
    bool ApplyNext();
    void TryAgree(uint32_t seq);
    void Mismatch(uint32_t seq, uint64_t own, uint64_t other);
    uint32_t SeedFor(uint32_t game);
    void SendPreview();

    const Role role_;
    std::string code_;
    GameState& s_;
    Match& match_;
    SessionEvents events_;
    MatchView driver_;

    Phase phase_ = Phase::Alone;
    Link* link_ = nullptr;
    FrameReader reader_;
    int64_t now_ = 0, lastReceived_ = 0, lastHeartbeat_ = 0, unreadSince_ = -1;
    uint32_t framesSent_ = 0, framesRead_ = 0, peerRead_ = 0;
    bool hadPeer_ = false;
    int wrongCodes_ = 0;

    uint32_t seq_ = 0, game_ = 0, seedSent_ = 0;
    std::map<uint32_t, uint32_t> seeds_;
    std::optional<uint32_t> seedBase_;
    std::map<uint32_t, uint64_t> ownHashes_, peerHashes_;
    int64_t agreed_ = -1, repaired_ = -1, announced_ = -1;
    bool awaitingRepair_ = false;
    std::deque<std::pair<uint32_t, Input>> inbox_;
    std::optional<StateMsg> pendingState_;
    bool applying_ = false;
    int localLevel_ = -1;
    int64_t lastPreview_ = -PreviewMs;
    bool previewPending_ = false;
    ReplayLog replay_;
    SessionStats stats_;
};

}  // namespace sky::net
