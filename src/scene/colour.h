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

// The colours the window is drawn in, named by what they show.
inline constexpr ColourNumber kWhite = 16777215;
inline constexpr ColourNumber kLightGrey = 12632256;  // the power switch when off
inline constexpr ColourNumber kYellow = 65535;        // the power switch when on
inline constexpr ColourNumber kGrey = 8421504;        // needles, terminals, clamps, graph axes
inline constexpr ColourNumber kDarkGrey = 4210752;
inline constexpr ColourNumber kBrown = 16512;
inline constexpr ColourNumber kPanelGreen = 12648384;
inline constexpr ColourNumber kVoltmeterBlue = 16761024;
inline constexpr ColourNumber kAmmeterRed = 12632319;
inline constexpr ColourNumber kHatchBlue = 16744576;
// The curves of the graphs: voltage, current and power.
inline constexpr ColourNumber kVoltageBlue = 16711680;
inline constexpr ColourNumber kCurrentRed = 255;
inline constexpr ColourNumber kPowerBlack = 0;

constexpr ColourNumber rgbColour(int red, int green, int blue) {
    return static_cast<ColourNumber>(red + 256 * green + 65536 * blue);
}

QColor toQColor(ColourNumber colour);

}  // namespace scene
