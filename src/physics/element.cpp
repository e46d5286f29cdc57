#include "physics/element.h"

#include <cmath>

namespace physics {

namespace {

// The coil's ranges and glow scales are the frequency-mode table's own: the largest current,
// at the lowest frequencies, is shown 5, 3 and 1.7 times smaller.
//
// The capacitor mirrors the coil: its current is smallest at the lowest frequencies, shown 5,
// 3.3 and 1.7 times larger (ranges 0.2, 0.3, 0.6), so that going up the frequencies its needle
// rises all the way, as the coil's falls; with C from 0.01 to 0.1 its largest current, 1.256 at
// the highest frequency, swings the needle 75°, as the coil's largest does 76°. Its wires glow
// as its ammeter swings: 240 at the strongest setting.
//
// The resistor's current does not depend on the frequency. Its power is never negative, twice
// the height above the baseline that a coil's of the same amplitudes reaches: on a range of 2
// its largest power, 1250 twips, stays inside the power graph, and its needle swings 30°.
constexpr std::array kElements{
    Element{ElementKind::Coil,
            'L',
            2,
            1,
            90,
            0,
            {5, 3, 1.7, 1, 1, 1, 1, 1, 1},
            {0.15, 0.3, 0.45, 1.2, 1.5, 1.8, 2.1, 2.4, 2.7}},
    Element{ElementKind::Capacitor,
            'C',
            100,
            10,
            -90,
            0,
            {0.2, 0.3, 0.6, 1, 1, 1, 1, 1, 1},
            {3.8, 2.5, 1.25, 0.75, 0.75, 0.75, 0.75, 0.75, 0.75}},
    Element{ElementKind::Resistor,
            'R',
            1,
            1,
            0,
            1,
            {2, 2, 2, 2, 2, 2, 2, 2, 2},
            {0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95, 0.95}},
};

std::size_t modeIndex(int frequencyMode) {
    return static_cast<std::size_t>(frequencyMode - 1);
}

}  // namespace

double Element::valueAt(int position) const {
    return position / positionsPerUnit;
}

double Element::opposition(double omega, double value) const {
    switch (kind) {
        case ElementKind::Coil:
            return omega * value;
        case ElementKind::Capacitor:
            return 1 / (omega * value);
        case ElementKind::Resistor:
            break;
    }
    return value;
}

double Element::currentPhase(double x) const {
    switch (kind) {
        case ElementKind::Coil:
            return std::sin(x);
        case ElementKind::Capacitor:
            return -std::sin(x);
        case ElementKind::Resistor:
            break;
    }
    return std::cos(x);
}

double Element::ammeterRange(int frequencyMode) const {
    return ammeterRanges.at(modeIndex(frequencyMode));
}

double Element::glowScale(int frequencyMode) const {
    return glowScales.at(modeIndex(frequencyMode));
}

const Element& element(ElementKind kind) {
    return kElements.at(static_cast<std::size_t>(kind));
}

}  // namespace physics
