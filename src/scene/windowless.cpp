#include "scene/windowless.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/pictures.h"
#include "scene/surface.h"
#include "scene/units.h"

namespace scene {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for the compilers that do not deduce an aggregate's arguments (clang before 17).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

constexpr int kLabelFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

QPoint roundedPixels(QPointF twips) {
    return {toPixels(twips.x()), toPixels(twips.y())};
}

// A border of width w lies inside its box: its centre line runs w/2 in from the edge.
QRectF borderPath(const QRect& boxPx, int border) {
    const double inset = border / 2.0;
    return QRectF(boxPx).adjusted(inset, inset, -inset, -inset);
}

void paintLabelBack(QPainter& p, const LabelSpec& s) {
    if (s.back) {
        p.fillRect(toPixels(s.box), toQColor(*s.back));
    }
}

void paintLabelText(QPainter& p, const LabelSpec& s, const QString& caption, const QFont& font) {
    const QRect box = toPixels(s.box);
    p.save();
    // Drawn smaller than laid out, a font's size is rounded to a whole pixel and may take a pixel
    // more than its box: the letters are not cut.
    if (zoom() == 1) {
        p.setClipRect(box, Qt::IntersectClip);
    }
    p.setFont(font);
    p.setPen(toQColor(s.fore));
    p.drawText(box, zoom() == 1 ? kLabelFlags : kLabelFlags | Qt::TextDontClip, caption);
    p.restore();
}

// A rectangle's border, four sides of whole device pixels inside its box.
void paintRectangleFrame(QPainter& p, const QRect& box, int border) {
    const DeviceGrid grid(p);
    const QRectF outer = grid.rect(box);
    const qreal w = grid.width(border);
    const QColor ink = toQColor(kWindowText);
    p.fillRect(QRectF(outer.left(), outer.top(), outer.width(), w), ink);
    p.fillRect(QRectF(outer.left(), outer.bottom() - w, outer.width(), w), ink);
    p.fillRect(QRectF(outer.left(), outer.top(), w, outer.height()), ink);
    p.fillRect(QRectF(outer.right() - w, outer.top(), w, outer.height()), ink);
}

bool framed(const ShapeSpec& s) {
    return s.border > 0 && s.kind == ShapeKind::Rectangle;
}

// The toolkit's cross-hatch: one-pixel lines every eight pixels of the window, vertical ones at
// x = 4 (mod 8) and horizontal ones at y = 3 (mod 8). Drawn as lines in window pixels rather than
// as a pattern brush (whose pattern is in device pixels), it keeps its spacing on a high-dpi
// screen.
void paintCrossHatch(QPainter& p, const QRectF& outline, ShapeKind kind, double radius,
                     const QColor& colour) {
    QPainterPath area;
    switch (kind) {
        case ShapeKind::Rectangle:
            area.addRect(outline);
            break;
        case ShapeKind::Circle:
            area.addEllipse(outline);
            break;
        case ShapeKind::RoundedRectangle:
            area.addRoundedRect(outline, radius, radius);
            break;
    }
    p.save();
    p.setClipPath(area, Qt::IntersectClip);
    // In pixels of the layout, which the zoom makes smaller.
    const double z = zoom();
    const QRect r = QRectF(outline.topLeft() / z, outline.size() / z).toAlignedRect();
    const QPoint origin = (QPointF(p.transform().map(QPoint(0, 0))) / z).toPoint();
    auto first = [](int from, int offset, int phase) {
        return from + (((phase - from - offset) % 8) + 8) % 8;
    };
    const DeviceGrid grid(p);
    for (int x = first(r.left(), origin.x(), 4); x <= r.right(); x += 8) {
        p.fillRect(grid.rect(QRectF(x * z, r.top() * z, 1, r.height() * z)), colour);
    }
    for (int y = first(r.top(), origin.y(), 3); y <= r.bottom(); y += 8) {
        p.fillRect(grid.rect(QRectF(r.left() * z, y * z, r.width() * z, 1)), colour);
    }
    p.restore();
}

void paintShape(QPainter& p, const ShapeSpec& s) {
    QRect box = toPixels(s.box);
    if (s.kind == ShapeKind::Circle) {
        // The largest circle that fits the box, centred in it.
        const int d = std::min(box.width(), box.height());
        box = QRect(box.x() + (box.width() - d) / 2, box.y() + (box.height() - d) / 2, d, d);
    }
    const QRectF outline = borderPath(box, s.border);
    const double radius = std::min(box.width(), box.height()) / 4.0;
    auto draw = [&](QPainter& painter) {
        switch (s.kind) {
            case ShapeKind::Rectangle:
                painter.drawRect(outline);
                break;
            case ShapeKind::Circle:
                painter.drawEllipse(outline);
                break;
            case ShapeKind::RoundedRectangle:
                painter.drawRoundedRect(outline, radius, radius);
                break;
        }
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing, s.kind != ShapeKind::Rectangle);
    p.setPen(Qt::NoPen);
    if (s.back) {
        p.setBrush(toQColor(*s.back));
        draw(p);
    }
    if (s.hatch) {
        paintCrossHatch(p, outline, s.kind, radius, toQColor(*s.hatch));
    }
    if (framed(s)) {
        paintRectangleFrame(p, box, s.border);
    } else if (s.border > 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(toQColor(kWindowText), s.border, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        draw(p);
    }
    p.restore();
}

}  // namespace

QString translated(const char* text) {
    return text ? QCoreApplication::translate("Velmora", text) : QString();
}

QString Id::toString() const {
    const QString n = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return index < 0 ? n : QStringLiteral("%1(%2)").arg(n).arg(index);
}

ControlError::ControlError(const Id& id)
    : std::out_of_range("no control " + id.toString().toStdString()) {}

Windowless::Windowless(Surface& owner, WindowlessSpec element)
    : owner_(owner), laidOut_(std::move(element)) {
    std::visit(Overloaded{
                   [this](const LabelSpec& s) {
                       caption_ = translated(s.caption);
                       laidOutCaption_ = caption_;
                       font_ = toQFont(s.font, caption_);
                       position_ = s.box.topLeft();
                       lettersEnd_ = s.box.width();
                   },
                   [this](const LineSpec& s) { position_ = s.from; },
                   [this](const ShapeSpec& s) { position_ = s.box.topLeft(); },
                   [this](const ImageSpec& s) { position_ = s.pos; },
               },
               laidOut_);
    bounds_ = boundsNow();
}

const Id& Windowless::id() const {
    return std::visit([](const auto& s) -> const Id& { return s.id; }, laidOut_);
}

void Windowless::setCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    font_ = toQFont(std::get<LabelSpec>(laidOut_).font, caption_);
    fitted_.reset();
    const QRect before = bounds_;
    bounds_ = boundsNow();
    owner_.windowlessChanged(before | bounds_);
}

