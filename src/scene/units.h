#pragma once

#include <QEvent>
#include <QPoint>
#include <QRect>

class QPainter;
class QPointF;
class QRectF;

namespace scene {

// All layout geometry is kept in twips (1/1440 inch). At 96 dots per inch fifteen twips make
// one pixel; this is the one place where twips become pixels. Qt's device pixel ratio then
// scales the pixels evenly on a high-dpi screen.
inline constexpr int kTwipsPerPixel = 15;

// The layout drawn smaller than laid out, below 1; 1 otherwise. The toolkit scales its screens
// only up (a painter takes a device pixel ratio below 1 for 1), so a window smaller than its
// layout is laid out smaller: every position and size in pixels, every font and every width of
// a line takes the zoom. At 1 nothing changes.
double zoom();
// Sets the zoom and tells every widget with a ZoomChange event, after which the window lays out
// its controls again.
void setZoom(double zoom);
inline const QEvent::Type ZoomChange = static_cast<QEvent::Type>(QEvent::registerEventType());

int toPixels(double twips);
QPoint toPixels(QPoint twips);
QRect toPixels(const QRect& twips);
// A size in pixels of the layout at the zoom: a width of a line, a picture's size.
int zoomed(int pixels);
QSize zoomed(QSize pixels);
// Twips as pixels of the layout itself, whatever the zoom.
QSize layoutPixels(QSize twips);

// The screen's own pixels, for whatever a painter draws at a scale the layout was not drawn at
// (a projector's 1.4): a line of w pixels is round(w × scale) device pixels wide, at least one,
// and lies on whole device pixels, so every line of a kind has one width throughout the window.
// At scale 1 it changes nothing.
class DeviceGrid {
  public:
    explicit DeviceGrid(const QPainter& painter);

    // A width in pixels of the layout, as it is drawn at the zoom.
    qreal width(qreal px) const;
    // A point moved onto the nearest device pixel.
    QPointF point(QPointF px) const;
    // A rectangle whose edges lie on device pixels, its sides of whole device pixels (at least
    // one): the lines of a hatch, the edges of a frame.
    QRectF rect(const QRectF& px) const;
    // Device pixels to a pixel of the layout: 1 at the layout's own scale.
    qreal scale() const { return scale_; }

  private:
    qreal scale_;
    qreal dx_;  // where the painter's origin lies on the device, in device pixels
    qreal dy_;
};

}  // namespace scene
