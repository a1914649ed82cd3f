// Costs on the shown main window: one step of an aiming drag as the dial
// receives it, a whole new game at the default detail, one frame of the 3D
// view and the frames of a whole flight at the finest and coarsest detail.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/program_qt.h"
#include "shot/flight.h"

namespace {

const sky::GlApi* gl = nullptr;
std::unique_ptr<sky::Program> program;

TForm1& Window() { return *program->Form1; }

// Shows the window once, framed and drawn, with the notice counted away.
void StartGame() {
    if (program) return;
    program = std::make_unique<sky::Program>(*gl);
    Window().ShowNotice = [](const QString&, const QString&) {};
    Window().show();
    QElapsedTimer t;
    t.start();
    while ((Window().FramesDrawn() == 0 || Window().OuterHeight() != 650) && t.elapsed() < 3000) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
}

void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(w, &e);
}

// One move of a held button over the azimuth dial: erase and draw the needle,
// the memo line, and the request to show the image again.
void BM_AimDragStep(benchmark::State& state) {
    StartGame();
    QWidget* pb = Window().pb;
    Send(pb, QEvent::MouseButtonPress, {90, 60}, Qt::LeftButton, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        const QPoint at = (++i & 1) ? QPoint(30, 20 + i % 80) : QPoint(100, 20 + i % 80);
        Send(pb, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    Send(pb, QEvent::MouseButtonRelease, {90, 60}, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
}
BENCHMARK(BM_AimDragStep)->Unit(benchmark::kMicrosecond);

// The same step with the dial painted on the screen each time.
void BM_AimDragStepShown(benchmark::State& state) {
    StartGame();
    QWidget* pb = Window().pb;
    Send(pb, QEvent::MouseButtonPress, {90, 60}, Qt::LeftButton, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        const QPoint at = (++i & 1) ? QPoint(30, 20 + i % 80) : QPoint(100, 20 + i % 80);
        Send(pb, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    Send(pb, QEvent::MouseButtonRelease, {90, 60}, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
}
BENCHMARK(BM_AimDragStepShown)->Unit(benchmark::kMicrosecond);

// Landscape, overview map, wind arrow, widgets, labels and one frame.
void BM_NewGame(benchmark::State& state) {
    StartGame();
    for (auto _ : state) {
        Window().NewGame();
        benchmark::DoNotOptimize(program->State->HeightMap.data());
    }
    QApplication::processEvents();
}
BENCHMARK(BM_NewGame)->Unit(benchmark::kMillisecond);

void SetDetail(int index) {
    Window().radSize->SetItemIndex(index);
    Window().radSizeClick();
}

// One DrawScene on the shown window, presented before it returns; 0 is the
// finest detail ("1+"), 4 the coarsest ("5-").
void BM_DrawScene(benchmark::State& state) {
    StartGame();
    SetDetail(static_cast<int>(state.range(0)));
    QApplication::processEvents();
    for (auto _ : state) Window().DrawScene();
    SetDetail(2);
}
BENCHMARK(BM_DrawScene)->Arg(0)->Arg(4)->ArgName("detail")->Unit(benchmark::kMillisecond);

// The frames of one flight of the same shot on the same landscape, with the
// dots on the overview map. Paced, the flight runs on a clock of its own that
// advances 40 ms per frame drawn, so it draws the same frames back to back
// every time; otherwise it runs on the wall clock as in play, and leaves out
// the frames it has no time for.
struct Flight {
    int64_t frames = 0;
    double drawMs = 0;  // inside DrawScene
};

Flight FlyOnce(bool paced) {
    TForm1& f = Window();
    sky::GameState& s = *program->State;
    s.Rng.Seed(20240611);
    f.NewGame();
    s.PlayerAim[s.CurrentPlayer] = {0.8, -0.3, 20};
    s.ShotInFlight = 1;
    QApplication::processEvents();
    const int64_t before = f.FramesDrawn();
    Flight flight;
    sky::ShotHooks hooks;
    hooks.DrawFrame = [&] {
        QElapsedTimer t;
        t.start();
        f.DrawScene();
        flight.drawMs += static_cast<double>(t.nsecsElapsed()) / 1e6;
    };
    hooks.PlotTrailPixel = [&f] { f.PlotTrailPixel(); };
    if (paced) hooks.Clock = [&f, before] { return (f.FramesDrawn() - before) * int64_t{40}; };
    double shotTime = 0;
    sky::FlyMissile(s, shotTime, hooks);
    flight.frames = f.FramesDrawn() - before;
    return flight;
}

// Flights of the same shot at a detail; a paced flight's time is the time
// spent drawing its frames. Reported: the last flight's frames and the mean
// frame; then back to the default detail and a fresh game.
void Flights(benchmark::State& state, bool paced) {
    StartGame();
    SetDetail(static_cast<int>(state.range(0)));
    Flight all;
    int64_t last = 0;
    for (auto _ : state) {
        const Flight flight = FlyOnce(paced);
        if (paced) state.SetIterationTime(flight.drawMs / 1000);
        all.frames += last = flight.frames;
        all.drawMs += flight.drawMs;
    }
    state.counters["frames"] = static_cast<double>(last);
    state.counters["ms_per_frame"] = all.frames ? all.drawMs / static_cast<double>(all.frames) : 0;
    SetDetail(2);
    Window().NewGame();
    QApplication::processEvents();
}

// A paced flight: the same frames every time.
void BM_FlightFrames(benchmark::State& state) { Flights(state, true); }
BENCHMARK(BM_FlightFrames)->Arg(0)->Arg(4)->ArgName("detail")->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// A flight on the wall clock: how many frames the player sees of it.
void BM_FlightOnTheClock(benchmark::State& state) { Flights(state, false); }
BENCHMARK(BM_FlightOnTheClock)->Arg(0)->Arg(4)->ArgName("detail")->Iterations(1)->Unit(benchmark::kMillisecond);

// A Shoot press until the worker is under way: the controls locked, the
// worker started, the flight sound handed to the device (with the sound on)
// or not (off). The shot itself ends at its first step, hurts nobody enough
// to end the game (no winner window waits for an answer), draws no frames,
// and is waited for outside the timing: within a bound, so that a shot that
// never ends fails the run instead of hanging it.
void BM_ShootPress(benchmark::State& state) {
    StartGame();
    TForm1& f = Window();
    sky::GameState& s = *program->State;
    f.radSize->SetItemIndex(4);
    f.radSizeClick();
    s.SoundOn = state.range(0) != 0;
    QTimer bound;  // fires in a modal window's event loop as well
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, [] {
        std::fprintf(stderr, "BM_ShootPress: a shot did not end within 30 s\n");
        std::_Exit(1);
    });
    const auto waitForShot = [&] {
        if (!f.ShotThread) return;
        f.ShotThread->Terminate();  // its frames are not what is measured
        bound.start(30000);
        while (!f.ShotThread->Finished()) {
            QApplication::processEvents();
            QThread::msleep(1);
        }
        bound.stop();
    };
    for (auto _ : state) {
        state.PauseTiming();
        waitForShot();
        // The ground above the barrel's tip (the last impact re-levelled the
        // players, so they are put back below it): the missile ends where it starts.
        std::fill(s.HeightMap.begin(), s.HeightMap.end(), sky::MaxHeight);
        for (int p = 1; p <= 2; ++p) s.PlayerPos[p].z = 0;
        s.Energy[1] = s.Energy[2] = 100;
        state.ResumeTiming();
        f.SpeedButton3Click();
    }
    waitForShot();
    f.Sound().Stop();
    Window().NewGame();
}
BENCHMARK(BM_ShootPress)->Arg(0)->Arg(1)->ArgName("sound")->Iterations(30)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    sky::ProgramStart start(argc, argv);
    if (!start.Ok()) {
        std::fprintf(stderr, "%s\n", start.Error().c_str());
        return 1;
    }
    gl = &start.Gl();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    program.reset();
    return 0;
}
