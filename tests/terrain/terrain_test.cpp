#include "terrain/terrain.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "core/numeric.h"
#include "terrain/colours.h"

namespace sky {
namespace {

// The seed whose first draw leaves the generator in `state`.
uint32_t SeedBefore(uint32_t state) {
    uint32_t inv = 134775813u;  // Newton's iteration for the inverse mod 2^32
    for (int i = 0; i < 5; ++i) inv *= 2u - 134775813u * inv;
    return (state - 1u) * inv;
}

int RingIndex(int n) { return static_cast<int>(std::sqrt(static_cast<double>(n)) / 1.5); }

// Replays the generator's draws on its own and rebuilds the unlevelled landscape.
struct Landscape {
    int count = 0;
    std::vector<std::array<int32_t, 500>> profiles;
    std::vector<int32_t> heights = std::vector<int32_t>(GridSize * GridSize, 0);
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

Landscape Replay(uint32_t seed) {
    Random r(seed);
    Landscape l;
    l.count = r.Unit() >= 0.5 ? 3 : 2;
    l.profiles.assign(l.count, {});
    for (auto& row : l.profiles)
        for (int n = 0; n < 20; ++n) {
            const int a = static_cast<int>(r.Below(499));
            AddHump(row.data(), a, static_cast<int>(r.Below(80)) + 20);
        }
    for (const auto& row : l.profiles) {
        const int cx = static_cast<int>(r.Below(500)), cy = static_cast<int>(r.Below(500));
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y)
                l.heights[x * GridSize + y] += row[RingIndex((x - cx) * (x - cx) + (y - cy) * (y - cy))];
    }
    for (int32_t& h : l.heights) h /= l.count;
    const auto coord = [&r] { return static_cast<int>(r.Unit() * 350) + 75; };
    do {
        l.x1 = coord(), l.y1 = coord(), l.x2 = coord(), l.y2 = coord();
    } while ((l.x1 - l.x2) * (l.x1 - l.x2) + (l.y1 - l.y2) * (l.y1 - l.y2) <= 250 * 250);
    return l;
}

int Dist2(int x, int y, const Cell& c) { return (x - c.x) * (x - c.x) + (y - c.y) * (y - c.y); }

void CheckAgainstReplay(uint32_t seed) {
    SCOPED_TRACE(seed);
    auto s = std::make_unique<GameState>();
    Canvas bar(30, 250), map(166, 166);
    BuildColourTable(*s, 0, bar);
    s->Rng.Seed(seed);
    GenerateTerrain(*s, map);
    const Landscape l = Replay(seed);

    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 500; ++i) {
            const int32_t v = s->TerrainProfiles[p * 500 + i];
            ASSERT_EQ(v, p < l.count ? l.profiles[p][i] : 0) << "profile " << p << " entry " << i;
        }
    const Cell& p1 = s->PlayerPos[1];
    const Cell& p2 = s->PlayerPos[2];
    ASSERT_EQ(p1.x, l.x1); ASSERT_EQ(p1.y, l.y1); ASSERT_EQ(p2.x, l.x2); ASSERT_EQ(p2.y, l.y2);
    EXPECT_EQ(p1.z, l.heights[p1.x * GridSize + p1.y]);
    EXPECT_EQ(p2.z, l.heights[p2.x * GridSize + p2.y]);
    for (const Cell* c : {&p1, &p2}) {
        EXPECT_TRUE(c->x >= 75 && c->x <= 424 && c->y >= 75 && c->y <= 424);
    }
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) {
            const int32_t h = s->H(x, y);
            ASSERT_TRUE(h >= 0 && h <= 250) << x << "," << y;
            const int d1 = Dist2(x, y, p1), d2 = Dist2(x, y, p2);
            if (d1 <= 25 * 25) {
                ASSERT_EQ(h, p1.z) << x << "," << y;
            } else if (d2 <= 25 * 25) {
                ASSERT_EQ(h, p2.z) << x << "," << y;
            } else if (d1 >= 55 * 55 && d2 >= 55 * 55) {
                ASSERT_EQ(h, l.heights[x * GridSize + y]) << x << "," << y;
            }
        }
    const RGB& c = s->ColourTable[s->H(3, 3)];
    EXPECT_EQ(map.Pixel(1, 1), Rgb(c.r, c.g, c.b));
}

