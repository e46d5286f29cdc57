#pragma once

// Which pixels a line drawn on a surface covers, and whether the screen shows them.

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QWidget>

#include "scene/surface.h"
#include "scene/windowless.h"

namespace line_pixels {

// The inner-area pixels of `surface` that a line between two twips points covers when drawn
// `widthPx` pixels wide; at a device pixel ratio above 1, the device pixels it covers, drawn at
// that resolution.
inline QSet<QPoint> of(const scene::Surface& surface, QPoint from, QPoint to, int widthPx,
                       int ratio = 1) {
    QImage image(surface.innerSize() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene::drawTwipsLine(painter, from, to, widthPx, 0);
    painter.end();
    QSet<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

// An inner-area pixel of `surface` as a pixel of the screen image of `window`.
inline QPoint onWindow(const QWidget& window, const scene::Surface& surface, QPoint inner) {
    return surface.mapTo(&window, surface.innerOrigin() + inner);
}

// Whether a child window of the surface (a marker on a dial, say) lies over an inner pixel:
// what shows there is not the surface's.
inline bool covered(const scene::Surface& surface, QPoint inner) {
    return surface.childAt(surface.innerOrigin() + inner) != nullptr;
}

// Empty when the screen shows every one of `pixels` (not covered by a child window) in
// `colour`; otherwise a description of the pixels that differ.
inline QString mismatches(const QImage& screen, const QWidget& window,
                          const scene::Surface& surface, const QSet<QPoint>& pixels, QRgb colour) {
    int count = 0;
    QString first;
    for (const QPoint& p : pixels) {
        if (covered(surface, p)) {
            continue;
        }
        const QRgb shown = screen.pixel(onWindow(window, surface, p)) | 0xff000000u;
        if (shown != (colour | 0xff000000u)) {
            if (count++ == 0) {
                first = QStringLiteral("(%1, %2) shows %3")
                            .arg(p.x())
                            .arg(p.y())
                            .arg(QColor(shown).name());
            }
        }
    }
    if (count == 0) {
        return {};
    }
    return QStringLiteral("%1 pixel(s) not %2, e.g. %3")
        .arg(count)
        .arg(QColor(colour).name(), first);
}

}  // namespace line_pixels
