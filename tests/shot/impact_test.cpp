#include "shot/impact.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/numeric.h"
#include "shot_fixture.h"

namespace sky {
namespace {

using testing::FlatState;

FlightEnd HitAt(double x, double y) { return {{x, y, 0}, false, {-3, 0, -10}}; }

void Resolve(GameState& s, const FlightEnd& end, ShotHooks h = {}) {
    double shotTime = 0;
    ResolveImpact(s, end, shotTime, h);
}

TEST(Impact, DamageFallsOffLinearlyFrom5To40Cells) {
    const std::vector<std::pair<double, int>> table{{0, 100}, {5, 100},    {6, 97},      {10, 86}, {20, 57},
                                                    {30, 29}, {39, 3},     {39.999, 0},  {40, 0},  {300, 0}};
    for (const auto& [r, damage] : table) EXPECT_EQ(Damage(r), damage) << "r = " << r;
}

TEST(Impact, WinnerIsTheOtherOfTheBeatenAndPlayer1WhenBothAre) {
    const auto winner = [](int e1, int e2) {
        OneBased<int32_t, 2> e;
        e[1] = e1;
        e[2] = e2;
        return EndOfGameWinner(e);
    };
    EXPECT_EQ(winner(100, 1), 0);
    EXPECT_EQ(winner(0, 50), 2);
    EXPECT_EQ(winner(43, 0), 1);
    EXPECT_EQ(winner(0, 0), 1);
}

TEST(Impact, CraterIsACosineBowlThatNeverRaisesTheGround) {
    auto s = FlatState(100, {60, 60, 100}, StartAim);
    s->H(260, 250) = 30;  // a shallow spot inside the bowl
    s->H(250, 270) = 0;
    Resolve(*s, HitAt(249.6, 250.4));  // the nearest cell is the centre, wherever the missile was
    const std::vector<std::pair<int, int>> depthAt{{0, 60}, {30, 42}, {50, 16}, {59, 2}, {60, 0}, {61, 0}};
    for (const auto& [r, depth] : depthAt) {
        EXPECT_EQ(s->H(250 + r, 250), 100 - depth) << "r = " << r;
        EXPECT_EQ(s->H(250, 250 - r), 100 - depth) << "r = " << r;
    }
    EXPECT_EQ(s->H(250 + 42, 250 + 42), 99);  // r = 59.4
    EXPECT_EQ(s->H(250 + 43, 250 + 42), 100); // r = 60.1
    EXPECT_EQ(s->H(260, 250), 0);
    EXPECT_EQ(s->H(250, 270), 0);
    for (const int32_t h : s->HeightMap) ASSERT_TRUE(h >= 0 && h <= 100);
    EXPECT_EQ(s->Energy[1], 100);
    EXPECT_EQ(s->PlayerPos[1].z, 100);  // far from the crater: untouched

    auto corner = FlatState(100, {200, 200, 100}, StartAim);
    Resolve(*corner, HitAt(0.3, -0.4));
    EXPECT_EQ(corner->H(0, 0), 40);
    EXPECT_EQ(corner->H(59, 0), 98);
    EXPECT_EQ(corner->H(0, 59), 98);
    for (int i = 0; i < GridSize; ++i) {  // no wrap into the far rows or columns
        ASSERT_EQ(corner->H(i, 499), 100);
        ASSERT_EQ(corner->H(499, i), 100);
    }
}

TEST(Impact, PlayersNearTheHitLoseEnergyTheShooterToo) {
    auto s = FlatState(100, {250, 250, 100}, StartAim);
    s->PlayerPos[2] = {270, 250, 100};
    Resolve(*s, HitAt(260, 250));  // 10 from the shooter, 10 from player 2
    EXPECT_EQ(s->Energy[1], 14);
    EXPECT_EQ(s->Energy[2], 14);
    Resolve(*s, HitAt(250.2, 249.8));
    EXPECT_EQ(s->Energy[1], 0);  // never below 0
    EXPECT_EQ(s->Energy[2], 0);
}

TEST(Impact, PlayerWhoseCellWasDugSinksOntoANewPlatform) {
    auto s = FlatState(100, {250, 250, 100}, StartAim);
    Resolve(*s, HitAt(256, 250));
    EXPECT_EQ(s->Energy[1], 3);  // 6 cells away: 97 damage
    const int hc = 100 - 59;  // the bowl's depth 6 cells from its centre
    EXPECT_EQ(s->PlayerPos[1].z, hc);
    for (int dx = -25; dx <= 25; ++dx)
        for (int dy = -25; dy <= 25; ++dy)
            if (dx * dx + dy * dy < 625) {
                ASSERT_EQ(s->H(250 + dx, 250 + dy), hc) << dx << "," << dy;
            }
    EXPECT_EQ(s->H(250 - 54, 250), 98);  // beyond the bowl, blended from 100 down to the platform
    EXPECT_EQ(s->H(250 - 55, 250), 100);

    // A bowl that reaches the platform but not the player's own cell leaves both as they are.
    auto edge = FlatState(100, {250, 250, 100}, StartAim);
    Resolve(*edge, HitAt(315, 250));
    EXPECT_EQ(edge->PlayerPos[1].z, 100);
    EXPECT_EQ(edge->H(250, 250), 100);
    EXPECT_LT(edge->H(270, 250), 100);
    EXPECT_EQ(edge->Energy[1], 100);
}

TEST(Impact, MissOrTimeOutDigsNothingButStillDamages) {
    auto s = FlatState(100, {0, 250, 100}, StartAim);
    int sounds = 0, frames = 0;
    ShotHooks h;
    h.PlayBlastSound = [&] { ++sounds; };
    h.DrawFrame = [&] { ++frames; };
    const std::vector<int32_t> before = s->HeightMap;
    Resolve(*s, HitAt(-30.4, 250), h);  // off the grid
    EXPECT_EQ(s->Energy[1], 71);
    s->Energy[1] = 100;
    Resolve(*s, {{10.4, 250, 300}, true, {-3, 0, -10}}, h);  // timed out in the air over the grid
    EXPECT_EQ(s->Energy[1], 14);
    EXPECT_EQ(sounds + frames, 0);
    EXPECT_EQ(s->HeightMap, before);
    EXPECT_EQ(s->DebrisVisible, 0);
    EXPECT_EQ(s->Debris[0].velocity.z, 0);
}

TEST(ImpactDebris, ThrownInSeedOrderWithColoursOfHeightsNearTheImpact) {
    for (const uint8_t soundOn : {0, 1}) {
        auto s = FlatState(5, {250, 250, 5}, StartAim);  // h0 5: draws of heights below 0 are repeated
        for (int k = 0; k < 256; ++k) s->ColourTable[static_cast<std::size_t>(k)] = {k + 256, 255 - k, 3 * k};
        s->SoundOn = soundOn;
        s->Rng.Seed(1234);
        int sounds = 0;
        ShotHooks h;
        h.PlayBlastSound = [&] {  // the window thread draws which blast to play
            ++sounds;
            s->Rng.Unit();
        };
        Resolve(*s, HitAt(100.3, 300.7), h);
        EXPECT_EQ(sounds, soundOn);

        Random replay(1234);
        if (soundOn) replay.Unit();
        for (const TDebrisParticle& d : s->Debris) {
            double u[5];
            for (double& v : u) v = replay.Unit();
            ASSERT_EQ(d.start.x, 100.3 + 50 * u[0] - 25);
            ASSERT_EQ(d.start.y, 300.7 + 50 * u[1] - 25);
            ASSERT_EQ(d.start.z, 15);  // above the ground as it was before the crater
            ASSERT_EQ(d.velocity.x, 300 * u[2] - 150);
            ASSERT_EQ(d.velocity.y, 300 * u[3] - 150);
            ASSERT_EQ(d.velocity.z, 150 * u[4]);
            int k;
            do k = Round(40 * replay.Unit() + 5 - 20);
            while (k < 0);
            ASSERT_LE(k, 25);
            ASSERT_EQ(d.r, k);  // the low byte of each channel
            ASSERT_EQ(d.g, 255 - k);
            ASSERT_EQ(d.b, (3 * k) & 0xFF);
        }
        EXPECT_EQ(replay.State(), s->Rng.State());  // nothing else was drawn
    }
}

TEST(ImpactDebris, FliesFiveSecondsUnderTheShotsWindDrawnWhileAheadOfTheClock) {
    const Point3 g{1.5, -2.5, -10};
    const auto animate = [&](int64_t perRead, bool stop, std::vector<double>& frames) {
        auto s = FlatState(120, {250, 250, 120}, StartAim);
        double shotTime = 0;
        int64_t now = 0;
        bool consistent = true;
        ShotHooks h;
        h.Clock = [&] { return now += perRead; };
        h.StopRequested = [stop] { return stop; };
        h.DrawFrame = [&] {
            const TDebrisParticle& d = s->Debris[7];
            const Point3 p = PositionAt({d.velocity, d.start, g}, shotTime);
            consistent = consistent && s->DebrisVisible == 1 && p.x == d.pos.x && p.y == d.pos.y && p.z == d.pos.z;
            frames.push_back(shotTime);
        };
        ResolveImpact(*s, {{300, 260, 0}, false, g}, shotTime, h);
        EXPECT_TRUE(consistent);
        EXPECT_EQ(s->DebrisVisible, 1);
        EXPECT_GT(shotTime, 5);
        return s;
    };
    std::vector<double> still, late, stopped;
    animate(0, false, still);
    ASSERT_EQ(still.size(), 101u);
    EXPECT_EQ(still.front(), 0);
    EXPECT_NEAR(still.back(), 5, 1e-9);
    animate(1000, false, late);
    EXPECT_EQ(late, std::vector<double>{0});  // the first frame is always shown
    const auto s = animate(0, true, stopped);
    EXPECT_TRUE(stopped.empty());
    const TDebrisParticle& d = s->Debris[99];  // still moved to the last frame's time
    EXPECT_NEAR(d.pos.z, d.start.z + d.velocity.z * 5 - 125, 1e-6);
    EXPECT_NEAR(d.pos.x, d.start.x + d.velocity.x * 5 + 0.75 * 25, 1e-6);
}

}  // namespace
}  // namespace sky
