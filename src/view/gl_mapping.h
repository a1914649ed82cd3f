// Where the grid's world lands in OpenGL: rows along X, height up along Y,
// columns along Z, the grid spanning -1..0.996. Computed in double, passed as float.
#pragma once

namespace sky {

inline float GridToGl(double v) { return static_cast<float>((v - 250.0) / 250.0); }  // x or y of the grid
inline float HeightToGl(double z) { return static_cast<float>((z - 128.0) / 250.0); }

// The trail and the missile fly 3 height units above terrain of the same height.
inline float TrailGridToGl(double v) { return static_cast<float>(v / 250.0 - 1.0); }
inline float TrailHeightToGl(double z) { return static_cast<float>(z / 250.0 - 0.5); }

}  // namespace sky
