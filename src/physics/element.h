#pragma once

#include <array>

// The element the generator drives: a coil, a capacitor or a resistor, each a small value type
// that says what it is and how the current through it answers the generator's voltage
// u = U_m·cos ωt:
//
//   coil       X_L = ωL        i = (U_m/X_L)·sin ωt     a quarter period behind the voltage
//   capacitor  X_C = 1/(ωC)    i = −(U_m/X_C)·sin ωt    a quarter period ahead of it
//   resistor   R               i = (U_m/R)·cos ωt       in step with it
//
// The values are in the program's own units, as the sliders carry no physical unit. What the
// ammeter and the glowing wires show is the current divided by the ammeter's range of the
// frequency mode, chosen for each element so that at every setting the needle stays on its dial
// and every curve inside its graph; the glow follows the current as the ammeter does.
namespace physics {

enum class ElementKind { Coil, Capacitor, Resistor };
inline constexpr std::array kElementKinds{ElementKind::Coil, ElementKind::Capacitor,
                                          ElementKind::Resistor};

struct Element {
    ElementKind kind;
    char symbol;              // the letter beside it: L, C, R
    double positionsPerUnit;  // its value is the slider's position divided by this
    int startPosition;        // the slider's position when it is first chosen
    double phaseDegrees;      // how far the current is behind the voltage: 90, −90 or 0
    double powerFactor;       // cos φ, the share of U_m·I_m/2 that the power averages: 0, 0 or 1
    std::array<double, 9> ammeterRanges;  // by frequency mode 1 to 9
    std::array<double, 9> glowScales;

    // Its value at a position of its slider: L = position ÷ 2, C = position ÷ 100, R = position.
    double valueAt(int position) const;
    // What it opposes to the current at ω: X_L = omega × L, X_C = 1 ÷ (omega × C), R.
    double opposition(double omega, double value) const;
    // The current's phase at the generator's phase x = ωt: sin x, −sin x, cos x.
    double currentPhase(double x) const;
    double ammeterRange(int frequencyMode) const;
    double glowScale(int frequencyMode) const;
};

const Element& element(ElementKind kind);

}  // namespace physics
