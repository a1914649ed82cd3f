#include "ui/status_labels.h"

#include <gtest/gtest.h>

namespace sky {
namespace {

const GameState& StateWith(GameState&& s, int language, int player, int energy1, int energy2, int score1,
                           int score2) {
    s.Language = language;
    s.CurrentPlayer = player;
    s.Energy[1] = energy1;
    s.Energy[2] = energy2;
    s.Score[1] = score1;
    s.Score[2] = score2;
    return s;
}

TEST(StatusLabels, GermanTextsAndColours) {
    const StatusLabels l = ComputeStatusLabels(StateWith(GameState{}, 1000, 1, 100, 50, 0, 37));
    EXPECT_EQ(l.laSpieler.text, "Spieler 1");
    EXPECT_EQ(l.laSpieler.colour, (RGB{0, 0, 255}));
    EXPECT_EQ(l.laEnergie1.text, "Energie Sp. 1: 100 %");
    EXPECT_EQ(l.laEnergie1.colour, (RGB{0, 0, 255}));
    EXPECT_EQ(l.laEnergie2.text, "Energie Sp. 2: 50 %");
    EXPECT_EQ(l.laEnergie2.colour, (RGB{155, 0, 0}));
    EXPECT_EQ(l.laPunkte1.text, "Punkte Sp. 1: 0");
    EXPECT_EQ(l.laPunkte1.colour, (RGB{0, 0, 255}));
    EXPECT_EQ(l.laPunkte2.text, "Punkte Sp. 2: 37");
    EXPECT_EQ(l.laPunkte2.colour, (RGB{255, 0, 0}));
}

TEST(StatusLabels, EnergyColourFadesToDarkAtZero) {
    const StatusLabels l = ComputeStatusLabels(StateWith(GameState{}, 2000, 2, 0, 0, 100, 5));
    EXPECT_EQ(l.laSpieler.text, "Player 2");
    EXPECT_EQ(l.laSpieler.colour, (RGB{255, 0, 0}));
    EXPECT_EQ(l.laEnergie1.text, "Energy Pl. 1: 0 %");
    EXPECT_EQ(l.laEnergie1.colour, (RGB{0, 0, 55}));
    EXPECT_EQ(l.laEnergie2.colour, (RGB{55, 0, 0}));
    EXPECT_EQ(l.laPunkte1.text, "Score Pl. 1: 100");

    const StatusLabels half = ComputeStatusLabels(StateWith(GameState{}, 2000, 1, 50, 100, 0, 0));
    EXPECT_EQ(half.laEnergie1.colour, (RGB{0, 0, 155}));
    EXPECT_EQ(half.laEnergie2.colour, (RGB{255, 0, 0}));
}

TEST(StatusLabels, Portuguese) {
    const StatusLabels l = ComputeStatusLabels(StateWith(GameState{}, 3000, 2, 7, 93, 12, 0));
    EXPECT_EQ(l.laSpieler.text, "Jogador 2");
    EXPECT_EQ(l.laEnergie1.text, "Energia Jog. 1: 7 %");
    EXPECT_EQ(l.laEnergie2.text, "Energia Jog. 2: 93 %");
    EXPECT_EQ(l.laEnergie2.colour, (RGB{241, 0, 0}));
    EXPECT_EQ(l.laPunkte1.text, "Pontos Jog. 1: 12");
    EXPECT_EQ(l.laPunkte2.text, "Pontos Jog. 2: 0");
}

}  // namespace
}  // namespace sky
