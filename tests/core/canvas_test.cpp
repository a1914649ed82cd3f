#include "core/canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace sky {
namespace {

constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour Blue = Rgb(0, 0, 255);
constexpr Colour Green = Rgb(0, 160, 0);

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const Canvas& c, Colour colour) {
    PixelSet s;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) == colour) s.insert({x, y});
    return s;
}

TEST(Canvas, ColourLayoutAndReadsOutside) {
    EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0xFF123456u);
    EXPECT_EQ(RedOf(Rgb(1, 2, 3)), 1);
    EXPECT_EQ(GreenOf(Rgb(1, 2, 3)), 2);
    EXPECT_EQ(BlueOf(Rgb(1, 2, 3)), 3);

    Canvas c(4, 3, Blue);
    EXPECT_EQ(c.Pixel(3, 2), Blue);
    EXPECT_EQ(c.Pixel(-1, 0), NoPixel);
    EXPECT_EQ(c.Pixel(4, 0), NoPixel);
    EXPECT_EQ(c.Pixel(0, 3), NoPixel);
    EXPECT_EQ(c.Bits()[2 * 4 + 3], Blue);

    const uint64_t v = c.Version();
    c.SetPixel(4, 0, Red);
    c.SetPixel(0, -1, Red);
    EXPECT_EQ(PixelsOf(c, Red).size(), 0u);
    c.SetPixel(1, 2, Red);
    EXPECT_EQ(c.Bits()[2 * 4 + 1], Red);
    EXPECT_GT(c.Version(), v);
}

