#include "classroom/pause_badge.h"

#include <QEvent>
#include <QPainter>

#include "demo/demo_clock.h"
#include "scene/fonts.h"
#include "scene/surface.h"
#include "scene/units.h"

namespace {

// The corner right of the heading's last word and above the graphs' button, in twips.
constexpr QRect kPlace{11430, 60, 3765, 1170};
// Its capitals over twice as tall as the heading's (27-pixel letters, 18-pixel capitals).
constexpr int kLargestLetters = 60;
constexpr int kSmallestLetters = 54;
constexpr int kMargin = 8;

}  // namespace

PauseBadge::PauseBadge(scene::Surface& window, const DemoClock& clock)
    : QWidget(&window), window_(window), clock_(clock) {
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

// The corner, and the letters in it, as large as the layout is drawn.
void PauseBadge::place() {
    setGeometry(scene::toPixels(kPlace).translated(window_.innerOrigin()));
}

bool PauseBadge::event(QEvent* event) {
    if (event->type() == scene::ZoomChange) {
        place();
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
    // As large as the corner holds, within the letters' bounds.
    for (int size = kLargestLetters; size >= kSmallestLetters; --size) {
        font.setPixelSize(scene::zoomed(size));
        if (QFontMetrics(font).horizontalAdvance(text_) <= width() - 2 * scene::zoomed(kMargin)) {
            break;
        }
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, text_);
}
