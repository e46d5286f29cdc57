// The charge packet moved along the wires.

#include "demo/form1.h"
#include "physics/charge_strip.h"
#include "physics/conversions.h"

void Form1::MoveCharges(double chargePosition, double wireColour, double previousChargePosition) {
    using physics::kPacketSize;
    using physics::packetMarker;
    // The new packet is shown before the old one is hidden, so markers that belong to both end
    // hidden; the next call with an unchanged position shows them again. A marker that does not
    // exist stops the call there: the markers changed before it keep their new state.
    for (int k = 0; k < kPacketSize; ++k) {
        Tavik::Mark& marker = tok(packetMarker(chargePosition, k));
        marker.setVisible(true);
        marker.setBackColor(static_cast<scene::ColourNumber>(conversions::toInt32(wireColour)));
    }
    if (previousChargePosition == chargePosition) {
        return;
    }
    for (int k = 0; k < kPacketSize; ++k) {
        tok(packetMarker(previousChargePosition, k)).setVisible(false);
    }
}
