// The join code a host gives out and a joiner types: six characters from an
// alphabet without the look-alikes 0/O and 1/I/L, typed in either case. And
// the secure random source for codes and game seeds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sky::net {

inline constexpr std::string_view JoinCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr std::size_t JoinCodeLength = 6;

// Upper-cases a typed code (spaces around it dropped); whether it is a join code then.
bool NormaliseJoinCode(std::string& code);

// A fresh code, each character drawn evenly from the alphabet.
std::string DrawJoinCode();

// 32 bits from the operating system's secure source (getrandom).
uint32_t SecureRandom32();

}  // namespace sky::net
