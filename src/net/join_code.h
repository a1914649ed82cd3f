// The join code a host draws (its alphabet and length are the game's, in
// core/seats.h), and the secure random source for codes and game seeds.
#pragma once

#include <cstdint>
#include <string>

#include "core/seats.h"

namespace sky::net {

// A fresh code, each character drawn evenly from the alphabet.
std::string DrawJoinCode();

// 32 bits from the operating system's secure source (getrandom).
uint32_t SecureRandom32();

}  // namespace sky::net
