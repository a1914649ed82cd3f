#include "terrain/terrain.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/numeric.h"
#include "terrain/overview_map.h"

namespace sky {
namespace {

constexpr int ProfileLength = 500;
constexpr int HumpsPerProfile = 20;
constexpr int HumpHalfWidth = 30;
constexpr int PlatformRadius = 25;
constexpr int BlendRadius = 55;

int32_t* ProfileRow(GameState& s, int p) {  // p = 1..3
    return s.TerrainProfiles.data() + static_cast<std::size_t>(p - 1) * ProfileLength;
}

// Every cell gets the profile entry of its ring, Trunc(distance / 1.5). Within
// a row that index only grows with |y - cy|, so it is walked with integers: d
// is the largest index with (1.5 d)^2 <= n, i.e. 9 d^2 <= 4 n. Distances that
// round near a ring border differ from it by far more than a double's error,
// so the walk gives exactly what the square root would.
void AddSweep(std::vector<int32_t>& map, const int32_t* profile, int cx, int cy) {
    const int reach = std::max(cy, GridSize - 1 - cy);
    std::array<int32_t, GridSize> ring;
    for (int x = 0; x < GridSize; ++x) {
        const int dx = x - cx;
        const int dx2 = dx * dx;
        int d = Trunc(std::sqrt(static_cast<double>(dx2)) / 1.5);
        int next = 9 * (d + 1) * (d + 1);
        for (int dy = 0; dy <= reach; ++dy) {
            const int n4 = 4 * (dx2 + dy * dy);
            while (n4 >= next) {
                ++d;
                next = 9 * (d + 1) * (d + 1);
            }
            ring[dy] = profile[d];
        }
        int32_t* row = map.data() + static_cast<std::size_t>(x) * GridSize;
        for (int y = 0; y < cy; ++y) row[y] += ring[cy - y];
        for (int y = cy; y < GridSize; ++y) row[y] += ring[y - cy];
    }
}

int DrawCoordinate(Random& rng) { return Trunc(rng.Unit() * 350) + 75; }

}  // namespace

void AddHump(int32_t* profile, int a, int b) {
    for (int k = -HumpHalfWidth; k <= HumpHalfWidth; ++k) {
        const int i = a + k;
        if (i < 0 || i >= ProfileLength) continue;
        const double phase = k / 30.0 * Pi / 2 + Pi / 2;
        profile[i] = std::min(profile[i] + Round(b * std::sin(phase)), MaxHeight);
    }
}

bool FarEnoughApart(int x1, int y1, int x2, int y2) {
    const int dx = x1 - x2, dy = y1 - y2;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy)) > 250;
}

void LevelPlatform(GameState& s, int x, int y) {
    const int32_t hc = s.H(x, y);
    for (int dx = -BlendRadius; dx <= BlendRadius; ++dx) {
        const int cx = x + dx;
        for (int dy = -BlendRadius; dy <= BlendRadius; ++dy) {
            const int cy = y + dy;
            if (!InGrid(cx, cy)) continue;
            const double r = std::sqrt(static_cast<double>(dx * dx + dy * dy));
            if (r >= BlendRadius) continue;
            int32_t& h = s.H(cx, cy);
            if (r < PlatformRadius)
                h = hc;
            else
                h = Round((h - hc) * (r - PlatformRadius) / 30 + hc);
        }
    }
}

void PlacePlayers(GameState& s) {
    int x1, y1, x2, y2;
    do {
        x1 = DrawCoordinate(s.Rng);
        y1 = DrawCoordinate(s.Rng);
        x2 = DrawCoordinate(s.Rng);
        y2 = DrawCoordinate(s.Rng);
    } while (!FarEnoughApart(x1, y1, x2, y2));
    s.PlayerPos[1] = {x1, y1, 0};
    s.PlayerPos[2] = {x2, y2, 0};
    for (int p = 1; p <= 2; ++p) LevelPlatform(s, s.PlayerPos[p].x, s.PlayerPos[p].y);
    for (int p = 1; p <= 2; ++p) s.PlayerPos[p].z = s.H(s.PlayerPos[p].x, s.PlayerPos[p].y);
}

void GenerateTerrain(GameState& s, Canvas& imLand) {
    const int count = s.Rng.Unit() >= 0.5 ? 3 : 2;

    for (int p = 1; p <= count; ++p) {
        int32_t* row = ProfileRow(s, p);
        std::fill(row, row + ProfileLength, 0);
        for (int n = 0; n < HumpsPerProfile; ++n) {
            const int a = static_cast<int>(s.Rng.Below(499));
            const int b = static_cast<int>(s.Rng.Below(80)) + 20;
            AddHump(row, a, b);
        }
    }

    std::fill(s.HeightMap.begin(), s.HeightMap.end(), 0);
    for (int p = 1; p <= count; ++p) {
        const int cx = static_cast<int>(s.Rng.Below(500));
        const int cy = static_cast<int>(s.Rng.Below(500));
        AddSweep(s.HeightMap, ProfileRow(s, p), cx, cy);
    }
    for (int32_t& h : s.HeightMap) h /= count;

    PlacePlayers(s);
    DrawOverviewMap(s, imLand);
}

}  // namespace sky
