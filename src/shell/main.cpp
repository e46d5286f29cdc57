#include <QApplication>
#include <optional>

#include "classroom/classroom.h"
#include "classroom/projector_view.h"
#include "classroom/remembered.h"
#include "demo/form1.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/identity.h"
#include "shell/platform.h"
#include "shell/single_instance.h"
#include "shell/translations.h"
#include "shell/window_system_guard.h"

namespace {

// Help, version or a mistake: said without opening the windowing system, so they work without a
// display too.
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

// The size to start at: the command line's, else the one remembered, else the layout's own.
ViewSize startSize(const Options& options, const Remembered& remembered) {
    if (options.scale) {
        return {ViewSize::Mode::Scale, *options.scale};
    }
    if (options.fit) {
        return {ViewSize::Mode::Fit};
    }
    return remembered.size.value_or(ViewSize{});
}

}  // namespace

int main(int argc, char* argv[]) {
    platform::survivePeersGone();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    arguments << platform::pageOptions();
    const CommandLine commandLine = parseCommandLine(arguments);
    const Remembered remembered = recall();
    const Options& options = commandLine.options;
    const QString language = options.languageChosen           ? options.language
                             : !remembered.language.isEmpty() ? remembered.language
                                                              : platform::firstLanguage();
    Translations translations(language);
    if (commandLine.action != CommandLine::Action::Run) {
        return answerCommandLine(argc, argv, arguments, translations);
    }

    std::optional<WindowSystemGuard> guard(std::in_place, translations);
    QApplication app(argc, argv);
    guard.reset();
    identity::apply();
    translations.install();
    if (!remembered.unreadable.isEmpty()) {
        platform::tell(platform::Channel::Error, unreadableNotice(remembered.unreadable));
    }
    SingleInstance instance;
    if (instance.handedOver()) {
        return 0;
    }
    setUpApplication();
    Form1 form;
    // A page has no command line to list, and its size is the browser's.
    const bool page = platform::windowIsPage();
    Classroom& classroom =
        attachClassroom(form, {page ? std::function<QString()>() : optionLines,
                               [&](const QString& to) { translations.switchTo(to); }, language,
                               platform::keyPosition, page, platform::fileOffer()});
    form.setElement(options.element.value_or(remembered.element.value_or(form.element())));
    if (page) {
        platform::showOnPage(form, classroom.view());
    } else {
        classroom.view().show(startSize(options, remembered));
    }
    form.show();
    instance.serve(form);
    return QApplication::exec();
}
