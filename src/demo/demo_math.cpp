#include "demo/demo_math.h"

#include <array>
#include <cmath>

#include "scene/conversions.h"

namespace demo {

namespace {

constexpr std::array kFrequencyModes{
    FrequencyMode{1, 1, 10, 0.15, 5},  FrequencyMode{2, 1, 5, 0.3, 3},
    FrequencyMode{3, 1, 2, 0.45, 1.7}, FrequencyMode{4, 1, 1, 1.2, 1},
    FrequencyMode{5, 1.5, 1, 1.5, 1},  FrequencyMode{6, 2, 1, 1.8, 1},
    FrequencyMode{7, 3, 1, 2.1, 1},    FrequencyMode{8, 3.5, 1, 2.4, 1},
    FrequencyMode{9, 4, 1, 2.7, 1},
};

}  // namespace

double amplitudeAt(int position) {
    return position / 10.0;
}

double inductanceAt(int position) {
    return position / 2.0;
}

const FrequencyMode* frequencyMode(int mode) {
    for (const auto& row : kFrequencyModes) {
        if (row.mode == mode) {
            return &row;
        }
    }
    return nullptr;
}

double omegaFor(const FrequencyMode& row, double pi) {
    return (row.piFactor * pi) / row.piDivisor;
}

double glowLevel(double currentPhase, double amplitude, double omega, double inductance,
                 double glowScale) {
    const double a = std::sqrt(currentPhase * currentPhase) * 255;
    const double b = a * amplitude;
    const double c = (omega * inductance) / glowScale;
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

double ammeterAmplitude(double amplitude, double omega, double inductance, double ammeterRange) {
    return amplitude / ((omega * inductance) * ammeterRange);
}

double ammeterDegrees(double ammeterAmplitude, double currentPhase) {
    return (60 * ammeterAmplitude) * currentPhase;
}

}  // namespace demo
