// Shots fired in the real window: the controls locked (and looking locked) for
// the whole shot, the turn handed over, the winner announced, the computer's
// shot, and closing the window in the middle of a shot.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <map>
#include <set>

#include "app/window_fixture.h"
#include "app/form4_qt.h"
#include "core/numeric.h"
#include "ui/strings.h"

namespace {

bool ShotOver(TForm1& f) { return f.ShotThread && f.ShotThread->Finished(); }

std::vector<QWidget*> ShotControls(TForm1& f) {
    return {f.SpeedButton3, f.im3, f.im2, f.pb, f.SpeedButton13, f.sbComp};
}

std::vector<bool> Enabled(TForm1& f) {
    std::vector<bool> out;
    for (QWidget* w : ShotControls(f)) out.push_back(w->isEnabled());
    return out;
}

// What every control of the panels looks like now.
std::map<QWidget*, QImage> Looks(TForm1& f) {
    std::map<QWidget*, QImage> looks;
    for (QWidget* panel : {f.Panel1, f.Panel2, f.Panel3, f.Panel4, f.Panel5})
        for (QWidget* w : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->isVisible()) looks[w] = w->grab().toImage();
    return looks;
}

// The overview map is left out: it collects the trail's dots during a flight.
std::set<QWidget*> Changed(TForm1& f, const std::map<QWidget*, QImage>& before,
                           const std::map<QWidget*, QImage>& now) {
    std::set<QWidget*> changed;
    for (const auto& [w, look] : before)
        if (w != f.imLand && now.at(w) != look) changed.insert(w);
    return changed;
}

bool Flying(sky::GameState& s) {
    std::lock_guard<std::mutex> lock(s.SharedLock);  // the worker writes these meanwhile
    return s.ShotInFlight && s.TrailLength > 2;
}

bool Debris(sky::GameState& s) {
    std::lock_guard<std::mutex> lock(s.SharedLock);
    return s.DebrisVisible != 0;
}

}  // namespace

TEST(Shot, LocksTheShotControlsAndHandsTheTurnOver) {
    StartedGame g;
    TForm1& f = g.F1();
    const int shooter = g.S().CurrentPlayer;
    g.S().PlayerAim[shooter] = {0.3, -0.6, 30};  // a high shot
    g.S().PlayerAim[3 - shooter] = g.S().PlayerAim[shooter];  // so the widgets look the same after the turn
    f.RefreshAimWidgets();
    // Nothing rises above the shooter, so the missile is seen in the air for a while.
    for (int32_t& h : g.S().HeightMap) h = std::min(h, g.S().PlayerPos[shooter].z);
    QTest::qWait(50);
    const std::map<QWidget*, QImage> idle = Looks(f);
    const std::vector<QWidget*> locked = ShotControls(f);
    bool sawFlight = false, otherControlsUsable = true;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (f.ShotThread && !f.ShotThread->Finished() && Flying(g.S()) && !sawFlight) {
            sawFlight = true;
            EXPECT_EQ(Enabled(f), std::vector<bool>(6, false));
            otherControlsUsable = f.radiogr->isEnabled() && f.SpeedButton11->isEnabled() && f.radFarben->isEnabled();
            EXPECT_EQ(Changed(f, idle, Looks(f)), std::set<QWidget*>(locked.begin(), locked.end()))
                << "exactly the six locked controls look locked";
            g.Screenshot("shot_in_flight");
        }
    });
    watch.start(5);
    QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return ShotOver(f); }, 60000));
    EXPECT_TRUE(sawFlight);
    EXPECT_TRUE(otherControlsUsable);
    EXPECT_EQ(Enabled(f), std::vector<bool>(6, true));
    const std::map<QWidget*, QImage> after = Looks(f);
    for (QWidget* w : locked) EXPECT_TRUE(after.at(w) == idle.at(w)) << "unlocked, it looks as before";
    EXPECT_EQ(g.S().CurrentPlayer, 3 - shooter);
    EXPECT_EQ(g.S().ShotInFlight, 0);
    EXPECT_EQ(g.S().DebrisVisible, 0);
    EXPECT_GT(g.S().TrailLength, 1) << "the trail stays after the shot";
    // The map was repainted at the hand-over: no trail dot of the shooter's tint is left.
    const sky::RGB& c = sky::PlayerColour(shooter);
    const sky::Colour tint = sky::Rgb((c.r + 255) / 2, (c.g + 255) / 2, (c.b + 255) / 2);
    int dots = 0;
    for (int y = 0; y < 166; ++y)
        for (int x = 0; x < 166; ++x) dots += f.imLand->Canvas().Pixel(x, y) == tint;
    EXPECT_EQ(dots, 0);
    g.Screenshot("after_shot");
}

