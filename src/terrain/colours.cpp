#include "terrain/colours.h"

#include <algorithm>
#include <array>

#include "core/numeric.h"

namespace sky {
namespace {

constexpr int32_t Packed(int r, int g, int b) { return r | (g << 8) | (b << 16); }

constexpr std::array<int32_t, 5> BaseColours{
    Packed(255, 255, 255), Packed(255, 48, 48), Packed(48, 255, 48), Packed(48, 48, 255), Packed(255, 160, 64),
};

void FillSingleHue(GameState& s) {
    const int r = s.BaseColour & 255, g = (s.BaseColour >> 8) & 255, b = (s.BaseColour >> 16) & 255;
    for (int i = 0; i < 256; ++i)
        s.ColourTable[i] = {Trunc(i * r / 256.0), Trunc(i * g / 256.0), Trunc(i * b / 256.0)};
}

// Five segments of 51 heights, each moving one channel while the other two
// hold; the entries above 251 no height reaches simply continue the last one.
void FillMixed(GameState& s) {
    for (int i = 0; i < 256; ++i) {
        const int segment = std::min(i / 51, 4);
        const int m = i - 51 * segment;
        const int32_t rising = Trunc((m + 1) * 256 / 52.0);
        const int32_t falling = Trunc(255 - (m + 1) * 256 / 52.0);
        RGB c;
        switch (segment) {
            case 0: c = {rising, 0, 255}; break;
            case 1: c = {255, 0, falling}; break;
            case 2: c = {255, rising, 0}; break;
            case 3: c = {falling, 255, 0}; break;
            default: c = {0, 255, rising}; break;
        }
        const auto bright = [i](int32_t v) { return std::clamp(v + i - 140, 0, 255); };
        s.ColourTable[i] = {bright(c.r), bright(c.g), bright(c.b)};
    }
}

void PaintColourBar(const GameState& s, Canvas& bar) {
    bar.PenWidth = 1;
    for (int i = 0; i <= 250; ++i) {
        const RGB& c = s.ColourTable[i];
        bar.PenColour = Rgb(c.r, c.g, c.b);
        bar.MoveTo(0, ColourBarHeight - i);
        bar.LineTo(ColourBarWidth, ColourBarHeight - i);
    }
    bar.Brush = BrushStyle::Clear;
    bar.PenColour = White;
    bar.Rectangle(0, 0, ColourBarWidth, ColourBarHeight);
}

}  // namespace

int32_t SchemeBaseColour(int schemeIndex) {
    if (schemeIndex < 1 || schemeIndex > 5) return 0;
    return BaseColours[static_cast<std::size_t>(schemeIndex - 1)];
}

void BuildColourTable(GameState& s, int schemeIndex, Canvas& imFarben) {
    if (schemeIndex == 0)
        FillMixed(s);
    else
        FillSingleHue(s);
    PaintColourBar(s, imFarben);
}

}  // namespace sky
