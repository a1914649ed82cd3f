// Runs the renderer tests in a real OpenGL context: a compatibility-profile
// context on an offscreen surface, drawing into a 750 x 650 framebuffer object
// with a depth buffer, the size of the game's window.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <cstdio>
#include <string>

#include "view/gl_fixture.h"

namespace {
sky::GlApi api;
}

const sky::GlApi& sky::test::Gl() { return api; }

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);

    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);

    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "no OpenGL context\n");
        return 1;
    }
    QOpenGLFramebufferObject fbo(sky::test::ViewW, sky::test::ViewH,
                                 QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo.bind();

    std::string error;
    if (!api.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    // The state start-up sets once, so each test also passes when CTest runs it alone.
    sky::InitGlState(api);
    const int rc = RUN_ALL_TESTS();
    fbo.release();
    context.doneCurrent();
    return rc;
}