void Windowless::endLettersBefore(const QRect& twips) {
    const auto* label = std::get_if<LabelSpec>(&laidOut_);
    if (label && label->box.intersects(twips) && twips.left() > label->box.left()) {
        lettersEnd_ = std::min(lettersEnd_, twips.left() - label->box.left());
        fitted_.reset();
    }
}

void Windowless::relayout() {
    if (const auto* label = std::get_if<LabelSpec>(&laidOut_)) {
        font_ = toQFont(label->font, caption_);
        fitted_.reset();
    }
    bounds_ = boundsNow();
}

void Windowless::retranslate() {
    if (const auto* label = std::get_if<LabelSpec>(&laidOut_);
        label && caption_ == laidOutCaption_) {
        laidOutCaption_ = translated(label->caption);
        setCaption(laidOutCaption_);
    }
}

void Windowless::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        owner_.windowlessChanged(bounds_);
    }
}

void Windowless::setLeft(float twips) {
    moveTo({static_cast<int>(std::lround(twips)), position_.y()});
}

void Windowless::setTop(float twips) {
    moveTo({position_.x(), static_cast<int>(std::lround(twips))});
}

void Windowless::moveTo(QPoint twips) {
    if (twips == position_) {
        return;
    }
    const QRect before = bounds_;
    position_ = twips;
    bounds_ = boundsNow();
    owner_.windowlessChanged(before | bounds_);
}

