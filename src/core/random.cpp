#include "core/random.h"

#include <chrono>

namespace sky {

void Random::SeedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    state_ = static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace sky
