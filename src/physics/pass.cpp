#include "physics/pass.h"

#include <cmath>

#include "physics/conversions.h"

namespace physics {

double glowLevel(double currentPhase, double amplitude, double opposition, double glowScale) {
    const double a = std::sqrt(currentPhase * currentPhase) * 255;
    const double b = a * amplitude;
    const double c = opposition / glowScale;
    return conversions::Int(b / c);
}

std::int32_t wireColourFor(double glow) {
    return conversions::toInt32(255 + 256 * (255 - glow) + 65536 * (255 - glow));
}

double chargePositionFor(double currentPhase) {
    return 35 - conversions::Int(conversions::Int(255 * currentPhase) / 7.1);
}

std::pair<const char*, const char*> terminalSigns(double voltagePhase) {
    if (voltagePhase > 0) {
        return {"-", "+"};
    }
    return {"+", "-"};
}

double voltmeterDegrees(double voltagePhase, double amplitude) {
    return (60 * voltagePhase) * amplitude;
}

double ammeterAmplitude(double amplitude, double opposition, double ammeterRange) {
    return amplitude / (opposition * ammeterRange);
}

double ammeterDegrees(double ammeterAmplitude, double currentPhase) {
    return (60 * ammeterAmplitude) * currentPhase;
}

}  // namespace physics
