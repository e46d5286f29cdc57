#pragma once

#include <cstdint>

// The strip of charge markers along the wires: a packet of five consecutive markers shown in
// the glow colour and moved back and forth with the current.
namespace physics {

inline constexpr int kPacketSize = 5;

// The control index of marker k of the packet at `position`: position + k rounded to the
// nearest whole number, halves to the even neighbour (10.5 gives 10, 11.5 gives 12).
std::int16_t packetMarker(double position, int k);

}  // namespace physics