TEST(Canvas, LineLeavesOutItsEndPointAndMovesThePen) {
    Canvas c(10, 10);
    c.PenColour = Red;
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(PixelsOf(c, Red), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    // The next segment starts where the last ended, so a polyline has no gaps.
    c.LineTo(5, 4);
    EXPECT_EQ(c.Pixel(5, 1), Red);
    EXPECT_EQ(c.Pixel(5, 3), Red);
    EXPECT_EQ(c.Pixel(5, 4), White);

    Canvas d(10, 10);
    d.PenColour = Red;
    const uint64_t v = d.Version();
    d.MoveTo(3, 3);
    d.LineTo(3, 3);
    EXPECT_TRUE(PixelsOf(d, Red).empty());
    EXPECT_EQ(d.Version(), v);
    d.LineTo(7, 7);  // from (3,3): the zero-length line still moved nothing
    EXPECT_EQ(PixelsOf(d, Red), (PixelSet{{3, 3}, {4, 4}, {5, 5}, {6, 6}}));
}

TEST(Canvas, ThinLineIsConnectedAndStaysOnTheIdealLine) {
    for (int k = 0; k < 64; ++k) {
        const double a = 2 * 3.14159265358979 * k / 64;
        const int x0 = 30, y0 = 30;
        const int x1 = x0 + static_cast<int>(std::lround(25 * std::cos(a)));
        const int y1 = y0 + static_cast<int>(std::lround(25 * std::sin(a)));
        Canvas c(61, 61);
        c.PenColour = Red;
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
        const PixelSet line = PixelsOf(c, Red);
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        ASSERT_EQ(static_cast<int>(line.size()), steps) << "angle step " << k;
        EXPECT_TRUE(line.count({x0, y0}));
        EXPECT_FALSE(line.count({x1, y1}));
        // Every pixel lies within half a pixel of the ideal line (measured along the minor axis).
        for (const auto& [x, y] : line) {
            const double cross = std::abs(double(x - x0) * (y1 - y0) - double(y - y0) * (x1 - x0));
            EXPECT_LE(cross / steps, 0.5 + 1e-9) << "angle step " << k << " at " << x << "," << y;
        }
    }
}

TEST(Canvas, RedrawingANeedleInAnotherColourCoversItExactly) {
    for (const int width : {1, 3}) {
        for (int k = 0; k < 90; ++k) {
            const double a = 2 * 3.14159265358979 * k / 90;
            const int tx = 30 + static_cast<int>(std::lround(27 * std::cos(a)));
            const int ty = 30 - static_cast<int>(std::lround(27 * std::sin(a)));
            Canvas c(60, 60, Blue);
            c.PenWidth = width;
            c.PenColour = Red;
            c.MoveTo(30, 30);
            c.LineTo(tx, ty);
            ASSERT_FALSE(PixelsOf(c, Red).empty());
            c.PenColour = Blue;
            c.MoveTo(30, 30);
            c.LineTo(tx, ty);
            EXPECT_TRUE(PixelsOf(c, Red).empty()) << "width " << width << ", angle step " << k;
        }
    }
}

TEST(Canvas, WidePensStampARoundPen) {
    const auto stamp = [](int width) {
        Canvas c(20, 20);
        c.PenWidth = width;
        c.PenColour = Red;
        c.MoveTo(10, 10);
        c.LineTo(11, 10);  // a one-pixel walk: a single stamp at (10,10)
        return PixelsOf(c, Red);
    };
    EXPECT_EQ(stamp(1), (PixelSet{{10, 10}}));
    EXPECT_EQ(stamp(2), (PixelSet{{10, 10}, {11, 10}, {10, 11}, {11, 11}}));
    PixelSet full3;
    for (int y = 9; y <= 11; ++y)
        for (int x = 9; x <= 11; ++x) full3.insert({x, y});
    EXPECT_EQ(stamp(3), full3);
    const PixelSet four = stamp(4);
    EXPECT_EQ(four.size(), 12u);  // a 4x4 square without its corners
    EXPECT_FALSE(four.count({9, 9}));
    EXPECT_FALSE(four.count({12, 12}));
    EXPECT_TRUE(four.count({9, 10}));
    EXPECT_TRUE(four.count({12, 11}));

    // A wide horizontal line is the stamp swept along the walk.
    Canvas c(20, 20);
    c.PenWidth = 3;
    c.PenColour = Red;
    c.MoveTo(2, 5);
    c.LineTo(8, 5);
    PixelSet band;
    for (int y = 4; y <= 6; ++y)
        for (int x = 1; x <= 8; ++x) band.insert({x, y});
    EXPECT_EQ(PixelsOf(c, Red), band);
}

TEST(Canvas, FillRectAndRectangleKeepTheirBoxes) {
    Canvas c(10, 10);
    c.BrushColour = Blue;
    c.Brush = BrushStyle::Clear;  // FillRect is always solid
    c.FillRect(2, 3, 5, 5);
    PixelSet box;
    for (int y = 3; y < 5; ++y)
        for (int x = 2; x < 5; ++x) box.insert({x, y});
    EXPECT_EQ(PixelsOf(c, Blue), box);

    Canvas r(10, 10);
    r.PenColour = Red;
    r.BrushColour = Blue;
    r.Rectangle(1, 2, 6, 6);
    PixelSet ring, inner;
    for (int y = 2; y < 6; ++y)
        for (int x = 1; x < 6; ++x) (x == 1 || x == 5 || y == 2 || y == 5 ? ring : inner).insert({x, y});
    EXPECT_EQ(PixelsOf(r, Red), ring);
    EXPECT_EQ(PixelsOf(r, Blue), inner);

    r.Brush = BrushStyle::Clear;
    r.PenColour = Green;
    r.BrushColour = White;
    r.Rectangle(1, 2, 6, 6);
    EXPECT_EQ(PixelsOf(r, Green), ring);
    EXPECT_EQ(PixelsOf(r, Blue), inner);  // a clear brush leaves the inside alone

    Canvas w(10, 10);
    w.PenColour = Red;
    w.BrushColour = Blue;
    w.PenWidth = 2;
    w.Rectangle(0, 0, 6, 6);
    EXPECT_EQ(PixelsOf(w, Red).size(), 36u - 4u);  // the ring grows inwards, the box stays 6x6
    EXPECT_EQ(w.Pixel(6, 0), White);
    EXPECT_EQ(PixelsOf(w, Blue).size(), 4u);
}

TEST(Canvas, FiguresAreClippedAtTheSurfaceEdge) {
    Canvas c(5, 5);
    c.BrushColour = Red;
    c.FillRect(-3, -3, 2, 2);
    EXPECT_EQ(PixelsOf(c, Red).size(), 4u);
    c.PenColour = Blue;
    c.MoveTo(-10, 4);
    c.LineTo(20, 4);
    EXPECT_EQ(PixelsOf(c, Blue).size(), 5u);
}

TEST(Canvas, SmallDiscIsSymmetricAndTouchesItsBox) {
    const int cx = 20, cy = 15;
    Canvas c(40, 30);
    c.PenColour = Red;
    c.BrushColour = Blue;
    c.Ellipse(cx - 6, cy - 6, cx + 5, cy + 5);
    PixelSet disc = PixelsOf(c, Red);
    const PixelSet fill = PixelsOf(c, Blue);
    ASSERT_FALSE(fill.empty());
    disc.insert(fill.begin(), fill.end());
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (const auto& [x, y] : disc) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
        // Mirror images about the box centre (cx-1, cy-1) are in the disc too.
        const int mx = 2 * (cx - 1) - x, my = 2 * (cy - 1) - y;
        EXPECT_TRUE(disc.count({mx, y})) << x << "," << y;
        EXPECT_TRUE(disc.count({x, my})) << x << "," << y;
        EXPECT_TRUE(disc.count({y - cy + cx, x - cx + cy})) << x << "," << y;  // and transposed
    }
    EXPECT_EQ(minX, cx - 6);
    EXPECT_EQ(maxX, cx + 4);
    EXPECT_EQ(minY, cy - 6);
    EXPECT_EQ(maxY, cy + 4);
    // The corners of the box stay outside, the outline wraps the fill.
    EXPECT_EQ(c.Pixel(cx - 6, cy - 6), White);
    EXPECT_EQ(c.Pixel(cx + 4, cy + 4), White);
    EXPECT_EQ(c.Pixel(cx - 6, cy - 1), Red);
    EXPECT_EQ(c.Pixel(cx - 1, cy - 1), Blue);
    for (const auto& [x, y] : fill)
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            EXPECT_TRUE(disc.count({x + dx, y + dy}));
}

