#include "terrain/overview_map.h"

namespace sky {

void DrawOverviewMap(const GameState& s, Canvas& imLand) {
    // Cells 498 would land on pixel 166, outside the image, so the walk stops at 495.
    for (int x = 0; x < 3 * OverviewMapSize; x += 3) {
        for (int y = 0; y < 3 * OverviewMapSize; y += 3) {
            const RGB& c = s.ColourTable[static_cast<std::size_t>(s.H(x, y)) & 255];
            const Colour colour = Rgb(c.r, c.g, c.b);
            if (imLand.Pixel(x / 3, y / 3) != colour) imLand.SetPixel(x / 3, y / 3, colour);
        }
    }

    imLand.PenWidth = 1;
    imLand.PenColour = White;
    imLand.Brush = BrushStyle::Clear;
    imLand.Rectangle(0, 0, OverviewMapSize, OverviewMapSize);

    imLand.Brush = BrushStyle::Solid;
    for (int p = 1; p <= 2; ++p) {
        const RGB& pc = PlayerColour(p);
        const int cx = s.PlayerPos[p].x / 3, cy = s.PlayerPos[p].y / 3;
        imLand.BrushColour = Rgb(pc.r, pc.g, pc.b);
        imLand.Ellipse(cx - 6, cy - 6, cx + 5, cy + 5);
    }
}

}  // namespace sky
