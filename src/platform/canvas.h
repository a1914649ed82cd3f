// A software 2D drawing surface with the pixel rules of the classic desktop
// canvas the game's small images were designed for:
//  - LineTo draws from the current point up to but not including the end
//    point; width-1 lines are a Bresenham walk, wider pens stamp a round pen
//    along the same walk, so redrawing a line in another colour covers
//    exactly the same pixels (the aiming needles are erased that way);
//  - FillRect, Rectangle and Ellipse take corners whose right and bottom
//    edges are exclusive; Rectangle and Ellipse fill with the brush (unless
//    it is clear) and outline with the pen;
//  - writes outside the surface are ignored, reads outside return NoPixel.
#pragma once

#include <cstdint>
#include <vector>

namespace sky {

// 0xFFRRGGBB, the layout of a 32-bit RGB image, so a view can show the bits as they are.
using Colour = uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
           static_cast<uint32_t>(b & 255);
}
constexpr int RedOf(Colour c) { return static_cast<int>((c >> 16) & 255); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c & 255); }
constexpr Colour NoPixel = 0;  // what Pixel() answers outside the surface

enum class BrushStyle { Solid, Clear };

class Canvas {
public:
    Canvas(int width, int height, Colour fill = Rgb(255, 255, 255));

    int Width() const { return width_; }
    int Height() const { return height_; }

    Colour PenColour = Rgb(0, 0, 0);
    int PenWidth = 1;
    Colour BrushColour = Rgb(255, 255, 255);
    BrushStyle Brush = BrushStyle::Solid;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void FillRect(int left, int top, int right, int bottom);   // brush only, no outline
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);

    Colour Pixel(int x, int y) const;
    void SetPixel(int x, int y, Colour c);

    const Colour* Bits() const { return pixels_.data(); }
    // Grows with every change, so a view knows when to show the surface again.
    uint64_t Version() const { return version_; }

private:
    void Plot(int x, int y, Colour c);
    void StampPen(int x, int y);

    int width_, height_;
    std::vector<Colour> pixels_;
    int penX_ = 0, penY_ = 0;
    uint64_t version_ = 0;
};

}  // namespace sky
