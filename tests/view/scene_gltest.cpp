#include <gtest/gtest.h>

#include "view/gl_fixture.h"

namespace sky::test {
namespace {

constexpr Pixel Black{0, 0, 0};
constexpr Pixel FloorGrey{80, 80, 80};

bool IsBlack(const Pixel& p) { return p == Black; }

FrameView TopDown(int look) {
    FrameView v;
    v.RotX = 90;
    v.Look = look;
    return v;
}

int CountAll(const Frame& f, bool (*pred)(const Pixel&)) {
    return f.CountAround(ViewW / 2, ViewH / 2, ViewW, pred);
}

TEST(Scene, FirstFrameIsClearedWhiteEveryLaterOneMidGrey) {
    auto s = FlatState(60);
    s->Zoom = 50;  // everything behind the viewer: only the background is left
    InitGlState(Gl());
    Render(*s, FrameView{});
    const Frame first;
    EXPECT_EQ(CountAll(first, [](const Pixel& p) { return !(p == Pixel{255, 255, 255}); }), 0);
    for (int frame = 0; frame < 2; ++frame) {
        Render(*s, FrameView{});
        const Frame later;
        EXPECT_EQ(CountAll(later, [](const Pixel& p) {
                      return !(p.r == p.g && p.g == p.b && (p.r == 127 || p.r == 128));
                  }), 0);
    }
}

TEST(Scene, LandscapeShowsItsHeightColourWhereTheCameraPutsIt) {
    auto s = FlatState(60);
    for (int x = 310; x <= 370; ++x)
        for (int y = 150; y <= 210; ++y) s->H(x, y) = 200;
    const double zoom = s->Zoom, rotX = 50, rotY = 35;
    FrameView v{rotX, rotY, 2};
    Render(*s, v);
    const Frame faces;
    const Projected plateau = ProjectGrid(340, 180, 200, zoom, rotX, rotY);
    const Projected plain = ProjectGrid(150, 350, 60, zoom, rotX, rotY);
    EXPECT_EQ(faces.At(plateau.ix(), plateau.iy()), SchemeColour(*s, 200));
    EXPECT_EQ(faces.At(plain.ix(), plain.iy()), SchemeColour(*s, 60));
    EXPECT_EQ(faces.CountAround(plateau.ix(), plateau.iy(), 8, IsBlack), 0);

    v.Look = 1;  // the same faces under black grid lines
    Render(*s, v);
    const Frame both;
    const auto plateauColour = [&](const Pixel& p) { return p == SchemeColour(*s, 200); };
    EXPECT_GT(both.CountAround(plateau.ix(), plateau.iy(), 8, IsBlack), 10);
    EXPECT_GT(both.CountAround(plateau.ix(), plateau.iy(), 8, plateauColour), 100);

    v.Look = 0;  // lines only: black grid, no scheme colour anywhere
    Render(*s, v);
    const Frame lines;
    EXPECT_GT(lines.CountAround(plateau.ix(), plateau.iy(), 8, IsBlack), 10);
    EXPECT_EQ(CountAll(lines, IsScheme), 0);
}

TEST(Scene, QuadTakesTheMeanOfItsDiagonalCorners) {
    auto s = FlatState(60);
    s->DetailStep = 50;
    s->H(200, 200) = 101;  // the quad at (200, 200) has the mean (101 + 150) / 2 = 125
    s->H(250, 250) = 150;
    Render(*s, TopDown(2));
    const Frame f;
    const Projected centre = ProjectGrid(225, 225, 93, s->Zoom, 90, 0);
    EXPECT_EQ(f.At(centre.ix(), centre.iy()), SchemeColour(*s, 125));
}

TEST(Scene, FloorSquareShowsBeyondTheCoarsestMesh) {
    auto s = FlatState(0);
    s->Zoom = -4;
    const Projected corner = Project(0.943, -1, 0.943, s->Zoom, 90, 0);  // past row and column 450
    s->DetailStep = 50;
    Render(*s, TopDown(2));
    EXPECT_EQ(Frame().At(corner.ix(), corner.iy()), FloorGrey);
    s->DetailStep = 10;  // this mesh reaches 490 and hides the floor there
    Render(*s, TopDown(2));
    EXPECT_EQ(Frame().At(corner.ix(), corner.iy()), SchemeColour(*s, 0));
}

TEST(Scene, DebrisOnlyWhileVisible) {
    auto s = FlatState(60);
    for (TDebrisParticle& d : s->Debris) {
        d.pos = {250, 300, 150};
        d.velocity.x = 12;  // 120 degrees about (1, 1, 1) lays the square flat
        d.r = 255, d.g = 0, d.b = 255;
    }
    const Projected at = ProjectGrid(250, 300, 150, s->Zoom, 90, 0);
    const auto magenta = [](const Pixel& p) { return p == Pixel{255, 0, 255}; };
    s->DebrisVisible = 1;
    Render(*s, TopDown(2));
    EXPECT_GT(Frame().CountAround(at.ix(), at.iy(), 4, magenta), 60);
    s->DebrisVisible = 0;
    Render(*s, TopDown(2));
    EXPECT_EQ(CountAll(Frame(), [](const Pixel& p) { return p == Pixel{255, 0, 255}; }), 0);
}

TEST(Scene, TrailFloatsJustAboveGroundOfItsHeight) {
    auto s = FlatState(60);
    s->Trail[1] = {200, 300, 60};
    s->Trail[2] = {300, 300, 60};
    for (const int length : {0, 1, 2}) {
        s->TrailLength = length;
        Render(*s, TopDown(2));
        const Frame f;
        int covered = 0;  // sample points along the line that show it
        for (int x = 210; x <= 290; x += 10) {
            const Projected p = ProjectGrid(x, 300, 63, s->Zoom, 90, 0);
            covered += f.CountAround(p.ix(), p.iy(), 2, IsBlack) > 0;
        }
        EXPECT_EQ(covered, length == 2 ? 9 : 0) << "trail length " << length;
    }
}

}  // namespace
}  // namespace sky::test
