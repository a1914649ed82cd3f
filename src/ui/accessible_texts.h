// What a screen reader says about the main window's controls, in the three
// languages (a language is the first id of its block, as in strings.h), and
// the aim in the numbers a player reads. The captions stay in the string
// table; these are the words a player who cannot see the window needs
// besides them. Tool tips are made of the same words.
#pragma once

#include <string>

#include "core/game_state.h"

namespace sky {

// The aim as a player reads it. Power: 0..100, 100 the strongest shot (the
// bar stores the opposite). Direction: degrees counter-clockwise from the
// right of the overview map, so 90 is its top, in [0, 360). Elevation:
// degrees above level, 0..90.
double ShownPower(double storedPower);
double StoredPower(double shownPower);
double DirectionDegrees(double azimuth);
double AzimuthOf(double directionDegrees);
double ElevationDegrees(double elevation);
double ElevationOf(double elevationDegrees);

// Fixed texts: names of controls that have no caption, and descriptions.
enum class Spoken {
    Power, Direction, Elevation,                // the aiming widgets' names, before their values
    PowerKeys, DirectionKeys, ElevationKeys,    // and their descriptions: the keys
    View, ViewKeys,                             // the 3D view
    TurnUp, TurnDown, TurnLeft, TurnRight, ZoomIn, ZoomOut, ResetView,  // the camera buttons
    KeyUp, KeyDown, KeyLeft, KeyRight, KeyPlus, KeyMinus, KeyHome,      // and the view's key for each
    ShowSettings, HideSettings, ShowWind, HideWind, ShowComputer, HideComputer,  // fold buttons
    HelpShooting, HelpView, HelpComputer,       // the [i] buttons
    Map, Wind, ColourScale, Banner, Language,   // pictures without caption, the language group
    AimingPanel, MapPanel, SettingsPanel, ViewPanel,
    Count
};
const std::string& SpokenText(int language, Spoken what);

// A caption as a name: without the brackets of a button or the blanks of a frame ("[Schuss]" -> "Schuss").
std::string CaptionName(const std::string& caption);

// The aiming widgets' names with their values: "Power 60",
// "Direction 90 degrees, towards the top of the map", "Elevation 11.5 degrees".
std::string PowerText(int language, double storedPower);
std::string DirectionText(int language, double azimuth);
std::string ElevationText(int language, double elevation);

// The overview map: where the players stand, and the direction and distance
// from the current player to the other ("Player 1 at the bottom left, ...").
std::string MapText(int language, const GameState& s);
// Where the wind blows to, as a direction on the map.
std::string WindText(int language, double windDirection);

// Said when a shot has passed the turn: who lost how much energy (energyBefore
// is what both had when it was fired), then whose turn it is.
std::string TurnText(int language, const GameState& s, const OneBased<int32_t, 2>& energyBefore);

}  // namespace sky
