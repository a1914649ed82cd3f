// The record of the game in play in a network session: the seed it was set up
// from, the scores it began with and every input since, with the aims bit
// for bit, so that a mismatch can be played again from a bug report.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/messages.h"

namespace sky::net {

class ReplayLog {
public:
    // A game set up from a seed, or (seedKnown false) taken whole from the host.
    void GameStarted(uint32_t game, bool seedKnown, uint32_t seed, int32_t score1, int32_t score2);
    void Add(const ShotMsg& m);
    void Add(const NewGameMsg& m);
    // The whole record, ending with the mismatch found at turn seq.
    std::string Text(Role role, uint32_t seq, uint64_t own, uint64_t other) const;

private:
    std::vector<std::string> lines_;
};

// Writes a report into $XDG_STATE_HOME/skyburst3d/ (~/.local/state/skyburst3d/
// without it). The file's path, or empty when it could not be written.
std::string SaveReplay(const std::string& text, Role role);

}  // namespace sky::net
