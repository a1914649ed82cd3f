// What a hello says about this game: its version and the hash of its rules'
// constants (computed by the build from the rules' sources).
#pragma once

#include <cstdint>
#include <string>

namespace sky::net {

const std::string& GameVersion();
uint64_t RulesHash();

}  // namespace sky::net
