#pragma once

#include <cstdint>

// The three time graphs: voltage, current and power traced by small pens across the right-hand
// part of the window, one segment per step, restarting at the left edge every sweep. Here, the
// point each curve reaches in one step.
namespace physics {

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
    double currentPhase;  // the element's: sin(omega·t) for the coil
    double ammeterRange;  // the element's range divisor in the frequency mode
    double opposition;    // the element's: X_L = omega × inductance for the coil
};

// The new point of each curve, in twips; every coordinate a whole number.
struct PlotStep {
    double curX;
    double curU;
    double curI;
    std::int32_t curP;
};

// With k = opposition × ammeterRange, (omega × inductance) × ammeterRange for the coil:
//   curX = Int(x0 + sweepT × xScale)
//   curU = Int(u0 − (amplitude × yScale) × voltagePhase)
//   curI = Int(i0 − ((amplitude / k) × yScale) × currentPhase)
//   curP = Int(p0 − ((((amplitude² / k) × yScale) × 2.5) × voltagePhase) × currentPhase)
// grouped exactly so, since the grouping decides the last bit and so, now and then, the pixel.
PlotStep plotStep(const GraphFrame& frame, const PlotInputs& in);

}  // namespace physics
