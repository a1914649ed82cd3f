#include "ui/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace sky {
namespace {

int Lines(const std::string& s) { return 1 + static_cast<int>(std::count(s.begin(), s.end(), '\n')); }

TEST(StringTable, TextsKeepTheirBlanksAndLetters) {
    // Literal UTF-8 here, independent of how the table spells its characters.
    EXPECT_EQ(LoadStr(1003), " Farbe ");
    EXPECT_EQ(LoadStr(3005), "Detalhes");
    EXPECT_EQ(LoadStr(1005), " Details ");
    EXPECT_EQ(LoadStr(1004), "Bunt\nGrau\nRot\nGrün\nBlau\nBraun");
    EXPECT_EQ(LoadStr(1007), "Linien\nLinien mit Flächen\nFlächen");
    EXPECT_EQ(LoadStr(3007), "Linhas\nLinhas e Áreas\nÁreas");
    EXPECT_EQ(LoadStr(1008), " Language - Língua ");
    EXPECT_EQ(LoadStr(3018), " Inteligência de Comp. ");
    EXPECT_EQ(LoadStr(3019), "Baixo\nMédio\nAlto");
    EXPECT_EQ(LoadStr(2016), "On\nOff");
    EXPECT_EQ(LoadStr(3016), "Lig.\nDesl.");
    EXPECT_EQ(LoadStr(2000), "[Shoot]");
    EXPECT_EQ(LoadStr(3017), "[Computador]");
    EXPECT_EQ(LoadStr(1020),
              "Hier kannst du den Computer mitspielen lassen. Er spielt dann für den aktuellen Spieler.");
    EXPECT_EQ(LoadStr(3009),
              "Depois de ajustar a força (à esquerda) e os dois ângulos (à direita) para o tiro, você pode "
              "atirar o míssil através de clicar em [Atirar].");
}

TEST(StringTable, CameraHelpHasFourLines) {
    for (int language : {1000, 2000, 3000}) {
        EXPECT_EQ(Lines(LoadStr(language + 10)), 4) << language;
        EXPECT_EQ(Lines(LoadStr(language + 9)), 1) << language;
        EXPECT_EQ(Lines(LoadStr(language + 20)), 1) << language;
    }
    const std::string& de = LoadStr(1010);
    const auto second = de.find('\n') + 1;
    EXPECT_EQ(de.substr(second, de.find('\n', second) - second),
              "Drehen kannst du auch, indem du mit gedrückter linker Maustaste die Landschaft \"ziehst\".");
    EXPECT_EQ(LoadStr(2010).substr(LoadStr(2010).rfind('\n') + 1),
              "But take care: After rotating the landscape, you must rethink regarding the shot angles and the "
              "wind direction.");
    EXPECT_EQ(LoadStr(3010).substr(0, LoadStr(3010).find('\n')), "Aqui você pode rodar a paisagem e ajustar o zum.");
}

TEST(StringTable, EveryIdOfTheThreeBlocksIsFilledAndNothingElse) {
    for (int language : {1000, 2000, 3000})
        for (int k = 0; k <= 20; ++k) EXPECT_FALSE(LoadStr(language + k).empty()) << language + k;
    for (int id : {-1, 0, 999, 1021, 1999, 2021, 2500, 3021, 3999, 4000, 4005, 100000})
        EXPECT_TRUE(LoadStr(id).empty()) << id;
}

TEST(StringTable, RadioGroupsHaveTheSameItemsInEveryLanguage) {
    const std::pair<int, int> groups[] = {{4, 6}, {7, 3}, {16, 2}, {19, 3}};
    for (const auto& [k, items] : groups)
        for (int language : {1000, 2000, 3000}) EXPECT_EQ(Lines(LoadStr(language + k)), items) << language + k;
}

TEST(StringTable, WinnerTexts) {
    EXPECT_EQ(WinnerText(1000, 2), "Dieses Mal hat Spieler 2 gewonnen.");
    EXPECT_EQ(WinnerText(2000, 1), "This time Player 1 has won.");
    EXPECT_EQ(WinnerText(3000, 1), "Esta vez jogador 1 ganhou.");
}

}  // namespace
}  // namespace sky
