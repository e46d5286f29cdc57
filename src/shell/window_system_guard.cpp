#include "shell/window_system_guard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "shell/translations.h"

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

const Translations* guardTranslations = nullptr;
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> held;

QString translated(const char* text) {
    return guardTranslations->translate("WindowSystemGuard", text);
}

// Why no window can be opened, and what to do about it.
QString failureLine(const QString& toolkitReason) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // X11 and Wayland desktops: the display is named by the environment.
    Q_UNUSED(toolkitReason)
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
#else
    return translated(QT_TRANSLATE_NOOP("WindowSystemGuard", "velmora: окно не открыть: %1"))
        .arg(toolkitReason.section(QLatin1Char('\n'), 0, 0));
#endif
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category), text});
        return;
    }
    const QByteArray line = failureLine(text).toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

WindowSystemGuard::WindowSystemGuard(const Translations& translations) {
    guardTranslations = &translations;
    previousHandler = qInstallMessageHandler(onMessage);
}

WindowSystemGuard::~WindowSystemGuard() {
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& m : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
    guardTranslations = nullptr;
}
