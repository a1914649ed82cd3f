// The computer player's aim: a grid of launch headings, launch angles and
// launch speeds, each flown over the current landscape and wind, and the one
// that comes down nearest the opponent becomes the current player's aim.
#pragma once

#include "core/game_state.h"

namespace sky {

// How fine the grid is at a skill level of radComp (0 low, 1 medium, 2 high).
struct SearchSteps {
    double heading, angle, speed;
};
SearchSteps StepsForLevel(int level);

// One press: fills s.AimCandidates from 1 and copies the candidate that lands
// nearest the opponent (the first of equals) into s.PlayerAim[s.CurrentPlayer].
// `chosen` is that candidate's index; 0 would mean none came within 10000 cells,
// which the game's positions rule out, and then the aim is left as it was.
struct SearchResult {
    int candidates;
    int chosen;
};
SearchResult ComputerAim(GameState& s, int level);

}  // namespace sky
