#include "physics/needles.h"

#include <cmath>

#include "physics/conversions.h"

namespace physics {

double degreesToRadians(double degrees, double pi) {
    return degrees * 2 * pi / 360;
}

QPoint needleTip(double angleRadians, double pi, int needleLength) {
    const double phi = pi / 2 - angleRadians;
    return {static_cast<int>(conversions::Int(kNeedlePivot.x() - needleLength * std::cos(phi))),
            static_cast<int>(conversions::Int(kNeedlePivot.y() - needleLength * std::sin(phi)))};
}

}  // namespace physics
