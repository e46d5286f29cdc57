#pragma once

#include <QPoint>
#include <QRect>

namespace scene {

// All layout geometry is kept in twips (1/1440 inch). At 96 dots per inch fifteen twips make
// one pixel; this is the one place where twips become pixels. Qt's device pixel ratio then
// scales the pixels evenly on a high-dpi screen.
inline constexpr int kTwipsPerPixel = 15;

int toPixels(double twips);
QPoint toPixels(QPoint twips);
QRect toPixels(const QRect& twips);

}  // namespace scene

class QPainter;
class QPointF;
class QRectF;

namespace scene {

// The screen's own pixels, for whatever a painter draws at a scale the layout was not drawn at
// (a projector's 1.4): a line of w pixels is round(w × scale) device pixels wide, at least one,
// and lies on whole device pixels, so every line of a kind has one width throughout the window.
// At scale 1 it changes nothing.
class DeviceGrid {
  public:
    explicit DeviceGrid(const QPainter& painter);

    // A width in pixels of the layout, as it is drawn.
    qreal width(qreal px) const;
    // A point moved onto the nearest device pixel.
    QPointF point(QPointF px) const;
    // A rectangle whose edges lie on device pixels, as wide and high as `width` draws its sides.
    QRectF rect(const QRectF& px) const;
    // Device pixels to a pixel of the layout: 1 at the layout's own scale.
    qreal scale() const { return scale_; }

  private:
    qreal scale_;
    qreal dx_;  // where the painter's origin lies on the device, in device pixels
    qreal dy_;
};

}  // namespace scene
