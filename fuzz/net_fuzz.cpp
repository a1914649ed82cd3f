// libFuzzer target for everything a network peer can send: the frame reader
// with every message's decoder behind it, and the game's state message. The
// first byte chooses how the rest is read:
//   0x00-0xDF: a byte stream from a peer, read in pieces of 1-16 bytes (the
//              low nibble + 1);
//   0xE0-0xFE: what follows the landscape in a state (players, turn, wind,
//              generator, trail), unpacked directly behind a valid landscape;
//   0xFF:      the same, compressed into a whole state frame behind a valid
//              landscape and read as a stream.
// A whole state costs a landscape's 250,000 bytes each time, so only one
// input in 256 is one. Whatever decodes must encode back to the same bytes (a
// state: pack back to the same bytes), and a state that unpacks must apply to
// a game; a breach of either traps.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/frame.h"
#include "net/messages.h"
#include "net/snapshot.h"
#include "net/wire.h"

namespace {

using namespace sky;
using namespace sky::net;

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

void Stream(const uint8_t* data, std::size_t size, std::size_t piece) {
    FrameReader reader;
    for (std::size_t at = 0; at < size;) {
        std::size_t used = 0;
        const FrameReader::Status status = reader.Read(data + at, std::min(piece, size - at), used);
        at += used;
        if (status == FrameReader::Status::Error) return;
        if (status == FrameReader::Status::NeedMore) continue;
        const Frame& f = reader.Current();
        Check(f.payload.size() <= (f.type == Type::State ? StateCap : MessageCap));
        Message m;
        std::string problem;
        if (!Decode(f, m, problem)) return;
        if (const auto* state = std::get_if<StateMsg>(&m)) {
            const std::vector<uint8_t> raw = PackSnapshot(state->snap);
            Snapshot back;
            Check(UnpackSnapshot(raw.data(), raw.size(), back, problem) && PackSnapshot(back) == raw);
            continue;
        }
        const std::vector<uint8_t> again = Encode(m);
        FrameReader second;
        Check(second.Read(again.data(), again.size(), used) == FrameReader::Status::Frame && used == again.size());
        Message back;
        Check(Decode(second.Current(), back, problem));
        Check(Encode(back) == again);
    }
}

const std::vector<uint8_t>& Landscape() {
    static const std::vector<uint8_t> heights = [] {
        std::vector<uint8_t> h(static_cast<std::size_t>(GridSize) * GridSize);
        for (std::size_t i = 0; i < h.size(); ++i) h[i] = static_cast<uint8_t>(i % (MaxHeight + 1));
        return h;
    }();
    return heights;
}

void Standing(const uint8_t* data, std::size_t size) {
    Snapshot snap;
    std::string problem;
    if (!UnpackStanding(data, size, snap, problem)) return;
    // Without a landscape the pack is the standing alone, and the apply leaves the heights be.
    Check(PackSnapshot(snap) == std::vector<uint8_t>(data, data + size));
    static GameState* game = new GameState;  // made once: the fuzzer's allocation limit is per allocation
    ApplySnapshot(snap, *game);
}

void StateFrame(const uint8_t* data, std::size_t size) {
    std::vector<uint8_t> raw = Landscape();
    raw.insert(raw.end(), data, data + size);
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 1) != Z_OK) return;
    Writer w;
    w.U32(1);
    w.U32(1);
    w.U32(1);
    w.U32(static_cast<uint32_t>(raw.size()));
    w.Bytes(packed.data(), packedSize);
    const std::vector<uint8_t> frame = EncodeFrame(Type::State, w.Data());
    Stream(frame.data(), frame.size(), frame.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const uint8_t mode = data[0];
    const std::size_t piece = (mode & 15u) + 1;
    ++data;
    --size;
    if (mode < 0xE0) Stream(data, size, piece);
    else if (mode < 0xFF) Standing(data, size);
    else StateFrame(data, size);
    return 0;
}
