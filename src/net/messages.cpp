#include "net/messages.h"

#include <zlib.h>

#include "net/join_code.h"
#include "net/wire.h"

namespace sky::net {
namespace {

constexpr std::size_t MaxVersionLength = 32;

void PutAim(Writer& w, const Aim& a) {
    w.F64(a.azimuth);
    w.F64(a.elevation);
    w.F64(a.power);
}
Aim GetAim(Reader& r) {
    Aim a;
    a.azimuth = r.F64();
    a.elevation = r.F64();
    a.power = r.F64();
    return a;
}
bool ValidPlayer(int32_t p) { return p == 1 || p == 2; }

std::vector<uint8_t> Payload(const Hello& m) {
    Writer w;
    w.U16(m.protocol);
    w.U64(m.rules);
    w.U8(static_cast<uint8_t>(m.role));
    w.U8(static_cast<uint8_t>(m.code.size()));
    w.Bytes(reinterpret_cast<const uint8_t*>(m.code.data()), m.code.size());
    w.U8(static_cast<uint8_t>(m.version.size()));
    w.Bytes(reinterpret_cast<const uint8_t*>(m.version.data()), m.version.size());
    return std::move(w.Data());
}

std::vector<uint8_t> Payload(const StateMsg& m) {
    const std::vector<uint8_t> raw = PackSnapshot(m.snap);
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> packed(size);
    // The fastest level: a landscape packs to 70-130 KB either way, and a state
    // is packed on the host's window thread (about 5 ms here, 16 at the default).
    compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_SPEED);
    Writer w;
    w.U32(m.seq);
    w.U32(m.game);
    w.U32(m.nextSeed);
    w.U32(static_cast<uint32_t>(raw.size()));
    w.Bytes(packed.data(), size);
    return std::move(w.Data());
}

bool Fail(std::string& problem, std::string what) {
    problem = std::move(what);
    return false;
}

bool DecodeHello(Reader& r, Message& out, std::string& problem) {
    Hello m;
    m.protocol = r.U16();
    m.rules = r.U64();
    const uint8_t role = r.U8();
    const uint8_t codeLength = r.U8();
    const uint8_t* code = r.Bytes(codeLength);
    const uint8_t versionLength = r.U8();
    const uint8_t* version = r.Bytes(versionLength);
    if (!r.Done()) return Fail(problem, "a malformed hello");
    if (role != 1 && role != 2) return Fail(problem, "a hello from neither host nor joiner");
    m.role = static_cast<Role>(role);
    m.code.assign(reinterpret_cast<const char*>(code), codeLength);
    std::string normal = m.code;
    if (codeLength != 0 && (!NormaliseJoinCode(normal) || normal != m.code)) return Fail(problem, "a malformed join code");
    if (versionLength == 0 || versionLength > MaxVersionLength) return Fail(problem, "a hello without a version");
    for (uint8_t i = 0; i < versionLength; ++i)
        if (version[i] < 0x20 || version[i] > 0x7E) return Fail(problem, "a version that is not text");
    m.version.assign(reinterpret_cast<const char*>(version), versionLength);
    out = std::move(m);
    return true;
}

bool DecodeState(Reader& r, Message& out, std::string& problem) {
    StateMsg m;
    m.seq = r.U32();
    m.game = r.U32();
    m.nextSeed = r.U32();
    const uint32_t rawSize = r.U32();
    const std::size_t packedSize = r.Left();
    const uint8_t* packed = r.Bytes(packedSize);
    if (!r.Done()) return Fail(problem, "a malformed state");
    if (rawSize > SnapshotMaxSize) return Fail(problem, "a state of " + std::to_string(rawSize) + " bytes");
    std::vector<uint8_t> raw(rawSize);
    uLongf got = rawSize;
    uLong used = static_cast<uLong>(packedSize);
    const int z = uncompress2(raw.data(), &got, packed, &used);
    if (z != Z_OK || got != rawSize || used != packedSize) return Fail(problem, "a state that does not unpack");
    if (!UnpackSnapshot(raw.data(), raw.size(), m.snap, problem)) return false;
    out = std::move(m);
    return true;
}

}  // namespace

