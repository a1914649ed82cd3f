// The messages of a network game and their payloads. Decoding checks every
// field against what a game can hold (players 1 and 2, aims the widgets can
// set, a state every rule could have made); a message that fails is refused
// whole, so nothing of it reaches the game.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "net/frame.h"
#include "net/snapshot.h"

namespace sky::net {

enum class Role : uint8_t { Host = 1, Joiner = 2 };

// Why a side ends the connection, sent in its last message.
enum class Farewell : uint8_t {
    Left = 1,        // the player closed the game or left the network game
    WrongCode,       // the joiner's code is not the host's
    Busy,            // the host already has a player
    Malformed,       // a message this side cannot read
    StoppedReading,  // the other side took none of this side's messages for 10 s
    CannotAgree,     // the host's state did not bring the two games back in step
};

// The first message each side sends. Its layout never changes, so any two
// versions of the game can tell each other which they are.
struct Hello {
    uint16_t protocol = ProtocolVersion;
    uint64_t rules = 0;     // the hash of the rules' constants
    Role role = Role::Host;
    std::string code;       // the joiner's join code; the host sends none
    std::string version;    // the game's version, 1 to 32 printable characters
};
struct Goodbye {
    Farewell reason = Farewell::Left;
};
// The host's whole game: after a join, and to repair a mismatch. seq and game
// are the lockstep's counters, nextSeed the seed of the game after this one.
struct StateMsg {
    uint32_t seq = 0, game = 0, nextSeed = 0;
    Snapshot snap;
};
struct SeedMsg {
    uint32_t game = 0, seed = 0;
};
// A shot fired at turn seq: the aim bit for bit and the shooter's generator at the press.
struct ShotMsg {
    uint32_t seq = 0;
    int32_t player = 1;
    Aim aim;
    uint32_t rng = 0;
    int32_t level = -1;  // the computer's skill level 0..2 that aimed, -1 aimed by hand
};
struct NewGameMsg {  // "[Neues Spiel]" at turn seq: scores back to 0, a new landscape
    uint32_t seq = 0;
    int32_t player = 1;
};
struct HashMsg {  // the sender's state hash after turn seq began
    uint32_t seq = 0;
    uint64_t hash = 0;
};
struct AimMsg {  // the player's aim while they drag, to show on the other side
    uint32_t seq = 0;
    int32_t player = 1;
    Aim aim;
};
struct Heartbeat {  // every 2 s: how many messages the sender has read so far
    uint32_t received = 0;
};

using Message = std::variant<Hello, Goodbye, StateMsg, SeedMsg, ShotMsg, NewGameMsg, HashMsg, AimMsg, Heartbeat>;

// The whole frame of a message (a state is compressed here).
std::vector<uint8_t> Encode(const Message& m);
// False with the problem when a field is out of range or the payload is malformed.
bool Decode(const Frame& f, Message& out, std::string& problem);

}  // namespace sky::net
