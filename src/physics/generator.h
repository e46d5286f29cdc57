#pragma once

// The generator: its nine frequencies and its amplitude, from the sliders' positions.
namespace physics {

inline constexpr int kFrequencyModes = 9;

// One row of the frequency-mode table: omega = (piFactor × pi) ÷ piDivisor, a multiple of the
// program's pi (3.14), not of π.
struct FrequencyMode {
    int mode;
    double piFactor;
    double piDivisor;
};

// The row of a frequency mode 1..9; there is none for any other mode.
const FrequencyMode* frequencyMode(int mode);

double omegaFor(const FrequencyMode& row, double pi);

// The amplitude U_m in the program's own units, which the slider carries no physical unit for:
// its position ÷ 10, 0.1 to 1.0.
double amplitudeAt(int position);

}  // namespace physics
