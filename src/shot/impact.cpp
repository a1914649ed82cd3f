#include "shot/impact.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "core/numeric.h"
#include "terrain/terrain.h"

namespace sky {
namespace {

constexpr int CraterRadius = 60;
constexpr double CraterDepth = 60;
constexpr double DamageRadius = 40;
constexpr double FullDamageRadius = 5;
constexpr double DebrisSpread = 25;
constexpr double DebrisRise = 10;     // the debris starts this far above the old ground
constexpr int ColourBand = 20;        // debris takes colours of heights within this of the impact
constexpr double FrameTime = 0.05;
constexpr double DebrisTime = 5.0;

// A cosine bowl subtracted from the ground; heights are clamped at 0 and never raised.
void DigCrater(GameState& s, int X, int Y) {
    for (int dx = -CraterRadius; dx <= CraterRadius; ++dx)
        for (int dy = -CraterRadius; dy <= CraterRadius; ++dy) {
            const int x = X + dx, y = Y + dy;
            if (!InGrid(x, y)) continue;
            const double r = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            const int32_t depth = Round(std::cos(r / CraterRadius * Pi / 2) * CraterDepth);
            int32_t& h = s.H(x, y);
            const int32_t dug = std::max(h - depth, 0);
            if (dug < h && r < CraterRadius) h = dug;
        }
}

void HurtPlayers(GameState& s, int X, int Y) {
    for (int p = 1; p <= 2; ++p) {
        const double dx = X - s.PlayerPos[p].x, dy = Y - s.PlayerPos[p].y;
        s.Energy[p] = std::max(s.Energy[p] - Damage(std::sqrt(dx * dx + dy * dy)), 0);
    }
}

// A player whose own cell was dug sinks with it onto a fresh platform.
void Relevel(GameState& s) {
    const Cell cells[2] = {s.PlayerPos[1], s.PlayerPos[2]};
    for (const Cell& c : cells)
        if (s.H(c.x, c.y) != c.z) LevelPlatform(s, c.x, c.y);
    for (int p = 1; p <= 2; ++p) s.PlayerPos[p].z = s.H(s.PlayerPos[p].x, s.PlayerPos[p].y);
}

void ThrowDebris(GameState& s, const Point3& at, int32_t h0) {
    for (TDebrisParticle& d : s.Debris) {
        const double u1 = s.Rng.Unit(), u2 = s.Rng.Unit(), u3 = s.Rng.Unit(), u4 = s.Rng.Unit(),
                     u5 = s.Rng.Unit();
        d.start = {at.x + 2 * DebrisSpread * u1 - DebrisSpread, at.y + 2 * DebrisSpread * u2 - DebrisSpread,
                   h0 + DebrisRise};
        d.velocity = {300 * u3 - 150, 300 * u4 - 150, 150 * u5};
        int k;
        do k = Round(2 * ColourBand * s.Rng.Unit() + h0 - ColourBand);
        while (k < 0 || k > MaxHeight);
        const RGB& colour = s.ColourTable[static_cast<std::size_t>(k)];
        d.r = static_cast<uint8_t>(colour.r & 0xFF);
        d.g = static_cast<uint8_t>(colour.g & 0xFF);
        d.b = static_cast<uint8_t>(colour.b & 0xFF);
    }
}

void AnimateDebris(GameState& s, const Point3& acceleration, double& ShotTime, const ShotHooks& hooks) {
    ShotTime = 0;
    const int64_t t0 = NowMs(hooks);
    do {
        const double t = ShotTime;
        {
            const std::lock_guard lock(s.SharedLock);
            for (TDebrisParticle& d : s.Debris) d.pos = PositionAt({d.velocity, d.start, acceleration}, t);
            s.DebrisVisible = 1;
        }
        const bool due = t == 0 || static_cast<double>(NowMs(hooks) - t0) < t * 1000;
        if (due && !(hooks.StopRequested && hooks.StopRequested()) && hooks.DrawFrame) hooks.DrawFrame();
        ShotTime += FrameTime;
    } while (ShotTime <= DebrisTime);
}

}  // namespace

int DrawBlastSound(Random& rng) { return rng.Unit() < 0.5 ? 2 : 3; }

int Damage(double r) {
    if (r <= FullDamageRadius) return 100;
    if (r < DamageRadius) return Round((DamageRadius - r) / (DamageRadius - FullDamageRadius) * 100);
    return 0;
}

int EndOfGameWinner(const OneBased<int32_t, 2>& energy) {
    int w = 0;
    if (energy[1] <= 0) w = 2;
    if (energy[2] <= 0) w = 1;
    return w;
}

int SettleEndOfGame(GameState& s) {
    const int w = EndOfGameWinner(s.Energy);
    if (w != 0) s.Score[w] += s.Energy[w];
    return w;
}

void ResolveImpact(GameState& s, const FlightEnd& end, double& ShotTime, const ShotHooks& hooks) {
    const int X = Round(end.position.x), Y = Round(end.position.y);
    const bool hit = !end.flying && InGrid(X, Y);

    bool sound;
    {
        const std::lock_guard lock(s.SharedLock);
        sound = s.SoundOn != 0;
    }
    if (hit && (sound || hooks.BlastDrawAtEveryHit) && hooks.PlayBlastSound) hooks.PlayBlastSound();

    int32_t h0 = 0;
    {
        const std::lock_guard lock(s.SharedLock);
        if (hit) {
            h0 = s.H(X, Y);
            DigCrater(s, X, Y);
        }
        HurtPlayers(s, X, Y);
        Relevel(s);
        if (hit) ThrowDebris(s, end.position, h0);
    }
    if (hit) AnimateDebris(s, end.acceleration, ShotTime, hooks);
}

}  // namespace sky
