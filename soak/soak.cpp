// soak GAMES [--seed N] [--threaded]
// soak --network [GAMES] [--seed N] [--delay MS] [--mismatch] [--rejoin] [--silent]
//
// Plays GAMES whole games computer against computer with the rules alone,
// through the game's own match (the turn code the window drives), and checks
// the game's invariants after every shot; every tenth game (the 1st,
// 11th, ...) is replayed from its starting generator state on a fresh table
// and must come out the same, shot for shot. --threaded flies every shot on
// the real shot worker, this thread serving its calls as the window does; the
// replays are then flown directly, so they also compare the two.
//
// Prints what it drives and the seed, the shots per game, and last:
//   soak: N games, M shots, 0 invariant violations
// or the number of violations and the first, with exit status 1.
//
// --network plays GAMES (200 by default) between two sides over loopback
// sockets through a delaying proxy (see network_pair.h), each side on its own
// table; --delay sets the proxy's longest delay (300 ms), and the scenarios
// strike once in the second game played together. Run it inside a network
// namespace of its own (scripts/soak --network does).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "network_pair.h"
#include "table.h"

namespace {

using namespace sky::soak;

// No rule bounds a game: the computer can miss for a long time. In 50,000
// games the median was 6 shots and the longest 128, with about ten times
// fewer games for every 30 shots more; a game with no winner after 500 is
// taken as one that never ends.
constexpr int MaxShotsPerGame = 500;
constexpr int ReplayEvery = 10;

struct Options {
    int games = 0;
    uint32_t seed = 0;
    bool threaded = false;
};

bool Parse(int argc, char** argv, Options& o, PairOptions& pair, bool& network) {
    bool seeded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        char* rest = nullptr;
        if (a == "--threaded") {
            o.threaded = true;
        } else if (a == "--network") {
            network = true;
        } else if (a == "--mismatch" || a == "--rejoin" || a == "--silent") {
            (a == "--mismatch" ? pair.mismatch : a == "--rejoin" ? pair.rejoin : pair.silent) = true;
        } else if (a == "--delay" && i + 1 < argc) {
            const long v = std::strtol(argv[++i], &rest, 10);
            if (*rest != '\0' || v < 0 || v > 5000) return false;
            pair.maxDelayMs = static_cast<int>(v);
        } else if (a == "--seed" && i + 1 < argc) {
            const unsigned long v = std::strtoul(argv[++i], &rest, 10);
            if (*rest != '\0' || v > UINT32_MAX) return false;
            o.seed = static_cast<uint32_t>(v);
            seeded = true;
        } else {
            const long v = std::strtol(a.c_str(), &rest, 10);
            if (*rest != '\0' || v < 1 || o.games != 0) return false;
            o.games = static_cast<int>(v);
        }
    }
    if (!seeded) o.seed = static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    if (network) {
        pair.games = o.games > 0 ? o.games : pair.games;
        pair.seed = o.seed;
        return !o.threaded && !(pair.rejoin && pair.silent);
    }
    return o.games > 0 && !pair.mismatch && !pair.rejoin && !pair.silent;
}

struct Run {
    int violations = 0;
    std::string first;
    void Fault(const std::string& what) {
        if (violations++ == 0) first = what;
    }
};

}  // namespace

int main(int argc, char** argv) {
    Options o;
    PairOptions pair;
    bool network = false;
    if (!Parse(argc, argv, o, pair, network)) {
        std::fprintf(stderr, "usage: soak GAMES [--seed N] [--threaded]\n"
                             "       soak --network [GAMES] [--seed N] [--delay MS] [--mismatch] [--rejoin|--silent]\n");
        return 2;
    }
    if (network) return RunNetworkPair(pair);
    std::printf("soak: driving the game's own turn code, %s; seed %u\n",
                o.threaded ? "shots on the worker thread" : "shots flown directly", o.seed);
    std::fflush(stdout);
    const auto started = std::chrono::steady_clock::now();

    Run run;
    const std::string seedText = "seed " + std::to_string(o.seed);
    Table table(o.threaded, [&](const std::string& f) { run.Fault(seedText + ", " + f); });
    std::mt19937 levels(o.seed);  // the skill levels; the game's generator sees only its own draws
    table.State().Rng.Seed(o.seed);
    table.NewGame();

    std::vector<int> shotsPerGame;
    int64_t shots = 0;
    int replays = 0;
    while (static_cast<int>(shotsPerGame.size()) < o.games) {
        table.ComputerTurn(static_cast<int>(levels() % 3));
        ++shots;
        if (table.Current().shots.size() >= MaxShotsPerGame) {
            run.Fault(seedText + ", game " + std::to_string(table.GameNumber()) + ": no winner after " +
                      std::to_string(MaxShotsPerGame) + " shots");
            table.AbandonGame();
        }
        for (const GameLog& game : table.TakeEnded()) {
            shotsPerGame.push_back(static_cast<int>(game.shots.size()));
            const int number = static_cast<int>(shotsPerGame.size());
            if ((number - 1) % ReplayEvery != 0 || game.winner == 0) continue;
            const std::string where = seedText + ", replay of game " + std::to_string(number);
            const GameLog again = Replay(game, [&](const std::string& f) { run.Fault(where + ", " + f); });
            for (const std::string& f : ReplayFaults(game, again)) run.Fault(where + ": " + f);
            ++replays;
        }
    }

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::vector<int> sorted = shotsPerGame;
    std::sort(sorted.begin(), sorted.end());
    std::printf("soak: shots per game min %d, median %d, max %d; %d of them replayed", sorted.front(),
                sorted[sorted.size() / 2], sorted.back(), replays);
    if (o.threaded)
        std::printf("; %lld frames drawn, %lld read", static_cast<long long>(table.FramesDrawn()),
                    static_cast<long long>(table.FramesRead()));
    std::printf("; %.1f s\n", seconds);
    std::printf("soak: %d games, %lld shots, %d invariant violations", o.games, static_cast<long long>(shots),
                run.violations);
    if (run.violations > 0) std::printf("; first: %s", run.first.c_str());
    std::printf("\n");
    return run.violations > 0 ? 1 : 0;
}
