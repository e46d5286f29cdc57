#include "scene/surface.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace scene {

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
    auto added = std::make_unique<Windowless>(*this, element);
    // Keep the back layer first; within a layer, the order of adding.
    const auto at = std::find_if(elements_.begin(), elements_.end(), [&](const auto& e) {
        return static_cast<int>(e->layer()) > static_cast<int>(added->layer());
    });
    return **elements_.insert(at, std::move(added));
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
        finishLines();
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
    QImage& image = drawingImage();
    const QRect bounds =
        twipsLineBounds({x1, y1}, {x2, y2}, drawWidth_).intersected(QRect(QPoint(), innerSize()));
    const QRect deviceBounds(bounds.topLeft() * image.devicePixelRatio(),
                             bounds.size() * image.devicePixelRatio());
    // A line drawn while the surface paints (by its repaint handler) changes what is being
    // painted; only the pixels it really changed outside this paint need another one.
    const QImage before = painting_ ? image.copy(deviceBounds) : QImage();
    drawTwipsLine(linePainter(), {x1, y1}, {x2, y2}, drawWidth_, colour);
    const QRect widgetBounds = bounds.translated(innerOrigin());
    if (painting_) {
        if (image.copy(deviceBounds) != before) {
            drawnWhilePainting_ += widgetBounds;
        }
        return;
    }
    ownDirty_ += widgetBounds;
    update(widgetBounds);
}

// Lines are drawn through one painter kept open between paints: opening a painter costs more
// than the short line drawn with it.
QPainter& Surface::linePainter() {
    if (!linePainter_) {
        linePainter_ = std::make_unique<QPainter>(&drawing_);
        linePainter_->setClipRect(QRect(QPoint(), innerSize()));
    }
    return *linePainter_;
}

void Surface::finishLines() {
    linePainter_.reset();
}

void Surface::clearDrawing() {
    if (!drawing_.isNull()) {
        finishLines();
        drawing_.fill(Qt::transparent);
        ownDirty_ += QRect(innerOrigin(), innerSize());
        update(QRect(innerOrigin(), innerSize()));
    }
}

void Surface::paintEvent(QPaintEvent* event) {
    const bool onlyOwnLines = !ownDirty_.isEmpty() && (event->region() - ownDirty_).isEmpty();
    ownDirty_ = QRegion();
    painting_ = true;
    if (!onlyOwnLines) {
        emit repaintRequested();
    }
    painting_ = false;

    finishLines();
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

    if (!drawnWhilePainting_.isEmpty()) {
        const QRegion rest = drawnWhilePainting_ - event->region();
        drawnWhilePainting_ = QRegion();
        if (!rest.isEmpty()) {
            ownDirty_ += rest;
            update(rest);
        }
    }
}

}  // namespace scene
