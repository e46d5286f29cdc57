#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <array>

#include "scene/windowless.h"

class QPainter;

namespace scene {

// The small bitmaps of the window, drawn in code: the three graph pens (8 × 8), the window
// icon (32 × 32, 16 colours) and the emblem beside the heading (33 × 33, true colour).
//
// On a screen whose device pixel ratio is above 1 (the window shown larger) a picture is drawn
// again from the same code at the screen's resolution, with that ratio set on the image, so
// that it keeps its size in the layout and stays sharp; at ratio 1 it is the bitmap itself.
QImage picture(Picture which, qreal devicePixelRatio = 1);

// A picture's size in the layout, in pixels at ratio 1.
QSize pictureSize(Picture which);

// The sizes in pixels at which the desktop's icon themes want an application's icon.
inline constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The window icon's design (a coil and a red sine wave above a navy band bearing a white "L")
// drawn at any size in pixels, onto a painter whose device is that many pixels square. Up to
// the window icon's own 32 pixels everything is aligned to whole pixels, without antialiasing,
// so that small sizes stay crisp (at 32 it is the window icon, pixel for pixel); above, the
// curves are smooth. On a vector device it gives the same drawing as paths.
void paintIcon(QPainter& painter, int sizePx);

// The design as a bitmap of that size.
QImage iconImage(int sizePx);

// The window's icon for the desktop: the design at every size of the icon themes.
QIcon windowIcon();

}  // namespace scene
