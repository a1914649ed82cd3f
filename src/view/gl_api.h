// The OpenGL 1.x and GLU entry points the 3D view uses, bound at start-up from
// the system libraries. glvnd dispatches every call into whichever context the
// windowing layer has made current, so the game itself never links libGL.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <string>

namespace sky {

#define SKY_GL_ENTRY_POINTS(X)                                                              \
    X(glClear) X(glClearColor) X(glClearDepth) X(glEnable) X(glHint) X(glLoadIdentity)     \
    X(glTranslatef) X(glRotatef) X(glLineWidth) X(glPolygonMode) X(glColor3ub) X(glColor3f) \
    X(glBegin) X(glEnd) X(glVertex3f) X(glPushMatrix) X(glPopMatrix) X(glViewport)          \
    X(glMatrixMode) X(glFinish) X(glReadPixels) X(glGetError) X(glGetFloatv)                \
    X(glGetIntegerv) X(glIsEnabled) X(glPixelStorei) X(glReadBuffer)
#define SKY_GLU_ENTRY_POINTS(X) X(gluPerspective)

struct GlApi {
#define SKY_GL_POINTER(name) decltype(&::name) name = nullptr;
    SKY_GL_ENTRY_POINTS(SKY_GL_POINTER)
    SKY_GLU_ENTRY_POINTS(SKY_GL_POINTER)
#undef SKY_GL_POINTER

    // Binds every entry point, or none: on failure the pointers stay as they
    // were and error names the library that could not be loaded.
    bool Load(std::string& error, const char* glName = "libGL.so.1", const char* gluName = "libGLU.so.1");
};

}  // namespace sky
