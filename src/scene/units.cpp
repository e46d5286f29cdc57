#include "scene/units.h"

#include <cmath>

namespace scene {

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QPoint toPixels(QPoint twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}

QRect toPixels(const QRect& twips) {
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()),
            toPixels(twips.height())};
}

}  // namespace scene
