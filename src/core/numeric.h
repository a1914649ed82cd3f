// Rounding rules shared by every module: Round goes to the nearest integer with
// halves to the even neighbour, Trunc drops the fraction towards zero.
#pragma once

#include <cmath>
#include <cstdint>

namespace sky {

inline int32_t Round(double v) { return static_cast<int32_t>(std::nearbyint(v)); }
inline int32_t Trunc(double v) { return static_cast<int32_t>(std::trunc(v)); }

constexpr double Pi = 3.14159265358979323846;

}  // namespace sky
