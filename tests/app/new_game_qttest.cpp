// The start of a game on the real window: what start-up leaves, what NewGame
// resets and keeps, the "[Neues Spiel]" button, and the order of the random
// draws replayed from a known seed.
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/numeric.h"
#include "app/window_fixture.h"
#include "terrain/terrain.h"

namespace {

constexpr double HalfPi = std::numbers::pi / 2;

void Click(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, w->mapTo(w->window(), w->rect().center()));
}
void ClickItem(sky::TRadioGroup* group, int index) {
    QRadioButton* b = group->ItemButton(index);
    QTest::mouseClick(b->window()->windowHandle(), Qt::LeftButton, {}, b->mapTo(b->window(), QPoint(6, 7)));
}

void ExpectStartAims(const sky::GameState& s) {
    for (int p = 1; p <= 2; ++p) {
        SCOPED_TRACE(p);
        EXPECT_DOUBLE_EQ(s.PlayerAim[p].azimuth, -HalfPi);
        EXPECT_DOUBLE_EQ(s.PlayerAim[p].elevation, -0.2);
        EXPECT_DOUBLE_EQ(s.PlayerAim[p].power, 40.0);
    }
}

void ExpectFreshGame(TForm1& f) {
    const sky::GameState& s = f.S;
    EXPECT_EQ(s.Energy[1], 100);
    EXPECT_EQ(s.Energy[2], 100);
    EXPECT_EQ(s.TrailLength, 0);
    EXPECT_EQ(s.DebrisVisible, 0);
    EXPECT_EQ(f.RotX, 70.0);
    EXPECT_EQ(f.RotY, 0.0);
    EXPECT_EQ(s.Zoom, -3.0);
    EXPECT_TRUE(s.CurrentPlayer == 1 || s.CurrentPlayer == 2) << s.CurrentPlayer;
    EXPECT_GE(s.WindDirection, 0);
    EXPECT_LT(s.WindDirection, 2 * std::numbers::pi);
    ExpectStartAims(s);
    EXPECT_EQ(f.Memo1->Lines(), (std::vector<std::string>{"RotX: 70", "RotY: 0", "Zoom: -3"}));
    // The widgets show the start aim: needle up, mark on row 75.
    EXPECT_EQ(f.pb->Canvas().Pixel(60, 20), sky::Rgb(119, 119, 119));
    EXPECT_EQ(f.im3->Canvas().Pixel(12, 75), sky::Rgb(119, 119, 119));
    for (int p = 1; p <= 2; ++p) {
        const sky::Cell& c = s.PlayerPos[p];
        EXPECT_TRUE(c.x >= 75 && c.x <= 424 && c.y >= 75 && c.y <= 424) << p;
        EXPECT_EQ(c.z, s.H(c.x, c.y)) << p;
    }
}

}  // namespace

TEST(NewGame, StartUpLeavesAFreshGame) {
    StartedGame g;
    ExpectFreshGame(g.F1());
    EXPECT_EQ(g.S().Score[1], 0);
    EXPECT_EQ(g.S().Score[2], 0);
    const int p = g.S().CurrentPlayer;
    EXPECT_EQ(g.F1().laSpieler->FontColour(), p == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0));
}

