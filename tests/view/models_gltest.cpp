#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "core/numeric.h"
#include "view/gl_fixture.h"

namespace sky::test {
namespace {

const Pixel Blue{0, 0, 255}, Red{255, 0, 0};

FrameView TopDown() {
    FrameView v;
    v.RotX = 90;
    v.Look = 2;
    return v;
}

int CountColour(const Frame& f, const Projected& p, int r, const Pixel& c) {
    return f.CountAround(p.ix(), p.iy(), r, [&](const Pixel& q) { return q == c; });
}

TEST(Players, EachStandsInItsColour) {
    auto s = FlatState(60);
    s->PlayerPos[1] = {150, 250, 60};
    s->PlayerPos[2] = {350, 250, 60};
    Render(*s, TopDown());
    const Frame f;
    const double turretTop = 60 + 250.0 / 15;
    for (const auto& [p, colour, other] : {std::tuple{1, Blue, Red}, std::tuple{2, Red, Blue}}) {
        const Projected at = ProjectGrid(s->PlayerPos[p].x, s->PlayerPos[p].y, turretTop, s->Zoom, 90, 0);
        EXPECT_GT(CountColour(f, at, 4, colour), 40) << "player " << p;
        EXPECT_EQ(CountColour(f, at, 4, other), 0) << "player " << p;
    }
}

TEST(Players, BarrelPointsAlongTheStoredAzimuth) {
    auto s = FlatState(60);
    s->PlayerPos[1] = {250, 250, 60};
    const double axis = 60 + 12.5, reach = 27.5;  // beyond the base, short of the muzzle
    for (const double azimuth : {0.0, -Pi / 2, 2.5, Pi}) {
        s->PlayerAim[1] = {azimuth, 0, 40};
        Render(*s, TopDown());
        const Frame f;
        const double dx = reach * std::cos(azimuth), dy = reach * std::sin(azimuth);
        const Projected ahead = ProjectGrid(250 + dx, 250 + dy, axis, s->Zoom, 90, 0);
        const Projected behind = ProjectGrid(250 - dx, 250 - dy, axis, s->Zoom, 90, 0);
        EXPECT_GT(CountColour(f, ahead, 3, Blue), 5) << "azimuth " << azimuth;
        EXPECT_EQ(CountColour(f, behind, 3, Blue), 0) << "azimuth " << azimuth;
    }
}

TEST(Players, NegativeElevationRaisesTheBarrel) {
    auto s = FlatState(60);
    s->PlayerPos[1] = {250, 450, 60};
    s->PlayerAim[1] = {0, -0.5, 40};  // along +x, well raised
    FrameView side;                     // level camera looking along the columns
    side.Look = 2;
    Render(*s, side);
    const Frame f;
    const double reach = 27.5, along = reach * std::cos(0.5), rise = reach * std::sin(0.5);
    const Projected up = ProjectGrid(250 + along, 450, 72.5 + rise, s->Zoom, 0, 0);
    const Projected down = ProjectGrid(250 + along, 450, 72.5 - rise, s->Zoom, 0, 0);
    EXPECT_GT(CountColour(f, up, 3, Blue), 5);
    EXPECT_EQ(CountColour(f, down, 3, Blue), 0);
}

struct MissileScene {
    std::unique_ptr<GameState> s = FlatState(60);
    FrameView view = TopDown();

    MissileScene() {
        s->CurrentPlayer = 2;
        s->ShotInFlight = 1;
        s->TrailLength = 1;
        s->Trail[1] = {250, 300, 150};
        s->MissileVelocity = {0, 10, 0};
    }
    // red pixels around a point on the flight line, dy cells past the trail point
    int RedAt(double dy) {
        Render(*s, view);
        const Projected p = Project(0, 0.1, (300 + dy) / 250 - 1, s->Zoom, 90, 0);
        return CountColour(Frame(), p, 2, Red);
    }
};

TEST(Missile, DrawnInTheShootersColourBehindTheNewestTrailPoint) {
    MissileScene m;
    EXPECT_GT(m.RedAt(-12.5), 5);    // the body trails the point
    EXPECT_EQ(m.RedAt(+15), 0);      // nothing beyond the nose
    m.s->TrailLength = 0;
    EXPECT_EQ(m.RedAt(-12.5), 0);
    m.s->TrailLength = 1;
    m.s->ShotInFlight = 0;
    EXPECT_EQ(m.RedAt(-12.5), 0);
}

TEST(Missile, AttitudeFollowsTheVelocity) {
    const auto attitude = [](Point3 v) {
        const MissileAttitude a = AttitudeOf(v);
        return std::pair{a.heading, a.pitch};
    };
    auto [heading, pitch] = attitude({0, 10, 0});
    EXPECT_NEAR(heading, Pi / 2, 1e-4);
    EXPECT_FALSE(std::signbit(pitch)) << "a level flight has pitch 0, not -0";
    std::tie(heading, pitch) = attitude({0, -10, 0});
    EXPECT_NEAR(heading, -Pi / 2, 1e-4);
    std::tie(heading, pitch) = attitude({-3, -4, 0});
    EXPECT_NEAR(heading, std::atan2(-4, -3) + 2 * Pi, 1e-12);
    std::tie(heading, pitch) = attitude({0, 0, 10});  // straight up
    EXPECT_TRUE(std::isfinite(heading));
    EXPECT_NEAR(pitch, -Pi / 2, 1e-4);
    std::tie(heading, pitch) = attitude({3, 4, -5});
    EXPECT_NEAR(pitch, Pi / 4, 1e-12);
}

}  // namespace
}  // namespace sky::test
