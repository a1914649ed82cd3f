// Runs the window tests inside one application started as the game starts.
#include <gtest/gtest.h>

#include <cstdio>

#include "app/program_qt.h"
#include "app/window_fixture.h"

namespace {
const sky::GlApi* gl = nullptr;
}

#if defined(__SANITIZE_THREAD__)
// The longest history the thread sanitizer keeps: a race is reported only
// while the older of its two accesses is still in it, and a shot's impact
// alone (crater and debris) makes more accesses than the default keeps.
extern "C" const char* __tsan_default_options() { return "history_size=7"; }
#endif

const sky::GlApi& TestGl() { return *gl; }

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    sky::ProgramStart start(argc, argv);
    if (!start.Ok()) {
        std::fprintf(stderr, "%s\n", start.Error().c_str());
        return 1;
    }
    gl = &start.Gl();
    return RUN_ALL_TESTS();
}