QRect Windowless::boundsNow() const {
    return std::visit(Overloaded{
                          [this](const LabelSpec& s) {
                              // Drawn smaller, the letters may reach past their box.
                              const QRect box = toPixels(s.box);
                              return zoom() == 1 ? box
                                                 : box | QFontMetrics(font_).boundingRect(
                                                             box, kLabelFlags, caption_);
                          },
                          [](const LineSpec& s) { return twipsLineBounds(s.from, s.to, s.width); },
                          [](const ShapeSpec& s) { return toPixels(s.box); },
                          [this](const ImageSpec& s) {
                              return QRect(toPixels(position_), zoomed(pictureSize(s.picture)));
                          },
                      },
                      laidOut_);
}

void Windowless::paint(QPainter& painter) const {
    std::visit(
        Overloaded{
            [&](const LabelSpec& s) {
                paintLabelBack(painter, s);
                paintLabelText(painter, s, caption_, fittedFont(s));
            },
            [&](const LineSpec& s) { drawTwipsLine(painter, s.from, s.to, s.width, s.colour); },
            [&](const ShapeSpec& s) { paintShape(painter, s); },
            [&](const ImageSpec& s) {
                // Drawn at the pixels it takes on the device, zoom and all.
                const qreal ratio = painter.device()->devicePixelRatio() * zoom();
                if (image_.isNull() || image_.devicePixelRatio() != ratio) {
                    image_ = picture(s.picture, ratio);
                }
                painter.drawImage(pixelBounds(), image_);
            },
        },
        laidOut_);
}

bool Windowless::opaqueLabel() const {
    const auto* label = std::get_if<LabelSpec>(&laidOut_);
    return label && label->back;
}

void Windowless::paintBack(QPainter& painter) const {
    paintLabelBack(painter, std::get<LabelSpec>(laidOut_));
}

void Windowless::paintInk(QPainter& painter) const {
    if (const auto* label = std::get_if<LabelSpec>(&laidOut_)) {
        paintLabelText(painter, *label, caption_, fittedFont(*label));
    } else if (const auto* shape = std::get_if<ShapeSpec>(&laidOut_); shape && framed(*shape)) {
        paintRectangleFrame(painter, toPixels(shape->box), shape->border);
    }
}

const QFont& Windowless::fittedFont(const LabelSpec& label) const {
    if (!fitted_) {
        // To the box's right edge as painted, or to where the later background begins.
        const int left = label.box.left();
        const int width = lettersEnd_ < label.box.width()
                              ? toPixels(left + lettersEnd_) - toPixels(left)
                              : toPixels(label.box).width();
        fitted_ = toQFont(label.font, caption_, width);
    }
    return *fitted_;
}

QRect Windowless::textBounds() const {
    const LabelSpec& label = std::get<LabelSpec>(laidOut_);
    return QFontMetrics(fittedFont(label)).boundingRect(toPixels(label.box), kLabelFlags, caption_);
}

void drawTwipsLine(QPainter& painter, QPointF from, QPointF to, int widthPx, ColourNumber colour) {
    const DeviceGrid grid(painter);
    // At the layout's own scale the ends are round, as they have always been drawn; at another
    // scale they are square, which look the same at these widths and which the toolkit draws
    // without tracing curves: many times faster when a whole sweep is drawn again at once.
    const Qt::PenCapStyle ends = grid.scale() == 1 ? Qt::RoundCap : Qt::SquareCap;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(toQColor(colour), grid.width(widthPx), Qt::SolidLine, ends, Qt::RoundJoin));
    painter.drawLine(grid.point(roundedPixels(from)), grid.point(roundedPixels(to)));
}

QRect twipsLineBounds(QPointF from, QPointF to, int widthPx) {
    const int margin = widthPx / 2 + 2;
    return QRect(roundedPixels(from), roundedPixels(to))
        .normalized()
        .adjusted(-margin, -margin, margin + 1, margin + 1);
}

}  // namespace scene
