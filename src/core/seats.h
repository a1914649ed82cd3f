// Who plays each side of a match, and the kinds of match a player can choose.
// The default is two players taking turns at this computer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sky {

// Here: a person at this computer aims and fires. Computer: the computer
// aims and fires on its own. Remote: the turns come over the network.
enum class Seat { Here, Computer, Remote };

enum class PlayKind {
    HotSeat,   // two players at this computer (the default)
    Computer,  // the computer plays Player 2
    Demo,      // the computer plays both sides
    Host,      // a network game this computer opens (Player 1)
    Join,      // a network game on another computer (Player 2)
};

// How a match is to be played, from the command line or the New game dialog.
struct PlayChoice {
    PlayKind kind = PlayKind::HotSeat;
    int level = -1;          // 0 low, 1 medium, 2 high; -1 leaves the panel's choice
    int port = -1;           // the host's port; -1 the default, 0 any free one
    std::string address;     // the host to join
    std::string code;        // the join code; the host's own when set there
    bool ask = false;        // join: address or code still to be asked for
    bool computerHere = false;  // a network game: the computer plays this side, at level
    std::optional<uint32_t> seed;  // the host: the games' seeds follow from it instead of being drawn
};

// The port a network game is hosted on unless another is chosen: in the
// registered range, and used by nothing in Debian's /etc/services.
inline constexpr int DefaultGamePort = 41723;

// A network game's join code: six characters from an alphabet without the
// look-alikes 0/O, 1/I/L; typed in either case.
inline constexpr std::string_view JoinCodeAlphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
inline constexpr std::size_t JoinCodeLength = 6;

// Upper-cases a typed code; answers whether it is a join code then.
bool NormaliseJoinCode(std::string& code);

// "HOST", "HOST:PORT", "[IPv6]:PORT" or a bare IPv6 address; the port is
// left as it was when none is given. False for an empty host or a bad port.
bool ParseHostPort(const std::string& text, std::string& host, int& port);

struct Seats {
    std::array<Seat, 2> side{Seat::Here, Seat::Here};
    Seat Of(int player) const { return side[player == 2 ? 1 : 0]; }
};

inline Seats SeatsFor(PlayKind kind) {
    switch (kind) {
        case PlayKind::Computer: return {{Seat::Here, Seat::Computer}};
        case PlayKind::Demo: return {{Seat::Computer, Seat::Computer}};
        case PlayKind::Host: return {{Seat::Here, Seat::Remote}};
        case PlayKind::Join: return {{Seat::Remote, Seat::Here}};
        case PlayKind::HotSeat: break;
    }
    return {};
}

}  // namespace sky
