#pragma once

#include <QPoint>

// The two pointer instruments: a needle turning about a pivot near the bottom of its dial, moved
// by drawing the last needle again in the dial colour and then the new one in grey. Here, where it
// points.
namespace physics {

// Twips in the dial's own inner area; both dials share this geometry.
inline constexpr QPoint kNeedlePivot{1400, 1600};
inline constexpr QPoint kRestNeedleTip{1400, 540};

// Degrees to radians with the program's own pi: degrees × 2 × pi ÷ 360, left to right.
double degreesToRadians(double degrees, double pi);

// The tip of a needle at `angleRadians` from the vertical, positive to the left:
// φ = pi/2 − a, x = Int(1400 − length·cos φ), y = Int(1600 − length·sin φ). With pi = 3.14,
// pi/2 is not quite a right angle, so the two sides are not exact mirror images.
QPoint needleTip(double angleRadians, double pi, int needleLength);

}  // namespace physics
