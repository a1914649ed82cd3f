// The three aiming widgets of the current player: the azimuth dial `pb`
// (120 x 120), the elevation quarter dial `im2` (60 x 60) and the power bar
// `im3` (25 x 188). They are drawn incrementally: a mouse move erases the old
// needle or mark by drawing it again in the face colour and draws the new one.
// A move handler called with X = -1000 redraws its widget from the stored aim
// without changing it (the elevation is still clamped to -pi/2..0); for the
// two dials the caller raises that widget's AimDragFlags entry around the call.
// Keys and direct settings go through the same erase-and-draw steps as a drag.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/canvas.h"

namespace sky {

// The keys an aiming widget answers to, as the window passes them on.
enum class AimKey { Up, Down, Left, Right, PageUp, PageDown, Home, End };

class AimWidgets {
public:
    struct Hooks {
        std::function<void()> DrawScene;                                    // redraw the 3D view
        std::function<void(const std::vector<std::string>&)> SetMemoLines;  // the hidden diagnostics memo
        std::function<void()> UpdateStatusLabels;                           // last step of RefreshAimWidgets
    };

    static constexpr int RefreshX = -1000;

    AimWidgets(GameState& s, Canvas& pb, Canvas& im2, Canvas& im3, Hooks hooks, char decimalSeparator = '.');

    // Repaints the three faces whole, wiping every needle and mark.
    void DrawAimBackgrounds();
    // Shows the current player's stored aim: backgrounds, then every widget
    // through its refresh call (as the computer does after its search).
    void ShowStoredAim();
    // The same after a turn or a new game: also hides the debris and ends
    // with the status labels. Does not redraw the scene.
    void RefreshAimWidgets();

    void pbMouseDown(int x, int y);
    void pbMouseMove(int x, int y);
    void pbMouseUp(int x, int y);
    void im2MouseDown(int x, int y);
    void im2MouseMove(int x, int y);
    void im2MouseUp(int x, int y);
    void im3MouseDown(int x, int y);
    void im3MouseMove(int x, int y);
    void im3MouseUp(int x, int y);

    // The keyboard: one step of the current player's aim, drawn as a drag to
    // the new value draws it; like a press, it clears the last shot's trail
    // and redraws the scene. Answers false, changing nothing, for other keys.
    // The dial turns by a degree (a tenth when fine) with Left and Right, Right
    // clockwise on the screen, and by ten with the page keys; the quarter dial
    // likewise with Up (raise) and Down; the bar moves to the neighbouring
    // mouse row with Up and Down, ten rows with the page keys, and to the
    // first or last row with Home and End.
    bool pbKeyDown(AimKey key, bool fine);
    bool im2KeyDown(AimKey key, bool fine);
    bool im3KeyDown(AimKey key);

    // Direct settings, with the same drawing and scene as a key.
    void SetAzimuth(double azimuth);      // kept in the range a drag gives, [-pi/2, 3pi/2)
    void SetElevation(double elevation);  // clamped to -pi/2..0
    void SetPower(double power);          // the nearest value a mouse row gives

private:
    Aim& CurrentAim();
    void DrawScene();
    void ShowInMemo(double v);
    void DrawAzimuthNeedle(Colour c);
    void DrawElevationNeedle(Colour c);
    // Wipe the needle or mark, store the new value if one is given, draw it again.
    void TurnAzimuthNeedle(std::optional<double> azimuth);
    void TiltElevationNeedle(std::optional<double> elevation);
    void MovePowerMark(std::optional<double> power);
    void SetPowerRow(int row);

    GameState& s_;
    Canvas& pb_;
    Canvas& im2_;
    Canvas& im3_;
    Hooks hooks_;
    char decimalSeparator_;
};

}  // namespace sky
