// What a network game tells its player: joins, leaves, refusals and why a
// connection ended, in the game's three languages.
#pragma once

#include <string>

namespace sky::net {

enum class Notice {
    PeerJoined,       // host: Player 2 has joined
    JoinedHost,       // joiner: in the host's game, as Player 2
    PeerLeft,         // the other player has left: closed, killed or gone silent
    WrongCodeTried,   // host: someone tried a wrong code
    CodeRefused,      // joiner: the host refused the code
    StoppedListening, // host: five wrong codes, nobody else can join
    HostBusy,         // joiner: the host already has a player
    OtherVersion,     // detail: the other game's version
    OtherProtocol,    // detail: the other game's protocol version
    OtherRules,       // detail: the other game's version
    Malformed,        // detail: what could not be read
    StoppedReading,   // the other game took nothing for 10 s
    CannotAgree,      // the host's state did not bring the games back in step
    CannotConnect,    // detail: the address and the reason
    Repaired,         // the games differed; the host's state was taken; detail: the replay file
};

// language: 1000 German, 3000 Portuguese, anything else English.
std::string NoticeText(int language, Notice n, const std::string& detail);

}  // namespace sky::net
