#include "net/snapshot.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

#include "core/numeric.h"
#include "net/wire.h"

namespace sky::net {
namespace {

constexpr int32_t MaxTrail = 501;
constexpr double TrailLimit = 1e7;  // far beyond where a missile can be; anything past it is not one

bool Finite(double v, double limit) { return std::isfinite(v) && std::fabs(v) <= limit; }

struct Fnv {
    uint64_t h = 14695981039346656037ull;
    void Byte(uint8_t b) {
        h ^= b;
        h *= 1099511628211ull;
    }
    void U32(uint32_t v) {
        for (int i = 0; i < 4; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
    }
    void U64(uint64_t v) {
        U32(static_cast<uint32_t>(v));
        U32(static_cast<uint32_t>(v >> 32));
    }
};

}  // namespace

bool ValidAim(const Aim& a) {
    return Finite(a.azimuth, 2 * Pi) && std::isfinite(a.elevation) && a.elevation <= 0 && a.elevation >= -Pi / 2 &&
           std::isfinite(a.power) && a.power >= 0 && a.power <= 100;
}

bool TakeSnapshot(const GameState& s, Snapshot& out) {
    out.heights.resize(s.HeightMap.size());
    for (std::size_t i = 0; i < s.HeightMap.size(); ++i) {
        if (s.HeightMap[i] < 0 || s.HeightMap[i] > MaxHeight) return false;
        out.heights[i] = static_cast<uint8_t>(s.HeightMap[i]);
    }
    for (int p = 1; p <= 2; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        out.cells[i] = s.PlayerPos[p];
        out.aims[i] = s.PlayerAim[p];
        out.energy[i] = s.Energy[p];
        out.score[i] = s.Score[p];
    }
    out.current = s.CurrentPlayer;
    out.wind = s.WindDirection;
    out.rng = s.Rng.State();
    const int32_t n = std::clamp(s.TrailLength, 0, MaxTrail);
    out.trail.assign(s.Trail.begin(), s.Trail.begin() + n);
    return true;
}

void ApplySnapshot(const Snapshot& snap, GameState& s) {
    const std::lock_guard lock(s.SharedLock);
    for (std::size_t i = 0; i < snap.heights.size(); ++i) s.HeightMap[i] = snap.heights[i];
    for (int p = 1; p <= 2; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        s.PlayerPos[p] = snap.cells[i];
        s.PlayerAim[p] = snap.aims[i];
        s.Energy[p] = snap.energy[i];
        s.Score[p] = snap.score[i];
    }
    s.CurrentPlayer = snap.current;
    s.WindDirection = snap.wind;
    s.Rng.Seed(snap.rng);
    s.TrailLength = static_cast<int32_t>(snap.trail.size());
    for (std::size_t k = 0; k < snap.trail.size(); ++k) s.Trail[static_cast<int>(k) + 1] = snap.trail[k];
    s.ShotInFlight = 0;
    s.DebrisVisible = 0;
}

std::vector<uint8_t> PackSnapshot(const Snapshot& snap) {
    Writer w(SnapshotMaxSize);
    w.Bytes(snap.heights.data(), snap.heights.size());
    for (std::size_t i = 0; i < 2; ++i) {
        w.I32(snap.cells[i].x);
        w.I32(snap.cells[i].y);
        w.I32(snap.cells[i].z);
        w.F64(snap.aims[i].azimuth);
        w.F64(snap.aims[i].elevation);
        w.F64(snap.aims[i].power);
        w.I32(snap.energy[i]);
        w.I32(snap.score[i]);
    }
    w.I32(snap.current);
    w.F64(snap.wind);
    w.U32(snap.rng);
    w.U16(static_cast<uint16_t>(snap.trail.size()));
    for (const Point3& p : snap.trail) {
        w.F64(p.x);
        w.F64(p.y);
        w.F64(p.z);
    }
    return std::move(w.Data());
}

bool UnpackSnapshot(const uint8_t* data, std::size_t n, Snapshot& out, std::string& problem) {
    const std::size_t cells = static_cast<std::size_t>(GridSize) * GridSize;
    if (n < cells) {
        problem = "a landscape cut short";
        return false;
    }
    for (std::size_t i = 0; i < cells; ++i)
        if (data[i] > MaxHeight) {
            problem = "a height of " + std::to_string(data[i]);
            return false;
        }
    if (!UnpackStanding(data + cells, n - cells, out, problem)) return false;
    out.heights.assign(data, data + cells);
    return true;
}

bool UnpackStanding(const uint8_t* data, std::size_t n, Snapshot& out, std::string& problem) {
    Reader r(data, n);
    for (std::size_t i = 0; i < 2; ++i) {
        Cell& c = out.cells[i];
        c.x = r.I32();
        c.y = r.I32();
        c.z = r.I32();
        Aim& a = out.aims[i];
        a.azimuth = r.F64();
        a.elevation = r.F64();
        a.power = r.F64();
        out.energy[i] = r.I32();
        out.score[i] = r.I32();
        if (!InGrid(c.x, c.y) || c.z < 0 || c.z > MaxHeight) problem = "a player off the landscape";
        else if (!ValidAim(a)) problem = "an aim out of range";
        else if (out.energy[i] < 0 || out.energy[i] > 100) problem = "an energy out of range";
        else if (out.score[i] < 0 || out.score[i] > ScoreLimit) problem = "a score out of range";
    }
    out.current = r.I32();
    out.wind = r.F64();
    out.rng = r.U32();
    const uint16_t trail = r.U16();
    if (problem.empty() && (out.current < 1 || out.current > 2)) problem = "player " + std::to_string(out.current) + " to move";
    if (problem.empty() && !(std::isfinite(out.wind) && out.wind >= 0 && out.wind < 2 * Pi)) problem = "a wind out of range";
    if (problem.empty() && trail > MaxTrail) problem = "a trail of " + std::to_string(trail) + " points";
    if (!problem.empty()) return false;
    out.trail.resize(trail);
    for (Point3& p : out.trail) {
        p.x = r.F64();
        p.y = r.F64();
        p.z = r.F64();
        if (!Finite(p.x, TrailLimit) || !Finite(p.y, TrailLimit) || !Finite(p.z, TrailLimit)) {
            problem = "a trail point out of range";
            return false;
        }
    }
    if (!r.Done()) {
        problem = r.Ok() ? "bytes left over after the game's state" : "the game's state cut short";
        return false;
    }
    return true;
}

uint64_t StateHash(const GameState& s) {
    Fnv f;
    for (const int32_t h : s.HeightMap) f.U32(static_cast<uint32_t>(h));
    for (int p = 1; p <= 2; ++p) {
        f.U32(static_cast<uint32_t>(s.PlayerPos[p].x));
        f.U32(static_cast<uint32_t>(s.PlayerPos[p].y));
        f.U32(static_cast<uint32_t>(s.PlayerPos[p].z));
        f.U32(static_cast<uint32_t>(s.Energy[p]));
        f.U32(static_cast<uint32_t>(s.Score[p]));
    }
    uint64_t wind;
    std::memcpy(&wind, &s.WindDirection, sizeof wind);
    f.U64(wind);
    f.U32(s.Rng.State());
    f.U32(static_cast<uint32_t>(s.CurrentPlayer));
    return f.h;
}

}  // namespace sky::net
