// The missile's flight: the launch from a player's aim, the closed-form
// ballistic curve under gravity and wind, and the stepped flight loop the shot
// worker runs, which records the trail and asks for frames as it goes.
#pragma once

#include <cstdint>

#include "core/game_state.h"
#include "shot/shot_hooks.h"

namespace sky {

struct Launch {
    Point3 velocity, start, acceleration;
};

// Heading a in [0, 2pi), pitch e already limited, speed s, from the player's
// cell. The missile leaves the barrel tip, 35.7 along the unit direction from
// a pivot 12.5 above the ground; the wind pushes with 3 against its direction.
Launch LaunchFrom(double heading, double pitch, double speed, const Cell& cell, double windDirection);

// The same from the current player's stored aim: the stored azimuth and
// elevation are negated (stored upward is negative), the heading brought into
// [0, 2pi), the pitch held at most SteepestPitch and the speed LaunchSpeed.
Launch LaunchOfCurrentPlayer(const GameState& s);

// start + v t + g t^2 / 2, per axis: exact, so the path does not depend on the step.
Point3 PositionAt(const Launch& l, double t);

// The ground test of one step: over a cell (the nearest one), the missile flies
// while strictly above its height; off the grid there is no ground, and it
// flies on while the nearest cell lies within -100..599 on both axes.
bool StillFlying(const GameState& s, const Point3& p);

struct FlightEnd {
    Point3 position;
    bool flying;  // true only when the 25 s ran out in the air
    Point3 acceleration;
};

// Flies the current player's shot in steps of 5 ms of simulated time until it
// meets the ground, leaves the square -100..599 or 25 s pass. Every tenth step
// and the last one are recorded in Trail and plotted; a step is drawn while
// the simulation is ahead of the clock. Clears ShotInFlight at the end.
// Shared writes are made under s.SharedLock, never held across a hook.
FlightEnd FlyMissile(GameState& s, double& ShotTime, const ShotHooks& hooks);

// Milliseconds from the hook's clock, or the steady clock when it has none.
int64_t NowMs(const ShotHooks& hooks);

}  // namespace sky
