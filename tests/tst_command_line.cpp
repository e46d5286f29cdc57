// The command line: what each set of arguments asks the program to do, and the scale that fits
// a screen.

#include <QtTest>

#include "classroom/projector_view.h"
#include "shell/command_line.h"

using Action = CommandLine::Action;

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("scale");  // 0: no scale asked for
        QTest::addColumn<bool>("fit");
        QTest::addColumn<int>("element");  // -1: none asked for
        auto row = [](const char* name, QStringList arguments, Action action,
                      const char* language = "ru", double scale = 0, bool fit = false,
                      int element = -1) {
            arguments.prepend(QStringLiteral("velmora"));
            QTest::newRow(name) << arguments << action << QString::fromLatin1(language) << scale
                                << fit << element;
        };
        row("no options: the window as always", {}, Action::Run);
        row("--help", {"--help"}, Action::ShowHelp);
        row("-h", {"-h"}, Action::ShowHelp);
        row("--version", {"--version"}, Action::ShowVersion);
        row("help wins over a bad value", {"--scale", "9", "--help"}, Action::ShowHelp);
        row("--lang en", {"--lang", "en"}, Action::Run, "en");
        row("--lang=ru", {"--lang=ru"}, Action::Run, "ru");
        row("--scale 2", {"--scale", "2"}, Action::Run, "ru", 2);
        row("--scale 1,5 with a comma", {"--scale", "1,5"}, Action::Run, "ru", 1.5);
        row("--scale at both ends", {"--scale", "0.5", "--scale", "4"}, Action::Run, "ru", 4);
        row("--fit", {"--fit"}, Action::Run, "ru", 0, true);
        row("--element capacitor", {"--element", "capacitor"}, Action::Run, "ru", 0, false, 1);
        row("--element=resistor", {"--element=resistor"}, Action::Run, "ru", 0, false, 2);
        row("unknown element", {"--element", "diode"}, Action::Fail);
        row("unknown option", {"--colour"}, Action::Fail);
        row("stray argument", {"extra"}, Action::Fail);
        row("unknown language", {"--lang", "de"}, Action::Fail);
        row("language missing its value", {"--lang"}, Action::Fail);
        row("scale below a half", {"--scale", "0.49"}, Action::Fail);
        row("scale above 4", {"--scale", "4.01"}, Action::Fail);
        row("scale not a number", {"--scale", "big"}, Action::Fail);
        row("scale not finite", {"--scale", "inf"}, Action::Fail);
        row("scale and fit together", {"--scale", "2", "--fit"}, Action::Fail);
    }
    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QString, language);
        QFETCH(double, scale);
        QFETCH(bool, fit);
        QFETCH(int, element);
        const CommandLine c = parseCommandLine(arguments);
        QCOMPARE(c.action, action);
        if (action == Action::Fail) {
            // One line that says what is wrong and where to look.
            QVERIFY2(!c.output.trimmed().contains(QLatin1Char('\n')), qPrintable(c.output));
            QVERIFY2(c.output.contains(QLatin1String("velmora --help")), qPrintable(c.output));
            QCOMPARE(exitStatus(c), 2);
            return;
        }
        QCOMPARE(exitStatus(c), 0);
        QCOMPARE(c.options.language, language);
        QCOMPARE(c.options.scale.value_or(0), scale);
        QCOMPARE(c.options.fit, fit);
        QCOMPARE(c.options.element ? static_cast<int>(*c.options.element) : -1, element);
        if (action == Action::ShowHelp) {
            for (const char* option :
                 {"--help", "--version", "--lang", "--scale", "--fit", "--element"}) {
                QVERIFY2(c.output.contains(QLatin1String(option)), option);
            }
        }
        if (action == Action::ShowVersion) {
            QCOMPARE(c.output, QStringLiteral("Velmora 1.0.0\n"));
        }
    }

    // The window of 1016 × 734 with a frame of 16 × 48 on screens of several sizes.
    void fit_data() {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("scale");
        QTest::newRow("1024 × 768 with a panel: below 1") << QSize(1024, 740) << 0.94;
        QTest::newRow("projector of 1280 × 720") << QSize(1280, 720) << 0.91;
        QTest::newRow("too small for half size: at least 0.5") << QSize(400, 300) << 0.5;
        QTest::newRow("exactly at scale 1") << QSize(1032, 782) << 1.0;
        QTest::newRow("full HD, height decides") << QSize(1920, 1050) << 1.36;
        QTest::newRow("wide screen, height decides") << QSize(3840, 1200) << 1.56;
        QTest::newRow("tall screen, width decides") << QSize(1600, 2400) << 1.55;
        QTest::newRow("4K") << QSize(3840, 2110) << 2.8;
        QTest::newRow("huge: at most 4") << QSize(7680, 4320) << 4.0;
    }
    void fit() {
        QFETCH(QSize, available);
        QFETCH(double, scale);
        QCOMPARE(fitScale(available, QSize(1016, 734), QSize(16, 48)), scale);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
