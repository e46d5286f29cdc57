#pragma once

#include <QImage>

#include "scene/windowless.h"

namespace scene {

// The small bitmaps of the window, drawn in code: the three graph pens (8 × 8), the window
// icon (32 × 32, 16 colours) and the emblem beside the heading (33 × 33, true colour).
QImage picture(Picture which);

}  // namespace scene
