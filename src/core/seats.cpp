#include "core/seats.h"

#include <cctype>
#include <charconv>

namespace sky {
namespace {

bool ParsePort(std::string_view text, int& port) {
    int p = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), p);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || p < 0 || p > 65535) return false;
    port = p;
    return true;
}

}  // namespace

bool NormaliseJoinCode(std::string& code) {
    for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (code.size() != JoinCodeLength) return false;
    for (const char c : code)
        if (JoinCodeAlphabet.find(c) == std::string_view::npos) return false;
    return true;
}

bool ParseHostPort(const std::string& text, std::string& host, int& port) {
    if (!text.empty() && text.front() == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos || close == 1) return false;
        host = text.substr(1, close - 1);
        if (close + 1 == text.size()) return true;
        return text[close + 1] == ':' && ParsePort(std::string_view(text).substr(close + 2), port);
    }
    const std::size_t colon = text.find(':');
    if (colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
        host = text.substr(0, colon);
        return !host.empty() && ParsePort(std::string_view(text).substr(colon + 1), port);
    }
    host = text;
    return !host.empty();
}

}  // namespace sky
