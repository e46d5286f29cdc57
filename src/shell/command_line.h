#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "physics/element.h"

// What the program is asked to do by its command line. No options at all means the window as
// always: Russian, at its laid-out size.
struct Options {
    QString language = QStringLiteral("ru");      // "ru" (the default on every system) or "en"
    bool languageChosen = false;                  // by --lang, over the one remembered
    std::optional<double> scale;                  // --scale F: the whole window F times larger
    bool fit = false;                             // --fit: the largest scale that fits the screen
    std::optional<physics::ElementKind> element;  // --element: the element in the circuit
};

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    Options options;
    // What to print for any action but Run: the option list, the name and version, or one line
    // saying what is wrong with the hint --help. In the language of the translations installed
    // when it was parsed.
    QString output;
};

// Reads the arguments, the program's name first. It needs no application object, so the program
// can decide what to do before it opens any window; parsed again once the translations are
// installed, the texts come out in the interface language.
CommandLine parseCommandLine(const QStringList& arguments);

// The option lines of `velmora --help`, without its usage line, description and heading, in the
// language of the translations installed.
QString optionLines();

// The status the program ends with when it does not run: 0 for help and version, 2 for a mistake.
int exitStatus(const CommandLine& commandLine);
