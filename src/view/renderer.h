// The 3D view: one complete frame of the landscape, debris, players, trail and
// missile in OpenGL 1.x immediate mode, and the fixed perspective it is seen in.
// Every function expects the view's context to be current; none of them locks
// GameState::SharedLock, the caller holds it around a frame.
#pragma once

#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "view/gl_api.h"

namespace sky {

// What a frame reads besides the game state: the camera fields of the main
// window and the selected look.
struct FrameView {
    double RotX = 0, RotY = 0;
    int Look = 1;  // 0 "Linien", 1 "Linien mit Flächen", 2 "Flächen"
};

// The mesh step of each detail level, "1+" (finest) to "5-".
inline constexpr std::array<int32_t, 5> DetailSteps{2, 5, 10, 20, 50};

// Once, right after the context is made: white clear colour (only the very
// first frame shows it), clear depth 1, depth test, nicest perspective.
void InitGlState(const GlApi& gl);

// Viewport over the outer window size and a 45 degree perspective; leaves the
// model-view matrix selected. A height of 0 is taken as 1.
void SetProjection(const GlApi& gl, int outerW, int outerH);

// One frame without the buffer swap, which is the caller's.
void DrawScene(const GlApi& gl, const GameState& s, const FrameView& v);

}  // namespace sky
