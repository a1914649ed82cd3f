// Shots fired in the real window: the controls locked for the whole shot, the
// turn handed over, the winner announced, the computer's shot, and closing
// the window while a missile flies.
#include <QPointer>
#include <QTimer>

#include "app/window_fixture.h"
#include "app/form4_qt.h"
#include "ui/strings.h"

namespace {

bool ShotOver(TForm1& f) { return f.ShotThread && f.ShotThread->Finished(); }

std::vector<bool> Enabled(TForm1& f) {
    std::vector<bool> out;
    for (QWidget* w : {static_cast<QWidget*>(f.SpeedButton3), static_cast<QWidget*>(f.im3),
                       static_cast<QWidget*>(f.im2), static_cast<QWidget*>(f.pb),
                       static_cast<QWidget*>(f.SpeedButton13), static_cast<QWidget*>(f.sbComp)})
        out.push_back(w->isEnabled());
    return out;
}

}  // namespace

TEST(Shot, LocksTheShotControlsAndHandsTheTurnOver) {
    StartedGame g;
    TForm1& f = g.F1();
    const int shooter = g.S().CurrentPlayer;
    g.S().PlayerAim[shooter] = {0.3, -0.6, 30};  // a high shot
    // Nothing rises above the shooter, so the missile is seen in the air for a while.
    for (int32_t& h : g.S().HeightMap) h = std::min(h, g.S().PlayerPos[shooter].z);
    bool sawFlight = false, otherControlsUsable = true;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        std::unique_lock<std::mutex> lock(g.S().SharedLock);  // the worker writes these meanwhile
        const bool flying = g.S().ShotInFlight && g.S().TrailLength > 2;
        lock.unlock();
        if (f.ShotThread && !f.ShotThread->Finished() && flying && !sawFlight) {
            sawFlight = true;
            EXPECT_EQ(Enabled(f), std::vector<bool>(6, false));
            otherControlsUsable = f.radiogr->isEnabled() && f.SpeedButton11->isEnabled() && f.radFarben->isEnabled();
            g.Screenshot("shot_in_flight");
        }
    });
    watch.start(5);
    QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return ShotOver(f); }, 60000));
    EXPECT_TRUE(sawFlight);
    EXPECT_TRUE(otherControlsUsable);
    EXPECT_EQ(Enabled(f), std::vector<bool>(6, true));
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
            QTest::mouseClick(f.Form4->SpeedButton1, Qt::LeftButton);
        }
    });
    closer.start(20);
    const int energyBefore = g.S().Energy[shooter];
    QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return ShotOver(f); }, 60000));
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
