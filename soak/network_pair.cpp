#include "network_pair.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string>

#include "pair_report.h"
#include "pair_side.h"
#include "proxy.h"

namespace sky::soak {
namespace {

using net::Notice;

constexpr int MaxShotsPerGame = 500;
constexpr int64_t StallMs = 60000;  // no shot for this long: the pair is stuck
constexpr int HotSeatShotsBeforeRejoin = 2;
constexpr int64_t CatchUpMs = 15000;

class Pair {
public:
    explicit Pair(const PairOptions& o) : o_(o), seedText_("seed " + std::to_string(o.seed)) {}
    int Run();

private:
    std::unique_ptr<Side> MakeSide(const std::string& name, net::Role role, const std::string& code);
    void Join();
    void Play(Side& side);
    void Pressed(Side& side);
    void Settled(Side& side);
    void Noticed(Side& side, Notice n, const std::string& detail);
    void Fault(const std::string& what);
    int Played();
    bool SecondGame(Side& side) const;
    void CatchUp(int64_t since);
    void Finish();

    const PairOptions o_;
    const std::string seedText_;
    PairReport report_;
    std::unique_ptr<Side> host_, joiner_;
    std::vector<GameLog> gone_;  // the games of joiners that are gone
    std::unique_ptr<Proxy> proxy_;
    int joiners_ = 0;
    bool finishing_ = false, forced_ = false, struck_ = false;
    int64_t struckAt_ = 0, lastShotAt_ = 0;
    int hotSeatShots_ = 0;
    uint32_t firstGame_ = 0;  // the first game played together
};

// The scenarios strike in the second game played together.
bool Pair::SecondGame(Side& side) const {
    return side.session().InGame() && firstGame_ != 0 && side.session().GameNumber() > firstGame_;
}

std::unique_ptr<Side> Pair::MakeSide(const std::string& name, net::Role role, const std::string& code) {
    SideEvents e;
    e.fault = [this](const std::string& f) { Fault(f); };
    e.notice = [this](Side& side, Notice n, const std::string& detail) { Noticed(side, n, detail); };
    e.localTurn = [this](Side& side) { Play(side); };
    e.shotSettled = [this](Side& side) { Settled(side); };
    return std::make_unique<Side>(name, role, code, o_.seed + static_cast<uint32_t>(joiners_) * 7919u + 1u, e);
}

void Pair::Fault(const std::string& what) { report_.Fault(seedText_ + ", " + what); }

void Pair::Join() {
    ++joiners_;
    joiner_ = MakeSide(joiners_ == 1 ? "joiner" : "joiner " + std::to_string(joiners_), net::Role::Joiner,
                       host_->session().Code());
    joiner_->table().State().SoundOn = 0;  // the sound is each side's own: the game must not depend on it
    joiner_->transport().Join("127.0.0.1", proxy_->Port());
}

// A scheduled turn of a side's player: the computer presses, at the side's own level.
void Pair::Play(Side& side) {
    net::Session& s = side.session();
    if (finishing_ || !s.MayAct() || (!s.InGame() && !side.alone)) return;
    // Alone for a few shots, then the host waits for the joiner who comes back.
    if (o_.rejoin && side.alone && hotSeatShots_ >= HotSeatShotsBeforeRejoin) return;
    if (side.table().Current().shots.size() >= MaxShotsPerGame) {
        Fault(side.Name() + ": no winner after " + std::to_string(MaxShotsPerGame) + " shots");
        s.NewMatch();
        return;
    }
    side.table().ComputerTurn(side.NextLevel());
    Pressed(side);
}

// The scenarios strike at the joiner's first press in the second game played together.
void Pair::Pressed(Side& side) {
    lastShotAt_ = network::Transport::NowMs();
    if (&side != joiner_.get() || struck_ || !SecondGame(side)) return;
    if (o_.rejoin) {
        struck_ = true;
        struckAt_ = lastShotAt_;
        std::printf("soak: the joiner is killed after its press in network game %u\n", side.session().GameNumber());
        QTimer::singleShot(0, [this] {
            for (GameLog& g : joiner_->Ended()) gone_.push_back(std::move(g));
            joiner_.reset();
        });
    } else if (o_.silent) {
        struck_ = true;
        struckAt_ = lastShotAt_;
        std::printf("soak: the wire goes silent after the joiner's press in network game %u\n",
                    side.session().GameNumber());
        proxy_->GoSilent();
    }
}

void Pair::Settled(Side& side) {
    // The test hook: one height a little off on the joiner, as if its arithmetic
    // had drifted, after a shot that leaves the joiner to move: it must wait
    // for the host's state before it may act. Not after a shot that ended the
    // game (its log is closed): the next landscape would replace the change.
    if (&side == joiner_.get() && o_.mismatch && !forced_ && SecondGame(side) &&
        !side.table().Current().shots.empty() &&
        side.table().State().CurrentPlayer == side.session().LocalPlayer()) {
        GameState& s = side.table().State();
        int32_t& h = s.H(GridSize / 2, GridSize / 2);
        h = h > 0 ? h - 1 : h + 1;
        forced_ = true;
        side.table().Current().tainted = true;
        std::printf("soak: one height changed on the joiner in network game %u\n", side.session().GameNumber());
    }
    if (&side != host_.get()) return;
    report_.Shot();
    if (host_->alone) {
        ++hotSeatShots_;
        if (o_.rejoin && !joiner_ && hotSeatShots_ == HotSeatShotsBeforeRejoin)
            QTimer::singleShot(0, [this] { Join(); });
    }
    if (!finishing_ && Played() >= o_.games) {
        finishing_ = true;
        CatchUp(network::Transport::NowMs());
    }
}

// The games the host ended, but for one given up before its first shot (the
// host's game before anyone joined).
int Pair::Played() {
    int n = 0;
    for (const GameLog& g : host_->Ended()) n += g.winner != 0 || !g.shots.empty();
    return n;
}

// The joiner is a few messages behind: its last shots are still on the wire
// (or, with the wire silent, it has yet to notice).
void Pair::CatchUp(int64_t since) {
    const bool together = joiner_ && joiner_->session().InGame() && host_->session().InGame();
    const bool behind = (together && joiner_->session().Turn() != host_->session().Turn()) ||
                        (joiner_ && o_.silent && struck_ && !joiner_->alone);
    if (behind && network::Transport::NowMs() - since < CatchUpMs)
        return QTimer::singleShot(20, [this, since] { CatchUp(since); });
    if (behind) Fault("the joiner did not catch up with the host");
    Finish();
}

void Pair::Noticed(Side& side, Notice n, const std::string& detail) {
    const int64_t now = network::Transport::NowMs();
    std::printf("soak: %s: %s\n", side.Name().c_str(), net::NoticeText(2000, n, detail).c_str());
    std::fflush(stdout);
    if (finishing_ && !(o_.silent && n == Notice::PeerLeft && &side == joiner_.get())) return;
    switch (n) {
        case Notice::PeerJoined: side.alone = false; return;
        case Notice::JoinedHost:
            if (firstGame_ == 0) firstGame_ = side.session().GameNumber();
            return;
        case Notice::Repaired:
            if (detail.empty()) Fault(side.Name() + ": no replay written for the mismatch");
            return;
        case Notice::PeerLeft: break;
        default: return Fault(side.Name() + ": unexpected notice: " + net::NoticeText(2000, n, detail));
    }
    if (!struck_) return Fault(side.Name() + ": lost its peer for no reason");
    side.alone = true;
    side.table().Current().tainted = true;
    report_.Recovered(side.Name(), now - struckAt_, o_.silent);
}

void Pair::Finish() {
    report_.CheckScenarios(o_, *host_, joiner_.get(), forced_, hotSeatShots_);
    std::vector<GameLog> joined = gone_;
    if (joiner_)
        for (GameLog& g : joiner_->Ended()) joined.push_back(g);
    report_.Compare(host_->Ended(), joined, [this](const std::string& f) { Fault(f); });
    if (joiner_) joiner_->session().Leave();
    QCoreApplication::quit();
}

int Pair::Run() {
    std::printf("soak: driving the game's own turn code on two sides over the network, through a proxy "
                "(1-byte writes, 0-%d ms delays); %s\n", o_.maxDelayMs, seedText_.c_str());
    std::fflush(stdout);
    host_ = MakeSide("host", net::Role::Host, {});
    host_->table().State().Rng.Seed(o_.seed);
    host_->table().NewGame();  // a game before anyone joins, as in the window
    QString error;
    if (!host_->transport().Listen(QHostAddress::LocalHost, 0, error)) {
        std::fprintf(stderr, "soak: cannot listen: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    proxy_ = std::make_unique<Proxy>(host_->transport().Port(), o_.seed, o_.maxDelayMs);
    Join();
    lastShotAt_ = network::Transport::NowMs();
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
        if (finishing_ || network::Transport::NowMs() - lastShotAt_ < StallMs) return;
        Fault("no shot for " + std::to_string(StallMs / 1000) + " s");
        finishing_ = true;
        Finish();
    });
    watchdog.start(1000);
    QCoreApplication::exec();
    return report_.Print(Played(), *host_, joiner_.get());
}

}  // namespace

int RunNetworkPair(const PairOptions& o) {
    int argc = 1;
    char name[] = "soak";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Pair pair(o);
    return pair.Run();
}

}  // namespace sky::soak
