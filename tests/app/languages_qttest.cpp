// The language switch of the real window: the user clicks an item of
// radSprache and every caption, item list and status label changes with it.
#include <QRadioButton>

#include <string>
#include <vector>

#include "app/window_fixture.h"

namespace {

using Items = std::vector<std::string>;

struct Texts {
    int language;
    const char* shoot;
    const char* colourCaption;
    Items colours;
    const char* detailCaption;
    const char* lookCaption;
    Items looks;
    const char* languageCaption;
    const char* newGame;
    const char* soundCaption;
    Items sound;
    const char* computer;
    const char* levelCaption;
    Items levels;
    const char* player;
    const char* energy;
    const char* score;
};

const Texts German{1000,
                   "[Schuss]",
                   " Farbe ",
                   {"Bunt", "Grau", "Rot", "Grün", "Blau", "Braun"},
                   " Details ",
                   " Aussehen ",
                   {"Linien", "Linien mit Flächen", "Flächen"},
                   " Language - Língua ",
                   "[Neues Spiel]",
                   " Sound ",
                   {"An", "Aus"},
                   "[Computer]",
                   " Computer-Intelligenz ",
                   {"Niedrig", "Mittel", "Hoch"},
                   "Spieler",
                   "Energie Sp.",
                   "Punkte Sp."};

const Texts English{2000,
                    "[Shoot]",
                    " Color ",
                    {"Mixed", "Gray", "Red", "Green", "Blue", "Brown"},
                    " Details ",
                    " Look ",
                    {"Lines", "Lines and Planes", "Planes"},
                    " Sprache - Língua ",
                    "[New Game]",
                    " Sound ",
                    {"On", "Off"},
                    "[Computer]",
                    " Computer Intelligence ",
                    {"Low", "Medium", "High"},
                    "Player",
                    "Energy Pl.",
                    "Score Pl."};

const Texts Portuguese{3000,
                       "[Atirar]",
                       " Cor ",
                       {"Colorido", "Cinza", "Vermelha", "Verde", "Azul", "Marrom"},
                       "Detalhes",
                       " Aspecto ",
                       {"Linhas", "Linhas e Áreas", "Áreas"},
                       " Sprache - Language ",
                       "[Jogo Novo]",
                       " Som ",
                       {"Lig.", "Desl."},
                       "[Computador]",
                       " Inteligência de Comp. ",
                       {"Baixo", "Médio", "Alto"},
                       "Jogador",
                       "Energia Jog.",
                       "Pontos Jog."};

// A click as the window system delivers it: at the item's place in the window,
// so it reaches the button only if nothing covers it.
void ClickItem(sky::TRadioGroup* group, int index) {
    QRadioButton* b = group->ItemButton(index);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b->window()->windowHandle(), Qt::LeftButton, {}, b->mapTo(b->window(), QPoint(6, 7)));
}

// The items the group stores and the texts its buttons show.
void ExpectItems(const sky::TRadioGroup* group, const Items& expected, const char* name) {
    EXPECT_EQ(group->Items(), expected) << name;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QRadioButton* b = group->ItemButton(static_cast<int>(i));
        ASSERT_NE(b, nullptr) << name << " item " << i;
        EXPECT_EQ(b->text().toStdString(), expected[i]) << name << " item " << i;
    }
    EXPECT_EQ(group->ItemButton(static_cast<int>(expected.size())), nullptr) << name << " has extra items";
}

