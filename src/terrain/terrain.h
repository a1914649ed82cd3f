// The landscape of one game: two or three hump profiles swept in rings around
// random centres and averaged, then two players on levelled platforms.
#pragma once

#include <cstdint>

#include "core/game_state.h"
#include "core/canvas.h"

namespace sky {

// Builds HeightMap (through TerrainProfiles), places and levels both players and
// repaints the overview map. Every random draw comes from s.Rng in a fixed order.
void GenerateTerrain(GameState& s, Canvas& imLand);

// Draws player cells until the two are far enough apart, levels a platform
// under player 1 and then player 2 and stores the ground height as z.
void PlacePlayers(GameState& s);

// Flattens a disc of radius 25 around (x, y) to the height the centre has when
// this starts, blending linearly back to the old ground by radius 55.
void LevelPlatform(GameState& s, int x, int y);

// Adds one half-cosine hump of height b centred on entry a to a 500-entry
// profile row, capping every entry at 250; parts outside the row are dropped.
void AddHump(int32_t* profile, int a, int b);

// Whether two drawn player cells are acceptable: strictly more than 250 apart.
bool FarEnoughApart(int x1, int y1, int x2, int y2);

}  // namespace sky
