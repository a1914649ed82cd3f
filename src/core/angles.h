// Angles: aims and the wind in radians, the camera and what a player reads in
// degrees.
#pragma once

#include "core/numeric.h"

namespace sky {

constexpr double ToDegrees(double radians) { return radians * 180 / Pi; }
constexpr double ToRadians(double degrees) { return degrees * Pi / 180; }

// The angle moved by whole turns into [low, low + turn).
inline double WrapAngle(double angle, double low, double turn) {
    const double high = low + turn;
    while (angle < low) angle += turn;
    while (angle >= high) angle -= turn;
    return angle;
}

}  // namespace sky
