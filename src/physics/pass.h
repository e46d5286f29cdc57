#pragma once

#include <cstdint>
#include <utility>

#include "physics/element.h"

// The numbers of one pass of the demonstration, as pure functions of numbers. Every formula is
// evaluated in the order and grouping written beside it: the display depends on the exact
// doubles (pi is 3.14, not π). `opposition` is the element's: for the coil X_L = omega × L, so
// that (omega × inductance) of the coil's formulas is formed as it always was.
namespace physics {

// The sliders' positions, the frequency mode (1 to 9), the amplitude and the element's value (1
// to 10), and the element they are for.
struct Settings {
    int frequencyMode;
    int amplitude;
    int position;
    ElementKind element = ElementKind::Coil;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// What the displays show: the settings a pass read and the seconds of the run it drew.
struct Instant {
    Settings settings;
    double t;

    friend bool operator==(const Instant&, const Instant&) = default;
};

// glow = Int(b ÷ c) with a = √(currentPhase²) × 255, b = a × amplitude,
// c = opposition ÷ glowScale: 255·|current phase|·amplitude·glowScale / opposition.
double glowLevel(double currentPhase, double amplitude, double opposition, double glowScale);

// Red 255 with green and blue 255 − glow: white at no glow, deeper red as it grows.
std::int32_t wireColourFor(double glow);

// First marker of the charge packet: 35 − Int(Int(255 × currentPhase) ÷ 7.1), 0 to 71.
double chargePositionFor(double currentPhase);

// Captions of the left and right terminal labels: "-" and "+" while the voltage phase is
// positive, "+" and "-" otherwise (also at exactly 0).
std::pair<const char*, const char*> terminalSigns(double voltagePhase);

// (60 × voltagePhase) × amplitude.
double voltmeterDegrees(double voltagePhase, double amplitude);

// amplitude ÷ (opposition × ammeterRange).
double ammeterAmplitude(double amplitude, double opposition, double ammeterRange);

// (60 × ammeterAmplitude) × currentPhase.
double ammeterDegrees(double ammeterAmplitude, double currentPhase);

}  // namespace physics
