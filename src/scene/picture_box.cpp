#include "scene/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

namespace scene {

namespace {

int frameWidthFor(BorderStyle border, Appearance look) {
    if (border == BorderStyle::None) {
        return 0;
    }
    return look == Appearance::ThreeD ? 2 : 1;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, ColourNumber backColour, BorderStyle border,
                       Appearance look, QSize sizePx)
    : Surface(parent, backColour), border_(border), look_(look) {
    resize(sizePx);
}

void PictureBox::setAppearance(Appearance look) {
    if (look != look_) {
        look_ = look;
        update();
    }
}

int PictureBox::frameWidth() const {
    return frameWidthFor(border_, look_);
}

void PictureBox::paintFrame(QPainter& p) const {
    const QRect r = rect();
    const QPalette& pal = palette();
    if (frameWidth() == 1) {
        p.setPen(pal.color(QPalette::WindowText));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (frameWidth() == 2) {
        // Sunken edge: shadow above and left, light below and right, two pixels deep.
        auto edge = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
            p.setPen(topLeft);
            p.drawLine(box.topLeft(), box.topRight());
            p.drawLine(box.topLeft(), box.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(box.bottomLeft(), box.bottomRight());
            p.drawLine(box.topRight(), box.bottomRight());
        };
        edge(r, pal.color(QPalette::Mid), pal.color(QPalette::Light));
        edge(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Button));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

}  // namespace scene
