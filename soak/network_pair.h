// The headless pair: a host and a joiner, each with its own table, match and
// network session over real sockets, play whole games computer against
// computer through a proxy that splits every byte into a write of its own
// and delays it by 0-300 ms. Both drive the game's own turn code; both tables
// check the game's invariants after every shot; every game played together
// is compared side by side (aims bit for bit, trails, energies, generator),
// and every tenth is replayed locally from its seed and must come out the same.
#pragma once

#include <cstdint>

namespace sky::soak {

struct PairOptions {
    int games = 200;
    uint32_t seed = 0;
    int maxDelayMs = 300;
    // A test hook changes one height on the joiner once, in the second game:
    // the hashes must differ and the host's state repair the joiner's game.
    bool mismatch = false;
    // The joiner is killed at a press in the second game: the host must notice
    // within 10 s and play on with both players, until a new joiner comes back
    // with the same code and is given the game as it stands.
    bool rejoin = false;
    // The wire goes silent at a press in the second game: both sides must
    // notice within 10 s (and not before 2 heartbeats) and play on alone.
    bool silent = false;
};

// Runs the pair on its own event loop; prints what it drives first and
//   soak: N games, M shots, V invariant violations, D desyncs over the network
// last. The exit status is 1 on a violation or a desync.
int RunNetworkPair(const PairOptions& o);

}  // namespace sky::soak
