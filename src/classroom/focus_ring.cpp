#include "classroom/focus_ring.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

#include "scene/units.h"

namespace {

constexpr int kWidth = 4;

}  // namespace

FocusRing::FocusRing(QWidget& window) : QWidget(&window), window_(window) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    qApp->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::FocusOut && type != QEvent::Move &&
        type != QEvent::Resize) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != &window_ && !window_.isAncestorOf(widget))) {
        return false;
    }
    switch (type) {
        case QEvent::FocusIn:
            switch (static_cast<QFocusEvent*>(event)->reason()) {
                case Qt::TabFocusReason:
                case Qt::BacktabFocusReason:
                case Qt::ShortcutFocusReason:
                    surround(widget);
                    break;
                case Qt::ActiveWindowFocusReason:
                case Qt::PopupFocusReason:
                    // Back from another window or a menu: as it was before.
                    if (widget == target_) {
                        surround(widget);
                    }
                    break;
                default:
                    target_ = nullptr;
                    hide();
            }
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (widget == target_ || widget == &window_) {
                follow();
            }
            break;
        default:
            break;
    }
    return false;
}

void FocusRing::surround(QWidget* target) {
    target_ = target;
    follow();
    show();
    raise();
}

void FocusRing::follow() {
    if (!target_) {
        return;
    }
    // Where the window ends, the ring stays inside it, over the control's own edge: a control at
    // the window's edge (the phasor diagram) has its ring all round too.
    const QRect around = QRect(target_->mapTo(&window_, QPoint()), target_->size())
                             .adjusted(-kWidth, -kWidth, kWidth, kWidth) &
                         window_.rect();
    setGeometry(around);
    setMask(QRegion(rect()) - QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth)));
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const scene::DeviceGrid grid(p);
    // Black, yellow and black again, from the outside in: a pixel, two, and a pixel.
    const QRectF outer = grid.rect(rect());
    const qreal pixel = grid.width(1);
    p.fillRect(outer, Qt::black);
    p.fillRect(outer.adjusted(pixel, pixel, -pixel, -pixel), QColor(255, 214, 0));
    p.fillRect(outer.adjusted(3 * pixel, 3 * pixel, -3 * pixel, -3 * pixel), Qt::black);
}
