// The landscape's grid: 500 x 500 cells, x the major index, heights 0..250.
#pragma once

namespace sky {

constexpr int GridSize = 500;
constexpr int MaxHeight = 250;

constexpr bool InGrid(int x, int y) { return x >= 0 && x < GridSize && y >= 0 && y < GridSize; }

}  // namespace sky
