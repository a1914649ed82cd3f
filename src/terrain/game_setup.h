// The rules that start a game, in the order of their random draws: the
// landscape and the players' places, then the wind, then who begins.
#pragma once

#include "core/canvas.h"
#include "core/game_state.h"

namespace sky {

// A new landscape with both players placed (the overview map repainted on
// imLand), no trail and no debris, a new wind, full energies, a first player
// drawn at random and the start aim for both. Scores stay. The window's own
// part (the camera, the wind arrow, the widgets, a frame) is the caller's.
void SetUpGame(GameState& s, Canvas& imLand);

}  // namespace sky
