// Writes the fuzz target's seeds: every message a game sends, alone and as
// one stream, and a real game's state tail, each behind its mode byte.
//   net_fuzz_seeds DIR
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "net/messages.h"
#include "terrain/game_setup.h"
#include "terrain/overview_map.h"

int main(int argc, char** argv) {
    using namespace sky;
    using namespace sky::net;
    if (argc != 2) {
        std::fprintf(stderr, "usage: net_fuzz_seeds DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    int n = 0;
    const auto write = [&](uint8_t mode, const std::vector<uint8_t>& bytes) {
        std::ofstream out(dir + "/seed-" + std::to_string(++n), std::ios::binary);
        out.put(static_cast<char>(mode));
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    };
    const std::vector<Message> messages{
        Hello{ProtocolVersion, 1, Role::Joiner, "K7M2QX", "1.0"}, Hello{ProtocolVersion, 1, Role::Host, "", "1.0"},
        Goodbye{Farewell::Left}, SeedMsg{2, 7}, ShotMsg{3, 1, StartAim, 99, 2}, NewGameMsg{4, 2}, HashMsg{5, 6},
        AimMsg{5, 2, {-6.0, -1.5, 100}}, Heartbeat{9}};
    std::vector<uint8_t> all;
    for (const Message& m : messages) {
        const std::vector<uint8_t> frame = Encode(m);
        write(0x00, frame);
        all.insert(all.end(), frame.begin(), frame.end());
    }
    write(0x02, all);

    auto s = std::make_unique<GameState>();
    Canvas map(OverviewMapSize, OverviewMapSize);
    s->Rng.Seed(1);
    SetUpGame(*s, map);
    s->TrailLength = 2;
    s->Trail[1] = {10, 20, 30};
    s->Trail[2] = {11, 21, 31};
    Snapshot snap;
    TakeSnapshot(*s, snap);
    const std::vector<uint8_t> raw = PackSnapshot(snap);
    const std::vector<uint8_t> tail(raw.begin() + GridSize * GridSize, raw.end());
    write(0xE0, tail);
    write(0xFF, tail);
    return 0;
}
