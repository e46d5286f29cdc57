#include "scene/surface.h"

#include <QExposeEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace scene {

namespace {

// The part of the window an expose asks to have redrawn, in the window's coordinates. Qt 6 marks
// the accessor deprecated, as some platforms only ever expose whole windows; it has no other.
QRegion exposedRegion(const QExposeEvent& event) {
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return event.region();
    QT_WARNING_POP
}

}  // namespace

Surface::Surface(QWidget* parent, ColourNumber backColour)
    : QWidget(parent), backColour_(backColour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Surface::setBackColor(ColourNumber colour) {
    if (colour != backColour_) {
        backColour_ = colour;
        update();
    }
}

Windowless& Surface::addWindowless(const WindowlessSpec& element) {
    return *elements_.emplace_back(std::make_unique<Windowless>(*this, element));
}

Windowless& Surface::windowless(const Id& id) const {
    for (const auto& e : elements_) {
        if (e->id() == id) {
            return *e;
        }
    }
    throw ControlError(id);
}

void Surface::windowlessChanged(const QRect& innerPx) {
    update(innerPx.translated(innerOrigin()));
}

QSize Surface::innerSize() const {
    return size() - QSize(2 * frameWidth(), 2 * frameWidth());
}

QImage& Surface::drawingImage() {
    const qreal dpr = devicePixelRatioF();
    if (drawing_.isNull() || drawing_.devicePixelRatio() != dpr ||
        drawing_.deviceIndependentSize() != QSizeF(innerSize())) {
        // First line, or the screen or the border changed: keep what was drawn, in place.
        QImage image(innerSize() * dpr, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(Qt::transparent);
        if (!drawing_.isNull()) {
            QPainter p(&image);
            p.drawImage(QPoint(), drawing_);
        }
        drawing_ = image;
    }
    return drawing_;
}

void Surface::drawLine(float x1, float y1, float x2, float y2, ColourNumber colour) {
    {
        QPainter painter(&drawingImage());
        drawTwipsLine(painter, {x1, y1}, {x2, y2}, drawWidth_, colour);
    }
    showOwnLines(twipsLineBounds({x1, y1}, {x2, y2}, drawWidth_));
}

void Surface::clearDrawing() {
    if (!drawing_.isNull()) {
        drawing_.fill(Qt::transparent);
        showOwnLines(QRect(QPoint(), innerSize()));
    }
}

// A line drawn while the surface paints (by its repaint handler) is painted with it, and once
// more by the paint this asks for; that one shows only its own lines.
void Surface::showOwnLines(const QRect& innerPx) {
    const QRect part = (innerPx & QRect(QPoint(), innerSize())).translated(innerOrigin());
    ownLines_ += part;
    update(part);
}

void Surface::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window exists once the surface is shown; watching it again changes nothing.
    if (QWindow* native = window()->windowHandle()) {
        native->installEventFilter(this);
    }
}

// The windowing system's request to redraw part of the window. Qt itself only puts back what the
// window's backing store holds, and repaints nothing that is not already waiting to be painted;
// the surface asks for its part of the exposed region to be painted, and marks the paint as one
// the windowing system asked for.
bool Surface::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && isVisible()) {
        const QRegion part = exposedRegion(*static_cast<QExposeEvent*>(event))
                                 .translated(-mapTo(window(), QPoint())) &
                             rect();
        if (!part.isEmpty()) {
            exposed_ = true;
            update(part);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Surface::paintEvent(QPaintEvent* event) {
    const bool ownLinesOnly = !exposed_ && (event->region() - ownLines_).isEmpty();
    // Cleared first: lines the handlers draw now are own lines for the next paint.
    ownLines_ = QRegion();
    exposed_ = false;
    if (!ownLinesOnly) {
        emit repaintRequested();
    }

    QPainter p(this);
    const QColor background = toQColor(backColour_);
    const QRect inner(innerOrigin(), innerSize());
    // Rectangle by rectangle of the region to repaint, and only the elements under each: a
    // moving pen repaints a few pixels, not the whole picture around it.
    for (const QRect& r : event->region()) {
        p.setClipping(false);
        p.fillRect(r, background);
        const QRect innerPart = r & inner;
        if (innerPart.isEmpty()) {
            continue;
        }
        p.setClipRect(innerPart);
        p.translate(innerOrigin());
        const QRect dirty = innerPart.translated(-innerOrigin());
        for (const auto& e : elements_) {
            if (dirty.intersects(e->pixelBounds())) {
                e->paint(p);
            }
        }
        if (!drawing_.isNull()) {
            const qreal dpr = drawing_.devicePixelRatio();
            p.drawImage(dirty, drawing_,
                        QRectF(QPointF(dirty.topLeft()) * dpr, QSizeF(dirty.size()) * dpr));
        }
        p.resetTransform();
    }
    p.setClipping(false);
    paintFrame(p);
}

}  // namespace scene
