// Bytes on the wire: little-endian integers and doubles bit for bit. The
// reader checks every read against the end of its input; a read past the end
// yields zero and marks the reader failed, so a decoder reads a whole message
// and then asks once whether it was all there and nothing more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace sky::net {

class Writer {
public:
    // Room for any message but a state without growing.
    explicit Writer(std::size_t reserve = 64) { out_.reserve(reserve); }
    void U8(uint8_t v) { out_.push_back(v); }
    void U16(uint16_t v) { Le(v, 2); }
    void U32(uint32_t v) { Le(v, 4); }
    void U64(uint64_t v) { Le(v, 8); }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void F64(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        U64(bits);
    }
    void Bytes(const uint8_t* p, std::size_t n) { out_.insert(out_.end(), p, p + n); }
    std::vector<uint8_t>& Data() { return out_; }

private:
    void Le(uint64_t v, int n) {
        for (int i = 0; i < n; ++i) out_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    std::vector<uint8_t> out_;
};

class Reader {
public:
    Reader(const uint8_t* p, std::size_t n) : p_(p), n_(n) {}
    uint8_t U8() { return static_cast<uint8_t>(Le(1)); }
    uint16_t U16() { return static_cast<uint16_t>(Le(2)); }
    uint32_t U32() { return static_cast<uint32_t>(Le(4)); }
    uint64_t U64() { return Le(8); }
    int32_t I32() { return static_cast<int32_t>(U32()); }
    double F64() {
        const uint64_t bits = U64();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    // n bytes at the current place, or null (and failed) when fewer are left.
    const uint8_t* Bytes(std::size_t n) {
        if (failed_ || n > n_ - at_) {
            failed_ = true;
            return nullptr;
        }
        const uint8_t* p = p_ + at_;
        at_ += n;
        return p;
    }
    std::size_t Left() const { return n_ - at_; }
    bool Ok() const { return !failed_; }
    // Everything read, nothing missing and nothing left over.
    bool Done() const { return !failed_ && at_ == n_; }

private:
    uint64_t Le(int n) {
        const uint8_t* p = Bytes(static_cast<std::size_t>(n));
        if (!p) return 0;
        uint64_t v = 0;
        for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(p[i]) << (8 * i);
        return v;
    }
    const uint8_t* p_;
    std::size_t n_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

}  // namespace sky::net
