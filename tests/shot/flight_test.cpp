#include "shot/flight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/numeric.h"
#include "shot_fixture.h"

namespace sky {
namespace {

using testing::FlatState;
using testing::StepTime;

double Dist(const Point3& a, const Point3& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

// A hook may run only while the worker holds no lock (the window thread takes it to draw).
bool LockIsFree(GameState& s) {
    if (!s.SharedLock.try_lock()) return false;
    s.SharedLock.unlock();
    return true;
}

TEST(Launch, WorkedExampleFromTheStartAim) {
    const auto s = FlatState(50, {100, 200, 50}, StartAim);
    const Launch l = LaunchOfCurrentPlayer(*s);
    EXPECT_NEAR(l.velocity.x, 0, 1e-9);
    EXPECT_NEAR(l.velocity.y, -58.804, 1e-3);
    EXPECT_NEAR(l.velocity.z, 11.920, 1e-3);
    EXPECT_NEAR(Dist(l.start, {100, 165.012, 69.592}), 0, 1e-3);
    EXPECT_NEAR(Dist(PositionAt(l, 1), {98.5, 106.208, 76.513}), 0, 1e-3);

    const Launch side = LaunchFrom(1, 0.3, 60, {100, 200, 50}, Pi / 2);  // the wind pushes towards -y
    EXPECT_NEAR(Dist(side.acceleration, {0, -3, -10}), 0, 1e-12);
}

TEST(Launch, AimIsFlownAlongTheStoredAzimuthAtTheLimitedPitch) {
    for (const double a : {-7.0, 1.0, -Pi / 2, 4.6, 0.0, 2 * Pi})
        for (const double e : {0.0, -0.2, -1.0, -Pi / 2})
            for (const double power : {0.0, 40.0, 99.0}) {
                auto s = FlatState(0, {200, 200, 30}, {a, e, power});
                const Launch l = LaunchOfCurrentPlayer(*s);
                const double speed = 100 - power;
                const double pitch = std::min(-e, 1.56);
                const Point3& v = l.velocity;
                EXPECT_NEAR(std::hypot(v.x, v.y, v.z), speed, 1e-9);
                EXPECT_NEAR(v.z / speed, std::sin(pitch), 1e-12);
                // the horizontal heading is the stored azimuth's (cos A, sin A), whatever its range
                EXPECT_NEAR(v.x / speed, std::cos(a) * std::cos(pitch), 1e-12);
                EXPECT_NEAR(v.y / speed, std::sin(a) * std::cos(pitch), 1e-12);
                EXPECT_NEAR(Dist(l.start, {200, 200, 42.5}), 35.7, 1e-9);
            }
}

TEST(ShotGround, NearestCellDecidesAndOffTheGridOnlyTheSquareCounts) {
    auto s = FlatState(0, {200, 200, 0}, StartAim);
    s->H(10, 20) = 77;
    EXPECT_FALSE(StillFlying(*s, {10.4, 19.6, 77.0}));  // level with the ground is a hit
    EXPECT_TRUE(StillFlying(*s, {10.4, 19.6, 77.0001}));
    EXPECT_TRUE(StillFlying(*s, {10.6, 19.6, 70.0}));  // over (11, 20), height 0
    EXPECT_TRUE(StillFlying(*s, {499.5, 30, -80}));    // rounds to 500: no ground, flies on below 0
    EXPECT_TRUE(StillFlying(*s, {-100.5, 599.4, -5}));
    EXPECT_FALSE(StillFlying(*s, {-100.6, 30, 100}));
    EXPECT_FALSE(StillFlying(*s, {30, 599.5, 100}));
}

struct Recorder {
    std::vector<PixelPos> pixels;
    std::vector<Point3> plotted;  // Trail[TrailLength] at each plot
    int frames = 0;
    bool lockFree = true;
    ShotHooks Hooks(GameState& s) {
        ShotHooks h;
        h.PlotTrailPixel = [this, &s] {
            lockFree = lockFree && LockIsFree(s);
            pixels.push_back(s.TrailPixel);
            plotted.push_back(s.Trail[s.TrailLength]);
        };
        h.DrawFrame = [this, &s] {
            lockFree = lockFree && LockIsFree(s);
            ++frames;
        };
        return h;
    }
};

TEST(Flight, StartUnderTheGroundEndsAtTheFirstStep) {
    auto s = FlatState(200, {250, 250, 20}, StartAim);
    Recorder rec;
    double shotTime = -1;
    const FlightEnd end = FlyMissile(*s, shotTime, rec.Hooks(*s));
    const Launch l = LaunchOfCurrentPlayer(*s);
    EXPECT_FALSE(end.flying);
    EXPECT_EQ(s->TrailLength, 1);
    EXPECT_EQ(Dist(s->Trail[1], l.start), 0);
    EXPECT_EQ(Dist(end.position, l.start), 0);
    EXPECT_EQ(rec.pixels.size(), 1u);
    EXPECT_EQ(rec.frames, 0);
    EXPECT_EQ(shotTime, 0.005);
    EXPECT_EQ(s->ShotInFlight, 0);
}

TEST(Flight, TrailKeepsEveryTenthStepAndTheFinalPoint) {
    // Level, at speed 90, into a wall that the 28th step (c = 37) reaches.
    auto s = FlatState(0, {100, 250, 0}, {0, 0, 10}, Pi / 2);
    for (int x = 148; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y) s->H(x, y) = 250;
    s->TrailLength = 7;  // a trail of the previous shot
    Recorder rec;
    double shotTime = 0;
    const FlightEnd end = FlyMissile(*s, shotTime, rec.Hooks(*s));
    const Launch l = LaunchOfCurrentPlayer(*s);

    EXPECT_FALSE(end.flying);
    EXPECT_EQ(Round(end.position.x), 148);
    EXPECT_EQ(Dist(end.position, PositionAt(l, StepTime(27))), 0);
    EXPECT_EQ(shotTime, StepTime(28));
    ASSERT_EQ(s->TrailLength, 3);
    EXPECT_EQ(Dist(s->Trail[1], l.start), 0);
    EXPECT_NEAR(Dist(s->Trail[2], PositionAt(l, 0.05)), 0, 1e-9);
    EXPECT_EQ(Dist(s->Trail[3], end.position), 0);  // overwrites the point of step c = 30
    EXPECT_NEAR(Dist(end.acceleration, {0, -3, -10}), 0, 1e-12);
    const double t = StepTime(27);
    EXPECT_NEAR(Dist(s->MissileVelocity, {l.velocity.x, l.velocity.y - 3 * t, -10 * t}), 0, 1e-12);

    ASSERT_EQ(rec.pixels.size(), 4u);  // c = 10, 20, 30 and the last step
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(rec.pixels[i].x, Round(rec.plotted[i].x / 3));
        EXPECT_EQ(rec.pixels[i].y, Round(rec.plotted[i].y / 3));
    }
    EXPECT_EQ(rec.pixels[3].x, 49);
    EXPECT_EQ(rec.pixels[3].y, 83);
    EXPECT_TRUE(rec.lockFree);
    EXPECT_EQ(s->ShotInFlight, 0);
}

TEST(Flight, LeavingTheSquareEndsTheFlightJustOutsideIt) {
    auto east = FlatState(0, {400, 250, 0}, {0, -0.8, 0});
    auto south = FlatState(0, {250, 100, 0}, {-Pi / 2, -0.8, 0});
    double shotTime = 0;
    const FlightEnd e = FlyMissile(*east, shotTime, {});
    const FlightEnd n = FlyMissile(*south, shotTime, {});
    EXPECT_FALSE(e.flying);
    EXPECT_EQ(Round(e.position.x), 600);
    EXPECT_FALSE(n.flying);
    EXPECT_EQ(Round(n.position.y), -101);
}

TEST(Flight, TimesOutInTheAirAfter5001Steps) {
    // Off the grid (y 550) there is no ground; the wind turns the missile back before x leaves the square.
    auto s = FlatState(0, {560, 550, 0}, {Pi, 0, 62.5}, Pi);
    Recorder rec;
    double shotTime = 0;
    const FlightEnd end = FlyMissile(*s, shotTime, rec.Hooks(*s));
    EXPECT_TRUE(end.flying);
    EXPECT_EQ(s->TrailLength, 501);
    EXPECT_EQ(rec.pixels.size(), 501u);
    EXPECT_EQ(Dist(s->Trail[501], PositionAt(LaunchOfCurrentPlayer(*s), StepTime(5000))), 0);
    EXPECT_LT(end.position.z, -1000);
    EXPECT_GT(shotTime, 25);
}

TEST(Flight, FramesAreDrawnOnlyWhileTheSimulationIsAheadOfTheClock) {
    const auto fly = [](int64_t perDraw, int64_t perRead, bool stop, std::vector<double>* drawnAt) {
        auto s = FlatState(0, {250, 250, 0}, StartAim);
        int64_t now = 1000;
        double shotTime = 0;
        ShotHooks h;
        h.Clock = [&] { return now += perRead; };
        h.DrawFrame = [&] {
            if (drawnAt) drawnAt->push_back(shotTime);
            now += perDraw;
        };
        h.StopRequested = [stop] { return stop; };
        int plots = 0;
        h.PlotTrailPixel = [&] { ++plots; };
        FlyMissile(*s, shotTime, h);
        return std::pair{static_cast<int>(std::lround(shotTime / 0.005)), plots};
    };
    std::vector<double> still, slow, ahead, stopped;
    const auto [steps, plots] = fly(0, 0, false, &still);
    EXPECT_EQ(static_cast<int>(still.size()), steps - 1);  // all but the first step
    EXPECT_EQ(fly(0, 0, true, &stopped).second, plots);    // a stop keeps the trail, drops the frames
    EXPECT_TRUE(stopped.empty());
    fly(0, 1000, false, &ahead);
    EXPECT_TRUE(ahead.empty());

    // A display that needs 50 ms a frame: steps are skipped until the simulation catches up.
    fly(50, 0, false, &slow);
    ASSERT_GT(steps, 500);
    EXPECT_NEAR(static_cast<double>(slow.size()), steps * 0.005 / 0.05, 1.5);
    for (std::size_t i = 0; i < slow.size(); ++i) EXPECT_GT(slow[i] * 1000, 50.0 * static_cast<double>(i));
}

}  // namespace
}  // namespace sky
