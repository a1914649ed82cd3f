#include "ui/wind_arrow.h"

#include <cmath>

#include "core/game_state.h"
#include "core/numeric.h"

namespace sky {

void DrawWindArrow(Canvas& imPfeil, double windDirection) {
    // The image is square; its width scales both axes, 25 shape units across.
    const double w = imPfeil.Width();
    const double c = std::cos(windDirection), s = std::sin(windDirection);
    const auto toX = [&](double x, double y) { return Round((c * x - s * y) * w / 25 + w / 2); };
    const auto toY = [&](double x, double y) { return Round((s * x + c * y) * w / 25 + w / 2); };

    imPfeil.PenWidth = 1;
    imPfeil.Brush = BrushStyle::Solid;
    imPfeil.BrushColour = FaceGrey;
    imPfeil.PenColour = White;
    imPfeil.Rectangle(0, 0, imPfeil.Width(), imPfeil.Height());

    imPfeil.PenColour = NeedleGrey;
    imPfeil.PenWidth = 2;

    // The shape is centred half a unit off its own origin.
    bool first = true;
    for (const Point2& p : WindArrowShape) {
        const double x = p.x - 0.5, y = p.y;
        if (first)
            imPfeil.MoveTo(toX(x, y), toY(x, y));
        else
            imPfeil.LineTo(toX(x, y), toY(x, y));
        first = false;
    }

    // The word is seven units wide and two high, centred on the same point.
    for (const PenPoint& p : WindLetters) {
        const double x = p.x - 3.5, y = p.y - 1;
        if (p.pen == 0)
            imPfeil.MoveTo(toX(x, y), toY(x, y));
        else
            imPfeil.LineTo(toX(x, y), toY(x, y));
    }
}

}  // namespace sky
