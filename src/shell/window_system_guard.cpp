#include "shell/window_system_guard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "shell/platform.h"

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

const Translations* guardTranslations = nullptr;
QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> held;

// What the toolkit said went wrong, in one line: the first warning it gave while opening the
// windowing system (the display it could not reach, the platform plugin it could not find or
// load), else the first line of its final complaint, which blames no cause of its own.
QString toolkitReason(const QString& fatal) {
    for (const HeldMessage& m : held) {
        if (m.type == QtWarningMsg || m.type == QtCriticalMsg) {
            return m.text.section(QLatin1Char('\n'), 0, 0);
        }
    }
    return fatal.section(QLatin1Char('\n'), 0, 0);
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        held.append({type, QByteArray(context.category), text});
        return;
    }
    std::fflush(stdout);
    platform::tell(platform::Channel::Error,
                   platform::windowSystemFailure(*guardTranslations, toolkitReason(text)));
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
