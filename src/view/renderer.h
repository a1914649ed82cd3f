// The 3D view: one complete frame of the landscape, debris, players, trail and
// missile in OpenGL 1.x immediate mode, and the fixed perspective it is seen in.
// Every function expects the view's context to be current; none of them locks
// GameState::SharedLock, the caller holds it around a frame.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "view/gl_api.h"

namespace sky {

// Replaces the lines of the hidden diagnostics memo.
using MemoSink = std::function<void(const std::vector<std::string>&)>;

// What a frame reads besides the game state: the camera fields of the main
// window and the selected look.
struct FrameView {
    double RotX = 0, RotY = 0;
    int Look = 1;  // 0 "Linien", 1 "Linien mit Flächen", 2 "Flächen"
    MemoSink Memo;
    char DecimalSeparator = '.';
};

// Once, right after the context is made: white clear colour (only the very
// first frame shows it), clear depth 1, depth test, nicest perspective.
void InitGlState(const GlApi& gl);

// Viewport over the outer window size and a 45 degree perspective; leaves the
// model-view matrix selected. A height of 0 is taken as 1.
void SetProjection(const GlApi& gl, int outerW, int outerH);

// One frame without the buffer swap, which is the caller's.
void DrawScene(const GlApi& gl, const GameState& s, const FrameView& v);

// Player p's figure at its place, barrel along its aim. Moves the model-view
// matrix (the caller pushes and pops it) and leaves line mode, black and width 2.
void DrawPlayer(const GlApi& gl, const GameState& s, int p);

// The missile at the newest trail point, turned along MissileVelocity, in the
// shooter's colour; writes velocity, then heading and pitch, into the memo.
void DrawMissile(const GlApi& gl, const GameState& s, const FrameView& v);

}  // namespace sky