TEST(NewGame, ResetsTheGameAndKeepsTheSettings) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::GameState& s = g.S();
    f.Panel3->resize(205, 287);
    f.FormResize();
    // Settings picked by the user, as the controls deliver them.
    ClickItem(f.radSprache, 1);
    ClickItem(f.radFarben, 2);
    ClickItem(f.radiogr, 0);
    ClickItem(f.radSize, 4);
    ClickItem(f.radSound, 1);
    ClickItem(f.radComp, 2);
    ASSERT_EQ(s.Language, 2000);
    ASSERT_EQ(s.DetailStep, 50);
    s.SoundOn = 0;
    const auto colours = s.ColourTable;
    const int32_t base = s.BaseColour;
    const std::vector<int32_t> land = s.HeightMap;

    // A game in progress.
    s.Score[1] = 5;
    s.Score[2] = 9;
    s.Energy[1] = 13;
    s.Energy[2] = -4;
    s.TrailLength = 77;
    s.DebrisVisible = 1;
    f.RotX = 123.5;
    f.RotY = 301;
    s.Zoom = 1.5;
    s.WindDirection = 99;
    s.PlayerAim[1] = {2.5, -1.2, 3};
    s.PlayerAim[2] = {-0.3, -0.01, 97};
    f.NewGame();

    ExpectFreshGame(f);
    EXPECT_NE(s.HeightMap, land);
    EXPECT_EQ(s.Score[1], 5);
    EXPECT_EQ(s.Score[2], 9);
    EXPECT_EQ(s.Language, 2000);
    EXPECT_EQ(s.SoundOn, 0);
    EXPECT_EQ(s.DetailStep, 50);
    EXPECT_EQ(s.BaseColour, base);
    EXPECT_EQ(s.ColourTable, colours);
    EXPECT_EQ(f.radSprache->ItemIndex(), 1);
    EXPECT_EQ(f.radFarben->ItemIndex(), 2);
    EXPECT_EQ(f.radiogr->ItemIndex(), 0);
    EXPECT_EQ(f.radSize->ItemIndex(), 4);
    EXPECT_EQ(f.radSound->ItemIndex(), 1);
    EXPECT_EQ(f.radComp->ItemIndex(), 2);
    EXPECT_EQ(f.SpeedButton3->Caption(), "[Shoot]");
    // The labels show the new energies and the kept scores.
    EXPECT_EQ(f.laEnergie1->Caption(), "Energy Pl. 1: 100 %");
    EXPECT_EQ(f.laEnergie2->Caption(), "Energy Pl. 2: 100 %");
    EXPECT_EQ(f.laEnergie2->FontColour(), QColor(255, 0, 0));
    EXPECT_EQ(f.laPunkte1->Caption(), "Score Pl. 1: 5");
    EXPECT_EQ(f.laPunkte2->Caption(), "Score Pl. 2: 9");
    EXPECT_EQ(f.laSpieler->Caption(), "Player " + std::to_string(s.CurrentPlayer));
}

TEST(NewGame, TheNewGameButtonClearsTheScores) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::GameState& s = g.S();
    s.Score[1] = 30;
    s.Score[2] = 45;
    s.Energy[1] = 40;
    s.Energy[2] = 60;
    s.PlayerAim[s.CurrentPlayer] = {1, -1, 10};
    const std::vector<int32_t> land = s.HeightMap;
    const double wind = s.WindDirection;
    const sky::Canvas& map = f.imLand->Canvas();
    const std::vector<sky::Colour> mapBefore(map.Bits(), map.Bits() + map.Width() * map.Height());
    const int frames = f.FramesDrawn();

    Click(f.SpeedButton13);
    EXPECT_EQ(s.Score[1], 0);
    EXPECT_EQ(s.Score[2], 0);
    ExpectFreshGame(f);
    EXPECT_NE(s.HeightMap, land);
    EXPECT_NE(s.WindDirection, wind);
    EXPECT_GT(f.FramesDrawn(), frames);
    const std::string pts = s.Language == 1000 ? "Punkte Sp." : s.Language == 2000 ? "Score Pl." : "Pontos Jog.";
    EXPECT_EQ(f.laPunkte1->Caption(), pts + " 1: 0");
    EXPECT_EQ(f.laPunkte2->Caption(), pts + " 2: 0");
    EXPECT_FALSE(std::equal(mapBefore.begin(), mapBefore.end(), map.Bits())) << "the overview map shows the new land";
}

TEST(NewGame, RandomDrawsFollowTheLandscapeThenWindThenPlayer) {
    StartedGame g;
    TForm1& f = g.F1();
    for (const uint32_t seed : {20240611u, 7u}) {
        SCOPED_TRACE(seed);
        g.S().Rng.Seed(seed);
        f.NewGame();

        sky::GameState replay;
        replay.Rng.Seed(seed);
        sky::Canvas scratch(166, 166, sky::Rgb(212, 212, 212));
        replay.ColourTable = g.S().ColourTable;
        sky::GenerateTerrain(replay, scratch);
        const double wind = replay.Rng.Unit() * 2 * sky::Pi;
        const int player = sky::Trunc(replay.Rng.Unit() * 2) + 1;

        EXPECT_EQ(g.S().HeightMap, replay.HeightMap);
        for (int p = 1; p <= 2; ++p) {
            EXPECT_EQ(g.S().PlayerPos[p].x, replay.PlayerPos[p].x);
            EXPECT_EQ(g.S().PlayerPos[p].y, replay.PlayerPos[p].y);
            EXPECT_EQ(g.S().PlayerPos[p].z, replay.PlayerPos[p].z);
        }
        EXPECT_EQ(g.S().WindDirection, wind);
        EXPECT_EQ(g.S().CurrentPlayer, player);
        EXPECT_EQ(g.S().Rng.State(), replay.Rng.State()) << "no further draws";
        // The overview map shows the same landscape and players.
        int differing = 0;
        for (int y = 0; y < 166; ++y)
            for (int x = 0; x < 166; ++x) differing += f.imLand->Canvas().Pixel(x, y) != scratch.Pixel(x, y);
        EXPECT_EQ(differing, 0);
    }
}
