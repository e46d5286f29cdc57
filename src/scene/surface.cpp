#include "scene/surface.h"

#include <QExposeEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <utility>

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
    if (const auto* label = std::get_if<LabelSpec>(&element); label && label->back) {
        for (const auto& e : elements_) {
            e->endLettersBefore(label->box);
        }
    }
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
    const QSize pixels = innerSize() * dpr;
    if (drawing_.isNull() || drawing_.devicePixelRatio() != dpr || drawing_.size() != pixels) {
        // First line, or the screen, its scale or the border changed: what was drawn is drawn
        // again, in place, at the new pixel density.
        drawing_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        drawing_.setDevicePixelRatio(dpr);
        drawing_.fill(Qt::transparent);
        QPainter p(&drawing_);
        for (const DrawnLine& line : drawn_) {
            paintLine(p, line);
        }
    }
    return drawing_;
}

void Surface::paintLine(QPainter& painter, const DrawnLine& line) const {
    drawTwipsLine(painter, line.from, line.to, line.widthPx, line.colour);
}

// Without antialiasing the same end points and width give the same pixels: the new line covers
// the old one wholly, which therefore leaves the list.
void Surface::remember(const DrawnLine& line) {
    auto [a, b] = std::minmax(line.from, line.to, [](QPointF p, QPointF q) {
        return std::pair(p.x(), p.y()) < std::pair(q.x(), q.y());
    });
    const Place place{a.x(), a.y(), b.x(), b.y(), line.widthPx};
    const auto [at, added] = drawnAt_.try_emplace(place);
    if (!added) {
        drawn_.erase(at->second);
    }
    at->second = drawn_.insert(drawn_.end(), line);
}

void Surface::drawLine(float x1, float y1, float x2, float y2, ColourNumber colour) {
    const DrawnLine line{{x1, y1}, {x2, y2}, drawWidth_, colour};
    {
        QPainter painter(&drawingImage());
        paintLine(painter, line);
    }
    remember(line);
    showOwnLines(twipsLineBounds(line.from, line.to, drawWidth_));
}

void Surface::clearDrawing() {
    drawn_.clear();
    drawnAt_.clear();
    if (!drawing_.isNull()) {
        drawing_.fill(Qt::transparent);
        showOwnLines(QRect(QPoint(), innerSize()));
    }
}

void Surface::setInnerOffset(QPoint offset) {
    const QPoint by = offset - offset_;
    if (by.isNull()) {
        return;
    }
    offset_ = offset;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            child->move(child->pos() + by);
        }
    }
    update();
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

// Labels that follow each other in the paint order are painted in two layers: the backgrounds of
// all, then the letters of all, so that a label's background never covers the letters of the one
// before it (the ")" after the index "m" would take the m's last stroke). Where a background lies
// the frames painted before it are painted again: drawn smaller or larger, rounding may lift a
// background a pixel onto the frame of the panel under it, which laid out it only touches.
void Surface::paintElements(QPainter& p, const QRect& dirty) const {
    const auto shown = [&](const auto& e) {
        return e->Visible() && dirty.intersects(e->pixelBounds());
    };
    const auto isLabel = [](const auto& e) {
        return std::holds_alternative<LabelSpec>(e->laidOut());
    };
    for (auto e = elements_.begin(); e != elements_.end();) {
        if (!isLabel(*e)) {
            if (shown(*e)) {
                (*e)->paint(p);
            }
            ++e;
            continue;
        }
        const auto runEnd = std::find_if_not(e, elements_.end(), isLabel);
        QRegion backs;
        for (auto label = e; label != runEnd; ++label) {
            if (shown(*label) && (*label)->opaqueLabel()) {
                (*label)->paintBack(p);
                backs += (*label)->pixelBounds().adjusted(-1, -1, 1, 1);
            }
        }
        p.save();
        p.setClipRegion(backs, Qt::IntersectClip);
        for (auto before = elements_.begin(); before != e && !backs.isEmpty(); ++before) {
            if ((*before)->Visible() && std::holds_alternative<ShapeSpec>((*before)->laidOut())) {
                (*before)->paintInk(p);
            }
        }
        p.restore();
        for (auto label = e; label != runEnd; ++label) {
            if (shown(*label)) {
                (*label)->paintInk(p);
            }
        }
        e = runEnd;
    }
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
        paintElements(p, dirty);
        if (!drawing_.isNull()) {
            const QImage& drawing = drawingImage();  // drawn again if the scale has changed
            const qreal dpr = drawing.devicePixelRatio();
            p.drawImage(dirty, drawing,
                        QRectF(QPointF(dirty.topLeft()) * dpr, QSizeF(dirty.size()) * dpr));
        }
        p.resetTransform();
    }
    p.setClipping(false);
    paintFrame(p);
}

}  // namespace scene
