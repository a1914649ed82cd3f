// Fixed arrays indexed from 1, as the game numbers players, trail points and
// aim candidates. Every access is checked, so index 0 cannot slip through.
#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace sky {

template <typename T, int N>
class OneBased {
public:
    static constexpr int Size = N;

    T& operator[](int i) { return items_[Check(i)]; }
    const T& operator[](int i) const { return items_[Check(i)]; }

    void Fill(const T& v) { items_.fill(v); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    static std::size_t Check(int i) {
        if (i < 1 || i > N)
            throw std::out_of_range("index " + std::to_string(i) + " outside 1.." + std::to_string(N));
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> items_{};
};

}  // namespace sky
