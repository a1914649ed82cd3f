// The texts and font colours of the player, energy and score labels.
#pragma once

#include <string>

#include "core/game_state.h"

namespace sky {

struct StatusLabel {
    std::string text;
    RGB colour;
};

struct StatusLabels {
    StatusLabel laSpieler, laEnergie1, laEnergie2, laPunkte1, laPunkte2;
};

// The labels for s.Language, s.CurrentPlayer, s.Energy and s.Score. An energy
// label darkens with the energy: every channel c of the player's colour
// becomes max(0, c - 200 + 2 * energy).
StatusLabels ComputeStatusLabels(const GameState& s);

}  // namespace sky
