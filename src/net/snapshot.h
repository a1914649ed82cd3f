// Everything one game is, to send it whole: the landscape, the players (cell,
// aim, energy, score), whose turn it is, the wind, the generator and the last
// shot's trail. And the 64-bit hash two games compare after every turn.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"

namespace sky::net {

struct Snapshot {
    std::vector<uint8_t> heights;  // x * 500 + y, each 0..250
    std::array<Cell, 2> cells{};
    std::array<Aim, 2> aims{};
    std::array<int32_t, 2> energy{}, score{};
    int32_t current = 1;
    double wind = 0;
    uint32_t rng = 0;
    std::vector<Point3> trail;  // Trail[1..TrailLength]
};

// The largest packed snapshot: heights, players, turn, wind, generator and a full trail.
inline constexpr std::size_t SnapshotMaxSize = GridSize * GridSize + 2 * 44 + 4 + 8 + 4 + 2 + 501 * 24;
inline constexpr int32_t ScoreLimit = 1000000000;

// Aims as the widgets and the computer leave them: finite, the azimuth within
// a turn either way, the elevation from level to straight up, the power 0..100.
bool ValidAim(const Aim& a);

// False (and the game untouched) when a height is outside 0..250, which no rule makes.
bool TakeSnapshot(const GameState& s, Snapshot& out);
// Replaces the game with the snapshot under the shared lock: no missile, no debris.
void ApplySnapshot(const Snapshot& snap, GameState& s);

std::vector<uint8_t> PackSnapshot(const Snapshot& snap);
// Every field range-checked; false with the first problem.
bool UnpackSnapshot(const uint8_t* data, std::size_t n, Snapshot& out, std::string& problem);
// The same for what follows the landscape: the players, the turn, the wind,
// the generator and the trail (out.heights is left alone).
bool UnpackStanding(const uint8_t* data, std::size_t n, Snapshot& out, std::string& problem);

// FNV-1a over the heights, the players' cells, energies and scores, the
// wind, the generator and whose turn it is (not the aims: a shot carries its own).
uint64_t StateHash(const GameState& s);

}  // namespace sky::net
