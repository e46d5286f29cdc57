#pragma once

// The window as the program starts it, on the screen, and what the screen shows of it.

#include <QExposeEvent>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QtTest>
#include <cmath>
#include <memory>

#include "demo/form1.h"
#include "scene/surface.h"

namespace shown {

// Twips to pixels as the design reckons them, 15 to a pixel, worked out here on its own so
// the tests do not take the program's conversion on trust.
inline int px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

inline QPoint px(QPoint twips) {
    return {px(twips.x()), px(twips.y())};
}

// Shows a window, as the program does after start-up, and waits until it is on the screen and
// active; false if it never gets there.
[[nodiscard]] inline bool show(QWidget& window) {
    window.show();
    window.activateWindow();
    const bool ready =
        QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
    QCoreApplication::processEvents();
    return ready;
}

// What is on the screen once the pending updates are painted, without asking any widget to
// repaint beyond them. The window would paint them at its next update request; it gets it now
// instead of after the platform's frame delay.
inline QImage screen(QWidget& window) {
    QCoreApplication::processEvents();
    QEvent updateRequest(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(&window, &updateRequest);
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A point of a surface's inner area, given in twips, as a pixel of the window.
inline QPoint onWindow(const scene::Surface& surface, QPoint innerTwips, const QWidget& window) {
    return surface.mapTo(&window, surface.innerOrigin() + px(innerTwips));
}

// The windowing system's request to redraw part of a window (pixels of the window), as when
// another window that covered it goes away.
inline void uncover(QWidget& window, const QRegion& region) {
    QExposeEvent uncovered(region);
    QCoreApplication::sendEvent(window.windowHandle(), &uncovered);
}

inline QColor pixel(const QImage& image, QPoint p) {
    return image.pixelColor(p);
}

// Tests whose every function starts from a freshly started window on the screen.
class FreshWindowTest : public QObject {
  protected:
    Form1& form() { return *form_; }
    [[nodiscard]] bool startWindow() {
        form_.reset();
        form_ = std::make_unique<Form1>();
        return show(*form_);
    }
    void closeWindow() { form_.reset(); }

  private:
    std::unique_ptr<Form1> form_;
};

}  // namespace shown
