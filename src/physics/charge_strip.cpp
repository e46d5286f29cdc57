#include "physics/charge_strip.h"

#include "physics/conversions.h"

namespace physics {

std::int16_t packetMarker(double position, int k) {
    return conversions::toInt16(position + k);
}

}  // namespace physics
