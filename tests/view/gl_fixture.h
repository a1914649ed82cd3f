// The OpenGL context every renderer test draws into: an offscreen 750 x 650
// framebuffer with a depth buffer, made current by gl_main.cpp, and helpers to
// project a world point and read back what was drawn.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/game_state.h"
#include "view/gl_api.h"
#include "view/models.h"
#include "view/renderer.h"

namespace sky::test {

constexpr int ViewW = 750, ViewH = 650;

const GlApi& Gl();  // bound once, context current

struct Pixel {
    int r = 0, g = 0, b = 0;
    bool operator==(const Pixel&) const = default;
};

// The whole framebuffer after glFinish, rows bottom-up as OpenGL keeps them.
class Frame {
public:
    Frame() : data_(static_cast<std::size_t>(ViewW) * ViewH * 4) {
        Gl().glFinish();
        Gl().glPixelStorei(GL_PACK_ALIGNMENT, 1);
        Gl().glReadPixels(0, 0, ViewW, ViewH, GL_RGBA, GL_UNSIGNED_BYTE, data_.data());
    }
    // x from the left, y from the bottom, as window coordinates
    Pixel At(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * ViewW + x) * 4;
        return {data_[i], data_[i + 1], data_[i + 2]};
    }
    // how many pixels in the square of half-width r around (x, y) satisfy pred
    template <typename Pred>
    int CountAround(int x, int y, int r, Pred pred) const {
        int n = 0;
        for (int j = y - r; j <= y + r; ++j)
            for (int i = x - r; i <= x + r; ++i)
                if (i >= 0 && j >= 0 && i < ViewW && j < ViewH && pred(At(i, j))) ++n;
        return n;
    }

private:
    std::vector<uint8_t> data_;
};

// Where the camera of a frame puts a point given in OpenGL world coordinates:
// perspective 45 degrees over the view, translate Zoom, RotX about X, RotY about Y.
struct Projected {
    double x, y;  // window pixels, y from the bottom
    int ix() const { return static_cast<int>(std::floor(x)); }
    int iy() const { return static_cast<int>(std::floor(y)); }
};

inline Projected Project(double X, double Y, double Z, double zoom, double rotX, double rotY) {
    const double ry = rotY * 3.14159265358979323846 / 180, rx = rotX * 3.14159265358979323846 / 180;
    // about Y
    const double x1 = X * std::cos(ry) + Z * std::sin(ry);
    const double z1 = -X * std::sin(ry) + Z * std::cos(ry);
    const double y1 = Y;
    // about X
    const double y2 = y1 * std::cos(rx) - z1 * std::sin(rx);
    const double z2 = y1 * std::sin(rx) + z1 * std::cos(rx);
    const double x2 = x1;
    const double z3 = z2 + zoom;
    const double f = 1.0 / std::tan(22.5 * 3.14159265358979323846 / 180);
    const double aspect = static_cast<double>(ViewW) / ViewH;
    const double ndcX = f / aspect * x2 / -z3;
    const double ndcY = f * y2 / -z3;
    return {(ndcX + 1) / 2 * ViewW, (ndcY + 1) / 2 * ViewH};
}

// A grid point (x row, y column, z height) as the landscape places it.
inline Projected ProjectGrid(double x, double y, double z, double zoom, double rotX, double rotY) {
    return Project((x - 250) / 250, (z - 128) / 250, (y - 250) / 250, zoom, rotX, rotY);
}

// A flat landscape with a colour table of saturated green-cyan shades that no
// player, debris or grey can be mistaken for: index k is (0, 255 - k / 2, k).
inline std::unique_ptr<GameState> FlatState(int height) {
    auto s = std::make_unique<GameState>();
    std::fill(s->HeightMap.begin(), s->HeightMap.end(), height);
    for (int k = 0; k < 256; ++k) s->ColourTable[static_cast<std::size_t>(k)] = {0, 255 - k / 2, k};
    s->Zoom = -3;
    s->CurrentPlayer = 1;
    s->PlayerPos[1] = {100, 100, height};
    s->PlayerPos[2] = {400, 400, height};
    s->PlayerAim[1] = StartAim;
    s->PlayerAim[2] = StartAim;
    return s;
}

inline Pixel SchemeColour(const GameState& s, int k) {
    const RGB& c = s.ColourTable[static_cast<std::size_t>(k)];
    return {c.r, c.g, c.b};
}

inline bool IsScheme(const Pixel& p) { return p.r == 0 && p.g >= 127 && std::abs(p.g + p.b / 2 - 255) <= 1; }

inline bool Near(const Pixel& a, const Pixel& b, int tolerance = 2) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// Draws one frame over the fixed projection the tests use.
inline void Render(const GameState& s, const FrameView& v) {
    SetProjection(Gl(), ViewW, ViewH);
    DrawScene(Gl(), s, v);
}

}  // namespace sky::test
