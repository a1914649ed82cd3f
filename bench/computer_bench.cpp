#include <benchmark/benchmark.h>

#include <memory>

#include "computer/computer_aim.h"
#include "core/canvas.h"
#include "terrain/terrain.h"

namespace {

// One press of the computer button at a skill level, on a generated landscape.
// The generator is reseeded each time so every iteration searches the same grid.
void ComputerAimPress(benchmark::State& state) {
    auto s = std::make_unique<sky::GameState>();
    sky::Canvas map(166, 166);
    s->Rng.Seed(20240601u);
    sky::GenerateTerrain(*s, map);
    s->CurrentPlayer = 1;
    s->WindDirection = 2.0;
    const int level = static_cast<int>(state.range(0));
    int candidates = 0;
    for (auto _ : state) {
        s->Rng.Seed(77u);
        candidates = sky::ComputerAim(*s, level).candidates;
        benchmark::DoNotOptimize(s->PlayerAim[1]);
    }
    state.counters["candidates"] = candidates;
}
BENCHMARK(ComputerAimPress)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The long end: flat ground at height 0 under two players standing on it, so
// most trials fly many seconds before they come down or leave the grid.
void ComputerAimPressFlatGround(benchmark::State& state) {
    auto s = std::make_unique<sky::GameState>();
    s->PlayerPos[1] = {250, 250, 0};
    s->PlayerPos[2] = {400, 100, 0};
    s->CurrentPlayer = 1;
    s->WindDirection = 2.0;
    for (auto _ : state) {
        s->Rng.Seed(77u);
        benchmark::DoNotOptimize(sky::ComputerAim(*s, 2));
    }
}
BENCHMARK(ComputerAimPressFlatGround)->Unit(benchmark::kMillisecond);

}  // namespace
