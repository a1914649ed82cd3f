// A software 2D drawing surface with the pixel rules the game's small images
// were designed for:
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

#include "core/palette.h"

namespace sky {

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
