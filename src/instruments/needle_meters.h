#pragma once

// The instruments' numbers: where a needle points and which markers carry the charge packet,
// as pure functions over the scene's colours and whole-number rules.

#include <QPoint>

#include "scene/colour.h"

// The two pointer instruments: a needle turning about a pivot near the bottom of its dial,
// moved by drawing the last needle again in the dial colour and then the new one in grey.
namespace instruments {

// Twips in the dial's own inner area; both dials share this geometry.
inline constexpr QPoint kNeedlePivot{1400, 1600};
inline constexpr QPoint kRestNeedleTip{1400, 540};

inline constexpr scene::ColourNumber kNeedleGrey = scene::kGrey;
// The erasing colours are the dials' own background colours.
inline constexpr scene::ColourNumber kAmmeterFace = scene::kAmmeterRed;
inline constexpr scene::ColourNumber kVoltmeterFace = scene::kVoltmeterBlue;

// Degrees to radians with the program's own pi: degrees × 2 × pi ÷ 360, left to right.
double degreesToRadians(double degrees, double pi);

// The tip of a needle at `angleRadians` from the vertical, positive to the left:
// φ = pi/2 − a, x = Int(1400 − length·cos φ), y = Int(1600 − length·sin φ). With pi = 3.14,
// pi/2 is not quite a right angle, so the two sides are not exact mirror images.
QPoint needleTip(double angleRadians, double pi, int needleLength);

}  // namespace instruments
