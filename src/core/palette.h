// Colours as the small images store them, and the greys of the interface.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace sky {

// 0xFFRRGGBB: the layout of a 32-bit RGB image (and of the toolkit's own
// colour values), so a view can show the bits as they are.
using Colour = uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
           static_cast<uint32_t>(b & 255);
}
constexpr int RedOf(Colour c) { return static_cast<int>((c >> 16) & 255); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return static_cast<int>(c & 255); }

constexpr Colour PanelGrey = Rgb(212, 212, 212);   // panels, windows, the images' surroundings
constexpr Colour FaceGrey = Rgb(204, 204, 204);    // the faces of the dials, the bar and the wind arrow
constexpr Colour NeedleGrey = Rgb(119, 119, 119);  // needles, the power mark, the wind arrow
constexpr Colour TextDark = Rgb(77, 77, 77);       // bold captions and texts
constexpr Colour LabelGrey = Rgb(85, 85, 85);      // the energy labels before the first game
constexpr Colour DisabledText = Rgb(150, 150, 150);  // captions of locked buttons
constexpr Colour EtchGrey = Rgb(160, 160, 160);    // the dark line of an etched line or frame
constexpr Colour White = Rgb(255, 255, 255);       // outlines and frames

// The greys by name, as the build writes them out for the scripts that read the screen.
struct NamedColour {
    std::string_view name;
    Colour colour;
};
inline constexpr std::array<NamedColour, 8> InterfaceGreys{{
    {"PanelGrey", PanelGrey}, {"FaceGrey", FaceGrey}, {"NeedleGrey", NeedleGrey}, {"TextDark", TextDark},
    {"LabelGrey", LabelGrey}, {"DisabledText", DisabledText}, {"EtchGrey", EtchGrey}, {"White", White},
}};

}  // namespace sky
