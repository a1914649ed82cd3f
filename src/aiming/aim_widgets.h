// The three aiming widgets of the current player: the azimuth dial `pb`
// (120 x 120), the elevation quarter dial `im2` (60 x 60) and the power bar
// `im3` (25 x 188). They are drawn incrementally: a mouse move erases the old
// needle or mark by drawing it again in the face colour and draws the new one.
// A move handler called with X = -1000 redraws its widget from the stored aim
// without changing it (the elevation is still clamped to -pi/2..0); for the
// two dials the caller raises that widget's AimDragFlags entry around the call.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/canvas.h"

namespace sky {

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

private:
    Aim& CurrentAim();
    void DrawScene();
    void ShowInMemo(double v);
    void DrawAzimuthNeedle(Colour c);
    void DrawElevationNeedle(Colour c);

    GameState& s_;
    Canvas& pb_;
    Canvas& im2_;
    Canvas& im3_;
    Hooks hooks_;
    char decimalSeparator_;
};

}  // namespace sky
