#include "scene/units.h"

#include <QPainter>
#include <algorithm>
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

DeviceGrid::DeviceGrid(const QPainter& painter) {
    // Lines are only ever drawn unrotated, so the device transform is a scale and a shift.
    const QTransform t = painter.deviceTransform();
    scale_ = t.m11();
    dx_ = t.dx();
    dy_ = t.dy();
}

qreal DeviceGrid::width(qreal px) const {
    return std::max<qreal>(1, std::round(px * scale_)) / scale_;
}

QPointF DeviceGrid::point(QPointF px) const {
    return {(std::round(px.x() * scale_ + dx_) - dx_) / scale_,
            (std::round(px.y() * scale_ + dy_) - dy_) / scale_};
}

QRectF DeviceGrid::rect(const QRectF& px) const {
    const QPointF topLeft = point(px.topLeft());
    return {topLeft, QSizeF(width(px.width()), width(px.height()))};
}

}  // namespace scene
