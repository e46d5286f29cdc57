#include <QApplication>
#include <QScreen>
#include <optional>

#include "classroom/classroom.h"
#include "demo/form1.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/identity.h"
#include "shell/platform.h"
#include "shell/translations.h"
#include "shell/window_system_guard.h"

namespace {

// Help, version or a mistake: printed without opening the windowing system, so they work
// without a display too.
int answerCommandLine(int argc, char* argv[], const QStringList& arguments,
                      Translations& translations) {
    QCoreApplication core(argc, argv);
    identity::apply();
    translations.install();
    const CommandLine translated = parseCommandLine(arguments);
    platform::tell(translated.action == CommandLine::Action::Fail ? platform::Channel::Error
                                                                  : platform::Channel::Output,
                   translated.output);
    return exitStatus(translated);
}

// The largest scale at which the window fits the screen, measured at scale 1 before the window's
// application starts. The frame is the window manager's and cannot be known before a window is
// shown; a title bar and thin borders are allowed for.
double scaleToFit(int argc, char* argv[]) {
    qunsetenv("QT_SCALE_FACTOR");
    const QGuiApplication probe(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return fitScale(screen ? screen->availableGeometry().size() : QSize(), Form1::laidOutSize(),
                    QSize(16, 48));
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine commandLine = parseCommandLine(arguments);
    Translations translations(commandLine.options.language);
    if (commandLine.action != CommandLine::Action::Run) {
        return answerCommandLine(argc, argv, arguments, translations);
    }

    std::optional<WindowSystemGuard> guard(std::in_place, translations);
    std::optional<double> scale = commandLine.options.scale;
    if (commandLine.options.fit) {
        scale = scaleToFit(argc, argv);
    }
    // The whole window drawn larger at the screen's own resolution: texts, lines and controls
    // stay crisp.
    if (scale) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));
    }
    QApplication app(argc, argv);
    guard.reset();
    identity::apply();
    translations.install();
    setUpApplication();
    Form1 form;
    attachClassroom(form, optionLines);
    form.show();
    return QApplication::exec();
}
