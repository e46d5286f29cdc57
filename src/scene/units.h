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
