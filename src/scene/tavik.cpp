#include "scene/tavik.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "scene/surface.h"
#include "scene/units.h"

namespace Tavik {

int himetricToTwips(int himetric) {
    return static_cast<int>(std::lround(himetric * 1440.0 / 2540.0));
}

Mark::Mark(QWidget* parent, const PersistedSettings& settings, scene::ColourNumber ambient)
    : QWidget(parent),
      twipsSize_(himetricToTwips(settings.extentX), himetricToTwips(settings.extentY)),
      backColor_(settings.backColor.value_or(ambient)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(scene::toPixels(twipsSize_.width()), scene::toPixels(twipsSize_.height()));
}

void Mark::setBackColor(scene::ColourNumber colour) {
    if (colour != backColor_) {
        backColor_ = colour;
        update();
    }
}

void Mark::moveEvent(QMoveEvent*) {
    clipToContainer();
}

void Mark::resizeEvent(QResizeEvent*) {
    clipToContainer();
}

// Like a child window in a bordered box, an instance shows only inside its container's border:
// a marker reaching past the edge of a coil turn leaves the turn's outline whole.
void Mark::clipToContainer() {
    const auto* container = qobject_cast<const scene::Surface*>(parentWidget());
    if (!container) {
        return;
    }
    const QRect inner = QRect(container->innerOrigin(), container->innerSize()).translated(-pos());
    if (inner.contains(rect())) {
        clearMask();
    } else {
        setMask(inner & rect());
    }
}

void Mark::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), scene::toQColor(backColor_));
    // The mark is centred in the square part at the top of the instance, so a marker clipped
    // by a thin wire segment still shows it whole.
    const int side = std::min(width(), height());
    const int arm = std::max(2, side * 3 / 10);
    const int stroke = std::max(1, side / 6);
    const QPoint c(width() / 2, side / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRect(c.x() - arm, c.y() - stroke / 2, 2 * arm + 1, stroke));
    if (vertical()) {
        p.drawRect(QRect(c.x() - stroke / 2, c.y() - arm, stroke, 2 * arm + 1));
    }
}

Plus::Plus(QWidget* parent, const PersistedSettings& settings, scene::ColourNumber ambient)
    : Mark(parent, settings, ambient) {}

Minus::Minus(QWidget* parent, const PersistedSettings& settings, scene::ColourNumber ambient)
    : Mark(parent, settings, ambient) {}

}  // namespace Tavik
