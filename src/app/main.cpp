#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/application.h"
#include "app/form1.h"

namespace {

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayAvailable()) {
        std::fputs(
            "velmora: no display to open the window on (DISPLAY, WAYLAND_DISPLAY and "
            "QT_QPA_PLATFORM are unset); start it from a desktop session, or without one "
            "as: xvfb-run -s '-screen 0 1280x800x24' build/velmora\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    setUpApplication();
    Form1 form;
    form.show();
    return QApplication::exec();
}
