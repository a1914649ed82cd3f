// Frame time of the 3D view against the floor of immediate mode: the same
// quads with the same colours and vertices, precomputed, sent with nothing else
// but the clear and the camera. Prints the medians for every detail level and
// look, and their ratio; a third column adds the two player figures to the
// floor, which every frame draws as well and which dominate at coarse detail.
#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "view/gl_api.h"
#include "view/models.h"
#include "view/renderer.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int W = 750, H = 650;

std::unique_ptr<sky::GameState> Hills() {
    auto s = std::make_unique<sky::GameState>();
    for (int x = 0; x < sky::GridSize; ++x)
        for (int y = 0; y < sky::GridSize; ++y)
            s->H(x, y) = static_cast<int>(125 + 60 * std::sin(x / 37.0) * std::cos(y / 53.0) + 40 * std::sin((x + y) / 91.0));
    for (int k = 0; k < 256; ++k) s->ColourTable[static_cast<std::size_t>(k)] = {k, 255 - k, (k * 7) & 255};
    s->Zoom = -3;
    s->CurrentPlayer = 1;
    s->PlayerPos[1] = {120, 130, s->H(120, 130)};
    s->PlayerPos[2] = {400, 380, s->H(400, 380)};
    s->PlayerAim[1] = s->PlayerAim[2] = sky::StartAim;
    return s;
}

// The quads of one look, as the floor loop sends them.
struct BareMesh {
    std::vector<GLubyte> colours;  // 3 per quad
    std::vector<GLfloat> vertices;  // 12 per quad
};

BareMesh Precompute(const sky::GameState& s, int step) {
    BareMesh m;
    const auto X = [](int v) { return static_cast<float>((v - 250.0) / 250.0); };
    const auto Y = [](int z) { return static_cast<float>((z - 128.0) / 250.0); };
    for (int x = 0; x < 500 - step; x += step)
        for (int y = 0; y < 500 - step; y += step) {
            const sky::RGB& c = s.ColourTable[static_cast<std::size_t>((s.H(x, y) + s.H(x + step, y + step)) / 2)];
            m.colours.insert(m.colours.end(), {GLubyte(c.r), GLubyte(c.g), GLubyte(c.b)});
            m.vertices.insert(m.vertices.end(), {X(x), Y(s.H(x, y)), X(y), X(x + step), Y(s.H(x + step, y)), X(y),
                                                 X(x + step), Y(s.H(x + step, y + step)), X(y + step), X(x),
                                                 Y(s.H(x, y + step)), X(y + step)});
        }
    return m;
}

void BarePass(const sky::GlApi& gl, const BareMesh& m, bool filled) {
    const auto vertex = gl.glVertex3f;
    const auto colour = gl.glColor3ub;
    gl.glPolygonMode(GL_FRONT_AND_BACK, filled ? GL_FILL : GL_LINE);
    colour(0, 0, 0);
    gl.glBegin(GL_QUADS);
    const GLfloat* v = m.vertices.data();
    const GLubyte* c = m.colours.data();
    const std::size_t quads = m.colours.size() / 3;
    for (std::size_t q = 0; q < quads; ++q, v += 12, c += 3) {
        if (filled) colour(c[0], c[1], c[2]);
        vertex(v[0], v[1], v[2]);
        vertex(v[3], v[4], v[5]);
        vertex(v[6], v[7], v[8]);
        vertex(v[9], v[10], v[11]);
    }
    colour(80, 80, 80);
    vertex(-1, -1, -1);
    vertex(1, -1, -1);
    vertex(1, -1, 1);
    vertex(-1, -1, 1);
    gl.glEnd();
}

void BareFrame(const sky::GlApi& gl, const BareMesh& m, const sky::FrameView& v, double zoom,
               const sky::GameState* players = nullptr) {
    gl.glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.glLoadIdentity();
    gl.glTranslatef(0, 0, static_cast<float>(zoom));
    gl.glRotatef(static_cast<float>(v.RotX), 1, 0, 0);
    gl.glRotatef(static_cast<float>(v.RotY), 0, 1, 0);
    if (v.Look != 0) BarePass(gl, m, true);
    if (v.Look != 2) BarePass(gl, m, false);
    if (players == nullptr) return;
    for (int p = 1; p <= 2; ++p) {
        gl.glPushMatrix();
        sky::DrawPlayer(gl, *players, p);
        gl.glPopMatrix();
    }
}

template <typename Fn>
double Millis(const sky::GlApi& gl, const Fn& frame) {
    const auto start = Clock::now();
    frame();
    gl.glFinish();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QSurfaceFormat format;
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    QSurfaceFormat::setDefaultFormat(format);
    QGuiApplication app(argc, argv);
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "no OpenGL context\n");
        return 1;
    }
    QOpenGLFramebufferObject fbo(W, H, QOpenGLFramebufferObject::CombinedDepthStencil);
    fbo.bind();
    sky::GlApi gl;
    std::string error;
    if (!gl.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    sky::InitGlState(gl);
    sky::SetProjection(gl, W, H);
    auto s = Hills();

    const char* threads = std::getenv("LP_NUM_THREADS");
    std::printf("%dx%d, LP_NUM_THREADS=%s; median ms per frame (draw + glFinish)\n", W, H, threads ? threads : "(unset)");
    std::printf("%-5s %-19s %10s %10s %7s %14s %7s\n", "step", "look", "DrawScene", "bare", "ratio", "bare+players",
                "ratio");
    const char* looks[] = {"Linien", "Linien mit Flaechen", "Flaechen"};
    for (const int step : {2, 5, 10, 20, 50}) {
        s->DetailStep = step;
        const BareMesh mesh = Precompute(*s, step);
        const int reps = step == 2 ? 31 : 101;
        for (int look = 0; look < 3; ++look) {
            sky::FrameView v;
            v.RotX = 70;
            v.Look = look;
            for (int i = 0; i < 3; ++i) {  // warm up both paths
                Millis(gl, [&] { sky::DrawScene(gl, *s, v); });
                Millis(gl, [&] { BareFrame(gl, mesh, v, s->Zoom); });
            }
            std::vector<double> scene, bare, withPlayers;
            for (int i = 0; i < reps; ++i) {  // interleaved, so both see the same load
                scene.push_back(Millis(gl, [&] { sky::DrawScene(gl, *s, v); }));
                bare.push_back(Millis(gl, [&] { BareFrame(gl, mesh, v, s->Zoom); }));
                withPlayers.push_back(Millis(gl, [&] { BareFrame(gl, mesh, v, s->Zoom, s.get()); }));
            }
            const double a = Median(scene), b = Median(bare), c = Median(withPlayers);
            std::printf("%-5d %-19s %10.3f %10.3f %7.3f %14.3f %7.3f\n", step, looks[look], a, b, a / b, c, a / c);
            std::fflush(stdout);
        }
    }
    return 0;
}
