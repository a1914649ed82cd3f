// The small map beside the 3D view: every third cell of the landscape in the
// current colour scheme, a white frame and a disc where each player stands.
#pragma once

#include "core/game_state.h"
#include "core/canvas.h"

namespace sky {

constexpr int OverviewMapSize = 166;

// Pixel (i, j) shows cell (3i, 3j). Only pixels whose colour changed are
// written, so a repaint after a shot costs little more than the crater.
void DrawOverviewMap(const GameState& s, Canvas& imLand);

}  // namespace sky
