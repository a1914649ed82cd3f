#include "pair_report.h"

#include <cstdio>
#include <map>

#include "pair_side.h"
#include "table.h"

namespace sky::soak {

void PairReport::Fault(const std::string& what) {
    if (violations_++ == 0) first_ = what;
}

// A closed connection is noticed at once; a silent one after 10 s without a
// message, but not before the heartbeats could have shown it.
void PairReport::Recovered(const std::string& side, int64_t afterMs, bool silent) {
    const int64_t least = silent ? net::Session::SilenceMs - 2 * net::Session::HeartbeatMs : 0;
    const int64_t most = net::Session::SilenceMs + 1000;
    recovered_.push_back(side);
    std::printf("soak: %s noticed the loss %.2f s after it\n", side.c_str(), afterMs / 1000.0);
    if (afterMs < least || afterMs > most)
        Fault(side + " noticed the loss after " + std::to_string(afterMs) + " ms, not within " +
              std::to_string(least) + ".." + std::to_string(most));
}

void PairReport::CheckScenarios(const PairOptions& o, Side& host, Side* joiner, bool forced, int hotSeatShots) {
    const net::SessionStats& h = host.session().Stats();
    desyncs_ = h.mismatches - (forced ? 1 : 0);
    const auto count = [&](const std::string& name) {
        int n = 0;
        for (const std::string& r : recovered_) n += r == name;
        return n;
    };
    if (o.mismatch) {
        if (!forced) Fault("the mismatch hook never ran");
        else if (h.mismatches < 1) Fault("the changed height went unnoticed");
        else if (!joiner || joiner->session().Stats().statesTaken < 2) Fault("the joiner did not take the host's state");
    }
    if (o.rejoin) {
        if (count("host") != 1) Fault("the host did not notice the killed joiner");
        if (hotSeatShots < 1) Fault("the host did not play on alone");
        if (!joiner || !joiner->session().InGame()) Fault("no joiner came back into the game");
    }
    if (o.silent) {
        if (count("host") != 1 || !joiner || count(joiner->Name()) != 1) Fault("a side did not notice the silence");
        if (hotSeatShots < 1) Fault("the host did not play on alone");
    }
    if (!o.rejoin && !o.silent && (!joiner || !joiner->session().InGame())) Fault("the joiner is not in the game");
}

void PairReport::Compare(const std::vector<GameLog>& host, const std::vector<GameLog>& joiner,
                         const std::function<void(const std::string&)>& fault) {
    std::map<uint32_t, const GameLog*> theirs;
    for (const GameLog& g : joiner)
        if (g.networkGame != 0 && !g.tainted && !g.fromState) theirs[g.networkGame] = &g;
    for (const GameLog& mine : host) {
        if (mine.networkGame == 0 || mine.tainted || mine.fromState || mine.winner == 0) continue;
        const auto other = theirs.find(mine.networkGame);
        if (other == theirs.end()) continue;
        const std::string where = "network game " + std::to_string(mine.networkGame);
        for (const std::string& f : ReplayFaults(mine, *other->second)) fault(where + ", host against joiner: " + f);
        if (compared_++ % 10 != 0) continue;
        // Alone, from its seed: each shot at the level of the side that aimed it.
        GameLog levels = mine;
        for (std::size_t k = 0; k < levels.shots.size() && k < other->second->shots.size(); ++k)
            if (levels.shots[k].level < 0) levels.shots[k].level = other->second->shots[k].level;
        const GameLog again = Replay(levels, [&](const std::string& f) { fault(where + " replayed, " + f); });
        for (const std::string& f : ReplayFaults(mine, again)) fault(where + " replayed alone: " + f);
        ++replayed_;
    }
}

int PairReport::Print(int games, Side& host, Side* joiner) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const net::SessionStats& h = host.session().Stats();
    const auto perTurn = [](const net::SessionStats& s) { return s.inputs ? double(s.turnBytes) / s.inputs : 0.0; };
    std::printf("soak: %d games compared side by side, %d of them replayed alone from their seed; %d mismatches "
                "found\n", compared_, replayed_, h.mismatches);
    std::printf("soak: bytes sent per turn (shots, new games, hashes, seeds): host %.1f, joiner %.1f; heartbeats "
                "%.1f bytes/s each way; %.1f games per minute; %.1f s\n",
                perTurn(h), joiner ? perTurn(joiner->session().Stats()) : 0.0,
                seconds > 0 ? h.heartbeatBytes / seconds : 0.0, seconds > 0 ? games * 60 / seconds : 0.0, seconds);
    std::printf("soak: %d games, %lld shots, %d invariant violations", games, static_cast<long long>(shots_),
                violations_);
    if (violations_ > 0) std::printf(" (first: %s)", first_.c_str());
    std::printf(", %d desyncs over the network\n", desyncs_);
    return violations_ > 0 || desyncs_ != 0 ? 1 : 0;
}

}  // namespace sky::soak