std::vector<uint8_t> Encode(const Message& message) {
    return std::visit(
        [](const auto& m) {
            using T = std::decay_t<decltype(m)>;
            Writer w;
            if constexpr (std::is_same_v<T, Hello>) {
                return EncodeFrame(Type::Hello, Payload(m));
            } else if constexpr (std::is_same_v<T, Goodbye>) {
                w.U8(static_cast<uint8_t>(m.reason));
                return EncodeFrame(Type::Goodbye, w.Data());
            } else if constexpr (std::is_same_v<T, StateMsg>) {
                return EncodeFrame(Type::State, Payload(m));
            } else if constexpr (std::is_same_v<T, SeedMsg>) {
                w.U32(m.game);
                w.U32(m.seed);
                return EncodeFrame(Type::Seed, w.Data());
            } else if constexpr (std::is_same_v<T, ShotMsg>) {
                w.U32(m.seq);
                w.U8(static_cast<uint8_t>(m.player));
                PutAim(w, m.aim);
                w.U32(m.rng);
                w.U8(static_cast<uint8_t>(m.level < 0 ? 255 : m.level));
                return EncodeFrame(Type::Shot, w.Data());
            } else if constexpr (std::is_same_v<T, NewGameMsg>) {
                w.U32(m.seq);
                w.U8(static_cast<uint8_t>(m.player));
                return EncodeFrame(Type::NewGame, w.Data());
            } else if constexpr (std::is_same_v<T, HashMsg>) {
                w.U32(m.seq);
                w.U64(m.hash);
                return EncodeFrame(Type::Hash, w.Data());
            } else if constexpr (std::is_same_v<T, AimMsg>) {
                w.U32(m.seq);
                w.U8(static_cast<uint8_t>(m.player));
                PutAim(w, m.aim);
                return EncodeFrame(Type::Aim, w.Data());
            } else {
                w.U32(m.received);
                return EncodeFrame(Type::Heartbeat, w.Data());
            }
        },
        message);
}

bool Decode(const Frame& f, Message& out, std::string& problem) {
    Reader r(f.payload.data(), f.payload.size());
    switch (f.type) {
        case Type::Hello: return DecodeHello(r, out, problem);
        case Type::State: return DecodeState(r, out, problem);
        case Type::Goodbye: {
            const uint8_t reason = r.U8();
            if (!r.Done() || reason < 1 || reason > static_cast<uint8_t>(Farewell::CannotAgree))
                return Fail(problem, "a goodbye for no known reason");
            out = Goodbye{static_cast<Farewell>(reason)};
            return true;
        }
        case Type::Seed: {
            SeedMsg m;
            m.game = r.U32();
            m.seed = r.U32();
            if (!r.Done()) return Fail(problem, "a malformed seed");
            out = m;
            return true;
        }
        case Type::Shot: {
            ShotMsg m;
            m.seq = r.U32();
            m.player = r.U8();
            m.aim = GetAim(r);
            m.rng = r.U32();
            const uint8_t level = r.U8();
            m.level = level == 255 ? -1 : level;
            if (!r.Done() || !ValidPlayer(m.player) || !ValidAim(m.aim) || m.level > 2)
                return Fail(problem, "a shot out of range");
            out = m;
            return true;
        }
        case Type::NewGame: {
            NewGameMsg m;
            m.seq = r.U32();
            m.player = r.U8();
            if (!r.Done() || !ValidPlayer(m.player)) return Fail(problem, "a new game out of range");
            out = m;
            return true;
        }
        case Type::Hash: {
            HashMsg m;
            m.seq = r.U32();
            m.hash = r.U64();
            if (!r.Done()) return Fail(problem, "a malformed hash");
            out = m;
            return true;
        }
        case Type::Aim: {
            AimMsg m;
            m.seq = r.U32();
            m.player = r.U8();
            m.aim = GetAim(r);
            if (!r.Done() || !ValidPlayer(m.player) || !ValidAim(m.aim)) return Fail(problem, "an aim out of range");
            out = m;
            return true;
        }
        case Type::Heartbeat: {
            Heartbeat m;
            m.received = r.U32();
            if (!r.Done()) return Fail(problem, "a malformed heartbeat");
            out = m;
            return true;
        }
    }
    return Fail(problem, "an unknown message");
}

}  // namespace sky::net
