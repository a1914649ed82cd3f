// Numbers as the diagnostics memo shows them: general format with up to 15
// significant digits and the user's decimal separator.
#pragma once

#include <string>

namespace sky {

std::string FloatToText(double v, char decimalSeparator = '.');

}  // namespace sky
