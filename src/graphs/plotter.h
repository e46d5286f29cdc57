#pragma once

// The graphs' numbers: the point each curve reaches in one step, as a pure function.

#include <cstdint>

#include "scene/colour.h"

// The three time graphs: voltage, current and power traced by small pens across the right-hand
// part of the window, one segment per step, restarting at the left edge every sweep.
namespace graphs {

inline constexpr scene::ColourNumber kVoltageBlue = 16711680;
inline constexpr scene::ColourNumber kCurrentRed = 255;
inline constexpr scene::ColourNumber kPowerBlack = 0;

// Where the graphs stand and how they scale, all in twips.
struct GraphFrame {
    int x0;      // time 0 of every sweep, the common left edge
    int xScale;  // twips per second
    int yScale;  // twips per unit of the plotted quantity
    int u0;      // baselines; a positive value plots above its baseline
    int i0;
    int p0;
};

// What one step plots from.
struct PlotInputs {
    double voltagePhase;  // cos(omega·t)
    double amplitude;     // 0.1 to 1.0
    double sweepT;        // seconds since the sweep began
    double currentPhase;  // sin(omega·t)
    double ammeterRange;  // the frequency mode's range divisor
    double omega;         // radians per second
    double inductance;
};

// The new point of each curve, in twips; every coordinate a whole number.
struct PlotStep {
    double curX;
    double curU;
    double curI;
    std::int32_t curP;
};

// With k = (omega × inductance) × ammeterRange:
//   curX = Int(x0 + sweepT × xScale)
//   curU = Int(u0 − (amplitude × yScale) × voltagePhase)
//   curI = Int(i0 − ((amplitude / k) × yScale) × currentPhase)
//   curP = Int(p0 − ((((amplitude² / k) × yScale) × 2.5) × voltagePhase) × currentPhase)
// grouped exactly so, since the grouping decides the last bit and so, now and then, the pixel.
PlotStep plotStep(const GraphFrame& frame, const PlotInputs& in);

}  // namespace graphs