TEST(Shot, ABeatenPlayerEndsTheGameWithTheWinnersEnergyAsScore) {
    StartedGame g;
    TForm1& f = g.F1();
    const int shooter = g.S().CurrentPlayer;
    g.S().Energy[3 - shooter] = 0;  // already beaten: any shot ends this game
    g.S().PlayerAim[shooter] = {0.3, -0.6, 30};
    QString text;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (f.Form4->isVisible()) {
            text = QString::fromStdString(f.Form4->Memo1->Lines().front());
            g.Screenshot("winner");
            // Shoot is back while the worker still waits for this hand-over,
            // and a screen reader's press passes the window's modality: it
            // must start nothing (waiting for the worker here would never end).
            QAccessible::queryAccessibleInterface(f.SpeedButton3)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
            QTest::keyClick(f.Form4, Qt::Key_Return);  // answered from the keyboard
        }
    });
    closer.start(20);
    const int energyBefore = g.S().Energy[shooter];
    QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
    const sky::TThread1* worker = f.ShotThread.get();
    ASSERT_TRUE(WaitFor([&] { return ShotOver(f); }, 60000));
    EXPECT_EQ(f.ShotThread.get(), worker) << "the press during the winner window started a shot";
    EXPECT_EQ(text.toStdString(), sky::WinnerText(g.S().Language, shooter));
    EXPECT_TRUE(text.contains(QString::number(shooter)));
    EXPECT_GE(g.S().Score[shooter], 0);
    EXPECT_LE(g.S().Score[shooter], energyBefore);
    EXPECT_EQ(g.S().Score[3 - shooter], 0);
    EXPECT_EQ(g.S().Energy[1], 100) << "a new game has started";
    EXPECT_EQ(g.S().Energy[2], 100);
}

TEST(Shot, TheComputerAimsShowsTheAimAndFires) {
    StartedGame g;
    TForm1& f = g.F1();
    const int shooter = g.S().CurrentPlayer;
    QTimer answer;  // a direct hit ends the game: its winner window is answered
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (f.Form4->isVisible()) f.Form4->accept();
    });
    answer.start(20);
    QTest::mouseClick(f.sbComp, Qt::LeftButton);
    EXPECT_TRUE(f.ShotThread != nullptr);
    EXPECT_FALSE(f.sbComp->isEnabled());
    const sky::Aim aim = g.S().PlayerAim[shooter];
    EXPECT_GE(aim.power, 20);
    EXPECT_LE(aim.power, 80);
    ASSERT_TRUE(WaitFor([&] { return ShotOver(f); }, 60000));
    EXPECT_TRUE(f.sbComp->isEnabled());
}

TEST(Shot, ClosingTheWindowDuringAFlightEndsTheWorkerFirst) {
    StartedGame g;
    TForm1& f = g.F1();
    const int shooter = g.S().CurrentPlayer;
    g.S().PlayerAim[shooter] = {0.3, -1.2, 5};  // a long, steep flight
    QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] {
        std::lock_guard<std::mutex> lock(g.S().SharedLock);
        return g.S().TrailLength > 5;
    }, 10000));
    ASSERT_FALSE(f.ShotThread->Finished());
    // The state outlives the windows here, to show what the worker left behind.
    const std::unique_ptr<sky::GameState> state = std::move(g.program->State);
    const QPointer<TForm1> window(&f);
    g.program.reset();  // closes and destroys the windows while the missile flies
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(state->ShotInFlight, 0) << "the flight was computed to its end";
    EXPECT_EQ(state->CurrentPlayer, 3 - shooter) << "the hand-over ran before the window went";
    EXPECT_EQ(state->DebrisVisible, 0);
}

// The window is closed while a shot that beats its own shooter is in the air,
// or while its debris flies: the hand-over still runs (no frames but the last),
// but there is no winner window, no score and no new game, and the worker is
// done within 2 s.
TEST(Shot, ClosingMidShotHandsOverButAnnouncesNothing) {
    for (const bool inDebris : {false, true}) {
        SCOPED_TRACE(inDebris ? "closed during the debris" : "closed during the flight");
        StartedGame g;
        TForm1& f = g.F1();
        int closings = 0;
        f.OnClosing = [&] { ++closings; };
        const int shooter = g.S().CurrentPlayer;
        g.S().PlayerAim[shooter] = {0, -sky::Pi / 2, 99};  // straight up, weak: it comes down near the shooter
        g.S().Energy[shooter] = 10;                         // and beats them
        bool winnerShown = false, closed = false;
        int framesAtClose = 0;
        QElapsedTimer sinceClose;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (f.Form4->isVisible()) {
                winnerShown = true;
                f.Form4->reject();
            }
            if (!closed && (inDebris ? Debris(g.S()) : Flying(g.S()))) {
                closed = true;
                framesAtClose = f.FramesDrawn();
                sinceClose.start();
                f.close();
            }
        });
        watch.start(5);
        QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return ShotOver(f); }, 60000));
        ASSERT_TRUE(closed);
        EXPECT_LT(sinceClose.elapsed(), 2000);
        EXPECT_TRUE(f.Closing());
        EXPECT_EQ(closings, 1);
        EXPECT_FALSE(f.isVisible());
        EXPECT_LE(f.FramesDrawn() - framesAtClose, 2) << "one asked for before the close, and the view after the hand-over";
        EXPECT_FALSE(winnerShown);
        EXPECT_EQ(g.S().Energy[shooter], 0) << "the shot was a game-ending one, and no new game began";
        EXPECT_EQ(g.S().Score[1] + g.S().Score[2], 0);
        EXPECT_EQ(g.S().CurrentPlayer, 3 - shooter) << "the turn still passed";
        EXPECT_EQ(Enabled(f), std::vector<bool>(6, true));
    }
}
