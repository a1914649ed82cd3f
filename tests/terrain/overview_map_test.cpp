#include "terrain/overview_map.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "terrain/colours.h"

namespace sky {
namespace {

class OverviewMap : public ::testing::Test {
protected:
    void SetUp() override {
        for (int x = 0; x < GridSize; ++x)
            for (int y = 0; y < GridSize; ++y) s->H(x, y) = (x * 7 + y * 3) % 251;
        s->PlayerPos[1] = {75, 424, 0};
        s->PlayerPos[2] = {400, 100, 0};
        BuildColourTable(*s, 0, bar);
    }
    Colour CellColour(int x, int y) const {
        const RGB& c = s->ColourTable[s->H(x, y)];
        return Rgb(c.r, c.g, c.b);
    }
    static bool UnderADisc(int i, int j) {
        return (i >= 19 && i <= 29 && j >= 135 && j <= 145) || (i >= 127 && i <= 137 && j >= 27 && j <= 37);
    }
    void ExpectTerrainEverywhereElse() const {
        for (int j = 1; j < OverviewMapSize - 1; ++j)
            for (int i = 1; i < OverviewMapSize - 1; ++i)
                if (!UnderADisc(i, j)) {
                    ASSERT_EQ(map.Pixel(i, j), CellColour(3 * i, 3 * j)) << i << "," << j;
                }
    }
    std::unique_ptr<GameState> s = std::make_unique<GameState>();
    Canvas bar{ColourBarWidth, ColourBarHeight};
    Canvas map{OverviewMapSize, OverviewMapSize, Rgb(0, 0, 0)};
    const Colour white = Rgb(255, 255, 255);
};

TEST_F(OverviewMap, ShowsEveryThirdCellInsideAWhiteFrame) {
    DrawOverviewMap(*s, map);
    EXPECT_EQ(map.Pixel(1, 1), CellColour(3, 3));
    EXPECT_EQ(map.Pixel(164, 164), CellColour(492, 492));
    for (int k = 0; k < OverviewMapSize; ++k)
        for (const auto& [i, j] : {std::pair{k, 0}, {k, 165}, {0, k}, {165, k}}) ASSERT_EQ(map.Pixel(i, j), white);
    ExpectTerrainEverywhereElse();
}

TEST_F(OverviewMap, DrawsEachPlayerAsAnElevenPixelDiscWithAWhiteRim) {
    DrawOverviewMap(*s, map);
    int left = 999, right = -1, top = 999, bottom = -1;
    for (int j = 100; j < 165; ++j)
        for (int i = 1; i < 60; ++i)
            if (map.Pixel(i, j) != CellColour(3 * i, 3 * j)) {
                left = std::min(left, i), right = std::max(right, i);
                top = std::min(top, j), bottom = std::max(bottom, j);
            }
    EXPECT_EQ(left, 19); EXPECT_EQ(right, 29); EXPECT_EQ(top, 135); EXPECT_EQ(bottom, 145);
    EXPECT_EQ(map.Pixel(24, 140), Rgb(0, 0, 255));
    EXPECT_EQ(map.Pixel(19, 140), white);
    EXPECT_EQ(map.Pixel(29, 140), white);
    EXPECT_EQ(map.Pixel(24, 135), white);
    EXPECT_EQ(map.Pixel(132, 32), Rgb(255, 0, 0));
}

TEST_F(OverviewMap, RepaintKeepsTheImageAndWipesTheFlightPath) {
    DrawOverviewMap(*s, map);
    const std::vector<Colour> before(map.Bits(), map.Bits() + OverviewMapSize * OverviewMapSize);
    map.SetPixel(60, 60, Rgb(1, 2, 3));
    map.SetPixel(24, 140, Rgb(1, 2, 3));
    DrawOverviewMap(*s, map);
    EXPECT_EQ(std::vector<Colour>(map.Bits(), map.Bits() + OverviewMapSize * OverviewMapSize), before);
}

TEST_F(OverviewMap, TakesTheNewColoursAfterASchemeChange) {
    DrawOverviewMap(*s, map);
    s->BaseColour = SchemeBaseColour(3);
    BuildColourTable(*s, 3, bar);
    DrawOverviewMap(*s, map);
    ExpectTerrainEverywhereElse();
    EXPECT_EQ(map.Pixel(24, 140), Rgb(0, 0, 255));
    EXPECT_EQ(map.Pixel(0, 80), white);
}

}  // namespace
}  // namespace sky
