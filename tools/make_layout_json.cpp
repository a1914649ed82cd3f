// Writes the windows' layout tables and the interface greys as JSON into
// the file given on the command line, for the scripts that drive the game
// from outside (scripts/lib/window_layout.py reads it).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/palette.h"
#include "ui/window_layout.h"

namespace {

using namespace sky::layout;

std::string Quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

const char* DockName(Dock d) {
    switch (d) {
        case Dock::Right: return "right";
        case Dock::Bottom: return "bottom";
        case Dock::RightBottom: return "right bottom";
        case Dock::None: break;
    }
    return "";
}

const char* BesideName(Beside b) {
    switch (b) {
        case Beside::ButtonRow: return "button row";
        case Beside::AbovePanel: return "above panel";
        case Beside::BelowPanel: break;
    }
    return "below panel";
}

void Controls(std::ostream& out, const auto& table) {
    out << "[";
    const char* sep = "\n";
    for (const Control& c : table) {
        out << sep << "    {\"name\": " << Quoted(c.name) << ", \"parent\": " << Quoted(c.parent)
            << ", \"left\": " << c.box.left << ", \"top\": " << c.box.top << ", \"width\": " << c.box.width
            << ", \"height\": " << c.box.height << ", \"dock\": " << Quoted(DockName(c.dock))
            << ", \"over\": " << (c.over ? "true" : "false") << ", \"folded\": [" << c.folded.width << ", "
            << c.folded.height << "]}";
        sep = ",\n";
    }
    out << "]";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_layout_json <file>\n");
        return 2;
    }
    std::ostringstream out;
    out << "{\"window\": {\"width\": " << WindowWidth << ", \"height\": " << WindowHeight
        << ", \"dock_gap\": " << DockGap << "},\n\"main\": ";
    Controls(out, MainWindow);
    out << ",\n\"winner\": {\"width\": " << WinnerSize.width << ", \"height\": " << WinnerSize.height
        << ", \"controls\": ";
    Controls(out, WinnerWindow);
    out << "},\n\"help\": [";
    const char* sep = "\n";
    for (const HelpPlace& h : HelpPlaces) {
        out << sep << "    {\"button\": " << Quoted(h.button) << ", \"height\": " << h.height
            << ", \"beside\": " << Quoted(BesideName(h.where)) << ", \"gap\": " << h.gap << "}";
        sep = ",\n";
    }
    out << "],\n\"greys\": {";
    sep = "\n";
    for (const sky::NamedColour& g : sky::InterfaceGreys) {
        out << sep << "    " << Quoted(g.name) << ": [" << sky::RedOf(g.colour) << ", " << sky::GreenOf(g.colour)
            << ", " << sky::BlueOf(g.colour) << "]";
        sep = ",\n";
    }
    out << "}}\n";
    std::ofstream file(argv[1]);
    file << out.str();
    if (!file) {
        std::fprintf(stderr, "make_layout_json: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
