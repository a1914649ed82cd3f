// The interface language that the user's own language setting selects.
#pragma once

#include <cstdint>
#include <string_view>

namespace sky {

// The first text id of the language block for a locale name such as
// "de_DE", "pt_BR" or "fr_FR.UTF-8": German 1000, Portuguese 3000, every
// other language (and "C" or an empty name) English, 2000.
int32_t LanguageIdFromLocale(std::string_view localeName);

}  // namespace sky
