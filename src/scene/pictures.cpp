#include "scene/pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace scene {

namespace {

// A pen: a coloured square on black, inset by `inset` pixels on every side.
QImage pen(QColor colour, int inset) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.fillRect(QRect(inset, inset, 8 - 2 * inset, 8 - 2 * inset), colour);
    return image;
}

// The sixteen colours of the classic VGA palette.
QList<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// A coil and a sine wave above a blue band bearing a white letter L.
QImage icon() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The coil: four loops along a horizontal axis.
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 4; ++k) {
        p.drawEllipse(QRect(3 + 6 * k, 11, 7, 9));
    }
    p.drawLine(0, 19, 3, 19);
    p.drawLine(28, 19, 31, 19);
    // The sine wave above it, in red.
    p.setPen(QPen(QColor(255, 0, 0), 1));
    QPoint last(0, 5);
    for (int x = 0; x < 32; ++x) {
        const QPoint next(
            x, 5 - static_cast<int>(std::lround(4 * std::sin(x * 2 * std::numbers::pi / 16))));
        p.drawLine(last, next);
        last = next;
    }
    // The band with the letter.
    p.fillRect(QRect(0, 22, 32, 10), QColor(0, 0, 128));
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(13, 24, 13, 29);
    p.drawLine(13, 29, 19, 29);
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                 Qt::ThresholdDither | Qt::AvoidDither);
}

// A copper coil wound round a dark core, with a soft shadow, on white.
QImage emblem() {
    QImage image(33, 33, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
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

}  // namespace

QImage picture(Picture which) {
    switch (which) {
        case Picture::PenU:
            return pen(QColor(0, 0, 255), 1);
        case Picture::PenI:
            return pen(QColor(255, 0, 0), 1);
        case Picture::PenP:
            return pen(QColor(255, 255, 0), 2);
        case Picture::Icon:
            return icon();
        case Picture::Emblem:
            return emblem();
    }
    return {};
}

}  // namespace scene
