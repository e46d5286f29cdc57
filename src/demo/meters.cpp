// The two dials: their repaint handlers and the needles the run loop swings.

#include "demo/form1.h"
#include "physics/needles.h"

namespace {

constexpr scene::ColourNumber kNeedleGrey = scene::kGrey;
// The erasing colours are the dials' own background colours.
constexpr scene::ColourNumber kAmmeterFace = scene::kAmmeterRed;
constexpr scene::ColourNumber kVoltmeterFace = scene::kVoltmeterBlue;

void drawNeedle(scene::Surface& dial, QPoint tip, scene::ColourNumber colour) {
    dial.drawLine(static_cast<float>(physics::kNeedlePivot.x()),
                  static_cast<float>(physics::kNeedlePivot.y()), static_cast<float>(tip.x()),
                  static_cast<float>(tip.y()), colour);
}

}  // namespace

// The repaint handlers clear nothing and leave the stored angle alone, so the next update still
// erases the needle it drew itself. At rest they add the rest needle. While a run is on, paused
// too, they draw the needle where the run last put it, and nothing else: a rest needle added then
// would stand beside the real one, a second reading the run never erases on the voltmeter.
void Form1::picamp_Paint() {
    repaintNeedle(*picamp, ammeterAngle);
}

void Form1::picvolt_Paint() {
    repaintNeedle(*picvolt, voltmeterAngle);
}

void Form1::repaintNeedle(scene::Surface& dial, double storedAngle) {
    drawNeedle(
        dial,
        running == 1 ? physics::needleTip(storedAngle, pi, needleLength) : physics::kRestNeedleTip,
        kNeedleGrey);
}

void Form1::DrawAmmeter(double degrees) {
    swingNeedle(*picamp, kAmmeterFace, ammeterAngle, degrees);
}

void Form1::DrawVoltmeter(double degrees) {
    swingNeedle(*picvolt, kVoltmeterFace, voltmeterAngle, degrees);
}

void Form1::swingNeedle(scene::Surface& dial, scene::ColourNumber background, double& storedAngle,
                        double degrees) {
    // The old needle is erased by drawing it again, to exactly the same tip, in the dial colour;
    // the dial is never cleared.
    drawNeedle(dial, physics::needleTip(storedAngle, pi, needleLength), background);
    const double angle = physics::degreesToRadians(degrees, pi);
    drawNeedle(dial, physics::needleTip(angle, pi, needleLength), kNeedleGrey);
    // Stored last: if drawing the new needle fails, the angle still names the needle on the dial.
    storedAngle = angle;
}
