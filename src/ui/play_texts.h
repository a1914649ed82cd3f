// The words of the ways to play, in the three languages (a language is the
// first id of its block, as in strings.h): the window's title, whose turn it
// is, the New game dialog and what a network game tells its players.
#pragma once

#include <string>

#include "core/seats.h"

namespace sky {

enum class PlayText {
    DialogTitle, Question,                           // the New game dialog
    HotSeat, Computer, Host, Join,                   // its choices
    Address, Code, Play, Cancel,                     // its fields and buttons
    NewGameTip,                                      // the tool tip of "[Neues Spiel]"
    PeerLeft,                                        // a network game lost its other player
    // A hosted game is open: {1} this computer's addresses, {2} the port, {3} the join code.
    HostWaiting,
    Connecting,                                      // {1} the host's address
    CannotHost,                                      // {1} the port, {2} the system's reason
    Count
};
const std::string& PlayTextOf(int language, PlayText what);

// "Skyburst 3D" for two players here; otherwise with what kind of game is on,
// e.g. "Skyburst 3D - network, you are Player 1".
std::string TitleText(int language, PlayKind kind, int localPlayer);

// Said after whose turn it is, in every kind of game but two players here:
// whether that is the player at this computer, the computer or the other player.
std::string TurnOwnerText(int language, Seat seat);

}  // namespace sky
