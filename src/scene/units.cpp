#include "scene/units.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace scene {

namespace {

double currentZoom = 1;

}  // namespace

double zoom() {
    return currentZoom;
}

void setZoom(double zoom) {
    if (zoom == currentZoom) {
        return;
    }
    currentZoom = zoom;
    for (QWidget* widget : QApplication::allWidgets()) {
        QEvent changed(ZoomChange);
        QCoreApplication::sendEvent(widget, &changed);
    }
}

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips * currentZoom / kTwipsPerPixel));
}

int zoomed(int pixels) {
    return static_cast<int>(std::lround(pixels * currentZoom));
}

QSize zoomed(QSize pixels) {
    return {zoomed(pixels.width()), zoomed(pixels.height())};
}

QSize layoutPixels(QSize twips) {
    return {static_cast<int>(std::lround(twips.width() / double(kTwipsPerPixel))),
            static_cast<int>(std::lround(twips.height() / double(kTwipsPerPixel)))};
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
    return std::max<qreal>(1, std::round(px * currentZoom * scale_)) / scale_;
}

QPointF DeviceGrid::point(QPointF px) const {
    return {(std::round(px.x() * scale_ + dx_) - dx_) / scale_,
            (std::round(px.y() * scale_ + dy_) - dy_) / scale_};
}

QRectF DeviceGrid::rect(const QRectF& px) const {
    const auto side = [&](qreal length) {
        return std::max<qreal>(1, std::round(length * scale_)) / scale_;
    };
    return {point(px.topLeft()), QSizeF(side(px.width()), side(px.height()))};
}

}  // namespace scene
