#include "shell/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

#include "classroom/projector_view.h"
#include "classroom/remembered.h"
#include "shell/identity.h"

namespace {

class Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

  public:
    static QString failure(const QString& what) {
        return tr("velmora: %1. Список параметров: velmora --help").arg(what);
    }
};

// A decimal number with a point or a comma, whatever the locale.
std::optional<double> decimal(QString text) {
    bool ok = false;
    const double value = text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        Texts::tr("Velmora: катушка (индуктивность) в цепи переменного тока, демонстрация для "
                  "урока физики."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Texts::tr("Показать эту справку."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Texts::tr("Показать название и версию программы."));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        Texts::tr("Язык окна: ru или en; без него тот, что выбран в прошлый раз, "
                  "а сначала ru."),
        Texts::tr("язык"));
    const QCommandLineOption scale(
        QStringLiteral("scale"),
        Texts::tr("Окно в F раз больше или меньше, для проектора: F от 0.5 до 4, можно дробное "
                  "(1.5)."),
        QStringLiteral("F"));
    const QCommandLineOption fit(
        QStringLiteral("fit"),
        Texts::tr("Наибольший масштаб, при котором окно с рамкой помещается на экране."));
    const QCommandLineOption element(
        QStringLiteral("element"),
        Texts::tr("Элемент цепи: coil (катушка), capacitor (конденсатор) или resistor "
                  "(резистор); без него тот, что выбран в прошлый раз, а сначала катушка."),
        Texts::tr("элемент"));
    parser.addOptions({help, version, language, scale, fit, element});

    CommandLine result;
    auto fail = [&](const QString& what) {
        result.action = CommandLine::Action::Fail;
        result.output = Texts::failure(what);
        return result;
    };
    const bool parsed = parser.parse(arguments);
    // The language first, so that help and mistakes come out in it.
    const QString chosenLanguage = parser.value(language);
    const bool knownLanguage =
        chosenLanguage == QLatin1String("ru") || chosenLanguage == QLatin1String("en");
    if (knownLanguage) {
        result.options.language = chosenLanguage;
        result.options.languageChosen = true;
    }
    if (!parsed) {
        return fail(parser.errorText().remove(QRegularExpression(QStringLiteral("\\.$"))));
    }
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        result.output = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.output =
            QStringLiteral("%1 %2\n").arg(QLatin1String(identity::kName), identity::version());
        return result;
    }
    if (parser.isSet(language) && !knownLanguage) {
        return fail(Texts::tr("язык «%1» не знаком: можно ru или en").arg(chosenLanguage));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return fail(Texts::tr("лишний аргумент «%1»").arg(parser.positionalArguments().first()));
    }
    if (parser.isSet(scale) && parser.isSet(fit)) {
        return fail(Texts::tr("--scale и --fit вместе не задаются: выберите одно"));
    }
    if (parser.isSet(scale)) {
        const std::optional<double> value = decimal(parser.value(scale));
        if (!value || *value < kSmallestScale || *value > kLargestScale) {
            return fail(Texts::tr("масштаб «%1» не подходит: нужно число от 0.5 до 4")
                            .arg(parser.value(scale)));
        }
        result.options.scale = value;
    }
    result.options.fit = parser.isSet(fit);
    if (parser.isSet(element)) {
        result.options.element = elementNamed(parser.value(element));
        if (!result.options.element) {
            return fail(Texts::tr("элемент «%1» не знаком: можно coil, capacitor или resistor")
                            .arg(parser.value(element)));
        }
    }
    return result;
}

QString optionLines() {
    const QString help =
        parseCommandLine({QStringLiteral("velmora"), QStringLiteral("--help")}).output;
    return help.section(QStringLiteral("\n\n"), 1).section(QLatin1Char('\n'), 1);
}

int exitStatus(const CommandLine& commandLine) {
    return commandLine.action == CommandLine::Action::Fail ? 2 : 0;
}
