// The wind arrow beside the map: a grey arrow with the word WIND in its
// shaft, turned by the game's wind direction (0 points left, growing
// directions turn it clockwise on the screen).
#pragma once

#include "core/canvas.h"

namespace sky {

// Clears imPfeil to the widget grey with a white border and draws the arrow
// for windDirection (radians) about the image centre.
void DrawWindArrow(Canvas& imPfeil, double windDirection);

}  // namespace sky
