#include "scene/pictures.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace scene {

namespace {

// The pixels of the screen across a picture laid out `logical` pixels wide.
int devicePixels(int logical, qreal devicePixelRatio) {
    return static_cast<int>(std::ceil(logical * devicePixelRatio));
}

// A pen: a coloured square on black, inset by `inset` pixels on every side.
QImage pen(QColor colour, int inset, qreal devicePixelRatio) {
    const int size = devicePixels(8, devicePixelRatio);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.scale(devicePixelRatio, devicePixelRatio);
    p.fillRect(QRectF(inset, inset, 8 - 2 * inset, 8 - 2 * inset), colour);
    return image;
}

// The sixteen colours of the classic VGA palette.
QList<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The window icon: at its own size the 16-colour bitmap; drawn larger for a high-resolution
// screen its curves keep their antialiasing.
QImage icon(qreal devicePixelRatio) {
    const QImage image = iconImage(devicePixels(32, devicePixelRatio));
    if (image.width() > 32) {
        return image;
    }
    return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

// A copper coil wound round a dark core, with a soft shadow, on white.
QImage emblem(qreal devicePixelRatio) {
    const int size = devicePixels(33, devicePixelRatio);
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(devicePixelRatio, devicePixelRatio);
    QLinearGradient core(0, 12, 0, 21);
    core.setColorAt(0, QColor(90, 90, 100));
    core.setColorAt(0.5, QColor(170, 170, 185));
    core.setColorAt(1, QColor(60, 60, 70));
    p.fillRect(QRectF(2, 13, 29, 7), core);
    for (int k = 0; k < 6; ++k) {
        const double x = 4.5 + 4.5 * k;
        QLinearGradient wire(x - 2, 0, x + 2, 0);
        wire.setColorAt(0, QColor(140, 70, 20));
        wire.setColorAt(0.5, QColor(250, 170, 90));
        wire.setColorAt(1, QColor(120, 55, 15));
        p.setPen(QPen(QBrush(wire), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 1.5, 7), QPointF(x + 1.5, 26));
    }
    p.setPen(QPen(QColor(150, 75, 20), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1, 7), QPointF(3, 7));
    p.drawLine(QPointF(30, 26), QPointF(32, 26));
    return image;
}

QImage draw(Picture which, qreal devicePixelRatio) {
    switch (which) {
        case Picture::PenU:
            return pen(QColor(0, 0, 255), 1, devicePixelRatio);
        case Picture::PenI:
            return pen(QColor(255, 0, 0), 1, devicePixelRatio);
        case Picture::PenP:
            return pen(QColor(255, 255, 0), 2, devicePixelRatio);
        case Picture::Icon:
            return icon(devicePixelRatio);
        case Picture::Emblem:
            return emblem(devicePixelRatio);
    }
    return {};
}

}  // namespace

QImage picture(Picture which, qreal devicePixelRatio) {
    QImage image = draw(which, devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QSize pictureSize(Picture which) {
    switch (which) {
        case Picture::PenU:
        case Picture::PenI:
        case Picture::PenP:
            return {8, 8};
        case Picture::Icon:
            return {32, 32};
        case Picture::Emblem:
            return {33, 33};
    }
    return {};
}

// The design is laid out on the 32-pixel grid of the window icon; `grid` lengths below are in
// its pixels.
void paintIcon(QPainter& p, int sizePx) {
    const double scale = sizePx / 32.0;
    const bool smooth = sizePx > 32;
    auto snap = [scale](double grid) { return std::round(grid * scale); };
    // A rectangle of the grid with its edges on whole pixels.
    auto area = [&](double x, double y, double width, double height) {
        return QRectF(QPointF(snap(x), snap(y)), QPointF(snap(x + width), snap(y + height)));
    };
    const double stroke = std::max(1.0, snap(1));
    const QColor navy(0, 0, 128);
    const QColor red(255, 0, 0);

    p.save();
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.fillRect(area(0, 0, 32, 32), Qt::white);

    // The coil: four loops along a horizontal axis, a lead out of each end. An aliased outline
    // of a box of whole pixels lies right of and below the box's edges, an antialiased one is
    // centred on them: moved in by half a stroke, both have the same outer edge.
    p.setPen(QPen(Qt::black, stroke));
    p.setBrush(Qt::NoBrush);
    const double inset = smooth ? stroke / 2 : 0;
    for (int k = 0; k < 4; ++k) {
        p.drawEllipse(QRectF(snap(3 + 6 * k) + inset, snap(11) + inset, snap(7), snap(9)));
    }
    p.fillRect(QRectF(0, snap(19), snap(4), stroke), Qt::black);
    p.fillRect(QRectF(snap(28), snap(19), sizePx - snap(28), stroke), Qt::black);

    // The sine wave above it, two periods across, in red: at small sizes one pixel a column,
    // else a smooth line through the middles of those pixels.
    QPolygonF wave;
    if (smooth) {
        constexpr int kSteps = 8;  // points a grid pixel
        for (int i = 0; i <= 32 * kSteps; ++i) {
            const double x = static_cast<double>(i) / kSteps - 0.5;
            const double y = 5.5 - 4 * std::sin(x * 2 * std::numbers::pi / 16);
            wave << QPointF((x + 0.5) * scale, y * scale);
        }
    } else {
        for (int column = 0; column < sizePx; ++column) {
            const double x = column / scale;
            wave << QPointF(column, snap(5 - 4 * std::sin(x * 2 * std::numbers::pi / 16)));
        }
    }
    p.setPen(QPen(red, stroke, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    p.drawPolyline(wave);

    // The band with the letter.
    p.fillRect(QRectF(0, snap(22), sizePx, sizePx - snap(22)), navy);
    p.fillRect(area(12, 23, 2, 7), Qt::white);
    p.fillRect(area(12, 28, 8, 2), Qt::white);
    p.restore();
}

QImage iconImage(int sizePx) {
    QImage image(sizePx, sizePx, QImage::Format_RGB32);
    QPainter p(&image);
    paintIcon(p, sizePx);
    return image;
}

QIcon windowIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    }
    return icon;
}

}  // namespace scene
