// What a shot asks of the window, as one bundle. The shot worker runs each
// procedure on the window thread through a blocking synchronous call (see
// TThread1); tests call them directly. An empty procedure is skipped.
#pragma once

#include <cstdint>
#include <functional>

namespace sky {

struct ShotHooks {
    std::function<void()> DrawFrame;       // draw the 3D view from the current state
    std::function<void()> PlotTrailPixel;  // paint the newest trail dot on the overview map
    std::function<void()> PlayBlastSound;  // makes its own random draw on the window thread
    std::function<void()> PassTurn;        // stop the sound, repaint the map, switch the player
    std::function<void()> FinishShot;      // unlock the controls, settle the end of the game
    std::function<int64_t()> Clock;        // monotonic milliseconds; empty means the steady clock
    std::function<bool()> StopRequested;   // the window is closing: no more flight or debris frames
    // A game shared with another computer, whose sound is each side's own:
    // PlayBlastSound is asked at every hit, sound on or off, so both make the
    // same draw; it plays the sound only if this side's sound is on.
    bool BlastDrawAtEveryHit = false;
};

}  // namespace sky
