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
#include <qpa/qplatformscreen.h>

namespace {

double current = 1;

// The system's own scale of a screen, its DPI against the toolkit's base, which the program's
// scale multiplies: a factor the program sets for a screen takes the place of the system's.
double systemFactor(const QScreen& screen) {
    const QPlatformScreen* platform = screen.handle();
    return platform ? platform->logicalDpi().first / platform->logicalBaseDpi().first : 1.0;
}

}  // namespace

double windowScale() {
    return current;
}

void setWindowScale(double scale, const std::function<void()>& resize) {
    current = scale;
    for (QScreen* screen : QGuiApplication::screens()) {
        QHighDpiScaling::setScreenFactor(screen, scale * systemFactor(*screen));
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
