#include "aiming/aim_widgets.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/numeric.h"

namespace sky {
namespace {

constexpr Colour Panel = Rgb(212, 212, 212);
constexpr Colour Face = Rgb(204, 204, 204);
constexpr Colour Needle = Rgb(119, 119, 119);
constexpr Colour White = Rgb(255, 255, 255);

std::vector<Colour> Pixels(const Canvas& c) { return {c.Bits(), c.Bits() + c.Width() * c.Height()}; }

// Three widgets on their own canvases, with hooks that count and record.
struct Widgets {
    explicit Widgets(GameState& state, char separator = '.')
        : s(state),
          w(s, pb, im2, im3,
            {[this] {
                 ++scenes;
                 powerAtScene = s.PlayerAim[s.CurrentPlayer].power;
                 azimuthAtScene = s.PlayerAim[s.CurrentPlayer].azimuth;
             },
             [this](const std::vector<std::string>& lines) {
                 ++memoWrites;
                 memo = lines;
             },
             [this] { ++labelUpdates; }},
            separator) {}

    GameState& s;
    Canvas pb{120, 120, Rgb(1, 2, 3)}, im2{60, 60, Rgb(1, 2, 3)}, im3{25, 188, Rgb(1, 2, 3)};
    AimWidgets w;
    int scenes = 0, memoWrites = 0, labelUpdates = 0;
    double powerAtScene = 0, azimuthAtScene = 0;
    std::vector<std::string> memo;
};

struct AimWidgetsTest : ::testing::Test {
    AimWidgetsTest() {
        s.CurrentPlayer = 1;
        s.PlayerAim.Fill(StartAim);
    }
    Aim& aim() { return s.PlayerAim[s.CurrentPlayer]; }

    // What the three canvases look like when the stored aim is painted on fresh faces.
    void ExpectShowsOnly(const Widgets& got) {
        GameState fresh;
        fresh.CurrentPlayer = 1;
        fresh.PlayerAim[1] = s.PlayerAim[s.CurrentPlayer];
        Widgets want(fresh);
        want.w.RefreshAimWidgets();
        EXPECT_EQ(Pixels(got.pb), Pixels(want.pb));
        EXPECT_EQ(Pixels(got.im2), Pixels(want.im2));
        EXPECT_EQ(Pixels(got.im3), Pixels(want.im3));
    }

