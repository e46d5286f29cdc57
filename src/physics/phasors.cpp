#include "physics/phasors.h"

#include <array>
#include <cmath>
#include <numbers>

#include "physics/generator.h"

namespace physics {

Quantities quantities(const Instant& instant, double pi) {
    const Settings& s = instant.settings;
    const Element& e = element(s.element);
    // The mode is always one of the table's: the slider's range is the table's nine rows.
    const double omega = omegaFor(*frequencyMode(s.frequencyMode), pi);
    const double value = e.valueAt(s.position);
    const double voltage = amplitudeAt(s.amplitude);
    const double opposition = e.opposition(omega, value);
    const double current = voltage / opposition;
    const double u = voltage * std::cos(omega * instant.t);
    const double i = current * e.currentPhase(omega * instant.t);
    return {omega,
            omega / (2 * pi),
            2 * pi / omega,
            value,
            voltage,
            opposition,
            current,
            voltage / std::sqrt(2.0),
            current / std::sqrt(2.0),
            voltage * current / 2,
            voltage * current * e.powerFactor / 2,
            e.ammeterRange(s.frequencyMode),
            u,
            i,
            u * i};
}

// Each tip a quarter turn on from its height: x = the quantity's value a quarter period later.
Arrows arrows(const Instant& instant, double pi) {
    const Quantities q = quantities(instant, pi);
    const Element& e = element(instant.settings.element);
    const double x = q.omega * instant.t;
    return {{-q.voltage * std::sin(x), q.u},
            {q.current * e.currentPhase(x + std::numbers::pi / 2), q.i}};
}

double radiusFor(double length, double fill) {
    if (!(length > 0)) {
        return 1;
    }
    constexpr std::array kSteps{1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0, 10.0};
    const double decade = std::pow(10.0, std::floor(std::log10(length / fill)));
    for (const double step : kSteps) {
        // A hair's allowance: 0.9 × 0.6 must stand for 0.6 itself.
        if (length <= fill * step * decade * (1 + 1e-12)) {
            return step * decade;
        }
    }
    return 10 * decade;
}

}  // namespace physics
