#include "view/renderer.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "view/gl_mapping.h"
#include "view/models.h"

namespace sky {

namespace {

constexpr int MaxGridLines = GridSize;

GLubyte LowByte(int32_t channel) { return static_cast<GLubyte>(channel & 0xFF); }

// One pass over the mesh. It sends about 62,000 quads at the finest detail, so
// the loop body is nothing but the GL calls: the grid-line coordinates are
// computed once, the heights are read through two row pointers.
template <bool Filled>
void LandscapePass(const GlApi& gl, const GameState& s, const int step) {
    gl.glPolygonMode(GL_FRONT_AND_BACK, Filled ? GL_FILL : GL_LINE);
    gl.glColor3ub(0, 0, 0);
    gl.glBegin(GL_QUADS);
    if (step >= 1 && step < GridSize) {
        // the first corners x = 0, step, ... below 500 - step
        const int quads = (GridSize - 1) / step;
        std::array<float, MaxGridLines + 1> line;
        for (int i = 0; i <= quads; ++i) line[static_cast<std::size_t>(i)] = GridToGl(i * step);

        const auto vertex = gl.glVertex3f;
        const auto colour = gl.glColor3ub;
        const int32_t* const heights = s.HeightMap.data();
        const auto& table = s.ColourTable;
        for (int i = 0; i < quads; ++i) {
            const int32_t* const row = heights + static_cast<std::ptrdiff_t>(i) * step * GridSize;
            const int32_t* const next = row + static_cast<std::ptrdiff_t>(step) * GridSize;
            const float x0 = line[static_cast<std::size_t>(i)];
            const float x1 = line[static_cast<std::size_t>(i) + 1];
            for (int j = 0; j < quads; ++j) {
                const int y0 = j * step;
                const int y1 = y0 + step;
                const float z0 = line[static_cast<std::size_t>(j)];
                const float z1 = line[static_cast<std::size_t>(j) + 1];
                if constexpr (Filled) {
                    // the mean of the two diagonal corners picks the colour
                    const int k = std::clamp((row[y0] + next[y1]) / 2, 0, 255);
                    const RGB& c = table[static_cast<std::size_t>(k)];
                    colour(LowByte(c.r), LowByte(c.g), LowByte(c.b));
                }
                vertex(x0, HeightToGl(row[y0]), z0);
                vertex(x1, HeightToGl(next[y0]), z0);
                vertex(x1, HeightToGl(next[y1]), z1);
                vertex(x0, HeightToGl(row[y1]), z1);
            }
        }
    }
    // The floor square rides in the same primitive, one unit below the origin.
    gl.glColor3ub(80, 80, 80);
    gl.glVertex3f(-1, -1, -1);
    gl.glVertex3f(1, -1, -1);
    gl.glVertex3f(1, -1, 1);
    gl.glVertex3f(-1, -1, 1);
    gl.glEnd();
}

void DebrisSquare(const GlApi& gl) {
    gl.glBegin(GL_QUADS);
    gl.glVertex3f(0, -0.04f, -0.04f);
    gl.glVertex3f(0, -0.04f, 0.04f);
    gl.glVertex3f(0, 0.04f, 0.04f);
    gl.glVertex3f(0, 0.04f, -0.04f);
    gl.glEnd();
    gl.glColor3f(0, 0, 0);
}

void DrawDebris(const GlApi& gl, const GameState& s) {
    for (const TDebrisParticle& d : s.Debris) {
        gl.glPushMatrix();
        gl.glTranslatef(GridToGl(d.pos.x), HeightToGl(d.pos.z), GridToGl(d.pos.y));
        // a fragment's x velocity never changes, so neither does its tilt
        gl.glRotatef(static_cast<float>(10.0 * d.velocity.x), 1, 1, 1);
        gl.glColor3ub(d.r, d.g, d.b);
        gl.glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        DebrisSquare(gl);
        gl.glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        DebrisSquare(gl);
        gl.glPopMatrix();
    }
}

void DrawTrail(const GlApi& gl, const GameState& s) {
    gl.glBegin(GL_LINE_STRIP);
    const int points = std::clamp(s.TrailLength, 0, static_cast<int>(s.Trail.Size));
    for (int i = 1; i <= points; ++i) {
        const Point3& t = s.Trail[i];
        gl.glVertex3f(TrailGridToGl(t.x), TrailHeightToGl(t.z), TrailGridToGl(t.y));
    }
    gl.glEnd();
}

}  // namespace

void InitGlState(const GlApi& gl) {
    gl.glClearColor(1, 1, 1, 1);
    gl.glClearDepth(1.0);
    gl.glEnable(GL_DEPTH_TEST);
    gl.glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
}

void SetProjection(const GlApi& gl, const int outerW, int outerH) {
    if (outerH == 0) outerH = 1;  // a window shrunk to no height must not divide by zero
    gl.glViewport(0, 0, outerW, outerH);
    gl.glMatrixMode(GL_PROJECTION);
    gl.glLoadIdentity();
    gl.gluPerspective(45.0, static_cast<double>(outerW) / outerH, 0.1, 100.0);
    gl.glMatrixMode(GL_MODELVIEW);
}

void DrawScene(const GlApi& gl, const GameState& s, const FrameView& v) {
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glLoadIdentity();
    // Set after the clear: it is the background of the frames that follow.
    gl.glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    gl.glTranslatef(0, 0, static_cast<float>(s.Zoom));
    gl.glRotatef(static_cast<float>(v.RotX), 1, 0, 0);
    gl.glRotatef(static_cast<float>(v.RotY), 0, 1, 0);
    gl.glLineWidth(2.0f);

    const int step = s.DetailStep;
    if (v.Look == 1 || v.Look == 2) LandscapePass<true>(gl, s, step);
    if (v.Look == 0 || v.Look == 1) LandscapePass<false>(gl, s, step);

    gl.glColor3f(0, 0, 0);
    if (s.DebrisVisible) DrawDebris(gl, s);
    for (int p = 1; p <= 2; ++p) {
        gl.glPushMatrix();
        DrawPlayer(gl, s, p);
        gl.glPopMatrix();
    }
    DrawTrail(gl, s);
    if (s.ShotInFlight && s.TrailLength > 0) DrawMissile(gl, s);
}

}  // namespace sky
