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
    // One-pixel edges as filled rectangles: much cheaper than stroking, and the same pixels.
    auto edge = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        p.fillRect(QRect(box.left(), box.top(), box.width(), 1), topLeft);
        p.fillRect(QRect(box.left(), box.top(), 1, box.height()), topLeft);
        p.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), bottomRight);
        p.fillRect(QRect(box.right(), box.top(), 1, box.height()), bottomRight);
    };
    if (frameWidth() == 1) {
        const QColor line = pal.color(QPalette::WindowText);
        edge(r, line, line);
    } else if (frameWidth() == 2) {
        // Sunken edge: shadow above and left, light below and right, two pixels deep.
        edge(r, pal.color(QPalette::Mid), pal.color(QPalette::Light));
        edge(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Button));
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// The second click of a double click is no click of its own: a double click is one press.
void PictureBox::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
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
