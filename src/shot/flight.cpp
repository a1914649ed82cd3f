#include "shot/flight.h"

#include <chrono>
#include <cmath>
#include <mutex>

#include "core/angles.h"

namespace sky {
namespace {

constexpr double PivotHeight = 12.5;   // the barrel's pivot above the ground
constexpr double BarrelLength = 35.7;
constexpr double WindPush = 3.0;
constexpr double Gravity = 10.0;
constexpr double StepTime = 0.005;
constexpr double TimeOut = 25.0;
constexpr int AreaMin = -100, AreaMax = 599;  // the missile may roam this far beyond the grid

}  // namespace

bool StillFlying(const GameState& s, const Point3& p) {
    const int ix = Round(p.x), iy = Round(p.y);
    if (InGrid(ix, iy)) return s.H(ix, iy) < p.z;
    return ix >= AreaMin && ix <= AreaMax && iy >= AreaMin && iy <= AreaMax;
}

Launch LaunchFrom(double heading, double pitch, double speed, const Cell& cell, double windDirection) {
    const double dx = std::cos(heading), dy = -std::sin(heading), dz = std::tan(pitch);
    const double n = std::sqrt(dx * dx + dy * dy + dz * dz);
    Launch l;
    l.velocity = {dx / n * speed, dy / n * speed, dz / n * speed};
    l.start = {cell.x + l.velocity.x / speed * BarrelLength, cell.y + l.velocity.y / speed * BarrelLength,
               cell.z + PivotHeight + l.velocity.z / speed * BarrelLength};
    l.acceleration = {-WindPush * std::cos(windDirection), -WindPush * std::sin(windDirection), -Gravity};
    return l;
}

Launch LaunchOfCurrentPlayer(const GameState& s) {
    const Aim& aim = s.PlayerAim[s.CurrentPlayer];
    const double heading = WrapAngle(-aim.azimuth, 0, 2 * Pi);
    double pitch = -aim.elevation;
    if (!(pitch <= SteepestPitch)) pitch = SteepestPitch;
    return LaunchFrom(heading, pitch, LaunchSpeed(aim.power), s.PlayerPos[s.CurrentPlayer], s.WindDirection);
}

Point3 PositionAt(const Launch& l, double t) {
    const Point3& v = l.velocity;
    const Point3& g = l.acceleration;
    const Point3& p = l.start;
    return {p.x + v.x * t + g.x / 2 * t * t, p.y + v.y * t + g.y / 2 * t * t, p.z + v.z * t + g.z / 2 * t * t};
}

int64_t NowMs(const ShotHooks& hooks) {
    if (hooks.Clock) return hooks.Clock();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

FlightEnd FlyMissile(GameState& s, double& ShotTime, const ShotHooks& hooks) {
    const Launch l = LaunchOfCurrentPlayer(s);
    const Point3& v = l.velocity;
    const Point3& g = l.acceleration;

    ShotTime = 0;
    {
        const std::lock_guard lock(s.SharedLock);
        s.TrailLength = 0;
    }
    int32_t c = 9;
    const int64_t t0 = NowMs(hooks);

    Point3 p;
    bool flying = true;
    for (;;) {
        const double t = ShotTime;
        p = PositionAt(l, t);
        flying = StillFlying(s, p);

        ++c;
        const bool record = c % 10 == 0 || !flying;
        {
            const std::lock_guard lock(s.SharedLock);
            s.MissileVelocity = {v.x + g.x * t, v.y + g.y * t, v.z + g.z * t};
            // The point goes in with the length in one section, so a frame
            // never sees a length whose last point is not stored yet.
            if (record) {
                s.Trail[c / 10] = p;
                s.TrailPixel = {Round(p.x / 3), Round(p.y / 3)};
            }
            s.TrailLength = c / 10;
        }
        if (record && hooks.PlotTrailPixel) hooks.PlotTrailPixel();

        // Frames are dropped while the display lags; the first step (t = 0) is never drawn.
        const int64_t elapsed = NowMs(hooks) - t0;
        if (static_cast<double>(elapsed) < t * 1000 && !(hooks.StopRequested && hooks.StopRequested()) &&
            hooks.DrawFrame)
            hooks.DrawFrame();

        ShotTime += StepTime;
        if (!flying || ShotTime > TimeOut) break;
    }

    {
        const std::lock_guard lock(s.SharedLock);
        s.ShotInFlight = 0;
    }
    return {p, flying, g};
}

}  // namespace sky
