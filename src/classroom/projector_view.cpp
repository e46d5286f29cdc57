#include "classroom/projector_view.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <array>
#include <cmath>

#include "classroom/screen_scale.h"
#include "scene/surface.h"
#include "scene/units.h"

namespace {

constexpr std::array kSteps{0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 4.0};
// A scale this close to a step is on it (a fitted scale is a whole number of hundredths).
constexpr double kOnStep = 1e-6;

// A title bar and thin borders, for a window whose frame is not known yet: the window manager
// gives it only once the window is shown.
constexpr QSize kFrameAllowance{16, 48};

QSize scaled(QSizeF size, double scale) {
    return (size * scale).toSize();
}

}  // namespace

double fitScale(QSize available, QSize content, QSize frame) {
    const double across = static_cast<double>(available.width() - frame.width()) / content.width();
    const double down = static_cast<double>(available.height() - frame.height()) / content.height();
    const double largest = std::floor(std::min(across, down) * 100 + kOnStep) / 100;
    return std::clamp(largest, kSmallestScale, kLargestScale);
}

double largerStep(double scale) {
    const auto next = std::find_if(kSteps.begin(), kSteps.end(),
                                   [&](double step) { return step > scale + kOnStep; });
    return next == kSteps.end() ? kSteps.back() : *next;
}

double smallerStep(double scale) {
    const auto next = std::find_if(kSteps.rbegin(), kSteps.rend(),
                                   [&](double step) { return step < scale - kOnStep; });
    return next == kSteps.rend() ? kSteps.front() : *next;
}

QPoint centred(QSize window, QSize content) {
    return {std::max(0, (window.width() - content.width()) / 2),
            std::max(0, (window.height() - content.height()) / 2)};
}

ProjectorView::ProjectorView(scene::Surface& window, QSize layout)
    : QObject(&window), window_(window), layout_(layout), scale_(windowScale() * scene::zoom()) {
    window_.installEventFilter(this);
}

bool ProjectorView::isFullScreen() const {
    return window_.windowState() & Qt::WindowFullScreen;
}

void ProjectorView::show(ViewSize size) {
    asked_ = size;
    if (size.mode == ViewSize::Mode::FullScreen) {
        const QScreen* screen = window_.screen();
        applyScale(fitScale(scaled(screen->geometry().size(), windowScale()), content(), {}));
        window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
        place();
        return;
    }
    window_.setWindowState(window_.windowState() & ~(Qt::WindowFullScreen | Qt::WindowMaximized));
    const double fitted = fitOnScreen();
    applyScale(size.mode == ViewSize::Mode::Fit ? fitted : std::min(size.scale, fitted));
    window_.resize(shownContent());
    place();
    keepOnScreen();
}

QSize ProjectorView::frame() const {
    if (window_.isVisible() && window_.frameGeometry().size() != window_.size()) {
        return window_.frameGeometry().size() - window_.size();
    }
    return scaled(kFrameAllowance, 1 / windowScale());
}

void ProjectorView::keepOnScreen() {
    // Where a window manager's frame is a pixel other than the toolkit reckons it (openbox's), the
    // window is kept that much further in.
    constexpr int kSlack = 2;
    // In the window's own pixels, which the scale changes: read again after every step.
    const auto available = [&] {
        return window_.screen()->availableGeometry().adjusted(0, 0, -kSlack, -kSlack);
    };
    const auto outer = [&] { return QRect(window_.pos(), window_.size() + frame()); };
    // The fitted scale is worked out ahead, from an allowance for the frame before the window is
    // shown and in whole hundredths: where it comes out a few pixels too large, a hundredth less.
    while (scale_ > kSmallestScale &&
           (outer().width() > available().width() || outer().height() > available().height())) {
        applyScale(std::max(kSmallestScale, std::round(scale_ * 100 - 1) / 100));
        window_.resize(shownContent());
        place();
    }
    if (!window_.isVisible()) {
        return;  // the window manager places a window it is first shown
    }
    const QRect now = outer();
    const QRect area = available();
    const QPoint inside(
        std::clamp(now.left(), area.left(), std::max(area.left(), area.right() + 1 - now.width())),
        std::clamp(now.top(), area.top(), std::max(area.top(), area.bottom() + 1 - now.height())));
    if (inside != now.topLeft()) {
        window_.move(inside);
    }
}

void ProjectorView::ask(ViewSize size) {
    show(size);
    emit sizeChanged();
}

// A step larger, as far as the screen allows: never smaller.
void ProjectorView::larger() {
    const double larger = std::min(largerStep(scale_), fitOnScreen());
    if (larger > scale_) {
        ask({ViewSize::Mode::Scale, larger});
    }
}

void ProjectorView::smaller() {
    ask({ViewSize::Mode::Scale, smallerStep(scale_)});
}

void ProjectorView::original() {
    ask({});
}

void ProjectorView::fit() {
    ask({ViewSize::Mode::Fit});
}

void ProjectorView::toggleFullScreen() {
    if (isFullScreen()) {
        leaveFullScreen();
        return;
    }
    beforeFullScreen_ = asked_;
    ask({ViewSize::Mode::FullScreen});
}

void ProjectorView::leaveFullScreen() {
    if (isFullScreen()) {
        ask(beforeFullScreen_);
    }
}

void ProjectorView::applyScale(double scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    scene::setZoom(std::min(scale, 1.0));
    setWindowScale(std::max(scale, 1.0), [this] {
        QWindow* native = window_.windowHandle();
        if (native && !(window_.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized))) {
            native->resize(shownContent());
        }
    });
}

double ProjectorView::fitOnScreen() const {
    const QScreen* screen = window_.screen();
    // Once the window is shown its frame is known; the screen's sizes are in the pixels of its
    // scale now.
    QSize frame = kFrameAllowance;
    if (window_.isVisible() && window_.frameGeometry().size() != window_.size()) {
        frame = scaled(window_.frameGeometry().size() - window_.size(), windowScale());
    }
    return fitScale(scaled(screen->availableGeometry().size(), windowScale()), content(), frame);
}

double ProjectorView::fillScale() const {
    return fitScale(scaled(window_.size(), windowScale()), content(), {});
}

QSize ProjectorView::content() const {
    return layout_ + QSize(panel_ ? panelWidth_ : 0, 0);
}

QSize ProjectorView::shownContent() const {
    return window_.innerSize() + QSize(panel_ ? scene::zoomed(panelWidth_) : 0, 0);
}

void ProjectorView::setSidePanel(QWidget* panel, int width) {
    panel_ = panel;
    panelWidth_ = width;
    if ((window_.windowState() & Qt::WindowMaximized) && !isFullScreen()) {
        applyScale(fillScale());
        place();
    } else {
        show(asked_);
    }
}

void ProjectorView::place() {
    const bool filling = window_.windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized);
    window_.setInnerOffset(filling ? centred(window_.size(), shownContent()) : QPoint());
    if (panel_) {
        const QSize scene = window_.innerSize();
        panel_->setGeometry(QRect(window_.innerOrigin() + QPoint(scene.width(), 0),
                                  QSize(scene::zoomed(panelWidth_), scene.height())));
    }
}

bool ProjectorView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    if (event->type() == QEvent::WindowStateChange) {
        // Back from maximized: the size asked for before.
        const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if ((before & Qt::WindowMaximized) &&
            !(window_.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            show(asked_);
        }
    } else if (event->type() == QEvent::Resize) {
        if ((window_.windowState() & Qt::WindowMaximized) && !isFullScreen()) {
            applyScale(fillScale());
        }
        place();
    }
    return false;
}
