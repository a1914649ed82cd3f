// The one pseudo-random generator of the game: a 32-bit linear congruential
// generator (state = state * 134775813 + 1 mod 2^32). Seedable so that tests
// can replay a landscape.
#pragma once

#include <cstdint>

namespace sky {

class Random {
public:
    explicit Random(uint32_t seed = 0) : state_(seed) {}

    void Seed(uint32_t seed) { state_ = seed; }
    void SeedFromClock();
    uint32_t State() const { return state_; }

    // Uniform in [0, 1): the new state divided by 2^32.
    double Unit() { return Next() / 4294967296.0; }
    // Uniform integer in 0..n-1: the high 32 bits of new state * n.
    uint32_t Below(uint32_t n) {
        return static_cast<uint32_t>((static_cast<uint64_t>(Next()) * n) >> 32);
    }

private:
    uint32_t Next() { return state_ = state_ * 134775813u + 1u; }
    uint32_t state_;
};

}  // namespace sky
