#include "net/identity.h"

namespace sky::net {

const std::string& GameVersion() {
    static const std::string version = SKY_GAME_VERSION;
    return version;
}

uint64_t RulesHash() { return SKY_RULES_HASH; }

}  // namespace sky::net
