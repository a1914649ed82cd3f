#include <benchmark/benchmark.h>

#include <memory>

#include "terrain/colours.h"
#include "terrain/overview_map.h"
#include "terrain/terrain.h"

namespace {

// The first seed from which a landscape of `profiles` profiles grows.
uint32_t SeedFor(int profiles) {
    for (uint32_t seed = 1;; ++seed)
        if ((sky::Random(seed).Unit() >= 0.5) == (profiles == 3)) return seed;
}

void GenerateTerrain(benchmark::State& state) {
    const uint32_t seed = SeedFor(static_cast<int>(state.range(0)));
    auto s = std::make_unique<sky::GameState>();
    sky::Canvas bar(sky::ColourBarWidth, sky::ColourBarHeight), map(sky::OverviewMapSize, sky::OverviewMapSize);
    sky::BuildColourTable(*s, 0, bar);
    for (auto _ : state) {
        s->Rng.Seed(seed);
        sky::GenerateTerrain(*s, map);
        benchmark::DoNotOptimize(s->HeightMap.data());
    }
}
BENCHMARK(GenerateTerrain)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BuildColourTable(benchmark::State& state) {
    auto s = std::make_unique<sky::GameState>();
    sky::Canvas bar(sky::ColourBarWidth, sky::ColourBarHeight);
    for (auto _ : state) {
        sky::BuildColourTable(*s, 0, bar);
        benchmark::DoNotOptimize(s->ColourTable.data());
    }
}
BENCHMARK(BuildColourTable)->Unit(benchmark::kMicrosecond);

void DrawOverviewMapUnchanged(benchmark::State& state) {
    auto s = std::make_unique<sky::GameState>();
    sky::Canvas bar(sky::ColourBarWidth, sky::ColourBarHeight), map(sky::OverviewMapSize, sky::OverviewMapSize);
    sky::BuildColourTable(*s, 0, bar);
    s->Rng.Seed(SeedFor(3));
    sky::GenerateTerrain(*s, map);
    for (auto _ : state) {
        sky::DrawOverviewMap(*s, map);
        benchmark::DoNotOptimize(map.Bits());
    }
}
BENCHMARK(DrawOverviewMapUnchanged)->Unit(benchmark::kMicrosecond);

}  // namespace
