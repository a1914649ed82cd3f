// Helpers for tests that drive the real windows under Xvfb with a window manager.
#pragma once

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/program_qt.h"

const sky::GlApi& TestGl();

// Runs the event loop until pred holds or ms pass; answers pred's last value.
inline bool WaitFor(const std::function<bool()>& pred, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QTest::qWait(10);
    }
    return true;
}

// A started game: the three windows created, the main window shown, framed by
// the window manager and drawn. The one-time notice is counted, not shown.
struct StartedGame {
    std::unique_ptr<sky::Program> program;
    int notices = 0;

    explicit StartedGame(bool countNotices = true) {
        program = std::make_unique<sky::Program>(TestGl());
        if (countNotices) F1().ShowNotice = [this](const QString&, const QString&) { ++notices; };
        F1().show();
        // A loaded machine can take seconds to frame a new window.
        WaitFor([this] { return F1().FramesDrawn() > 0 && F1().Placed(); }, 15000);
        QTest::qWait(50);
    }
    TForm1& F1() { return *program->Form1; }
    sky::GameState& S() { return *program->State; }

    // Saves what the window shows now into the build tree's screenshot folder.
    void Screenshot(const QString& name) {
        QDir().mkpath(SKY_SHOT_DIR);
        QTest::qWait(30);  // let the window show what it was last given
        // From the display itself: what the player sees.
        F1().screen()->grabWindow(F1().winId()).save(QString(SKY_SHOT_DIR) + "/" + name + ".png");
    }
};
