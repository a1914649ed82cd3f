#include "checks.h"

#include <cmath>
#include <cstring>
#include <sstream>

#include "core/numeric.h"

namespace sky::soak {
namespace {

template <typename... T>
std::string Text(const T&... parts) {
    std::ostringstream out;
    out.precision(17);
    (out << ... << parts);
    return out.str();
}

std::string Show(const Point3& p) { return Text('(', p.x, ", ", p.y, ", ", p.z, ')'); }
std::string Show(const Aim& a) { return Text("aim (", a.azimuth, ", ", a.elevation, ", ", a.power, ')'); }

// Bit for bit: a replay runs the same code on the same numbers.
bool Same(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }
bool Same(const Point3& a, const Point3& b) { return Same(a.x, b.x) && Same(a.y, b.y) && Same(a.z, b.z); }
bool Same(const Aim& a, const Aim& b) {
    return Same(a.azimuth, b.azimuth) && Same(a.elevation, b.elevation) && Same(a.power, b.power);
}

// Player 1 when both are out, else the one with energy left; 0 while both have some.
int ExpectedWinner(const GameState& s) {
    const bool out1 = s.Energy[1] <= 0, out2 = s.Energy[2] <= 0;
    if (out1 && out2) return 1;
    if (out1) return 2;
    if (out2) return 1;
    return 0;
}

void CheckHeights(const GameState& s, int step, Faults& f) {
    for (int x = 0; x < GridSize; x += step)
        for (int y = 0; y < GridSize; y += step) {
            const int32_t h = s.H(x, y);
            if (h < 0 || h > MaxHeight) {
                f.push_back(Text("height ", h, " at (", x, ", ", y, ')'));
                return;
            }
        }
}

// The generator's own step and its inverse (Random: state * 134775813 + 1).
constexpr uint32_t Multiplier = 134775813u;
constexpr uint32_t Inverse = [] {
    uint32_t x = Multiplier;  // Newton's iteration doubles the correct low bits each time
    for (int i = 0; i < 5; ++i) x *= 2 - Multiplier * x;
    return x;
}();
static_assert(Multiplier * Inverse == 1);
constexpr uint32_t Next(uint32_t state) { return state * Multiplier + 1; }
constexpr uint32_t Previous(uint32_t state) { return (state - 1) * Inverse; }
double UnitOf(uint32_t state) { return state / 4294967296.0; }  // the draw that left this state

}  // namespace

Faults SetUpDrawFaults(const GameState& s) {
    Faults f;
    const uint32_t last = s.Rng.State(), wind = Previous(last);
    if (!Same(s.WindDirection, UnitOf(wind) * 2 * Pi))
        f.push_back(Text("wind ", s.WindDirection, " is not the set-up's second last draw"));
    if (s.CurrentPlayer != Trunc(UnitOf(last) * 2) + 1)
        f.push_back(Text("player ", s.CurrentPlayer, " begins, not the one of the set-up's last draw"));
    return f;
}

Faults ShotDrawFaults(uint32_t afterAim, int blasts, uint32_t blastAt, uint32_t now) {
    Faults f;
    if (blasts == 0) {
        if (now != afterAim) f.push_back("a shot without a hit drew after the computer's search");
        return f;
    }
    if (blasts > 1) f.push_back(Text(blasts, " blast sounds in one shot"));
    if (blastAt != afterAim) f.push_back("the flight drew before the blast sound");
    constexpr int Particles = 100, Least = 6 * Particles, Most = 100 * Particles;
    uint32_t state = Next(blastAt);
    int n = 0;
    while (state != now && n <= Most) {
        state = Next(state);
        ++n;
    }
    if (n < Least || n > Most) f.push_back(Text("the debris drew ", n > Most ? "more than " : "", std::min(n, Most),
                                                " times, not 6 to 100 for each of its 100 particles"));
    return f;
}

Standing StandingOf(const GameState& s) {
    return {{s.PlayerPos[1], s.PlayerPos[2]}, {s.Energy[1], s.Energy[2]}, {s.Score[1], s.Score[2]}, s.CurrentPlayer};
}

Faults ShotFaults(const GameState& s, const Standing& before, int winner) {
    Faults f;
    CheckHeights(s, 1, f);
    for (int p = 1; p <= 2; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        const int32_t e = s.Energy[p];
        if (e < 0 || e > 100) f.push_back(Text("energy of player ", p, " is ", e));
        if (e > before.energy[i]) f.push_back(Text("energy of player ", p, " rose from ", before.energy[i], " to ", e));
        const Cell& c = s.PlayerPos[p];
        if (c.x != before.cells[i].x || c.y != before.cells[i].y)
            f.push_back(Text("player ", p, " moved from cell (", before.cells[i].x, ", ", before.cells[i].y, ") to (",
                             c.x, ", ", c.y, ')'));
        else if (InGrid(c.x, c.y) && c.z != s.H(c.x, c.y))
            f.push_back(Text("player ", p, " stands at ", c.z, " on ground ", s.H(c.x, c.y)));
    }
    if (s.TrailLength < 1 || s.TrailLength > 501) f.push_back(Text("trail length ", s.TrailLength));
    if (s.ShotInFlight != 0) f.push_back("the missile is still in flight after the shot");
    if (s.DebrisVisible != 0) f.push_back("debris still shown after the hand-over");
    if (s.CurrentPlayer != 3 - before.player)
        f.push_back(Text("player ", s.CurrentPlayer, " to move after player ", before.player, "'s shot"));

    const int expected = ExpectedWinner(s);
    if (winner != expected)
        f.push_back(Text("winner ", winner, " with energies ", s.Energy[1], " and ", s.Energy[2], ", expected ", expected));
    for (int p = 1; p <= 2; ++p) {
        const std::size_t i = static_cast<std::size_t>(p - 1);
        const int32_t gain = p == winner ? s.Energy[p] : 0;
        if (s.Score[p] != before.score[i] + gain)
            f.push_back(Text("score of player ", p, " went from ", before.score[i], " to ", s.Score[p], " (winner ",
                             winner, ", energy ", s.Energy[p], ')'));
    }
    return f;
}

Faults FrameFaults(const GameState& s) {
    Faults f;
    CheckHeights(s, s.DetailStep, f);
    if (s.TrailLength < 0 || s.TrailLength > 501) {
        f.push_back(Text("a frame sees trail length ", s.TrailLength));
    } else if (s.TrailLength > 0) {
        const Point3& p = s.Trail[s.TrailLength];
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
            f.push_back(Text("a frame sees trail point ", Show(p)));
    }
    for (int p = 1; p <= 2; ++p)
        if (s.Energy[p] < 0 || s.Energy[p] > 100) f.push_back(Text("a frame sees energy ", s.Energy[p]));
    if (s.DebrisVisible)
        for (const TDebrisParticle& d : s.Debris)
            if (!std::isfinite(d.pos.x) || !std::isfinite(d.pos.y) || !std::isfinite(d.pos.z)) {
                f.push_back(Text("a frame sees debris at ", Show(d.pos)));
                break;
            }
    return f;
}

uint64_t HashHeights(const GameState& s) {
    uint64_t h = 14695981039346656037ull;  // FNV-1a
    for (const int32_t v : s.HeightMap) {
        h ^= static_cast<uint32_t>(v);
        h *= 1099511628211ull;
    }
    return h;
}

Faults ReplayFaults(const GameLog& a, const GameLog& b) {
    Faults f;
    if (a.landscape != b.landscape) f.push_back("another landscape");
    const std::size_t n = std::min(a.shots.size(), b.shots.size());
    for (std::size_t k = 0; k < n && f.empty(); ++k) {
        const ShotLog& x = a.shots[k];
        const ShotLog& y = b.shots[k];
        const std::string shot = Text("shot ", k + 1, ": ");
        if (!Same(x.aim, y.aim)) f.push_back(shot + Show(x.aim) + " replayed as " + Show(y.aim));
        if (x.trailLength != y.trailLength || !Same(x.end, y.end))
            f.push_back(Text(shot, "trail of ", x.trailLength, " ending at ", Show(x.end), " replayed as ",
                             y.trailLength, " ending at ", Show(y.end)));
        if (x.energy != y.energy)
            f.push_back(Text(shot, "energies ", x.energy[0], ", ", x.energy[1], " replayed as ", y.energy[0], ", ",
                             y.energy[1]));
        if (x.rngAfter != y.rngAfter)
            f.push_back(Text(shot, "generator at ", x.rngAfter, " after the shot, replayed at ", y.rngAfter));
    }
    if (!f.empty()) return f;
    if (a.shots.size() != b.shots.size())
        f.push_back(Text(a.shots.size(), " shots replayed as ", b.shots.size()));
    if (a.winner != b.winner) f.push_back(Text("winner ", a.winner, " replayed as ", b.winner));
    if (a.landscapeAtEnd != b.landscapeAtEnd) f.push_back("another landscape at the end");
    if (a.scoreAtEnd != b.scoreAtEnd)
        f.push_back(Text("scores ", a.scoreAtEnd[0], ", ", a.scoreAtEnd[1], " replayed as ", b.scoreAtEnd[0], ", ",
                         b.scoreAtEnd[1]));
    return f;
}

}  // namespace sky::soak
