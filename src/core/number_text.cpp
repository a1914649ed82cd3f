#include "core/number_text.h"

#include <cstdio>
#include <cstdlib>

namespace sky {

std::string FloatToText(double v, char decimalSeparator) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    std::string s(buf);
    // "1E-05" is written "1E-5", "1E+20" is written "1E20".
    const auto e = s.find('E');
    if (e != std::string::npos) {
        const int exponent = std::atoi(s.c_str() + e + 1);
        s = s.substr(0, e) + "E" + std::to_string(exponent);
    }
    for (char& c : s)
        if (c == '.') c = decimalSeparator;
    return s;
}

}  // namespace sky
