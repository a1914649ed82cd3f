// Where the windows' panels and controls lie: each with its parent, its
// place inside it and its size, in pixels. The windows are built from these
// tables, and the build writes them out (with the interface greys) as
// window_layout.json for the scripts that drive the game from outside, so a
// control moved here moves for them too. Plain data, so the generator reads
// it without the toolkit.
#pragma once

#include <array>
#include <string_view>

namespace sky::layout {

struct Box {
    int left, top, width, height;
};

struct Size {
    int width, height;
};

// The client edges a panel keeps its distance to when the window is resized.
enum class Dock { None, Right, Bottom, RightBottom };

struct Control {
    std::string_view name;
    std::string_view parent;  // empty: the window itself
    Box box;                  // a panel's box is its open size
    Dock dock = Dock::None;
    bool over = false;   // drawn over or round other controls: a frame, a line, a caption on a picture
    Size folded{0, 0};   // a panel that folds: its folded size
};

// The main window's outer size at creation, and a docked panel's distance to the client edges.
inline constexpr int WindowWidth = 750, WindowHeight = 650;
inline constexpr int DockGap = 5;

inline constexpr Box MapBox{7, 7, 166, 166};

inline constexpr std::array MainWindow{
    // The overview map and the wind arrow; folded, the map with its margins stays.
    Control{"Panel1", "", {5, 5, 326, 204}, Dock::None, false, {MapBox.width + 14, 204}},
    Control{"imLand", "Panel1", MapBox},
    Control{"imPfeil", "Panel1", {179, 7, 140, 140}},
    Control{"SpeedButton2", "Panel1", {136, 176, 35, 22}},
    Control{"Label1", "Panel1", {280, 128, 34, 13}, Dock::None, true},
    // Aiming, Shoot and the computer player; folded, the rows below Shoot go.
    Control{"Panel2", "", {WindowWidth - 161 - DockGap, 5, 161, 335}, Dock::Right, false, {161, 230}},
    Control{"im3", "Panel2", {5, 5, 25, 188}},
    Control{"pb", "Panel2", {35, 5, 120, 120}},
    Control{"im2", "Panel2", {51, 132, 60, 60}},
    Control{"imOben", "Panel2", {128, 136, 17, 11}},
    Control{"imUnten", "Panel2", {128, 160, 17, 11}},
    Control{"SpeedButton15", "Panel2", {8, 201, 23, 22}},
    Control{"SpeedButton3", "Panel2", {40, 200, 73, 22}},
    Control{"SpeedButton4", "Panel2", {125, 200, 26, 22}},
    Control{"Bevel1", "Panel2", {16, 232, 129, 9}, Dock::None, true},
    Control{"sbComp", "Panel2", {40, 240, 81, 22}},
    Control{"SpeedButton14", "Panel2", {125, 240, 26, 22}},
    Control{"radComp", "Panel2", {8, 264, 145, 65}},
    // The settings; folded, the fold button and the colour bar stay.
    Control{"Panel3", "", {5, WindowHeight - 287 - DockGap, 205, 287}, Dock::Bottom, false, {40, 287}},
    Control{"SpeedButton1", "Panel3", {5, 5, 30, 22}},
    Control{"imFarben", "Panel3", {5, 32, 30, 250}},
    Control{"radSprache", "Panel3", {45, 12, 153, 63}},
    Control{"radiogr", "Panel3", {45, 75, 153, 63}},
    Control{"radSize", "Panel3", {45, 139, 67, 94}},
    Control{"radFarben", "Panel3", {117, 139, 82, 143}},
    Control{"radSound", "Panel3", {45, 233, 67, 49}},
    // The camera, the players' labels and New Game.
    Control{"Panel4", "", {WindowWidth - 153 - DockGap, WindowHeight - 209 - DockGap, 153, 209}, Dock::RightBottom},
    Control{"Shape1", "Panel4", {7, 7, 140, 76}, Dock::None, true},
    Control{"Shape2", "Panel4", {7, 90, 140, 85}, Dock::None, true},
    Control{"SpeedButton7", "Panel4", {33, 13, 21, 20}},
    Control{"SpeedButton5", "Panel4", {82, 18, 20, 20}},
    Control{"SpeedButton9", "Panel4", {13, 33, 20, 20}},
    Control{"SpeedButton11", "Panel4", {33, 33, 21, 20}},
    Control{"SpeedButton10", "Panel4", {54, 33, 20, 20}},
    Control{"SpeedButton6", "Panel4", {82, 48, 20, 20}},
    Control{"SpeedButton8", "Panel4", {33, 53, 21, 20}},
    Control{"SpeedButton12", "Panel4", {112, 32, 26, 22}},
    // Labels size themselves to their text.
    Control{"laSpieler", "Panel4", {10, 94, 40, 13}},
    Control{"laEnergie1", "Panel4", {10, 110, 16, 13}},
    Control{"laEnergie2", "Panel4", {10, 126, 16, 13}},
    Control{"laPunkte1", "Panel4", {10, 142, 16, 13}},
    Control{"laPunkte2", "Panel4", {10, 158, 16, 13}},
    Control{"SpeedButton13", "Panel4", {28, 181, 97, 22}},
    // The banner.
    Control{"Panel5", "", {5, 216, 120, 90}},
    Control{"Image1", "Panel5", {0, 0, 120, 90}},
    // The diagnostics memo, never shown.
    Control{"Memo1", "", {144, 234, 129, 57}},
};

// The winner window: borderless, centred on the screen.
inline constexpr Size WinnerSize{155, 86};
inline constexpr std::array WinnerWindow{
    Control{"Memo1", "", {8, 8, 145, 41}},
    Control{"SpeedButton1", "", {60, 57, 41, 22}},
    Control{"Shape1", "", {0, 0, WinnerSize.width, WinnerSize.height}, Dock::None, true},
};

// The help pop-up of an [i] button: as wide as the button's panel and this
// high; its top this far below the button's top, or its bottom this far
// above the panel's top, or its top this far below the panel's bottom.
enum class Beside { ButtonRow, AbovePanel, BelowPanel };
struct HelpPlace {
    std::string_view button;
    int height;
    Beside where;
    int gap;
};
inline constexpr std::array HelpPlaces{
    HelpPlace{"SpeedButton4", 130, Beside::ButtonRow, 25},
    HelpPlace{"SpeedButton12", 130, Beside::AbovePanel, 10},
    HelpPlace{"SpeedButton14", 100, Beside::BelowPanel, 5},
};

// The pop-up's top in the window's client area.
constexpr int HelpTop(const HelpPlace& h, int panelTop, int panelHeight, int buttonTop) {
    if (h.where == Beside::ButtonRow) return panelTop + buttonTop + h.gap;
    if (h.where == Beside::AbovePanel) return panelTop - h.height - h.gap;
    return panelTop + panelHeight + h.gap;
}

// A docked panel's top-left corner in a client area, at its current size.
struct Point {
    int x, y;
};
constexpr Point DockedAt(const Control& panel, int clientWidth, int clientHeight, int width, int height) {
    const bool right = panel.dock == Dock::Right || panel.dock == Dock::RightBottom;
    const bool bottom = panel.dock == Dock::Bottom || panel.dock == Dock::RightBottom;
    return {right ? clientWidth - width - DockGap : panel.box.left,
            bottom ? clientHeight - height - DockGap : panel.box.top};
}

// A control by its name; a name the table lacks does not compile.
consteval const Control& Find(const auto& table, std::string_view name) {
    for (const Control& c : table)
        if (c.name == name) return c;
    throw "no such control in the layout";
}
consteval const Control& At(std::string_view name) { return Find(MainWindow, name); }
consteval const HelpPlace& HelpOf(std::string_view button) {
    for (const HelpPlace& h : HelpPlaces)
        if (h.button == button) return h;
    throw "no help for this button in the layout";
}

}  // namespace sky::layout
