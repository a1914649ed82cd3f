#include "net/join_code.h"

#include <sys/random.h>

#include <cerrno>
#include <stdexcept>

namespace sky::net {

uint32_t SecureRandom32() {
    uint32_t v = 0;
    auto* p = reinterpret_cast<char*>(&v);
    std::size_t have = 0;
    while (have < sizeof v) {
        const ssize_t got = getrandom(p + have, sizeof v - have, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("no secure random source");
        }
        have += static_cast<std::size_t>(got);
    }
    return v;
}

std::string DrawJoinCode() {
    const uint32_t n = static_cast<uint32_t>(JoinCodeAlphabet.size());
    const uint32_t limit = UINT32_MAX - UINT32_MAX % n;  // below it every character is equally likely
    std::string code;
    while (code.size() < JoinCodeLength) {
        const uint32_t v = SecureRandom32();
        if (v < limit) code += JoinCodeAlphabet[v % n];
    }
    return code;
}

}  // namespace sky::net
