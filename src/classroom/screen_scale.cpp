#include "classroom/screen_scale.h"

#include <QApplication>
#include <QBackingStore>
#include <QResizeEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
// The toolkit scales a screen at run time only through this interface of its own, which it uses
// for its tests of screens changing their scale; the public one is read once, at start.
#include <private/qhighdpiscaling_p.h>

namespace {

double current = 1;

}  // namespace

double windowScale() {
    return current;
}

void setWindowScale(double scale, const std::function<void()>& resize) {
    current = scale;
    for (QScreen* screen : QGuiApplication::screens()) {
        QHighDpiScaling::setScreenFactor(screen, scale);
    }
    resize();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        QWindow* window = widget->windowHandle();
        if (!window || !widget->isVisible()) {
            continue;
        }
        // A window whose size on the screen stays (full screen, maximized) has another size in
        // the new pixels: the widget learns it. Then its backing store is made anew at the new
        // density, and the window does what it does when it moves to a screen of another density:
        // its widgets learn it, and everything is drawn again at once.
        QResizeEvent resized(window->size(), widget->size());
        QCoreApplication::sendEvent(window, &resized);
        if (QBackingStore* store = widget->backingStore()) {
            store->resize(widget->size());
        }
        QMetaObject::invokeMethod(window, "handleScreenChange");
    }
}
