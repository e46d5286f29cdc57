#include <unistd.h>

#include <QKeyEvent>
#include <QtGlobal>
#include <cstdio>

#include "shell/pc_keyboard.h"
#include "shell/platform.h"
#include "shell/translations.h"

namespace platform {

// X11 and Wayland desktops: the display is named by the environment.
QString windowSystemFailure(const Translations& translations, const QString& toolkitReason) {
    Q_UNUSED(toolkitReason)
    const auto translated = [&](const char* text) {
        return translations.translate("WindowSystemGuard", text);
    };
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const QString reason =
        display.isEmpty() && wayland.isEmpty()
            ? translated(QT_TRANSLATE_NOOP("WindowSystemGuard",
                                           "нет дисплея (DISPLAY и WAYLAND_DISPLAY не заданы)"))
            : translated(QT_TRANSLATE_NOOP("WindowSystemGuard", "дисплей «%1» недоступен"))
                  .arg(display.isEmpty() ? wayland : display);
    return translated(
               QT_TRANSLATE_NOOP("WindowSystemGuard",
                                 "velmora: окно не открыть: %1. Запустите программу в графическом "
                                 "сеансе, а без него так: xvfb-run velmora"))
        .arg(reason);
}

// A terminal: standard output, or standard error for what went wrong, a line ended.
void tell(Channel channel, const QString& text) {
    std::FILE* out = channel == Channel::Error ? stderr : stdout;
    std::fputs(text.toLocal8Bit().constData(), out);
    if (!text.endsWith(QLatin1Char('\n'))) {
        std::fputc('\n', out);
    }
    std::fflush(out);
}

// X11 and Wayland name a key by its XKB key code: the Linux scan code and 8.
int keyPosition(const QKeyEvent& event) {
    return pc_keyboard::keyAt(static_cast<int>(event.nativeScanCode()) - 8);
}

// The user, and the display the window opens on: another X server is another desktop.
QString sessionName() {
    const QString display =
        qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    return QStringLiteral("%1-%2").arg(getuid()).arg(display);
}

// The packages bring the fonts (fonts-ebgaramond, fonts-liberation2): the system has them.
void provideFonts() {}

}  // namespace platform
