#include "physics/generator.h"

#include <array>

namespace physics {

namespace {

constexpr std::array kFrequencyModeTable{
    FrequencyMode{1, 1, 10}, FrequencyMode{2, 1, 5},   FrequencyMode{3, 1, 2},
    FrequencyMode{4, 1, 1},  FrequencyMode{5, 1.5, 1}, FrequencyMode{6, 2, 1},
    FrequencyMode{7, 3, 1},  FrequencyMode{8, 3.5, 1}, FrequencyMode{9, 4, 1},
};
static_assert(kFrequencyModeTable.size() == kFrequencyModes);

}  // namespace

const FrequencyMode* frequencyMode(int mode) {
    for (const auto& row : kFrequencyModeTable) {
        if (row.mode == mode) {
            return &row;
        }
    }
    return nullptr;
}

double omegaFor(const FrequencyMode& row, double pi) {
    return (row.piFactor * pi) / row.piDivisor;
}

double amplitudeAt(int position) {
    return position / 10.0;
}

}  // namespace physics
