#include "net/frame.h"

#include <algorithm>

#include "net/wire.h"

namespace sky::net {
namespace {

struct Range {
    std::size_t least, most;
};

// Each type's payload length: exact for the fixed ones.
bool LengthRange(uint8_t type, Range& r) {
    switch (static_cast<Type>(type)) {
        case Type::Hello: r = {14, 51}; return true;
        case Type::Goodbye: r = {1, 1}; return true;
        case Type::State: r = {17, StateCap}; return true;
        case Type::Seed: r = {8, 8}; return true;
        case Type::Shot: r = {34, 34}; return true;
        case Type::NewGame: r = {5, 5}; return true;
        case Type::Hash: r = {12, 12}; return true;
        case Type::Aim: r = {29, 29}; return true;
        case Type::Heartbeat: r = {4, 4}; return true;
    }
    return false;
}

}  // namespace

std::vector<uint8_t> EncodeFrame(Type type, const std::vector<uint8_t>& payload) {
    Writer w(HeaderSize + payload.size());
    w.U8('S');
    w.U8('K');
    w.U8(ProtocolVersion);
    w.U8(static_cast<uint8_t>(type));
    w.U32(static_cast<uint32_t>(payload.size()));
    w.Bytes(payload.data(), payload.size());
    return std::move(w.Data());
}

bool FrameReader::CheckHeader() {
    Reader r(header_, HeaderSize);
    const uint8_t m0 = r.U8(), m1 = r.U8(), version = r.U8(), type = r.U8();
    const uint32_t length = r.U32();
    Range range{};
    if (m0 != 'S' || m1 != 'K') {
        problem_ = "not a frame of this game";
    } else if (!LengthRange(type, range)) {
        problem_ = "unknown message type " + std::to_string(type);
    } else if (version != ProtocolVersion && static_cast<Type>(type) != Type::Hello) {
        problem_ = "a frame of protocol version " + std::to_string(version);
    } else if (length < range.least || length > range.most) {
        problem_ = "message type " + std::to_string(type) + " with " + std::to_string(length) + " bytes";
    } else {
        frame_.version = version;
        frame_.type = static_cast<Type>(type);
        frame_.payload.clear();
        frame_.payload.reserve(length);
        length_ = length;
        return true;
    }
    return false;
}

FrameReader::Status FrameReader::Read(const uint8_t* data, std::size_t n, std::size_t& used) {
    used = 0;
    if (!problem_.empty()) return Status::Error;
    while (used < n) {
        if (!inPayload_) {
            const std::size_t take = std::min(HeaderSize - headerHave_, n - used);
            std::copy(data + used, data + used + take, header_ + headerHave_);
            headerHave_ += take;
            used += take;
            if (headerHave_ < HeaderSize) return Status::NeedMore;
            if (!CheckHeader()) return Status::Error;
            inPayload_ = true;
        }
        const std::size_t take = std::min(length_ - frame_.payload.size(), n - used);
        frame_.payload.insert(frame_.payload.end(), data + used, data + used + take);
        used += take;
        if (frame_.payload.size() == length_) break;
    }
    if (!inPayload_ || frame_.payload.size() < length_) return Status::NeedMore;
    inPayload_ = false;
    headerHave_ = 0;
    return Status::Frame;
}

}  // namespace sky::net