void ExpectCaptions(TForm1& f, const Texts& t) {
    SCOPED_TRACE(t.language);
    EXPECT_EQ(f.SpeedButton3->Caption(), t.shoot);
    EXPECT_EQ(f.radFarben->Caption(), t.colourCaption);
    ExpectItems(f.radFarben, t.colours, "radFarben");
    EXPECT_EQ(f.radSize->Caption(), t.detailCaption);
    ExpectItems(f.radSize, {"1+", "2", "3", "4", "5-"}, "radSize");
    EXPECT_EQ(f.radiogr->Caption(), t.lookCaption);
    ExpectItems(f.radiogr, t.looks, "radiogr");
    EXPECT_EQ(f.radSprache->Caption(), t.languageCaption);
    ExpectItems(f.radSprache, {"Deutsch", "English", "Português"}, "radSprache");
    EXPECT_EQ(f.SpeedButton13->Caption(), t.newGame);
    EXPECT_EQ(f.radSound->Caption(), t.soundCaption);
    ExpectItems(f.radSound, t.sound, "radSound");
    EXPECT_EQ(f.sbComp->Caption(), t.computer);
    EXPECT_EQ(f.radComp->Caption(), t.levelCaption);
    ExpectItems(f.radComp, t.levels, "radComp");
    EXPECT_EQ(f.Label1->isVisible(), t.language == 3000) << "Vento";
    EXPECT_EQ(f.Label1->Caption(), "Vento");
    // Never translated.
    EXPECT_EQ(f.SpeedButton4->Caption(), "[i]");
    EXPECT_EQ(f.SpeedButton12->Caption(), "[i]");
    EXPECT_EQ(f.SpeedButton14->Caption(), "[i]");
}

void ExpectStatusLabels(TForm1& f, const Texts& t) {
    SCOPED_TRACE(t.language);
    const sky::GameState& s = f.S;
    const int p = s.CurrentPlayer;
    const std::string e1 = std::to_string(s.Energy[1]), e2 = std::to_string(s.Energy[2]);
    EXPECT_EQ(f.laSpieler->Caption(), std::string(t.player) + " " + std::to_string(p));
    EXPECT_EQ(f.laSpieler->FontColour(), p == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0));
    EXPECT_EQ(f.laEnergie1->Caption(), std::string(t.energy) + " 1: " + e1 + " %");
    EXPECT_EQ(f.laEnergie2->Caption(), std::string(t.energy) + " 2: " + e2 + " %");
    EXPECT_EQ(f.laPunkte1->Caption(), std::string(t.score) + " 1: " + std::to_string(s.Score[1]));
    EXPECT_EQ(f.laPunkte2->Caption(), std::string(t.score) + " 2: " + std::to_string(s.Score[2]));
    EXPECT_EQ(f.laPunkte1->FontColour(), QColor(0, 0, 255));
    EXPECT_EQ(f.laPunkte2->FontColour(), QColor(255, 0, 0));
}

void UnfoldSettings(TForm1& f) {
    f.Panel3->resize(205, 287);
    f.FormResize();
    QTest::qWait(20);
}

}  // namespace

TEST(Languages, ClickingEachLanguageRewritesEveryCaptionAndLabel) {
    StartedGame g;
    TForm1& f = g.F1();
    UnfoldSettings(f);
    // The start-up language decides which click comes first; visit all three
    // and end on the one the window started in.
    const int start = g.S().Language / 1000 - 1;
    const Texts* table[] = {&German, &English, &Portuguese};
    for (int step = 1; step <= 3; ++step) {
        const int index = (start + step) % 3;
        const Texts& t = *table[index];
        ClickItem(f.radSprache, index);
        EXPECT_EQ(g.S().Language, t.language);
        EXPECT_EQ(f.radSprache->ItemIndex(), index);
        ExpectCaptions(f, t);
        ExpectStatusLabels(f, t);
        g.Screenshot(QString("settings_%1").arg(t.language));
    }
}

TEST(Languages, StatusLabelsFollowTheStateAtTheSwitch) {
    StartedGame g;
    TForm1& f = g.F1();
    UnfoldSettings(f);
    sky::GameState& s = g.S();
    s.CurrentPlayer = 2;
    s.Energy[1] = 30;
    s.Energy[2] = 50;
    s.Score[1] = 7;
    s.Score[2] = 112;
    ClickItem(f.radSprache, 2);
    ExpectStatusLabels(f, Portuguese);
    EXPECT_EQ(f.laSpieler->Caption(), "Jogador 2");
    EXPECT_EQ(f.laEnergie1->Caption(), "Energia Jog. 1: 30 %");
    EXPECT_EQ(f.laEnergie1->FontColour(), QColor(0, 0, 115));
    EXPECT_EQ(f.laEnergie2->FontColour(), QColor(155, 0, 0));
    EXPECT_EQ(f.laPunkte2->Caption(), "Pontos Jog. 2: 112");

    s.CurrentPlayer = 1;
    s.Energy[1] = 0;
    s.Energy[2] = 100;
    ClickItem(f.radSprache, 0);
    ExpectStatusLabels(f, German);
    EXPECT_EQ(f.laSpieler->Caption(), "Spieler 1");
    EXPECT_EQ(f.laEnergie1->Caption(), "Energie Sp. 1: 0 %");
    EXPECT_EQ(f.laEnergie1->FontColour(), QColor(0, 0, 55));
    EXPECT_EQ(f.laEnergie2->FontColour(), QColor(255, 0, 0));
    EXPECT_EQ(f.laPunkte1->Caption(), "Punkte Sp. 1: 7");
    // A label sized to a longer text grows with it.
    EXPECT_EQ(f.laEnergie1->width(), f.laEnergie1->sizeHint().width());
}

