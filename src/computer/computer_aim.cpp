#include "computer/computer_aim.h"

#include <array>
#include <cmath>

#include "core/numeric.h"
#include "shot/flight.h"

namespace sky {
namespace {

constexpr double TimeStep = 0.01;  // twice the real flight's step: coarse is enough to judge a shot
constexpr double TimeLimit = 25;
constexpr double MinSpeed = 20, MaxSpeed = 80;
constexpr double NoneYet = 10000;

// The horizontal point where a shot's trial flight ends: the first sampled
// position over no cell or at or below its cell's ground, or the last one
// before 25 s. Unlike the real missile it never comes back over the grid.
Point2 LandingPoint(const int32_t* heights, const Launch& launch) {
    double t = 0;
    for (;;) {
        const Point3 p = PositionAt(launch, t);
        const int32_t i = Round(p.x), j = Round(p.y);
        if (!InGrid(i, j)) return {p.x, p.y};
        if (heights[i * GridSize + j] >= p.z) return {p.x, p.y};
        t += TimeStep;  // accumulated, like the real flight's clock
        if (t > TimeLimit) return {p.x, p.y};
    }
}

}  // namespace

SearchSteps StepsForLevel(int level) {
    static constexpr std::array<SearchSteps, 3> Levels{{{0.8, 0.8, 10}, {0.5, 0.5, 8}, {0.37, 0.37, 5}}};
    return Levels.at(static_cast<std::size_t>(level));
}

SearchResult ComputerAim(GameState& s, int level) {
    const SearchSteps step = StepsForLevel(level);
    const int me = s.CurrentPlayer;
    const Cell from = s.PlayerPos[me];
    const Cell foe = s.PlayerPos[OtherPlayer(me)];
    const int32_t* heights = s.HeightMap.data();

    int n = 0;
    for (double a = s.Rng.Unit() * step.heading; a < 2 * Pi; a += step.heading)
        for (double e = s.Rng.Unit() * step.angle; e < Pi / 2; e += step.angle)
            for (double v = MinSpeed + s.Rng.Unit() * step.speed; v <= MaxSpeed; v += step.speed) {
                // Clamping the loop variable itself keeps the stored elevation
                // the one that is really flown.
                if (e > SteepestPitch) e = SteepestPitch;
                const Point2 land = LandingPoint(heights, LaunchFrom(a, e, v, from, s.WindDirection));
                const double ex = land.x - foe.x, ey = land.y - foe.y;
                s.AimCandidates[++n] = {-a, -e, PowerOfSpeed(v), std::sqrt(ex * ex + ey * ey)};
            }

    double best = NoneYet;
    int chosen = 0;
    for (int k = 1; k <= n; ++k)
        if (s.AimCandidates[k].distance < best) {
            best = s.AimCandidates[k].distance;
            chosen = k;
        }
    if (chosen > 0) {
        const AimCandidate& c = s.AimCandidates[chosen];
        s.PlayerAim[me] = {c.azimuth, c.elevation, c.power};
    }
    return {n, chosen};
}

}  // namespace sky
