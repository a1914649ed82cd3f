// The interface texts of the three languages. A language is the first id of
// its block; the text with offset k of that language has the id
// language + k. Items of a radio group and the lines of a help text are
// separated by "\n".
#pragma once

#include <string>

namespace sky {

// The languages, as the first id of each block.
namespace Lang {
inline constexpr int German = 1000, English = 2000, Portuguese = 3000;
inline constexpr int BlockSize = 1000;
}  // namespace Lang

// The language of item i of the language group (German, English, Portuguese), and back.
constexpr int LanguageOfItem(int item) { return item * Lang::BlockSize + Lang::German; }
constexpr int ItemOfLanguage(int language) { return language / Lang::BlockSize - 1; }

// The offsets of the texts in a block.
namespace Str {
inline constexpr int Shoot = 0;              // the Shoot button
inline constexpr int Player = 1;             // the start of the player label
inline constexpr int Energy = 2;             // the start of the energy labels
inline constexpr int ColoursCaption = 3;     // the colour scheme group
inline constexpr int ColoursItems = 4;
inline constexpr int DetailsCaption = 5;     // the level of detail group
inline constexpr int LookCaption = 6;        // the look group
inline constexpr int LookItems = 7;
inline constexpr int LanguageCaption = 8;    // the language group
inline constexpr int ShootingHelp = 9;       // the help texts of the [i] buttons
inline constexpr int ViewHelp = 10;
inline constexpr int NewGame = 11;           // the New Game button
inline constexpr int Score = 12;             // the start of the score labels
inline constexpr int WinnerBefore = 13;      // the winner text before and after the player's number
inline constexpr int WinnerAfter = 14;
inline constexpr int SoundCaption = 15;      // the sound switch
inline constexpr int SoundItems = 16;
inline constexpr int Computer = 17;          // the Computer button
inline constexpr int SkillCaption = 18;      // the computer player's skill group
inline constexpr int SkillItems = 19;
inline constexpr int ComputerHelp = 20;
inline constexpr int Count = 21;
}  // namespace Str

// The text of id; an id outside the three blocks gives an empty string.
const std::string& LoadStr(int id);

// "Dieses Mal hat Spieler 2 gewonnen." and its translations.
std::string WinnerText(int language, int winner);

}  // namespace sky
