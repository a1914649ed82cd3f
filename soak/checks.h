// What the soak holds the game to: the rules' invariants after every shot,
// what a frame may see at any moment, and the record of a game that a replay
// from the same generator state must reproduce exactly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace sky::soak {

using Faults = std::vector<std::string>;

// The players' standing before a shot, to judge what the shot changed.
struct Standing {
    std::array<Cell, 2> cells;
    std::array<int32_t, 2> energy, score;
    int32_t player;
};
Standing StandingOf(const GameState& s);

// After a shot's hand-over and SettleEndOfGame (which answered `winner`),
// before a new game is set up: heights, energies, trail, the players' cells
// and platforms, the winner and the scores, the turn.
Faults ShotFaults(const GameState& s, const Standing& before, int winner);

// What a frame reads under the shared lock, at any moment of a shot.
Faults FrameFaults(const GameState& s);

// The generator's draws, stage by stage, against the order the rules keep.
// A set-up ends with the wind and then the first player, its last two draws.
Faults SetUpDrawFaults(const GameState& s);
// After the computer's search (`afterAim`) the flight draws nothing; a hit
// then makes the window's one blast-sound draw (`blastAt`: the generator just
// before it) and the debris six or more draws for each particle. `now` is the
// generator after the hand-over.
Faults ShotDrawFaults(uint32_t afterAim, int blasts, uint32_t blastAt, uint32_t now);

struct ShotLog {
    int level = -1;       // the computer's skill level; -1: the shot came from elsewhere
    Aim aim;              // at the press
    int32_t trailLength = 0;
    Point3 end;           // the newest trail point
    std::array<int32_t, 2> energy{};
    uint32_t rngAfter = 0;  // the generator after the shot's hand-over
};

struct GameLog {
    uint32_t rngAtStart = 0;  // before the game's set-up
    std::array<int32_t, 2> scoreAtStart{};
    uint64_t landscape = 0;   // HeightMap after the set-up
    std::vector<ShotLog> shots;
    int winner = 0;           // 0: abandoned without one
    uint64_t landscapeAtEnd = 0;
    std::array<int32_t, 2> scoreAtEnd{};
    // A network game's number in its session (0: none), and whether the game
    // was replaced whole or lost its peer on the way (then it is not compared).
    uint32_t networkGame = 0;
    bool tainted = false;
    bool fromState = false;  // begun from a state taken whole, not from a seed
};

uint64_t HashHeights(const GameState& s);

// Every difference between a game and its replay (empty when identical).
Faults ReplayFaults(const GameLog& played, const GameLog& replayed);

}  // namespace sky::soak
