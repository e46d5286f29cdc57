#pragma once

#include <cstdint>
#include <utility>

// The numbers of one pass of the demonstration, as pure functions of numbers. Every formula is
// evaluated in the order and grouping written beside it: the display depends on the exact
// doubles (pi is 3.14, not π).
namespace demo {

// The sliders' positions: the frequency mode (1 to 9), the amplitude and the inductance (1 to 10).
struct Settings {
    int frequencyMode;
    int amplitude;
    int inductance;

    friend bool operator==(const Settings&, const Settings&) = default;
};

// What the displays show: the settings a pass read and the seconds of the run it drew.
struct Instant {
    Settings settings;
    double t;

    friend bool operator==(const Instant&, const Instant&) = default;
};

// The sliders' positions in the program's own units, which the sliders carry no physical unit
// for: the amplitude U_m is the position ÷ 10 (0.1 to 1.0), the inductance L the position ÷ 2
// (0.5 to 5.0).
double amplitudeAt(int position);
double inductanceAt(int position);

// One row of the frequency-mode table: omega = (piFactor × pi) ÷ piDivisor.
struct FrequencyMode {
    int mode;
    double piFactor;
    double piDivisor;
    double glowScale;
    double ammeterRange;  // the ammeter's range divisor: 5, 3, 1.7 in modes 1 to 3, else 1
};

// The row of a frequency mode 1..9; there is none for any other mode.
const FrequencyMode* frequencyMode(int mode);

double omegaFor(const FrequencyMode& row, double pi);

// glow = Int(b ÷ c) with a = √(currentPhase²) × 255, b = a × amplitude,
// c = (omega × inductance) ÷ glowScale: 255·|sin|·amplitude·glowScale / (omega·inductance).
double glowLevel(double currentPhase, double amplitude, double omega, double inductance,
                 double glowScale);

// Red 255 with green and blue 255 − glow: white at no glow, deeper red as it grows.
std::int32_t wireColourFor(double glow);

// First marker of the charge packet: 35 − Int(Int(255 × currentPhase) ÷ 7.1), 0 to 71.
double chargePositionFor(double currentPhase);

// Captions of the left and right terminal labels: "-" and "+" while the voltage phase is
// positive, "+" and "-" otherwise (also at exactly 0).
std::pair<const char*, const char*> terminalSigns(double voltagePhase);

// (60 × voltagePhase) × amplitude.
double voltmeterDegrees(double voltagePhase, double amplitude);

// amplitude ÷ ((omega × inductance) × ammeterRange).
double ammeterAmplitude(double amplitude, double omega, double inductance, double ammeterRange);

// (60 × ammeterAmplitude) × currentPhase.
double ammeterDegrees(double ammeterAmplitude, double currentPhase);

}  // namespace demo