TEST(TerrainGeneration, MatchesAnIndependentReplayOfTheDraws) {
    for (uint32_t seed = 1; seed <= 8; ++seed) CheckAgainstReplay(seed * 2654435761u);
}

TEST(TerrainGeneration, AFirstDrawOfExactlyOneHalfGivesThreeProfiles) {
    const uint32_t half = SeedBefore(0x80000000u), below = SeedBefore(0x7FFFFFFFu);
    EXPECT_EQ(Random(half).Unit(), 0.5);
    EXPECT_EQ(Replay(half).count, 3);
    EXPECT_EQ(Replay(below).count, 2);
    CheckAgainstReplay(half);
    CheckAgainstReplay(below);
}

TEST(TerrainHump, IsAHalfCosineCappedAndCutAtTheEnds) {
    std::array<int32_t, 500> mid{}, left{}, right{};
    AddHump(mid.data(), 250, 77);
    for (int k = -30; k <= 30; ++k)
        EXPECT_NEAR(mid[250 + k], 77 * std::cos(k * Pi / 60), 0.5 + 1e-9) << k;
    EXPECT_EQ(mid[250], 77);
    EXPECT_EQ(mid[219] + mid[281], 0);

    AddHump(left.data(), 0, 77);
    AddHump(right.data(), 498, 77);
    for (int k = 0; k <= 30; ++k) EXPECT_EQ(left[k], mid[250 + k]) << k;
    for (int k = -30; k <= 1; ++k) EXPECT_EQ(right[498 + k], mid[250 + k]) << k;
    for (int i = 31; i < 468; ++i) ASSERT_EQ(left[i] + right[i], 0) << i;  // nothing wraps round

    std::array<int32_t, 500> stacked{};
    for (int n = 0; n < 4; ++n) AddHump(stacked.data(), 250, 77);
    for (int k = -30; k <= 30; ++k) EXPECT_EQ(stacked[250 + k], std::min(4 * mid[250 + k], 250)) << k;
}

TEST(TerrainPlacement, AcceptsOnlyDistancesAbove250) {
    EXPECT_FALSE(FarEnoughApart(75, 75, 325, 75));
    EXPECT_TRUE(FarEnoughApart(75, 75, 326, 75));
    EXPECT_FALSE(FarEnoughApart(75, 75, 225, 275));  // 150, 200: exactly 250
    EXPECT_TRUE(FarEnoughApart(226, 275, 75, 75));
}

TEST(TerrainPlatform, FlattensToTheCentreAndBlendsWithHalvesToEven) {
    auto s = std::make_unique<GameState>();
    std::fill(s->HeightMap.begin(), s->HeightMap.end(), 200);
    s->H(250, 250) = 80;
    s->H(260, 250) = 5;  // within the disc: the centre's height wins, not this one
    s->H(250 + 40, 250) = 81;  // 1 * 15 / 30 + 80 = 80.5 -> 80
    s->H(250, 250 - 40) = 79;  // -0.5 + 80 = 79.5 -> 80
    LevelPlatform(*s, 250, 250);
    EXPECT_EQ(s->H(260, 250), 80);
    EXPECT_EQ(s->H(250 + 15, 250 + 20), 80);  // r exactly 25
    EXPECT_EQ(s->H(250 - 24, 250), 80);
    EXPECT_EQ(s->H(250 + 30, 250 - 40), 180);  // r 50: 120 * 25 / 30 + 80
    EXPECT_EQ(s->H(250 - 54, 250), 196);
    EXPECT_EQ(s->H(250 + 33, 250 + 44), 200);  // r exactly 55 is left alone
    EXPECT_EQ(s->H(250 + 40, 250), 80);
    EXPECT_EQ(s->H(250, 250 - 40), 80);

    s->H(250 + 40, 250) = 82;
    s->H(250, 250) = 81;  // 1 * 15 / 30 + 81 = 81.5 -> 82
    LevelPlatform(*s, 250, 250);
    EXPECT_EQ(s->H(250 + 40, 250), 82);

    LevelPlatform(*s, 0, 499);  // a corner centre keeps to the grid
    EXPECT_EQ(s->H(24, 499), s->H(0, 499));
    EXPECT_EQ(s->H(0, 499 - 24), s->H(0, 499));
}

}  // namespace
}  // namespace sky
