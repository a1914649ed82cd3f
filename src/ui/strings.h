// The interface texts of the three languages. A language is the first id of
// its block (1000 German, 2000 English, 3000 Portuguese); the text with
// offset k of that language has the id language + k, k = 0..20. Items of a
// radio group and the lines of a help text are separated by "\n".
#pragma once

#include <string>

namespace sky {

// The text of id; an id outside the three blocks gives an empty string.
const std::string& LoadStr(int id);

// "Dieses Mal hat Spieler 2 gewonnen." and its translations.
std::string WinnerText(int language, int winner);

}  // namespace sky
