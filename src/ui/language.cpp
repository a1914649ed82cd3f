#include "ui/language.h"

#include <cctype>
#include <string>

#include "ui/strings.h"

namespace sky {

int32_t LanguageIdFromLocale(std::string_view localeName) {
    // Only the primary language counts: "de_AT.UTF-8@euro" is German.
    std::string primary;
    for (const char c : localeName) {
        if (c == '_' || c == '-' || c == '.' || c == '@') break;
        primary += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // Two-letter codes as the toolkits give them, three-letter ones as some systems do.
    if (primary == "de" || primary == "deu" || primary == "ger") return Lang::German;
    if (primary == "pt" || primary == "por") return Lang::Portuguese;
    return Lang::English;
}

}  // namespace sky
