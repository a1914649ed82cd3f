#include "aiming/aim_widgets.h"

#include <cmath>

#include "core/number_text.h"
#include "core/numeric.h"

namespace sky {
namespace {

constexpr int PbFlag = 0, Im2Flag = 1, Im3Flag = 2;

// The dial's centre and needle length (half its width less 10).
constexpr int PbCentre = 60;
constexpr int PbNeedle = 50;
// The quarter dial pivots at its bottom-left corner; needle length 50 (width less 10).
constexpr int Im2Needle = 50;
// The bar leaves 2 rows at each end, so 184 rows carry the 0..100 scale.
constexpr int BarUsable = 184;
// The old program's value for the left half-plane; kept so azimuths stay as players knew them.
constexpr double HalfTurn = 3.1416;

int MarkRow(double power) { return Trunc(power / 100 * BarUsable + 2); }

void Line(Canvas& c, int x0, int y0, int x1, int y1) {
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

void FillWith(Canvas& c, Colour colour) {
    c.Brush = BrushStyle::Solid;
    c.BrushColour = colour;
    c.FillRect(0, 0, c.Width(), c.Height());
}

}  // namespace

AimWidgets::AimWidgets(GameState& s, Canvas& pb, Canvas& im2, Canvas& im3, Hooks hooks, char decimalSeparator)
    : s_(s), pb_(pb), im2_(im2), im3_(im3), hooks_(std::move(hooks)), decimalSeparator_(decimalSeparator) {}

Aim& AimWidgets::CurrentAim() { return s_.PlayerAim[s_.CurrentPlayer]; }

void AimWidgets::DrawScene() {
    if (hooks_.DrawScene) hooks_.DrawScene();
}

void AimWidgets::ShowInMemo(double v) {
    if (hooks_.SetMemoLines) hooks_.SetMemoLines({FloatToText(v, decimalSeparator_)});
}

void AimWidgets::DrawAimBackgrounds() {
    pb_.PenWidth = 1;
    FillWith(pb_, PanelGrey);
    pb_.BrushColour = FaceGrey;
    pb_.PenColour = White;
    pb_.Ellipse(0, 0, 120, 120);

    im2_.PenWidth = 1;
    FillWith(im2_, PanelGrey);
    im2_.BrushColour = FaceGrey;
    im2_.PenColour = White;
    im2_.Ellipse(-60, 0, 60, 120);
    im2_.MoveTo(0, 0);
    im2_.LineTo(0, 59);
    im2_.LineTo(59, 59);

    im3_.PenWidth = 1;
    FillWith(im3_, PanelGrey);
    im3_.BrushColour = FaceGrey;
    im3_.PenColour = White;
    im3_.Rectangle(5, 0, 20, 188);
}

void AimWidgets::ShowStoredAim() {
    DrawAimBackgrounds();
    s_.AimDragFlags[PbFlag] = 1;
    pbMouseMove(RefreshX, 0);
    s_.AimDragFlags[PbFlag] = 0;
    s_.AimDragFlags[Im2Flag] = 1;
    im2MouseMove(RefreshX, 0);
    s_.AimDragFlags[Im2Flag] = 0;
    im3MouseMove(RefreshX, 0);
}

void AimWidgets::RefreshAimWidgets() {
    s_.DebrisVisible = 0;
    ShowStoredAim();
    if (hooks_.UpdateStatusLabels) hooks_.UpdateStatusLabels();
}

// ---- azimuth dial ----

void AimWidgets::DrawAzimuthNeedle(Colour c) {
    const double a = CurrentAim().azimuth;
    pb_.PenColour = c;
    Line(pb_, PbCentre, PbCentre, PbCentre + Trunc(std::cos(a) * PbNeedle), PbCentre + Trunc(std::sin(a) * PbNeedle));
}

void AimWidgets::pbMouseDown(int x, int y) {
    s_.AimDragFlags[PbFlag] = 1;
    s_.TrailLength = 0;  // the last shot's path leaves the scene
    pbMouseMove(x, y);
    DrawScene();
}

void AimWidgets::pbMouseMove(int x, int y) {
    pb_.PenWidth = 3;
    if (s_.AimDragFlags[PbFlag] != 1) return;
    DrawAzimuthNeedle(FaceGrey);
    if (x != RefreshX) {
        double& a = CurrentAim().azimuth;
        // On the vertical through the centre the direction is undefined, so it stays.
        if (x - PbCentre != 0) {
            a = std::atan(static_cast<double>(y - PbCentre) / static_cast<double>(x - PbCentre));
            if (x < PbCentre) a += HalfTurn;
        }
        ShowInMemo(a);
    }
    DrawAzimuthNeedle(NeedleGrey);
}

void AimWidgets::pbMouseUp(int, int) {
    s_.AimDragFlags[PbFlag] = 0;
    DrawScene();
}

// ---- elevation dial ----

void AimWidgets::DrawElevationNeedle(Colour c) {
    const double e = CurrentAim().elevation;
    im2_.PenColour = c;
    Line(im2_, 0, 59, Trunc(std::cos(e) * Im2Needle), 60 + Trunc(std::sin(e) * Im2Needle) - 1);
}

void AimWidgets::im2MouseDown(int x, int y) {
    s_.AimDragFlags[Im2Flag] = 1;
    s_.TrailLength = 0;
    im2MouseMove(x, y);
    DrawScene();
}

void AimWidgets::im2MouseMove(int x, int y) {
    im2_.PenWidth = 3;
    if (s_.AimDragFlags[Im2Flag] != 1) return;
    DrawElevationNeedle(FaceGrey);
    double& e = CurrentAim().elevation;
    // Left of the pivot the angle would flip over, so the last value stays.
    if (x != RefreshX && x > 0) e = std::atan(static_cast<double>(y - 60) / static_cast<double>(x));
    if (e > 0) e = 0;
    if (e < -Pi / 2) e = -Pi / 2;
    ShowInMemo(e);
    DrawElevationNeedle(NeedleGrey);
    // The wide pen bites into the two straight sides at the pivot.
    im2_.PenColour = White;
    im2_.PenWidth = 1;
    im2_.MoveTo(0, 0);
    im2_.LineTo(0, 59);
    im2_.LineTo(60, 59);
}

void AimWidgets::im2MouseUp(int, int) {
    s_.AimDragFlags[Im2Flag] = 0;
    DrawScene();
}

// ---- power bar ----

void AimWidgets::im3MouseDown(int x, int y) {
    s_.AimDragFlags[Im3Flag] = 1;
    s_.TrailLength = 0;
    DrawScene();
    im3MouseMove(x, y);
}

void AimWidgets::im3MouseMove(int x, int y) {
    const bool dragging = s_.AimDragFlags[Im3Flag] == 1 && y > 1 && y < 186;
    if (!dragging && x != RefreshX) return;
    double& v = CurrentAim().power;

    // Wipe five rows around the old mark, face grey on the bar and panel grey beside it.
    const int old = MarkRow(v);
    im3_.PenWidth = 1;
    for (int i = 0; i <= 25; ++i) {
        im3_.PenColour = (i > 5 && i < 20) ? FaceGrey : PanelGrey;
        Line(im3_, i, old - 2, i, old + 3);
    }
    im3_.Brush = BrushStyle::Clear;
    im3_.PenColour = White;
    im3_.Rectangle(5, 0, 20, 188);

    if (x != RefreshX) v = static_cast<double>((y - 2) * 100) / BarUsable;
    ShowInMemo(v);

    const int row = MarkRow(v);
    im3_.PenWidth = 3;
    im3_.PenColour = NeedleGrey;
    Line(im3_, 1, row, 23, row);
}

void AimWidgets::im3MouseUp(int, int) { s_.AimDragFlags[Im3Flag] = 0; }

}  // namespace sky
