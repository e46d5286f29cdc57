#include "instruments/charge_strip.h"

#include "scene/conversions.h"

namespace instruments {

std::int16_t packetMarker(double position, int k) {
    return conversions::toInt16(position + k);
}

}  // namespace instruments
