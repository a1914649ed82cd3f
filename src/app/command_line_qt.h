// The command line: how to play (the computer, a demo, a network game) and
// the usual --help and --version. Parsed before any window exists, so that
// --help works without a display and a mistake opens no window.
#pragma once

#include <string>

#include "core/seats.h"

namespace sky {

struct CommandLine {
    bool run = true;      // false: print and exit with exitCode
    int exitCode = 0;     // 0 after --help or --version, 2 after a mistake
    std::string output;   // for stdout (--help, --version)
    std::string error;    // one line for stderr
    PlayChoice choice;
};

// The toolkit's own options (-platform xcb, -style ...) are left to the toolkit.
CommandLine ParseCommandLine(int argc, char** argv);

}  // namespace sky