TEST(Canvas, EllipseCutByTheEdgeShowsItsQuarter) {
    Canvas c(60, 60, Green);
    c.PenColour = Red;
    c.BrushColour = Blue;
    c.Ellipse(-60, 0, 60, 120);  // centre (0,60), radii 60
    EXPECT_EQ(c.Pixel(0, 59), Blue);    // interior reaches the left edge, no outline there
    EXPECT_EQ(c.Pixel(0, 0), Red);      // the top of the ellipse
    EXPECT_EQ(c.Pixel(59, 59), Red);    // its right-most point
    EXPECT_EQ(c.Pixel(59, 0), Green);   // outside the quarter
    EXPECT_EQ(c.Pixel(42, 16), Green);  // (42.5^2 + 43.5^2) > 60^2
    EXPECT_EQ(c.Pixel(38, 20), Blue);

    c.Brush = BrushStyle::Clear;
    c.PenColour = Rgb(1, 2, 3);
    c.Ellipse(-60, 0, 60, 120);
    EXPECT_EQ(c.Pixel(0, 59), Blue);
    EXPECT_EQ(c.Pixel(59, 59), Rgb(1, 2, 3));
}

TEST(Canvas, EllipseFollowsThePixelCentreRule) {
    // The rule itself, pixel by pixel over the whole box: inside when the
    // pixel centre is in the ellipse, outline when some pixel within pen-width
    // 4-neighbour steps is outside.
    const auto expected = [](int l, int t, int r, int b, int w, int x, int y) -> int {  // 0 out, 1 pen, 2 brush
        const double cx = (l + r) / 2.0, cy = (t + b) / 2.0, a = (r - l) / 2.0, bb = (b - t) / 2.0;
        const auto in = [&](int px, int py) {
            if (px < l || px >= r || py < t || py >= b) return false;
            const double u = (px + 0.5 - cx) / a, v = (py + 0.5 - cy) / bb;
            return u * u + v * v <= 1;
        };
        if (!in(x, y)) return 0;
        for (int dy = -w; dy <= w; ++dy)
            for (int dx = -(w - std::abs(dy)); dx <= w - std::abs(dy); ++dx)
                if (!in(x + dx, y + dy)) return 1;
        return 2;
    };
    const int boxes[][4] = {{2, 3, 13, 14}, {0, 0, 1, 1}, {5, 5, 7, 20}, {1, 4, 30, 9}, {-7, -3, 12, 16},
                            {10, 12, 33, 35}, {3, 3, 4, 9}, {-20, 8, 40, 17}, {6, 1, 26, 22}};
    for (const auto& box : boxes)
        for (const int w : {1, 2, 3}) {
            Canvas c(28, 24, Green);
            c.PenColour = Red;
            c.BrushColour = Blue;
            c.PenWidth = w;
            c.Ellipse(box[0], box[1], box[2], box[3]);
            for (int y = 0; y < c.Height(); ++y)
                for (int x = 0; x < c.Width(); ++x) {
                    const Colour want[] = {Green, Red, Blue};
                    ASSERT_EQ(c.Pixel(x, y), want[expected(box[0], box[1], box[2], box[3], w, x, y)])
                        << "box " << box[0] << "," << box[1] << "," << box[2] << "," << box[3] << " width " << w
                        << " at " << x << "," << y;
                }
        }
}

TEST(Canvas, EveryFigureBumpsTheVersion) {
    Canvas c(20, 20);
    uint64_t v = c.Version();
    const auto bumped = [&] {
        const bool b = c.Version() > v;
        v = c.Version();
        return b;
    };
    c.MoveTo(1, 1);
    c.LineTo(5, 5);
    EXPECT_TRUE(bumped());
    c.FillRect(0, 0, 3, 3);
    EXPECT_TRUE(bumped());
    c.Rectangle(0, 0, 3, 3);
    EXPECT_TRUE(bumped());
    c.Ellipse(0, 0, 8, 8);
    EXPECT_TRUE(bumped());
    c.SetPixel(10, 10, Red);
    EXPECT_TRUE(bumped());
}

}  // namespace
}  // namespace sky
