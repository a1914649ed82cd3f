// One drag step on each aiming widget: erase the old needle or mark, draw the new one.
#include <benchmark/benchmark.h>

#include "aiming/aim_widgets.h"

namespace {

struct Rig {
    Rig() {
        s.CurrentPlayer = 1;
        s.PlayerAim.Fill(sky::StartAim);
        w.RefreshAimWidgets();
    }
    sky::GameState s;
    sky::Canvas pb{120, 120}, im2{60, 60}, im3{25, 188};
    sky::AimWidgets w{s, pb, im2, im3, {}};
};

void BM_pbDragStep(benchmark::State& state) {
    Rig r;
    r.w.pbMouseDown(100, 20);
    int i = 0;
    for (auto _ : state) {
        ++i;
        r.w.pbMouseMove(10 + i % 100, 110 - i % 90);
    }
    benchmark::DoNotOptimize(r.pb.Bits());
}
BENCHMARK(BM_pbDragStep);

void BM_im2DragStep(benchmark::State& state) {
    Rig r;
    r.w.im2MouseDown(30, 30);
    int i = 0;
    for (auto _ : state) {
        ++i;
        r.w.im2MouseMove(1 + i % 59, 59 - i % 57);
    }
    benchmark::DoNotOptimize(r.im2.Bits());
}
BENCHMARK(BM_im2DragStep);

void BM_im3DragStep(benchmark::State& state) {
    Rig r;
    r.w.im3MouseDown(12, 50);
    int i = 0;
    for (auto _ : state) {
        ++i;
        r.w.im3MouseMove(12, 2 + i % sky::PowerBarRows);
    }
    benchmark::DoNotOptimize(r.im3.Bits());
}
BENCHMARK(BM_im3DragStep);

void BM_RefreshAimWidgets(benchmark::State& state) {
    Rig r;
    for (auto _ : state) r.w.RefreshAimWidgets();
    benchmark::DoNotOptimize(r.pb.Bits());
}
BENCHMARK(BM_RefreshAimWidgets);

}  // namespace
