// The network game's framing. Every message is a frame: 'S' 'K', the
// protocol version, the message type and the payload's length (32 bits,
// little-endian), then the payload. Each type has its own length range; a
// frame outside it, an unknown type, another magic or (but for the hello,
// whose layout never changes) another version is refused as soon as its
// 8-byte header is in, before anything is allocated for the payload.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sky::net {

inline constexpr uint8_t ProtocolVersion = 1;
inline constexpr std::size_t HeaderSize = 8;
// No message but the game's state comes near this.
inline constexpr std::size_t MessageCap = 64 * 1024;
// The game's state: about 263 KB before compression and never more; zlib's
// worst case on incompressible input stays below this.
inline constexpr std::size_t StateCap = 320 * 1024;

enum class Type : uint8_t {
    Hello = 1,
    Goodbye,
    State,
    Seed,
    Shot,
    NewGame,
    Hash,
    Aim,
    Heartbeat,
};

struct Frame {
    uint8_t version = 0;
    Type type = Type::Hello;
    std::vector<uint8_t> payload;
};

// The whole frame for a payload.
std::vector<uint8_t> EncodeFrame(Type type, const std::vector<uint8_t>& payload);

// Reads frames from a stream that arrives in pieces of any size. Holds at
// most one frame's header and payload.
class FrameReader {
public:
    enum class Status { NeedMore, Frame, Error };

    // Consumes bytes from data up to the end of the next frame (`used` says how
    // many). Frame: Current() holds it until the next call. Error: the stream
    // is broken for good (Problem() says why); nothing more is read.
    Status Read(const uint8_t* data, std::size_t n, std::size_t& used);
    const Frame& Current() const { return frame_; }
    const std::string& Problem() const { return problem_; }

private:
    bool CheckHeader();

    uint8_t header_[HeaderSize] = {};
    std::size_t headerHave_ = 0;
    std::size_t length_ = 0;
    bool inPayload_ = false;
    Frame frame_;
    std::string problem_;
};

}  // namespace sky::net
