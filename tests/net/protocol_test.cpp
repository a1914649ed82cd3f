// The network game's messages as they come off the wire: in any pieces, bit
// for bit, and refused whole (before anything is allocated for them) when
// they could not come from a game.
#include <gtest/gtest.h>

#include <zlib.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "core/canvas.h"
#include "net/frame.h"
#include "net/messages.h"
#include "net/wire.h"
#include "terrain/game_setup.h"
#include "terrain/overview_map.h"

namespace sky::net {
namespace {

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::unique_ptr<GameState> PlayedGame() {
    auto s = std::make_unique<GameState>();
    Canvas map(OverviewMapSize, OverviewMapSize);
    s->Rng.Seed(12345);
    SetUpGame(*s, map);
    s->Score[1] = 87;
    s->PlayerAim[2] = {-5.1, -1.2, 63.25};
    s->TrailLength = 3;
    for (int k = 1; k <= 3; ++k) s->Trail[k] = {100.0 + k, 200.0 / k, 0.1 * k};
    return s;
}

// Every frame in the stream, read from pieces of `piece` bytes.
std::vector<Message> ReadAll(const std::vector<uint8_t>& stream, std::size_t piece) {
    FrameReader reader;
    std::vector<Message> out;
    for (std::size_t at = 0; at < stream.size();) {
        std::size_t used = 0;
        const std::size_t n = std::min(piece, stream.size() - at);
        const FrameReader::Status status = reader.Read(stream.data() + at, n, used);
        at += used;
        EXPECT_NE(status, FrameReader::Status::Error) << reader.Problem();
        if (status != FrameReader::Status::Frame) continue;
        Message m;
        std::string problem;
        EXPECT_TRUE(Decode(reader.Current(), m, problem)) << problem;
        out.push_back(std::move(m));
    }
    return out;
}

TEST(Protocol, EveryMessageArrivesWholeFromAnyPieces) {
    const auto game = PlayedGame();
    Snapshot snap;
    ASSERT_TRUE(TakeSnapshot(*game, snap));
    const Aim odd{-6.2831853071795862, -1.5707963267948966, 4.9406564584124654e-324};  // the ranges' ends
    const std::vector<Message> sent{
        Hello{ProtocolVersion, 0x0123456789abcdefull, Role::Joiner, "K7M2QX", "1.0"},
        StateMsg{7, 3, 0xdeadbeef, snap},
        SeedMsg{4, 99},
        ShotMsg{7, 2, odd, 0x80000001u, 2},
        NewGameMsg{8, 1},
        HashMsg{9, 0xfedcba9876543210ull},
        AimMsg{9, 1, {1.0, -0.5, 100}},
        Heartbeat{42},
        Goodbye{Farewell::CannotAgree},
    };
    std::vector<uint8_t> stream;
    for (const Message& m : sent) {
        const std::vector<uint8_t> frame = Encode(m);
        stream.insert(stream.end(), frame.begin(), frame.end());
    }
    for (const std::size_t piece : {std::size_t{1}, std::size_t{7}, stream.size()}) {
        const std::vector<Message> got = ReadAll(stream, piece);
        ASSERT_EQ(got.size(), sent.size()) << "pieces of " << piece;
        const auto& shot = std::get<ShotMsg>(got[3]);
        EXPECT_TRUE(SameBits(shot.aim.azimuth, odd.azimuth) && SameBits(shot.aim.elevation, odd.elevation) &&
                    SameBits(shot.aim.power, odd.power));
        EXPECT_EQ(shot.rng, 0x80000001u);
        EXPECT_EQ(std::get<Hello>(got[0]).code, "K7M2QX");
        EXPECT_EQ(std::get<HashMsg>(got[5]).hash, 0xfedcba9876543210ull);
        EXPECT_EQ(std::get<Heartbeat>(got[7]).received, 42u);
        // The state taken whole is the same game, to the hash and the aims.
        auto copy = std::make_unique<GameState>();
        const auto& state = std::get<StateMsg>(got[1]);
        EXPECT_EQ(state.nextSeed, 0xdeadbeef);
        ApplySnapshot(state.snap, *copy);
        EXPECT_EQ(StateHash(*copy), StateHash(*game));
        EXPECT_TRUE(SameBits(copy->PlayerAim[2].power, 63.25));
        EXPECT_EQ(copy->TrailLength, 3);
        EXPECT_TRUE(SameBits(copy->Trail[3].x, 103.0));
    }
    // What the hash covers: a change to any of it shows; an aim is not part of it.
    const uint64_t before = StateHash(*game);
    game->PlayerAim[1].power += 1;
    EXPECT_EQ(StateHash(*game), before);
    for (auto change : std::initializer_list<std::function<void(GameState&)>>{
             [](GameState& s) { s.H(499, 499) ^= 1; }, [](GameState& s) { s.Rng.Unit(); },
             [](GameState& s) { s.CurrentPlayer = 3 - s.CurrentPlayer; },
             [](GameState& s) { s.WindDirection = std::nextafter(s.WindDirection, 10.0); },
             [](GameState& s) { s.Score[2] += 1; }}) {
        auto other = PlayedGame();
        change(*other);
        EXPECT_NE(StateHash(*other), StateHash(*PlayedGame()));
    }
}

std::vector<uint8_t> Header(uint8_t m0, uint8_t version, Type type, uint32_t length) {
    Writer w;
    w.U8(m0);
    w.U8('K');
    w.U8(version);
    w.U8(static_cast<uint8_t>(type));
    w.U32(length);
    return std::move(w.Data());
}

FrameReader::Status Feed(FrameReader& r, const std::vector<uint8_t>& bytes) {
    std::size_t used = 0;
    return r.Read(bytes.data(), bytes.size(), used);
}

bool Decodes(Type type, const std::vector<uint8_t>& payload) {
    Frame f;
    f.version = ProtocolVersion;
    f.type = type;
    f.payload = payload;
    Message m;
    std::string problem;
    return Decode(f, m, problem);
}

TEST(Protocol, RefusesWhatNoGameSends) {
    // A header alone is enough to refuse: nothing is reserved for a length beyond the type's cap.
    for (const auto& header : {Header('S', ProtocolVersion, Type::State, 0xFFFFFFFFu),
                               Header('S', ProtocolVersion, Type::Shot, 35), Header('X', ProtocolVersion, Type::Hash, 12),
                               Header('S', ProtocolVersion + 1, Type::Hash, 12), Header('S', ProtocolVersion, Type{99}, 4)}) {
        FrameReader r;
        EXPECT_EQ(Feed(r, header), FrameReader::Status::Error);
        EXPECT_EQ(r.Current().payload.capacity(), 0u);
        EXPECT_EQ(Feed(r, {1, 2, 3}), FrameReader::Status::Error);  // and stays broken
    }
    FrameReader hello;  // a hello of another protocol is read, so the player can be told
    EXPECT_EQ(Feed(hello, Header('S', ProtocolVersion + 1, Type::Hello, 20)), FrameReader::Status::NeedMore);

    const auto shot = [](int player, Aim a) {
        return Encode(ShotMsg{1, player, a, 0, -1});
    };
    for (const auto& frame : {shot(3, {0, -0.2, 40}), shot(1, {std::nan(""), -0.2, 40}), shot(1, {0, 0.1, 40}),
                              shot(1, {0, -0.2, 100.5}), shot(1, {7, -0.2, 40}), Encode(AimMsg{1, 0, {0, -0.2, 40}})}) {
        const std::vector<uint8_t> payload(frame.begin() + HeaderSize, frame.end());
        EXPECT_FALSE(Decodes(static_cast<Type>(frame[3]), payload));
    }

    // A state must unpack to a game: exactly its size, every field in range.
    auto game = PlayedGame();
    Snapshot snap;
    ASSERT_TRUE(TakeSnapshot(*game, snap));
    const auto state = [](std::vector<uint8_t> raw, uint32_t claimed) {
        uLongf size = compressBound(static_cast<uLong>(raw.size()));
        std::vector<uint8_t> packed(size);
        compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
        Writer w;
        w.U32(1);
        w.U32(1);
        w.U32(1);
        w.U32(claimed);
        w.Bytes(packed.data(), size);
        return w.Data();
    };
    std::vector<uint8_t> raw = PackSnapshot(snap);
    const auto size = static_cast<uint32_t>(raw.size());
    EXPECT_TRUE(Decodes(Type::State, state(raw, size)));
    EXPECT_FALSE(Decodes(Type::State, state(raw, size - 1)));
    EXPECT_FALSE(Decodes(Type::State, state(raw, 0x7FFFFFFF)));
    std::vector<uint8_t> high = raw;
    high[1234] = MaxHeight + 1;
    EXPECT_FALSE(Decodes(Type::State, state(high, size)));
    std::vector<uint8_t> longer = raw;
    longer.push_back(0);
    EXPECT_FALSE(Decodes(Type::State, state(longer, size + 1)));
    snap.current = 3;
    EXPECT_FALSE(Decodes(Type::State, state(PackSnapshot(snap), size)));
}

}  // namespace
}  // namespace sky::net
