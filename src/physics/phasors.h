#pragma once

#include <QPointF>

#include "physics/element.h"
#include "physics/pass.h"

// The numbers of the phasor diagram: what the settings give at an instant. The voltage
// u = U_m·cos ωt and the element's current i = I_m·cos(ωt − φ) are the projections, onto the
// diagram's upright axis, of two arrows turning counter-clockwise at ω, the current's φ behind the
// voltage's: a quarter turn behind for the coil, a quarter turn ahead for the capacitor, in step
// for the resistor.
namespace physics {

struct Quantities {
    double omega;           // ω, rad/s (from the program's pi, as the demonstration has it)
    double frequency;       // ν = ω / 2π, Hz
    double period;          // T = 2π / ω, s
    double value;           // L, C or R
    double voltage;         // U_m
    double opposition;      // X_L = ωL, X_C = 1/(ωC) or R
    double current;         // I_m = U_m / X
    double rmsVoltage;      // U = U_m / √2
    double rmsCurrent;      // I = I_m / √2
    double powerAmplitude;  // U_m·I_m / 2, how far the power swings about its mean, at 2ν
    double meanPower;       // U_m·I_m·cos φ / 2
    double ammeterRange;    // what the ammeter divides the current by
    double u;               // at the instant
    double i;
    double p;
};

Quantities quantities(const Instant& instant, double pi);

// The arrows' tips, each in its own quantity's units, y upward: each as long as its amplitude, so
// that each tip's height is its quantity at that instant.
struct Arrows {
    QPointF voltage;
    QPointF current;
};

Arrows arrows(const Instant& instant, double pi);

// What the diagram's radius stands for, for an arrow of that length: the smallest of 1, 1.2,
// 1.5, 2, 2.5, 3, 4, 5, 6 and 8 times a power of ten that the arrow fills to `fill` at most, so
// that every arrow is from three quarters of `fill` to `fill` of the radius, whatever its
// quantity's size. 1 for none.
double radiusFor(double length, double fill);

}  // namespace physics
