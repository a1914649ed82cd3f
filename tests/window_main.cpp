// Runs the window tests inside one application with the game's OpenGL format.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

#include "app/program_qt.h"
#include "app/window_fixture.h"

namespace {
sky::GlApi gl;
}

const sky::GlApi& TestGl() { return gl; }

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    sky::UseGameSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyburst 3D"));
    std::string error;
    if (!gl.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
