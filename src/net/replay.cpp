#include "net/replay.h"

#include <unistd.h>

#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "net/identity.h"

namespace sky::net {
namespace {

std::string Hex(uint64_t v) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016" PRIx64, v);
    return text;
}

// Bit for bit, and readable: the bits, then the value.
std::string Exact(double v) {
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    char text[64];
    std::snprintf(text, sizeof text, "%s(%.17g)", Hex(bits).c_str(), v);
    return text;
}

std::string AimText(const Aim& a) {
    return "aim " + Exact(a.azimuth) + " " + Exact(a.elevation) + " " + Exact(a.power);
}

}  // namespace

void ReplayLog::GameStarted(uint32_t game, bool seedKnown, uint32_t seed, int32_t score1, int32_t score2) {
    lines_.clear();
    lines_.push_back("game " + std::to_string(game) + (seedKnown ? " seed " + std::to_string(seed) : " from the host's state") +
                     " scores " + std::to_string(score1) + " " + std::to_string(score2));
}

void ReplayLog::Add(const ShotMsg& m) {
    lines_.push_back("shot " + std::to_string(m.seq) + " player " + std::to_string(m.player) + " " + AimText(m.aim) +
                     " generator " + std::to_string(m.rng) +
                     (m.level < 0 ? std::string(" by hand") : " computer level " + std::to_string(m.level)));
}

void ReplayLog::Add(const NewGameMsg& m) {
    lines_.push_back("new game " + std::to_string(m.seq) + " player " + std::to_string(m.player));
}

std::string ReplayLog::Text(Role role, uint32_t seq, uint64_t own, uint64_t other) const {
    std::string text = "skyburst3d network game replay\nversion " + GameVersion() + " protocol " +
                       std::to_string(ProtocolVersion) + " rules " + Hex(RulesHash()) + "\nthis side: " +
                       (role == Role::Host ? "host (Player 1)" : "joiner (Player 2)") + "\n";
    for (const std::string& line : lines_) text += line + "\n";
    text += "mismatch at turn " + std::to_string(seq) + ": this side " + Hex(own) + ", the other " + Hex(other) + "\n";
    return text;
}

std::string SaveReplay(const std::string& text, Role role) {
    namespace fs = std::filesystem;
    fs::path dir;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state && state[0] == '/') dir = state;
    else if (const char* home = std::getenv("HOME"); home && home[0] != '\0') dir = fs::path(home) / ".local" / "state";
    else return {};
    dir /= "skyburst3d";
    std::error_code error;
    fs::create_directories(dir, error);
    if (error) return {};

    static std::atomic<int> count{0};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const fs::path file = dir / ("replay-" + std::string(stamp) + "-" + std::to_string(getpid()) + "-" +
                                 std::to_string(++count) + (role == Role::Host ? "-host" : "-joiner") + ".txt");
    std::ofstream out(file);
    out << text;
    out.close();
    return out ? file.string() : std::string();
}

}  // namespace sky::net
