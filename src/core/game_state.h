// The whole program-wide state of a running game, under the names the rest of
// the code uses. The program makes one instance and keeps it for the whole
// run; every module takes it by reference, so tests can build their own.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "core/grid.h"
#include "core/one_based.h"
#include "core/random.h"

namespace sky {

struct RGB {
    int32_t r = 0, g = 0, b = 0;
    bool operator==(const RGB&) const = default;
};

struct Cell {  // a player's grid cell and the ground height under it
    int32_t x = 0, y = 0, z = 0;
};

struct Aim {  // stored form: radians, radians (negative is up), percent of the bar
    double azimuth = 0, elevation = 0, power = 0;
};
// The launch speed is 100 minus the stored power (the top of the bar is the strongest shot), and back.
constexpr double LaunchSpeed(double power) { return 100 - power; }
constexpr double PowerOfSpeed(double speed) { return 100 - speed; }
// The steepest pitch a shot flies: just short of vertical, so its heading still shows.
constexpr double SteepestPitch = 1.56;
// The power bar's rows that carry the 0..100 scale; it leaves 2 more at each end.
constexpr int PowerBarRows = 184;

struct Point3 {
    double x = 0, y = 0, z = 0;
};

struct PixelPos {
    int32_t x = 0, y = 0;
};

struct TDebrisParticle {
    Point3 start;
    Point3 pos;
    Point3 velocity;
    uint8_t r = 0, g = 0, b = 0;
};

struct AimCandidate {
    double azimuth = 0, elevation = 0, power = 0, distance = 0;
};

struct WavData {
    const uint8_t* data = nullptr;
    std::size_t size = 0;
};

struct GameState {
    GameState() : HeightMap(GridSize * GridSize, 0), TerrainProfiles(30 * GridSize, 0) {}

    // Landscape
    std::vector<int32_t> HeightMap;        // element x * 500 + y
    std::vector<int32_t> TerrainProfiles;  // 30 rows of 500; profile p (from 1) at (p - 1) * 500
    std::array<RGB, 256> ColourTable{};
    int32_t BaseColour = 0;                // 0x00BBGGRR

    int32_t& H(int x, int y) { return HeightMap[static_cast<std::size_t>(x) * GridSize + y]; }
    int32_t H(int x, int y) const { return HeightMap[static_cast<std::size_t>(x) * GridSize + y]; }

    // Players
    OneBased<Cell, 2> PlayerPos;
    OneBased<Aim, 2> PlayerAim;
    int32_t CurrentPlayer = 0;
    OneBased<int32_t, 2> Energy;
    OneBased<int32_t, 2> Score;

    // Wind
    double WindDirection = 0;

    // Shot
    uint8_t ShotInFlight = 0;
    OneBased<Point3, 1000> Trail;
    int32_t TrailLength = 0;
    PixelPos TrailPixel;
    Point3 MissileVelocity;
    std::array<TDebrisParticle, 100> Debris{};
    uint8_t DebrisVisible = 0;

    // Camera (the rotation and drag fields belong to the main window)
    double Zoom = 0;

    // Settings and flags
    int32_t Language = 1000;
    uint8_t SoundOn = 1;
    uint8_t NoticePending = 1;
    int32_t DetailStep = 10;
    std::array<int32_t, 3> AimDragFlags{};  // pb, im2, im3

    // Resources and work tables
    OneBased<WavData, 3> SoundData;
    OneBased<AimCandidate, 10000> AimCandidates;

    Random Rng;

    // What a shot shares with the window thread while the worker runs.
    // The shot worker holds it while it writes HeightMap, PlayerPos z,
    // Energy, Trail, TrailLength, MissileVelocity, Debris, DebrisVisible and
    // ShotInFlight, draws from Rng, and reads SoundOn and ColourTable; never
    // across a synchronous call.
    // The window thread holds it, while a shot runs, whenever it reads one of
    // the fields the worker writes or writes one the worker reads or writes:
    // every frame, the overview map and the status labels (reads), the sound
    // switch and the colour scheme (writes); so settings, view and panel
    // handlers lock around such a field. It needs no lock inside a procedure
    // the worker called (the worker waits for it), nor while no shot runs (a
    // worker lives from a Shoot press to the end of its hand-over). It never
    // holds it while it serves the worker's calls or waits for the worker
    // (WaitFor, a modal window): the worker may need it to get there.
    mutable std::mutex SharedLock;
};

// Typed constants
inline constexpr std::array<RGB, 2> PlayerColourTable{{{0, 0, 255}, {255, 0, 0}}};
inline const RGB& PlayerColour(int p) { return PlayerColourTable.at(static_cast<std::size_t>(p - 1)); }
constexpr int OtherPlayer(int p) { return 3 - p; }

struct Point2 {
    double x, y;
};
struct PenPoint {
    double x, y, pen;
};

inline constexpr std::array<Point2, 11> WindArrowShape{{
    {-11.0, 0.0}, {-5.0, 5.0}, {-5.0, 2.0}, {7.0, 2.0}, {11.0, 4.5}, {9.0, 0.0},
    {11.0, -4.5}, {7.0, -2.0}, {-5.0, -2.0}, {-5.0, -5.0}, {-11.0, 0.0},
}};

inline constexpr std::array<PenPoint, 22> WindLetters{{
    {0.0, 0.0, 0},  {0.5, 2.0, 1},  {1.0, 0.0, 1},  {1.5, 2.0, 1},  {2.0, 0.0, 1},  {3.0, 0.0, 0},
    {3.0, 2.0, 1},  {4.0, 2.0, 0},  {4.0, 0.0, 1},  {5.0, 2.0, 1},  {5.0, 0.0, 1},  {6.0, 2.0, 0},
    {6.0, 0.0, 1},  {6.4, 0.0, 1},  {6.75, 0.2, 1}, {6.95, 0.6, 1}, {7.0, 0.8, 1},  {7.0, 1.2, 1},
    {6.95, 1.4, 1}, {6.75, 1.8, 1}, {6.4, 2.0, 1},  {6.0, 2.0, 1},
}};

// 9 points, the last repeating the first; 0.7 on the diagonals on purpose.
inline constexpr std::array<Point2, 9> UnitOctagon{{
    {0, 1}, {0.7, 0.7}, {1, 0}, {0.7, -0.7}, {0, -1}, {-0.7, -0.7}, {-1, 0}, {-0.7, 0.7}, {0, 1},
}};

// The start aim of every game: straight "up" on the map, slightly raised, speed 60.
inline constexpr Aim StartAim{-1.5707963267948966, -0.2, 40.0};

}  // namespace sky
