#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QtGlobal>
#include <csignal>
#include <cstdio>

#include "shell/pc_keyboard.h"
#include "shell/platform.h"
#include "shell/translations.h"

namespace platform {

// X11 and Wayland desktops: the display is named by the environment. The toolkit's platform
// plugin says when it could not connect to it; any other reason is the toolkit's own (a platform
// plugin that is missing, or asked for by a QT_QPA_PLATFORM that names none), and the display is
// not to blame.
QString windowSystemFailure(const Translations& translations, const QString& toolkitReason) {
    const auto translated = [&](const char* text) {
        return translations.translate("WindowSystemGuard", text);
    };
    const bool displayUnreachable =
        toolkitReason.contains(QLatin1String("could not connect to display")) ||
        toolkitReason.contains(QLatin1String("wl_display"));
    if (!displayUnreachable) {
        return translated(QT_TRANSLATE_NOOP("WindowSystemGuard",
                                            "velmora: окно не открыть: графическая система Qt "
                                            "не запустилась: %1"))
            .arg(toolkitReason);
    }
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

QString sessionFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
}

// An advisory lock on an open file: the descriptor stays open, and the lock with it, until the
// lock is let go or the process ends. A holder removes the file before it lets go: a start that
// opened the file just before it went, and locks it just after, holds the lock of a file that is
// no longer there, and tries again with the file of that name.
SessionLock::SessionLock(const QString& path) : path_(path) {
    const QByteArray name = QFile::encodeName(path);
    for (int tries = 0; tries < 10; ++tries) {
        const int file = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (file < 0) {
            held_ = true;  // nothing to lock with: this start goes on as the only one
            return;
        }
        if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
            ::close(file);
            return;
        }
        struct stat opened {};
        struct stat named {};
        if (::fstat(file, &opened) == 0 && ::stat(name.constData(), &named) == 0 &&
            opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
            handle_ = file;
            held_ = true;
            return;
        }
        ::close(file);
    }
}

SessionLock::~SessionLock() {
    if (handle_ >= 0) {
        ::unlink(QFile::encodeName(path_).constData());
        ::close(static_cast<int>(handle_));
    }
}

// The user, and the display the window opens on: another X server is another desktop.
QString sessionName() {
    const QString display =
        qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    return QStringLiteral("%1-%2").arg(getuid()).arg(display);
}

// The X server's connection is written with no flag against SIGPIPE: without this, a server
// that ends while the window draws may kill the program before the toolkit sees the loss.
void survivePeersGone() {
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace platform
