#pragma once

#include <QColor>
#include <cstdint>

namespace scene {

// A colour number: red + 256·green + 65536·blue. Numbers with the top bit set name a system
// colour instead, resolved through the application's fixed palette.
using ColourNumber = std::uint32_t;

inline constexpr ColourNumber kButtonFace = 0x8000000F;
inline constexpr ColourNumber kWindowBackground = 0x80000005;
inline constexpr ColourNumber kWindowText = 0x80000008;

constexpr ColourNumber rgbColour(int red, int green, int blue) {
    return static_cast<ColourNumber>(red + 256 * green + 65536 * blue);
}

QColor toQColor(ColourNumber colour);

}  // namespace scene
