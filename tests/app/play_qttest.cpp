// The ways to play in the real window: the computer taking Player 2's turns
// by itself, a demo going from game to game on its own, the New game dialog,
// and the command line that chooses them.
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <string>
#include <vector>

#include "app/command_line_qt.h"
#include "app/form4_qt.h"
#include "app/new_game_dialog_qt.h"
#include "app/window_fixture.h"

using sky::PlayChoice;
using sky::PlayKind;

namespace {

PlayChoice Choice(PlayKind kind, int level = -1) {
    PlayChoice c;
    c.kind = kind;
    c.level = level;
    return c;
}

bool Locked(TForm1& f) {
    for (QWidget* w : {static_cast<QWidget*>(f.SpeedButton3), static_cast<QWidget*>(f.im3),
                       static_cast<QWidget*>(f.im2), static_cast<QWidget*>(f.pb),
                       static_cast<QWidget*>(f.SpeedButton13), static_cast<QWidget*>(f.sbComp)})
        if (w->isEnabled()) return false;
    return true;
}

bool Unlocked(TForm1& f) {
    return f.SpeedButton3->isEnabled() && f.im3->isEnabled() && f.im2->isEnabled() && f.pb->isEnabled() &&
           f.SpeedButton13->isEnabled() && f.sbComp->isEnabled();
}

sky::CommandLine Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "skyburst3d");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    return sky::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

TEST(Play, TheComputerTakesPlayerTwosTurnsAfterAPause) {
    StartedGame g;
    TForm1& f = g.F1();
    g.S().CurrentPlayer = 1;
    g.S().Energy[1] = g.S().Energy[2] = 1000;  // no shot of the two ends the game
    f.RefreshAimWidgets();
    f.Play(Choice(PlayKind::Computer, 2), false);
    EXPECT_EQ(f.windowTitle().toStdString(), "Skyburst 3D - against the computer");
    EXPECT_EQ(f.radComp->ItemIndex(), 2);
    ASSERT_TRUE(Unlocked(f)) << "Player 1 is the one at this computer";

    f.SpeedButton3Click();
    ASSERT_TRUE(WaitFor([&] { return !f.Game.ShotRunning(); }, 60000));
    ASSERT_EQ(g.S().CurrentPlayer, 2);
    EXPECT_TRUE(Locked(f)) << "the computer's turn locks what a shot locks";
    QTest::qWait(400);
    EXPECT_FALSE(f.Game.ShotRunning()) << "the turn change is seen before the computer fires";
    ASSERT_TRUE(WaitFor([&] { return f.Game.ShotRunning(); }, 3000)) << "the computer fires by itself";
    ASSERT_TRUE(WaitFor([&] { return !f.Game.ShotRunning(); }, 60000));
    EXPECT_EQ(g.S().CurrentPlayer, 1);
    EXPECT_TRUE(Unlocked(f));
    EXPECT_TRUE(f.Announcer->accessibleName().endsWith("Player 1's turn. That is you."))
        << f.Announcer->accessibleName().toStdString();
}

TEST(Play, ADemoGoesFromGameToGameByItself) {
    StartedGame g;
    TForm1& f = g.F1();
    int shownFor = 0;  // tenths of a second the winner window has been open
    bool winnerLeftOpen = false;
    QTimer rescue;     // only if the winner window fails to close itself
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        if (!g.program->Form4->isVisible()) return;
        if (++shownFor > 80) winnerLeftOpen = true, g.program->Form4->accept();
    });
    rescue.start(100);
    const int first = g.S().CurrentPlayer;
    g.S().Energy[3 - first] = 0;  // whatever the first shot does, it ends the game
    f.Play(Choice(PlayKind::Demo), false);
    EXPECT_EQ(f.windowTitle().toStdString(), "Skyburst 3D - computer against computer");
    ASSERT_TRUE(WaitFor([&] { return g.S().Score[first] > 0; }, 60000)) << "the first game was won";
    EXPECT_FALSE(winnerLeftOpen) << "the winner window closes by itself in a demo";
    EXPECT_GT(shownFor, 20) << "after a few seconds";
    EXPECT_EQ(g.S().Energy[1] + g.S().Energy[2], 200) << "and the next game began";
    ASSERT_TRUE(WaitFor([&] { return f.Game.ShotRunning(); }, 3000)) << "the computer plays on";
}

TEST(Play, CtrlNOpensTheNewGameDialogInTheWindowsLanguage) {
    StartedGame g;
    TForm1& f = g.F1();
    f.radSprache->ItemButton(0)->click();  // German
    EXPECT_NE(f.SpeedButton13->toolTip().indexOf("Strg+N"), -1);
    g.S().Score[1] = 7;
    QString title;
    QTimer::singleShot(200, [&] {
        auto* dialog = dynamic_cast<NewGameDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        title = dialog->windowTitle();
        dialog->Kinds->button(static_cast<int>(PlayKind::Computer))->click();
        dialog->PlayButton->click();
    });
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_N, Qt::ControlModifier);
    QApplication::sendEvent(f.im3, &press);
    QApplication::sendEvent(f.im3, &release);
    ASSERT_TRUE(WaitFor([&] { return f.Playing().kind == PlayKind::Computer; }));
    EXPECT_EQ(title.toStdString(), "Neues Spiel");
    EXPECT_EQ(f.windowTitle().toStdString(), "Skyburst 3D - gegen den Computer");
    EXPECT_EQ(g.S().Score[1], 0) << "a new game of the chosen kind, scores back to 0";
}

TEST(Play, TheCommandLineChoosesHowToPlayOrSaysWhatIsWrong) {
    EXPECT_EQ(Parse({}).choice.kind, PlayKind::HotSeat);
    const sky::CommandLine computer = Parse({"--computer", "high"});
    EXPECT_TRUE(computer.run);
    EXPECT_EQ(computer.choice.kind, PlayKind::Computer);
    EXPECT_EQ(computer.choice.level, 2);
    EXPECT_EQ(Parse({"--demo"}).choice.level, -1) << "the panel's level";
    const sky::CommandLine join = Parse({"--join", "[::1]:4000", "--code", "abc234"});
    EXPECT_EQ(join.choice.address, "::1");
    EXPECT_EQ(join.choice.port, 4000);
    EXPECT_EQ(join.choice.code, "ABC234");
    EXPECT_FALSE(join.choice.ask);
    EXPECT_TRUE(Parse({"--join"}).choice.ask) << "the dialog asks for the address and code";
    EXPECT_EQ(Parse({"--host", "0", "-platform", "offscreen"}).choice.port, 0) << "toolkit options pass";
    EXPECT_EQ(Parse({"--host", "--seed", "4294967295"}).choice.seed, 4294967295u);
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--computer", "hard"}, {"--host", "65536"}, {"--demo", "--join", "h"},
          {"--code", "ABC234"}, {"--join", "h", "--code", "ABC10O"}, {"--nonsense"}, {"stray"},
          {"--join", "h", "--seed", "1"}, {"--host", "--seed", "-1"}}) {
        const sky::CommandLine c = Parse(bad);
        EXPECT_FALSE(c.run) << bad[0];
        EXPECT_EQ(c.exitCode, 2);
        EXPECT_EQ(c.error.find('\n'), std::string::npos) << "one line";
    }
    const sky::CommandLine help = Parse({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.output.find("--join <HOST[:PORT]>"), std::string::npos);
}
