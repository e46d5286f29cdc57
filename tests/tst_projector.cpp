// The window at a projector's sizes, on a 4K screen: a run goes on through a change of size with
// its state and its traces, every kind of line has one width at any scale, the interface changes
// language at once, and the pause shows as a badge that no picture keeps.

#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "classroom/classroom.h"
#include "classroom/projector_view.h"
#include "classroom/screen_scale.h"
#include "demo_driver.h"
#include "scene/colour.h"
#include "scene/units.h"
#include "shell/application.h"
#include "shell/translations.h"

using Command = Classroom::Command;
using driver::Demo;

namespace {

// The lengths of the runs of `colour` along a line of pixels, no longer than `longest`.
QSet<int> runs(const QImage& image, QPoint from, QPoint step, int count, QRgb colour, int longest) {
    QSet<int> lengths;
    int run = 0;
    colour &= 0xffffffu;
    for (int i = 0; i <= count; ++i) {
        const QPoint p = from + step * i;
        if (i < count && (image.pixel(p) & 0xffffffu) == colour) {
            ++run;
        } else if (run > 0) {
            if (run <= longest) {
                lengths.insert(run);
            }
            run = 0;
        }
    }
    return lengths;
}

}  // namespace

class ProjectorTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // What the commands remember goes to a folder of the test's own, on every platform.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(3840, 2160));
        setUpApplication();
    }
    // The screens' scale outlives a window: each test starts at 1.
    void cleanup() {
        setWindowScale(1, [] {});
    }

    // Made larger twice in the middle of a run, the window goes on from the same instant: the
    // points plotted are those of a run that never changed size, and the curves drawn before
    // the change are still there, drawn at the new scale.
    void aSizeChangeKeepsTheRun() {
        QList<double> steady;
        Demo reference;
        DRIVE(reference.run(40, [&](Demo& demo) { steady << demo.form->curX + demo.form->curU; }));
        Demo d;
        Classroom& classroom = attachClassroom(*d.form);
        d.form->picShirma->hide();
        QVERIFY(shown::show(*d.form));
        QList<double> changed;
        DRIVE(d.run(40, [&](Demo& demo) {
            changed << demo.form->curX + demo.form->curU;
            if (demo.pass == 20) {
                classroom.action(Command::Larger).trigger();
                classroom.action(Command::Larger).trigger();
                QCOMPARE(classroom.view().scale(), 1.5);
                const QImage picture = classroom.picture();
                QCOMPARE(picture.size(), QSize(1524, 1101));
                // The voltage curve from its start to the pen, in the picture's pixels.
                int blue = 0;
                for (int x = qRound(590 * 1.5); x < qRound(650 * 1.5); ++x) {
                    for (int y = qRound(129 * 1.5); y < qRound(263 * 1.5); ++y) {
                        blue += picture.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
                    }
                }
                QVERIFY2(blue > 200, qPrintable(QString::number(blue)));
            }
        }));
        QCOMPARE(changed, steady);
    }

    // At scales that fall between pixels, each kind of line has one width throughout the window:
    // the graph's grid across and down, and the frames of the wires.
    void linesKeepOneWidth_data() {
        QTest::addColumn<double>("scale");
        QTest::newRow("0.65, laid out smaller") << 0.65;
        QTest::newRow("1.4") << 1.4;
        QTest::newRow("2.35") << 2.35;
    }
    void linesKeepOneWidth() {
        QFETCH(double, scale);
        Form1 form;
        Classroom& classroom = attachClassroom(form);
        form.picShirma->hide();
        classroom.view().show({ViewSize::Mode::Scale, scale});
        QVERIFY(shown::show(form));
        QCOMPARE(classroom.view().scale(), scale);
        const QImage picture = classroom.picture();
        const auto at = [&](int x, int y) { return QPoint(qRound(x * scale), qRound(y * scale)); };
        const int longest = qCeil(3 * scale);
        const QRgb hatch = scene::toQColor(scene::kHatchBlue).rgb();
        QSet<int> across;
        QSet<int> down;
        for (int y = 130; y < 640; y += 7) {
            across += runs(picture, at(620, y), {1, 0}, qRound(370 * scale), hatch, longest);
        }
        for (int x = 620; x < 990; x += 7) {
            down += runs(picture, at(x, 130), {0, 1}, qRound(510 * scale), hatch, longest);
        }
        QSet<int> frames;
        for (int i = 0; i <= 15; ++i) {
            const scene::PictureBox& wire = form.pictok(i);
            const QPoint middle = wire.mapTo(&form, QPoint(0, wire.height() / 2));
            const QPoint onDevice = (QPointF(middle) * form.devicePixelRatioF()).toPoint();
            frames += runs(picture, onDevice - QPoint(2, 0), {1, 0}, 6, qRgb(0, 0, 0), longest);
        }
        const QSet<int> one{qMax(1, qRound(scale))};
        QCOMPARE(across, one);
        QCOMPARE(down, one);
        QCOMPARE(frames, one);
    }

    // Switched to English, the window, the menu and the help show English at once; back to
    // Russian, Russian.
    void languageChangesAtOnce() {
        Translations translations(QStringLiteral("ru"));
        translations.install();
        Form1 form;
        Classroom& classroom = attachClassroom(
            form, {{}, [&](const QString& to) { translations.switchTo(to); }, "ru", {}});
        classroom.action(Command::Help).trigger();
        classroom.action(Command::English).trigger();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(form.Command1->text(), QStringLiteral("Exit"));
        QCOMPARE(classroom.action(Command::Pause).text(), QStringLiteral("Pause"));
        QCOMPARE(form.sldW->toolTip(), QStringLiteral("Change the frequency"));
        QVERIFY(classroom.helpWindow()->toPlainText().contains(QLatin1String("Commands")));
        classroom.action(Command::Russian).trigger();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(form.Command1->text(), QStringLiteral("Выход"));
        QVERIFY(classroom.helpWindow()->toPlainText().contains(QStringLiteral("Команды")));
    }

    // Paused, the class sees the paused instant, and it stays, pixel for pixel (the badge aside),
    // however the window comes to be drawn again; the key comes a moment after the pass read the
    // clock, as keys do.
    void pausedPictureStays_data() {
        QTest::addColumn<int>("change");
        QTest::newRow("a window over the dials goes away") << 0;
        QTest::newRow("the help opened and closed") << 1;
        QTest::newRow("the save dialog cancelled") << 2;
        QTest::newRow("Ctrl+Minus, then Ctrl+= back") << 3;
        QTest::newRow("English, then Russian") << 4;
    }
    void pausedPictureStays() {
        QFETCH(int, change);
        Translations translations(QStringLiteral("ru"));
        translations.install();
        Demo d;
        Classroom& classroom = attachClassroom(
            *d.form, {{}, [&](const QString& to) { translations.switchTo(to); }, "ru", {}});
        classroom.setFileChooser(
            [](QWidget&, const QString&, const QString&) { return QString(); });
        d.form->picShirma->hide();
        d.step = 0.02;  // the charge packet moves by a few markers a pass
        QVERIFY(shown::show(*d.form));
        QImage paused;
        DRIVE(d.run(30, [&](Demo& demo) {
            Form1& f = *demo.form;
            if (demo.pass == 20) {
                demo.now += 0.01;
                classroom.action(Command::Pause).trigger();
            } else if (demo.pass == 21) {
                paused = classroom.picture();
                const QList<Command> commands[] = {{},
                                                   {Command::Help},
                                                   {Command::SavePicture},
                                                   {Command::Smaller, Command::Larger},
                                                   {Command::English, Command::Russian}};
                for (const Command c : commands[change]) {
                    classroom.action(c).trigger();
                    QCoreApplication::processEvents();
                }
                if (QWidget* help = classroom.helpWindow()) {
                    help->close();
                    f.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&f));
                }
                shown::uncover(f, QRegion(f.rect()));
            } else if (demo.pass == 25) {
                const QImage now = classroom.picture();
                QCOMPARE(now.size(), paused.size());
                int differ = 0;
                for (int y = 0; y < now.height(); ++y) {
                    for (int x = 0; x < now.width(); ++x) {
                        differ += now.pixel(x, y) != paused.pixel(x, y) ? 1 : 0;
                    }
                }
                QVERIFY2(differ == 0, qPrintable(QStringLiteral("%1 pixels changed").arg(differ)));
            }
        }));
    }

    // While paused the badge says so in the corner, at half size too; the saved picture leaves it
    // out; continued, it goes.
    void theBadgeShowsThePause() {
        Demo d;
        Classroom& classroom = attachClassroom(*d.form);
        QVERIFY(shown::show(*d.form));
        const QWidget* badge = nullptr;
        DRIVE(d.run(6, [&](Demo& demo) {
            if (demo.pass == 2) {
                classroom.action(Command::Pause).trigger();
                for (QWidget* w : demo.form->findChildren<QWidget*>()) {
                    if (w->accessibleName() == QStringLiteral("ПАУЗА")) {
                        badge = w;
                    }
                }
                QVERIFY(badge && badge->isVisible());
                const QRect place(badge->mapTo(demo.form.get(), QPoint()), badge->size());
                QCOMPARE(demo.screen().pixelColor(place.center() - QPoint(0, 30)),
                         QColor(176, 0, 0));
                QCOMPARE(classroom.picture().pixelColor(place.center() - QPoint(0, 30)),
                         QColor(scene::toQColor(scene::kButtonFace)));
            } else if (demo.pass == 3) {
                classroom.action(Command::Smaller).trigger();
                classroom.action(Command::Smaller).trigger();
                QCOMPARE(scene::zoom(), 0.5);
                QVERIFY(QRect(QPoint(), demo.form->size()).contains(badge->geometry()));
                classroom.action(Command::OriginalSize).trigger();
            } else if (demo.pass == 4) {
                classroom.action(Command::Pause).trigger();
                QVERIFY(!badge->isVisible());
            }
        }));
    }

  private:
    QTemporaryDir settings_;
};

QTEST_MAIN(ProjectorTest)
#include "tst_projector.moc"