TEST(Languages, SwitchingKeepsTheColourSchemeAndEverySelection) {
    StartedGame g;
    TForm1& f = g.F1();
    UnfoldSettings(f);
    ClickItem(f.radFarben, 3);  // "Grün"
    ASSERT_EQ(f.radFarben->ItemIndex(), 3);
    const auto colours = g.S().ColourTable;
    const int32_t base = g.S().BaseColour;
    const sky::Colour scaleTop = f.imFarben->Canvas().Pixel(15, 5);
    const int look = f.radiogr->ItemIndex(), detail = f.radSize->ItemIndex();
    const int sound = f.radSound->ItemIndex(), level = f.radComp->ItemIndex();
    const int detailStep = g.S().DetailStep;

    const char* const green[] = {"Grün", "Green", "Verde"};
    for (int index : {2, 1, 0}) {
        SCOPED_TRACE(index);
        ClickItem(f.radSprache, index);
        EXPECT_EQ(f.radFarben->ItemIndex(), 3);
        EXPECT_TRUE(f.radFarben->ItemButton(3)->isChecked());
        EXPECT_EQ(f.radFarben->ItemButton(3)->text().toStdString(), green[index]);
        EXPECT_EQ(g.S().ColourTable, colours);
        EXPECT_EQ(g.S().BaseColour, base);
        EXPECT_EQ(f.imFarben->Canvas().Pixel(15, 5), scaleTop);
        EXPECT_EQ(f.radiogr->ItemIndex(), look);
        EXPECT_TRUE(f.radiogr->ItemButton(look)->isChecked());
        EXPECT_EQ(f.radSize->ItemIndex(), detail);
        EXPECT_EQ(f.radSound->ItemIndex(), sound);
        EXPECT_TRUE(f.radSound->ItemButton(sound)->isChecked());
        EXPECT_EQ(f.radComp->ItemIndex(), level);
        EXPECT_TRUE(f.radComp->ItemButton(level)->isChecked());
        EXPECT_EQ(g.S().DetailStep, detailStep);
    }
}

TEST(Languages, SettingTheIndexFromCodeIsNoPick) {
    StartedGame g;
    TForm1& f = g.F1();
    UnfoldSettings(f);
    ClickItem(f.radSprache, 0);
    ASSERT_EQ(g.S().Language, 1000);
    f.radSprache->SetItemIndex(2);
    QTest::qWait(20);
    EXPECT_EQ(f.radSprache->ItemIndex(), 2);
    EXPECT_EQ(g.S().Language, 1000);
    EXPECT_EQ(f.SpeedButton3->Caption(), "[Schuss]");
    EXPECT_FALSE(f.Label1->isVisible());
    // The user's next pick counts again.
    ClickItem(f.radSprache, 1);
    EXPECT_EQ(g.S().Language, 2000);
    EXPECT_EQ(f.SpeedButton3->Caption(), "[Shoot]");
}

TEST(Languages, FoldedSettingsCannotBeClicked) {
    // While the panel is folded the language group lies outside it: a click at
    // its place reaches the 3D view, not the group.
    StartedGame g;
    TForm1& f = g.F1();
    ASSERT_EQ(f.Panel3->width(), 40);
    const int before = g.S().Language;
    const int other = (before / 1000) % 3;  // an item that is not selected
    ClickItem(f.radSprache, other);
    EXPECT_EQ(g.S().Language, before);
    EXPECT_EQ(f.radSprache->ItemIndex(), before / 1000 - 1);
}
