// A game state for shot tests: a flat landscape, player 1 to move.
#pragma once

#include <algorithm>
#include <memory>

#include "core/game_state.h"

namespace sky::testing {

inline std::unique_ptr<GameState> FlatState(int height, Cell shooter, Aim aim, double wind = 0) {
    auto s = std::make_unique<GameState>();
    std::fill(s->HeightMap.begin(), s->HeightMap.end(), height);
    s->CurrentPlayer = 1;
    s->PlayerPos[1] = shooter;
    s->PlayerPos[2] = {450, 450, height};
    s->PlayerAim[1] = aim;
    s->Energy[1] = s->Energy[2] = 100;
    s->WindDirection = wind;
    s->ShotInFlight = 1;
    return s;
}

// Simulated times as the worker reaches them: 0.005 added up step by step.
inline double StepTime(int steps) {
    double t = 0;
    for (int i = 0; i < steps; ++i) t += 0.005;
    return t;
}

}  // namespace sky::testing
