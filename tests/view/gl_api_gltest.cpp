#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/numeric.h"
#include "view/gl_fixture.h"

namespace sky {
namespace {

TEST(GlApi, NamesTheLibraryThatCouldNotBeLoaded) {
    GlApi api;
    std::string error;
    EXPECT_FALSE(api.Load(error, "libNoSuchGL.so.1"));
    EXPECT_EQ(error, "Could not load OpenGL from libNoSuchGL.so.1");
    EXPECT_EQ(api.glBegin, nullptr);

    EXPECT_FALSE(api.Load(error, "libGL.so.1", "libNoSuchGLU.so.1"));
    EXPECT_EQ(error, "Could not load GLu from libNoSuchGLU.so.1");
    EXPECT_EQ(api.glBegin, nullptr);  // all or nothing

    error.clear();
    ASSERT_TRUE(api.Load(error));
    EXPECT_TRUE(error.empty());
    EXPECT_NE(api.glVertex3f, nullptr);
    EXPECT_NE(api.gluPerspective, nullptr);
}

TEST(GlApi, InitialStateAndProjection) {
    const GlApi& gl = test::Gl();
    InitGlState(gl);
    EXPECT_TRUE(gl.glIsEnabled(GL_DEPTH_TEST));
    GLint hint = 0;
    gl.glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &hint);
    EXPECT_EQ(hint, GL_NICEST);

    const double f = 1 / std::tan(22.5 * Pi / 180);
    std::array<GLfloat, 16> m{};
    for (const auto& [w, h, aspect] : {std::tuple{750, 650, 750.0 / 650}, std::tuple{750, 0, 750.0}}) {
        SetProjection(gl, w, h);
        GLint mode = 0, viewport[4] = {};
        gl.glGetIntegerv(GL_MATRIX_MODE, &mode);
        gl.glGetIntegerv(GL_VIEWPORT, viewport);
        gl.glGetFloatv(GL_PROJECTION_MATRIX, m.data());
        EXPECT_EQ(mode, GL_MODELVIEW);
        EXPECT_EQ(viewport[3], h == 0 ? 1 : h);
        for (const GLfloat v : m) EXPECT_TRUE(std::isfinite(v));
        EXPECT_NEAR(m[0], f / aspect, 1e-5);
        EXPECT_NEAR(m[5], f, 1e-5);
        EXPECT_NEAR(m[10], (100 + 0.1) / (0.1 - 100), 1e-5);
        EXPECT_EQ(gl.glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

}  // namespace
}  // namespace sky
