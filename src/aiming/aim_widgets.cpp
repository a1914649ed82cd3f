#include "aiming/aim_widgets.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/number_text.h"

namespace sky {
namespace {

constexpr int PbFlag = 0, Im2Flag = 1, Im3Flag = 2;

// The dial's centre and needle length (half its width less 10).
constexpr int PbCentre = 60;
constexpr int PbNeedle = 50;
// The quarter dial pivots at its bottom-left corner; needle length 50 (width less 10).
constexpr int Im2Needle = 50;
// The old program's value for the left half-plane; kept so azimuths stay as players knew them.
constexpr double HalfTurn = 3.1416;

// Rows 2..185 are the mouse's range on the bar.
constexpr int FirstRow = 2, LastRow = 185;
// Keyboard steps.
constexpr double Degree = ToRadians(1);
constexpr int PageRows = 10;

int MarkRow(double power) { return Trunc(power / 100 * PowerBarRows + 2); }
// The power a drag to row y gives.
double RowPower(int y) { return static_cast<double>((y - 2) * 100) / PowerBarRows; }

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
    if (s_.AimDragFlags[PbFlag] != 1) return;
    if (x == RefreshX) return TurnAzimuthNeedle(std::nullopt);
    double a = CurrentAim().azimuth;
    // On the vertical through the centre the direction is undefined, so it stays.
    if (x - PbCentre != 0) {
        a = std::atan(static_cast<double>(y - PbCentre) / static_cast<double>(x - PbCentre));
        if (x < PbCentre) a += HalfTurn;
    }
    TurnAzimuthNeedle(a);
}

void AimWidgets::TurnAzimuthNeedle(std::optional<double> azimuth) {
    pb_.PenWidth = 3;
    DrawAzimuthNeedle(FaceGrey);
    if (azimuth) {
        CurrentAim().azimuth = *azimuth;
        ShowInMemo(*azimuth);
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
    if (s_.AimDragFlags[Im2Flag] != 1) return;
    // Left of the pivot the angle would flip over, so the last value stays.
    std::optional<double> e;
    if (x != RefreshX && x > 0) e = std::atan(static_cast<double>(y - 60) / static_cast<double>(x));
    TiltElevationNeedle(e);
}

void AimWidgets::TiltElevationNeedle(std::optional<double> elevation) {
    im2_.PenWidth = 3;
    DrawElevationNeedle(FaceGrey);
    double& e = CurrentAim().elevation;
    if (elevation) e = *elevation;
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
    if (x == RefreshX) return MovePowerMark(std::nullopt);
    if (s_.AimDragFlags[Im3Flag] == 1 && y >= FirstRow && y <= LastRow) MovePowerMark(RowPower(y));
}

void AimWidgets::MovePowerMark(std::optional<double> power) {
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

    if (power) v = *power;
    ShowInMemo(v);

    const int row = MarkRow(v);
    im3_.PenWidth = 3;
    im3_.PenColour = NeedleGrey;
    Line(im3_, 1, row, 23, row);
}

void AimWidgets::im3MouseUp(int, int) { s_.AimDragFlags[Im3Flag] = 0; }

// ---- keyboard ----

bool AimWidgets::pbKeyDown(AimKey key, bool fine) {
    const double step = fine ? Degree / 10 : Degree;
    switch (key) {
        case AimKey::Right: SetAzimuth(CurrentAim().azimuth + step); return true;
        case AimKey::Left: SetAzimuth(CurrentAim().azimuth - step); return true;
        case AimKey::PageDown: SetAzimuth(CurrentAim().azimuth + 10 * Degree); return true;
        case AimKey::PageUp: SetAzimuth(CurrentAim().azimuth - 10 * Degree); return true;
        default: return false;
    }
}

bool AimWidgets::im2KeyDown(AimKey key, bool fine) {
    const double step = fine ? Degree / 10 : Degree;
    switch (key) {
        case AimKey::Up: SetElevation(CurrentAim().elevation - step); return true;
        case AimKey::Down: SetElevation(CurrentAim().elevation + step); return true;
        case AimKey::PageUp: SetElevation(CurrentAim().elevation - 10 * Degree); return true;
        case AimKey::PageDown: SetElevation(CurrentAim().elevation + 10 * Degree); return true;
        default: return false;
    }
}

bool AimWidgets::im3KeyDown(AimKey key) {
    // The mark's place in rows. A value between two mouse rows (the start
    // aim, the computer's) steps to the nearer row in the key's direction.
    const double at = CurrentAim().power * PowerBarRows / 100 + 2;
    const int above = static_cast<int>(std::ceil(at - 1e-9)) - 1, below = static_cast<int>(std::floor(at + 1e-9)) + 1;
    int row;
    switch (key) {
        case AimKey::Up: row = above; break;
        case AimKey::Down: row = below; break;
        case AimKey::PageUp: row = above - (PageRows - 1); break;
        case AimKey::PageDown: row = below + (PageRows - 1); break;
        case AimKey::Home: row = FirstRow; break;
        case AimKey::End: row = LastRow; break;
        default: return false;
    }
    SetPowerRow(std::clamp(row, FirstRow, LastRow));
    return true;
}

void AimWidgets::SetAzimuth(double azimuth) {
    s_.TrailLength = 0;
    TurnAzimuthNeedle(WrapAngle(azimuth, -Pi / 2, 2 * Pi));
    DrawScene();
}

void AimWidgets::SetElevation(double elevation) {
    s_.TrailLength = 0;
    TiltElevationNeedle(elevation);
    DrawScene();
}

void AimWidgets::SetPower(double power) {
    SetPowerRow(std::clamp(Round(power * PowerBarRows / 100) + 2, FirstRow, LastRow));
}

void AimWidgets::SetPowerRow(int row) {
    s_.TrailLength = 0;
    MovePowerMark(RowPower(row));
    DrawScene();
}

}  // namespace sky
