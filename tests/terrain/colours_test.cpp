#include "terrain/colours.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace sky {

void PrintTo(const RGB& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

namespace {

struct Scheme {
    std::unique_ptr<GameState> s = std::make_unique<GameState>();
    Canvas bar{ColourBarWidth, ColourBarHeight, Rgb(0, 0, 0)};
    void Pick(int index) {
        if (index > 0) s->BaseColour = SchemeBaseColour(index);
        BuildColourTable(*s, index, bar);
    }
    const RGB& At(int h) const { return s->ColourTable[h]; }
};

TEST(ColourScheme, MixedHasItsCheckColours) {
    Scheme c;
    c.Pick(0);
    EXPECT_EQ(c.At(0), (RGB{0, 0, 115}));
    EXPECT_EQ(c.At(50), (RGB{161, 0, 165}));
    EXPECT_EQ(c.At(101), (RGB{216, 0, 0}));
    EXPECT_EQ(c.At(140), (RGB{255, 192, 0}));
    EXPECT_EQ(c.At(152), (RGB{255, 255, 12}));
    EXPECT_EQ(c.At(153), (RGB{255, 255, 13}));
    EXPECT_EQ(c.At(203), (RGB{66, 255, 63}));
    EXPECT_EQ(c.At(204), (RGB{64, 255, 68}));
    EXPECT_EQ(c.At(250), (RGB{110, 255, 255}));
    for (const RGB& e : c.s->ColourTable)
        for (int v : {e.r, e.g, e.b}) ASSERT_TRUE(v >= 0 && v <= 255);
}

TEST(ColourScheme, SingleHueRampsRunFromBlackTowardsTheBase) {
    const RGB bases[] = {{255, 255, 255}, {255, 48, 48}, {48, 255, 48}, {48, 48, 255}, {255, 160, 64}};
    for (int index = 1; index <= 5; ++index) {
        SCOPED_TRACE(index);
        const RGB& b = bases[index - 1];
        EXPECT_EQ(SchemeBaseColour(index), b.r | b.g << 8 | b.b << 16);
        Scheme c;
        c.Pick(index);
        EXPECT_EQ(c.At(0), (RGB{0, 0, 0}));
        EXPECT_EQ(c.At(128), (RGB{b.r / 2, b.g / 2, b.b / 2}));
        EXPECT_EQ(c.At(250), (RGB{b.r * 250 / 256, b.g * 250 / 256, b.b * 250 / 256}));
        if (index == 1) {
            for (const RGB& e : c.s->ColourTable) ASSERT_TRUE(e.r == e.g && e.g == e.b);
        }
    }
    EXPECT_EQ(SchemeBaseColour(0), 0);
    EXPECT_EQ(SchemeBaseColour(6), 0);
}

TEST(ColourScheme, MixedAfterAnotherSchemeIsTheSameAsAtStart) {
    Scheme first, again;
    first.Pick(0);
    again.Pick(0);
    again.Pick(5);
    again.Pick(0);
    for (int h = 0; h <= 251; ++h) EXPECT_EQ(first.At(h), again.At(h)) << h;
    for (int y = 0; y < ColourBarHeight; ++y)
        for (int x = 0; x < ColourBarWidth; ++x) ASSERT_EQ(first.bar.Pixel(x, y), again.bar.Pixel(x, y));
}

TEST(ColourBar, ShowsHeightsUpwardsInsideAWhiteFrame) {
    {
        Scheme c;
        c.Pick(4);
        const Colour white = Rgb(255, 255, 255);
        for (int x = 0; x < ColourBarWidth; ++x) {
            EXPECT_EQ(c.bar.Pixel(x, 0), white);
            EXPECT_EQ(c.bar.Pixel(x, ColourBarHeight - 1), white);
        }
        for (int y = 0; y < ColourBarHeight; ++y) {
            EXPECT_EQ(c.bar.Pixel(0, y), white);
            EXPECT_EQ(c.bar.Pixel(ColourBarWidth - 1, y), white);
        }
        for (int y = 1; y < ColourBarHeight - 1; ++y) {
            const RGB& e = c.At(250 - y);
            for (int x = 1; x < ColourBarWidth - 1; ++x) ASSERT_EQ(c.bar.Pixel(x, y), Rgb(e.r, e.g, e.b)) << y;
        }
    }
}

}  // namespace
}  // namespace sky
