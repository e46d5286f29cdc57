#include "classroom/pause_badge.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "demo/demo_clock.h"
#include "scene/fonts.h"
#include "scene/surface.h"
#include "scene/units.h"

namespace {

// The corner right of the heading's last word and above the graphs' button, in twips.
constexpr QRect kPlace{11430, 60, 3765, 1170};
// Its capitals over twice as tall as the heading's (27-pixel letters, 18-pixel capitals), as far
// as the corner leaves room for.
constexpr int kLargestLetters = 60;
constexpr int kMargin = 8;

}  // namespace

PauseBadge::PauseBadge(scene::Surface& window, const DemoClock& clock,
                       std::function<QRect()> heading)
    : QWidget(&window), window_(window), clock_(clock), heading_(std::move(heading)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    place();
    connect(&clock, &DemoClock::changed, this, &PauseBadge::follow);
    follow();
}

QString PauseBadge::text(bool paused, int slowdown) {
    if (paused) {
        return tr("ПАУЗА");
    }
    return slowdown == kNormalSpeed ? QString() : QStringLiteral("×1/%1").arg(slowdown);
}

// The corner, and the letters in it, as large as the layout is drawn, clear of the heading.
void PauseBadge::place() {
    QRect corner = scene::toPixels(kPlace).translated(window_.innerOrigin());
    corner.setLeft(std::max(corner.left(), heading_().right() + scene::zoomed(kMargin)));
    setGeometry(corner);
}

bool PauseBadge::event(QEvent* event) {
    if (event->type() == scene::ZoomChange) {
        place();
        // Once the heading is laid out at the new zoom too.
        QMetaObject::invokeMethod(this, &PauseBadge::place, Qt::QueuedConnection);
        return true;
    }
    return QWidget::event(event);
}

void PauseBadge::follow() {
    text_ = text(clock_.paused(), clock_.slowdown());
    setAccessibleName(text_);
    setVisible(!text_.isEmpty());
    update();
}

void PauseBadge::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // After the heading has its new caption.
        QMetaObject::invokeMethod(this, &PauseBadge::place, Qt::QueuedConnection);
        follow();
    }
    QWidget::changeEvent(event);
}

void PauseBadge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(clock_.paused() ? QColor(176, 0, 0) : QColor(20, 50, 130));
    const double radius = 12 * scene::zoom();
    p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    QFont font(scene::substituteFamily(QStringLiteral("MS Sans Serif")));
    font.setBold(true);
    // As large as the corner holds.
    for (int size = scene::zoomed(kLargestLetters); size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text_) <= width() - 2 * scene::zoomed(kMargin)) {
            break;
        }
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, text_);
}
