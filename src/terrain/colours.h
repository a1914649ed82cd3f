// The six height colour schemes: "Bunt" (index 0), a hue ramp from blue over
// red and yellow to cyan, darkened low and lightened high; and five ramps
// (1..5) from black to a base colour.
#pragma once

#include <cstdint>

#include "core/game_state.h"
#include "core/canvas.h"

namespace sky {

constexpr int ColourBarWidth = 30;
constexpr int ColourBarHeight = 250;

// The base colour (0x00BBGGRR) of single-hue scheme 1..5; 0 for any other index.
int32_t SchemeBaseColour(int schemeIndex);

// Fills ColourTable for scheme 0 or, for 1..5, the ramp to s.BaseColour, and
// paints the 30 x 250 colour bar: height 250 at the top, in a white frame.
void BuildColourTable(GameState& s, int schemeIndex, Canvas& imFarben);

}  // namespace sky
