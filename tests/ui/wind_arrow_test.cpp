#include "ui/wind_arrow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/numeric.h"

namespace sky {
namespace {

constexpr Colour Face = Rgb(204, 204, 204);
constexpr Colour Needle = Rgb(119, 119, 119);
constexpr Colour White = Rgb(255, 255, 255);
constexpr int Size = 140;

Canvas Arrow(double wind) {
    Canvas c(Size, Size, Rgb(0, 0, 0));
    DrawWindArrow(c, wind);
    return c;
}

bool NeedleNear(const Canvas& c, double x, double y, int reach) {
    const int px = static_cast<int>(std::lround(x)), py = static_cast<int>(std::lround(y));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (c.Pixel(px + dx, py + dy) == Needle) return true;
    return false;
}

TEST(WindArrow, ClearsToTheFaceWithAWhiteBorder) {
    for (const double wind : {0.0, 1.0, 4.0}) {
        Canvas c(Size, Size, Rgb(0, 0, 0));
        DrawWindArrow(c, 2.5);  // an old arrow must vanish
        DrawWindArrow(c, wind);
        const Canvas fresh = Arrow(wind);
        int needles = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const Colour p = c.Pixel(x, y);
                ASSERT_EQ(p, fresh.Pixel(x, y)) << x << "," << y;
                if (x == 0 || y == 0 || x == Size - 1 || y == Size - 1)
                    ASSERT_EQ(p, White) << x << "," << y;
                else
                    ASSERT_TRUE(p == Face || p == Needle) << x << "," << y;
                needles += p == Needle;
            }
        EXPECT_GT(needles, 300) << wind;
    }
}

TEST(WindArrow, TipPointsAgainstTheWindDirectionTurningClockwise) {
    // The tip sits 11.5 units of 5.6 pixels from the centre; at 0 it is on the
    // left, at pi/2 at the top (screen y grows downward).
    const double reach = 11.5 * Size / 25.0;
    for (int k = 0; k < 16; ++k) {
        const double wind = k * Pi / 8;
        const Canvas c = Arrow(wind);
        const double ux = std::cos(wind), uy = std::sin(wind);
        EXPECT_TRUE(NeedleNear(c, Size / 2 - reach * ux, Size / 2 - reach * uy, 1)) << "tip, step " << k;
        // The tail is a notch between two fletching ends, empty on the axis.
        EXPECT_FALSE(NeedleNear(c, Size / 2 + reach * ux, Size / 2 + reach * uy, 2)) << "tail, step " << k;
    }
    const Canvas up = Arrow(Pi / 2);
    int top = Size;
    for (int y = 0; y < Size && top == Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (up.Pixel(x, y) == Needle) top = y;
    EXPECT_LE(top, 8);
}

TEST(WindArrow, WordReadsLeftToRightInsideTheShaft) {
    const Canvas c = Arrow(0);
    // Between the shaft's outlines (y = +-2 units, x from the head to the
    // fletching) only the letters are drawn, four units of 5.6 pixels high.
    int letters = 0;
    for (int y = 61; y <= 79; ++y)
        for (int x = 42; x <= 103; ++x)
            if (c.Pixel(x, y) == Needle) {
                ++letters;
                EXPECT_TRUE(x >= 50 && x <= 91 && y >= 64 && y <= 77) << x << "," << y;
            }
    EXPECT_GT(letters, 80);
    // The D's upright stem is on the right, where a mirrored word would show the W.
    const auto longestRun = [&](int x) {
        int best = 0, run = 0;
        for (int y = 61; y <= 79; ++y) {
            run = c.Pixel(x, y) == Needle ? run + 1 : 0;
            best = std::max(best, run);
        }
        return best;
    };
    EXPECT_GE(longestRun(84), 12);
    EXPECT_LT(longestRun(Size - 84), 10);
}

}  // namespace
}  // namespace sky
