// The player figures and the missile, drawn where the game state puts them.
#pragma once

#include "core/game_state.h"
#include "view/gl_api.h"

namespace sky {

// Player p's figure at its place, barrel along its aim. Moves the model-view
// matrix (the caller pushes and pops it) and leaves line mode, black and width 2.
void DrawPlayer(const GlApi& gl, const GameState& s, int p);

// Which way the missile points for a velocity: heading in the grid's plane
// (a velocity straight along the column axis still has one: +-pi/2) and pitch
// (negative is up). The window shows these two numbers in its diagnostics memo.
struct MissileAttitude {
    double heading, pitch;
};
MissileAttitude AttitudeOf(Point3 velocity);

// The missile at the newest trail point, turned along MissileVelocity, in the
// shooter's colour.
void DrawMissile(const GlApi& gl, const GameState& s);

}  // namespace sky
