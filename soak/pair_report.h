// What the headless pair found: its faults, the checks of its scenarios, the
// side-by-side comparison of the games played together and the figures.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "checks.h"
#include "network_pair.h"

namespace sky::soak {

class Side;

class PairReport {
public:
    void Fault(const std::string& what);
    void Shot() { ++shots_; }
    // A side noticed its peer was gone, this long after the strike.
    void Recovered(const std::string& side, int64_t afterMs, bool silent);
    void CheckScenarios(const PairOptions& o, Side& host, Side* joiner, bool forced, int hotSeatShots);
    // Every game played together from a seed: the host's record against the
    // joiner's, and every tenth replayed alone from its seed.
    void Compare(const std::vector<GameLog>& host, const std::vector<GameLog>& joiner,
                 const std::function<void(const std::string&)>& fault);
    // The figures and the last line; the exit status.
    int Print(int games, Side& host, Side* joiner);

private:
    const std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    int violations_ = 0;
    std::string first_;
    int64_t shots_ = 0;
    int compared_ = 0, replayed_ = 0, desyncs_ = 0;
    std::vector<std::string> recovered_;
};

}  // namespace sky::soak