    GameState s;
};

TEST_F(AimWidgetsTest, StartAimIsDrawnOnTheFaces) {
    s.DebrisVisible = 1;
    Widgets g(s);
    g.w.RefreshAimWidgets();

    // Azimuth -pi/2: straight up from (60, 60) to (60, 10), end point excluded, 3 pixels wide.
    for (int y = 11; y <= 61; y += 5) EXPECT_EQ(g.pb.Pixel(60, y), Needle) << y;
    EXPECT_EQ(g.pb.Pixel(61, 30), Needle);
    EXPECT_EQ(g.pb.Pixel(63, 30), Face);
    EXPECT_EQ(g.pb.Pixel(60, 9), Face);
    EXPECT_EQ(g.pb.Pixel(60, 62), Face);
    EXPECT_EQ(g.pb.Pixel(0, 0), Panel);
    EXPECT_EQ(g.pb.Pixel(60, 0), White);
    // The elevation needle is checked exactly in NeedleEndsAreTruncated.
    EXPECT_EQ(g.im2.Pixel(59, 0), Panel);

    // Power 40: a mark three rows high centred on row 75, across the bar.
    for (int y : {74, 75, 76}) {
        EXPECT_EQ(g.im3.Pixel(0, y), Needle);
        EXPECT_EQ(g.im3.Pixel(12, y), Needle);
        EXPECT_EQ(g.im3.Pixel(23, y), Needle);
        EXPECT_EQ(g.im3.Pixel(24, y), Panel);
    }
    EXPECT_EQ(g.im3.Pixel(12, 73), Face);
    EXPECT_EQ(g.im3.Pixel(12, 77), Face);
    EXPECT_EQ(g.im3.Pixel(5, 100), White);
    EXPECT_EQ(g.im3.Pixel(2, 100), Panel);

    EXPECT_EQ(s.DebrisVisible, 0);
    EXPECT_EQ(s.AimDragFlags, (std::array<int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(g.labelUpdates, 1);
    EXPECT_EQ(g.scenes, 0);
    EXPECT_EQ(g.memo, std::vector<std::string>{"40"});  // the bar is refreshed last
}

TEST_F(AimWidgetsTest, AzimuthFromClicks) {
    Widgets g(s);
    g.w.RefreshAimWidgets();

    g.w.pbMouseDown(90, 60);
    EXPECT_DOUBLE_EQ(aim().azimuth, 0.0);
    EXPECT_EQ(g.memo, std::vector<std::string>{"0"});
    EXPECT_EQ(g.pb.Pixel(100, 60), Needle);
    EXPECT_EQ(g.pb.Pixel(60, 30), Face);  // the old needle is gone
    g.w.pbMouseUp(90, 60);

    g.w.pbMouseDown(30, 60);
    EXPECT_EQ(aim().azimuth, 3.1416);
    EXPECT_EQ(g.memo, std::vector<std::string>{"3.1416"});
    EXPECT_EQ(g.pb.Pixel(20, 60), Needle);
    EXPECT_EQ(g.pb.Pixel(100, 60), Face);

    g.w.pbMouseMove(60, 100);  // on the vertical through the centre
    EXPECT_EQ(aim().azimuth, 3.1416);
    EXPECT_EQ(g.memo, std::vector<std::string>{"3.1416"});

    g.w.pbMouseMove(90, 90);
    EXPECT_DOUBLE_EQ(aim().azimuth, Pi / 4);
    g.w.pbMouseMove(30, 30);
    EXPECT_DOUBLE_EQ(aim().azimuth, Pi / 4 + 3.1416);
    g.w.pbMouseMove(-500, 400);  // far outside the image, still dragging
    EXPECT_DOUBLE_EQ(aim().azimuth, std::atan(340.0 / -560.0) + 3.1416);
    g.w.pbMouseUp(-500, 400);
    EXPECT_EQ(s.AimDragFlags[0], 0);
    ExpectShowsOnly(g);

    // Without a press the move changes and draws nothing.
    const auto before = Pixels(g.pb);
    const double a = aim().azimuth;
    g.w.pbMouseMove(90, 60);
    EXPECT_EQ(aim().azimuth, a);
    EXPECT_EQ(Pixels(g.pb), before);
}

// Needle ends are truncated, not rounded: a click at (100, 75) gives the angle
// atan(15 / 40), whose needle ends at (60 + 46.8.., 60 + 17.5..) -> (106, 77); the
// elevation -0.2 ends at (49.0.., 59 - 9.9..) -> (49, 50).
TEST_F(AimWidgetsTest, NeedleEndsAreTruncated) {
    Widgets g(s);
    g.w.RefreshAimWidgets();
    g.w.pbMouseDown(100, 75);

    Widgets faces(s);
    faces.w.DrawAimBackgrounds();
    const auto needle = [](Canvas& c, int x0, int y0, int x1, int y1) {
        c.PenWidth = 3;
        c.PenColour = Needle;
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
    };
    needle(faces.pb, 60, 60, 106, 77);
    EXPECT_EQ(Pixels(g.pb), Pixels(faces.pb));

    needle(faces.im2, 0, 59, 49, 50);
    faces.im2.PenWidth = 1;
    faces.im2.PenColour = White;
    faces.im2.MoveTo(0, 0);
    faces.im2.LineTo(0, 59);
    faces.im2.LineTo(60, 59);
    EXPECT_EQ(Pixels(g.im2), Pixels(faces.im2));
}

TEST_F(AimWidgetsTest, MemoUsesTheDecimalSeparator) {
    Widgets g(s, ',');
    g.w.RefreshAimWidgets();
    g.w.pbMouseDown(30, 60);
    EXPECT_EQ(g.memo, std::vector<std::string>{"3,1416"});
    g.w.im3MouseDown(10, 100);
    EXPECT_EQ(g.memo, std::vector<std::string>{"53,2608695652174"});
}

TEST_F(AimWidgetsTest, AMoveRedrawsOnlyTheNeedle) {
    Widgets g(s);
    g.w.RefreshAimWidgets();
    // Marks that a whole repaint would wipe.
    g.pb.SetPixel(3, 3, Rgb(9, 9, 9));
    g.im2.SetPixel(58, 2, Rgb(9, 9, 9));
    g.im3.SetPixel(2, 180, Rgb(9, 9, 9));
    g.w.pbMouseDown(100, 20);
    g.w.pbMouseMove(20, 100);
    g.w.im2MouseDown(40, 20);
    g.w.im2MouseMove(50, 50);
    g.w.im3MouseDown(10, 20);
    g.w.im3MouseMove(10, 120);
    EXPECT_EQ(g.pb.Pixel(3, 3), Rgb(9, 9, 9));
    EXPECT_EQ(g.im2.Pixel(58, 2), Rgb(9, 9, 9));
    EXPECT_EQ(g.im3.Pixel(2, 180), Rgb(9, 9, 9));
}

TEST_F(AimWidgetsTest, DragsLeaveNoTraceOfEarlierNeedles) {
    Widgets g(s);
    g.w.RefreshAimWidgets();
    g.w.pbMouseDown(100, 20);
    for (int i = 0; i < 40; ++i) g.w.pbMouseMove(10 + 3 * i, 110 - 2 * i);
    g.w.pbMouseUp(0, 0);
    g.w.im2MouseDown(5, 5);
    for (int i = 0; i < 40; ++i) g.w.im2MouseMove(1 + i, 60 - i);
    g.w.im2MouseMove(55, 58);
    g.w.im2MouseUp(0, 0);
    g.w.im3MouseDown(3, 5);
    for (int y = 3; y < 185; y += 7) g.w.im3MouseMove(12, y);
    g.w.im3MouseMove(12, 150);
    g.w.im3MouseUp(0, 0);
    ExpectShowsOnly(g);
}

TEST_F(AimWidgetsTest, ElevationStaysBetweenUpAndLevel) {
    Widgets g(s);
    g.w.RefreshAimWidgets();

    g.w.im2MouseDown(30, 30);
    EXPECT_DOUBLE_EQ(aim().elevation, -Pi / 4);
    EXPECT_EQ(g.memo, std::vector<std::string>{FloatToText(-Pi / 4)});

    g.w.im2MouseMove(30, 100);  // below the dial
    EXPECT_EQ(aim().elevation, 0.0);
    EXPECT_EQ(g.im2.Pixel(25, 58), Needle);  // lying on the bottom side
    EXPECT_EQ(g.im2.Pixel(25, 59), White);   // which is restored
    EXPECT_EQ(g.im2.Pixel(0, 40), White);

    g.w.im2MouseMove(1, -10000);  // far up
    EXPECT_LT(aim().elevation, -Pi / 2 + 1e-3);
    EXPECT_GE(aim().elevation, -Pi / 2);

    const double kept = aim().elevation;
    g.w.im2MouseMove(0, 10);
    g.w.im2MouseMove(-40, 50);
    EXPECT_EQ(aim().elevation, kept);
    EXPECT_EQ(g.memo, std::vector<std::string>{FloatToText(kept)});
    g.w.im2MouseUp(-40, 50);
    g.w.im2MouseMove(30, 30);  // released: ignored
    EXPECT_EQ(aim().elevation, kept);
    ExpectShowsOnly(g);
}

TEST_F(AimWidgetsTest, RefreshClampsTheStoredElevation) {
    Widgets g(s);
    aim().elevation = 0.7;
    g.w.RefreshAimWidgets();
    EXPECT_EQ(aim().elevation, 0.0);
    ExpectShowsOnly(g);

    aim().elevation = -2.5;
    g.w.RefreshAimWidgets();
    EXPECT_EQ(aim().elevation, -Pi / 2);
    EXPECT_EQ(s.PlayerAim[2].elevation, -0.2);  // the other player's aim is untouched
}

TEST_F(AimWidgetsTest, RefreshCallsNeedTheirFlag) {
    Widgets g(s);
    g.w.DrawAimBackgrounds();
    const auto pb = Pixels(g.pb), im2 = Pixels(g.im2);
    aim().elevation = 0.5;
    g.w.pbMouseMove(AimWidgets::RefreshX, 0);
    g.w.im2MouseMove(AimWidgets::RefreshX, 0);
    EXPECT_EQ(Pixels(g.pb), pb);
    EXPECT_EQ(Pixels(g.im2), im2);
    EXPECT_EQ(aim().elevation, 0.5);
    EXPECT_EQ(g.memoWrites, 0);

    // The bar needs none.
    g.w.im3MouseMove(AimWidgets::RefreshX, 0);
    EXPECT_EQ(g.im3.Pixel(12, 75), Needle);
}

TEST_F(AimWidgetsTest, PowerFromTheBar) {
    Widgets g(s);
    g.w.RefreshAimWidgets();

    g.w.im3MouseDown(12, 2);
    EXPECT_EQ(aim().power, 0.0);
    EXPECT_EQ(g.memo, std::vector<std::string>{"0"});
    EXPECT_EQ(g.im3.Pixel(12, 2), Needle);
    EXPECT_EQ(g.im3.Pixel(12, 75), Face);  // the old mark is wiped
    EXPECT_EQ(g.im3.Pixel(2, 75), Panel);
    EXPECT_EQ(g.im3.Pixel(5, 75), White);
    EXPECT_EQ(g.im3.Pixel(19, 75), White);

    g.w.im3MouseMove(80, 185);  // x does not matter
    EXPECT_DOUBLE_EQ(aim().power, 18300.0 / 184);
    EXPECT_NEAR(aim().power, 99.4565, 1e-4);

    const auto before = Pixels(g.im3);
    const int writes = g.memoWrites;
    for (int y : {186, 1, -30, 400}) g.w.im3MouseMove(12, y);
    EXPECT_DOUBLE_EQ(aim().power, 18300.0 / 184);
    EXPECT_EQ(Pixels(g.im3), before);
    EXPECT_EQ(g.memoWrites, writes);

    g.w.im3MouseMove(12, 100);
    g.w.im3MouseUp(12, 100);
    EXPECT_DOUBLE_EQ(aim().power, 9800.0 / 184);
    g.w.im3MouseMove(12, 50);  // released: ignored
    EXPECT_DOUBLE_EQ(aim().power, 9800.0 / 184);
    ExpectShowsOnly(g);
}

TEST_F(AimWidgetsTest, PressesClearTheTrailAndRedrawTheScene) {
    Widgets g(s);
    g.w.RefreshAimWidgets();

    s.TrailLength = 17;
    g.w.pbMouseDown(90, 60);
    EXPECT_EQ(s.TrailLength, 0);
    EXPECT_EQ(s.AimDragFlags[0], 1);
    EXPECT_EQ(g.scenes, 1);
    EXPECT_EQ(g.azimuthAtScene, 0.0);  // the dial updates before the scene
    g.w.pbMouseUp(90, 60);
    EXPECT_EQ(g.scenes, 2);

    s.TrailLength = 17;
    g.w.im2MouseDown(30, 30);
    EXPECT_EQ(s.TrailLength, 0);
    EXPECT_EQ(s.AimDragFlags[1], 1);
    g.w.im2MouseMove(20, 30);
    EXPECT_EQ(g.scenes, 3);
    g.w.im2MouseUp(20, 30);
    EXPECT_EQ(s.AimDragFlags[1], 0);
    EXPECT_EQ(g.scenes, 4);

    s.TrailLength = 17;
    g.w.im3MouseDown(12, 2);
    EXPECT_EQ(s.TrailLength, 0);
    EXPECT_EQ(g.scenes, 5);
    EXPECT_EQ(g.powerAtScene, 40.0);  // the bar redraws the scene first
    g.w.im3MouseMove(12, 20);
    g.w.im3MouseUp(12, 20);
    EXPECT_EQ(s.AimDragFlags[2], 0);
    EXPECT_EQ(g.scenes, 5);
}

TEST_F(AimWidgetsTest, ChangeOfTurnShowsTheOtherAim) {
    s.PlayerAim[2] = {0.3, -1.2, 85.0};
    Widgets g(s);
    g.w.RefreshAimWidgets();
    g.w.pbMouseDown(20, 100);
    g.w.pbMouseUp(20, 100);
    s.CurrentPlayer = 2;
    g.w.RefreshAimWidgets();
    ExpectShowsOnly(g);
    EXPECT_EQ(g.im3.Pixel(12, 75), Face);
    EXPECT_EQ(g.im3.Pixel(12, Trunc(85.0 / 100 * 184 + 2)), Needle);
}

TEST_F(AimWidgetsTest, EmptyHooksAreAllowed) {
    Canvas pb(120, 120), im2(60, 60), im3(25, 188);
    AimWidgets w(s, pb, im2, im3, {});
    w.RefreshAimWidgets();
    w.pbMouseDown(90, 60);
    w.pbMouseUp(90, 60);
    w.im2MouseDown(30, 30);
    w.im2MouseUp(30, 30);
    w.im3MouseDown(10, 2);
    w.im3MouseUp(10, 2);
    EXPECT_EQ(aim().power, 0.0);
}

}  // namespace
}  // namespace sky
