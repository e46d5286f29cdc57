// What the window offers a teacher: the demonstration paused and slowed down on the run loop's
// test clock, the keys and the context menu, the window's picture saved and copied, and help.

#include <qpa/qwindowsysteminterface.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "classroom/classroom.h"
#include "classroom/remembered.h"
#include "classroom/window_picture.h"
#include "demo/form1.h"
#include "demo_driver.h"
#include "scene/colour.h"
#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/platform.h"
#include "shell/translations.h"
#include "shown_form.h"

namespace {

using Command = Classroom::Command;
using driver::Demo;

// The window of the program: the demonstration with the classroom's commands.
struct Lesson : Demo {
    Lesson() {
        attachClassroom(*form,
                        {optionLines, {}, QStringLiteral("ru"), platform::keyPosition, false, {}});
    }
};

Classroom& classroomOf(const Form1& form) {
    return *form.findChild<Classroom*>();
}

QAction& action(const Form1& form, Command command) {
    return classroomOf(form).action(command);
}

QAction& action(const Demo& d, Command command) {
    return action(*d.form, command);
}

// The newest graph point and the pass that plotted it.
struct Point {
    double x, u, i;
    int p;
    int sweeps;
    bool operator==(const Point&) const = default;
};

Point newest(const Form1& f) {
    return {f.curX, f.curU, f.curI, f.curP, f.sweepCount};
}

QImage rgb(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

// Acts on the first visible window of type T once an event loop gets to it: a dialog's or a
// menu's own loop, which does not return until it is closed. It looks for as long as the
// returned timer lives.
template <class T>
std::unique_ptr<QTimer> whenShown(std::function<void(T&)> act) {
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, [timer = poll.get(), act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* shown = qobject_cast<T*>(w); shown && shown->isVisible()) {
                timer->stop();
                act(*shown);
                return;
            }
        }
    });
    poll->start(10);
    return poll;
}

}  // namespace

class ClassroomTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }

    // Paused in the yield of the pass at elapsed 1.0: the passes after it show that instant,
    // pixel for pixel, however long the pause; continued in the yield at wall time 2.25, the
    // next pass is one step on from the paused instant.
    void pausedRunHoldsStill() {
        Lesson d;
        d.form->picShirma->hide();
        QVERIFY(shown::show(*d.form));
        QImage paused;
        Point held{};
        DRIVE(d.run(14, [&](Demo& demo) {
            const Form1& f = *demo.form;
            if (demo.pass == 5) {
                action(demo, Command::Pause).trigger();
                QCOMPARE(f.windowTitle(), QStringLiteral("Velmora — пауза"));
            } else if (demo.pass == 6) {
                paused = demo.screen();
                held = newest(f);
                QCOMPARE(held.x, 8850.0 + 1.0 * 400);
            } else if (demo.pass > 6 && demo.pass <= 10) {
                QCOMPARE(newest(f), held);
                QCOMPARE(demo.screen(), paused);
            }
            if (demo.pass == 10) {
                action(demo, Command::Pause).trigger();
                QCOMPARE(f.windowTitle(), QStringLiteral("Velmora"));
            } else if (demo.pass == 12) {
                QCOMPARE(f.curX, std::floor(8850 + 1.25 * 400));
                QCOMPARE(f.prevX, f.curX);
            }
        }));
    }

    // A slowed run plots the same points at the same demonstration times, so the same curves
    // with the same period in pixels and the same 15-second sweep; only the wall clock between
    // them is longer. Each row steps the wall clock by the slowdown times a quarter second.
    void slowMotionDrawsTheSameCurves_data() {
        QTest::addColumn<int>("slowerPresses");
        QTest::addColumn<double>("wallStep");
        QTest::addColumn<QString>("title");
        QTest::newRow("1/2") << 1 << 0.5 << QStringLiteral("Velmora — ×1/2");
        QTest::newRow("1/4") << 2 << 1.0 << QStringLiteral("Velmora — ×1/4");
        QTest::newRow("1/16") << 4 << 4.0 << QStringLiteral("Velmora — ×1/16");
        QTest::newRow("1/16, pressed once more") << 5 << 4.0 << QStringLiteral("Velmora — ×1/16");
    }
    void slowMotionDrawsTheSameCurves() {
        QFETCH(int, slowerPresses);
        QFETCH(double, wallStep);
        QFETCH(QString, title);
        QList<Point> normal;
        QList<Point> slowed;
        Lesson reference;
        DRIVE(reference.run(70, [&](Demo& demo) { normal << newest(*demo.form); }));
        Lesson d;
        for (int i = 0; i < slowerPresses; ++i) {
            action(d, Command::Slower).trigger();
        }
        QCOMPARE(d.form->windowTitle(), title);
        d.step = wallStep;
        DRIVE(d.run(70, [&](Demo& demo) { slowed << newest(*demo.form); }));
        QCOMPARE(slowed, normal);
        // The sweep wrapped on the pass after the one at 15.25 s of the demonstration.
        QCOMPARE(slowed[62].sweeps, 0);
        QCOMPARE(slowed[63].sweeps, 1);
        QCOMPARE(d.now, 70 * wallStep);  // seventy passes, each a wall step on
        action(d, Command::NormalSpeed).trigger();
        QCOMPARE(d.form->windowTitle(), QStringLiteral("Velmora"));
    }

    // Paused just after the pass that ran past the sweep's end, the full sweep stays on show;
    // the wrap comes with the first pass after the run continues.
    void aPauseAtTheEndOfASweepKeepsIt() {
        Lesson d;
        DRIVE(d.run(70, [](Demo& demo) {
            const Form1& f = *demo.form;
            if (demo.pass == 63) {  // pass 62 plotted at 15.25
                QCOMPARE(f.curX, 14950.0);
                action(demo, Command::Pause).trigger();
            } else if (demo.pass > 63 && demo.pass <= 66) {
                QCOMPARE(f.sweepCount, 0);
                QCOMPARE(f.curX, 15050.0);  // pass 63 read 15.5 before the pause
            }
            if (demo.pass == 66) {
                action(demo, Command::Pause).trigger();
            } else if (demo.pass == 68) {
                QCOMPARE(f.sweepCount, 1);
                QCOMPARE(f.curX, 8850.0 + 0.75 * 400);
            }
        }));
    }

    // Pause is there only while a run is on; stopping ends it, and the next run starts unpaused
    // at the speed chosen for the session.
    void theSwitchEndsAPause() {
        Lesson d;
        QVERIFY(!action(d, Command::Pause).isEnabled());
        action(d, Command::Slower).trigger();
        DRIVE(d.run(4, [](Demo& demo) {
            QVERIFY(action(demo, Command::Pause).isEnabled());
            if (demo.pass == 2) {
                action(demo, Command::Pause).trigger();
            }
        }));
        QVERIFY(!d.form->demoClock().paused());
        QVERIFY(!action(d, Command::Pause).isChecked());
        QVERIFY(!action(d, Command::Pause).isEnabled());
        QCOMPARE(d.form->windowTitle(), QStringLiteral("Velmora — ×1/2"));
        DRIVE(d.run(4, [](Demo& demo) {
            if (demo.pass == 3) {  // at half speed, a quarter-second step is 50 twips
                QCOMPARE(demo.form->curX, 8850.0 + 50);
            }
        }));
    }

    // The elements changed during a run: the time goes on without a jump, each element draws
    // itself where the coil stands with its own slider position, heading and letter, and is
    // remembered for the next start; the three compared add a legend. Back to the coil and at
    // rest, the window is that of a run of the coil alone, pixel for pixel.
    void elementsThroughARun() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
        QImage coil;
        {
            Lesson reference;
            reference.form->picShirma->hide();
            QVERIFY(shown::show(*reference.form));
            DRIVE(reference.run(12));
            coil = classroomOf(*reference.form).picture();
        }
        Lesson d;
        Form1& f = *d.form;
        d.form->picShirma->hide();
        QVERIFY(shown::show(f));
        DRIVE(d.run(12, [&](Demo& demo) {
            if (demo.pass == 3) {
                action(demo, Command::Capacitor).trigger();
                QCOMPARE(f.sldL->value(), 10);
                QCOMPARE(f.controls().windowless({"Label2"}).Caption(),
                         QStringLiteral("Конденсатор (ёмкость) в цепи переменного тока"));
                QCOMPARE(f.controls().windowless({"Label14"}).Caption(), QStringLiteral("C"));
                QCOMPARE(f.sldL->accessibleName(), QStringLiteral("Ёмкость конденсатора"));
                QVERIFY(f.pictok(10).isHidden());
                QCOMPARE(recall().element, physics::ElementKind::Capacitor);
            } else if (demo.pass == 4) {
                // Pass 3 read 0.5 s before the change: no jump in the time.
                QCOMPARE(f.curX, 8850.0 + 0.5 * 400);
                QCOMPARE(f.opposition, 1 / (f.omega * 0.1));
                action(demo, Command::Compare).trigger();
                f.sldL->setValue(7);
            } else if (demo.pass == 6) {
                QVERIFY(f.controls().windowless({"Label20", 1}).Visible());
                action(demo, Command::Resistor).trigger();
                QCOMPARE(f.sldL->value(), 1);
                action(demo, Command::Capacitor).trigger();
                QCOMPARE(f.sldL->value(), 7);
                action(demo, Command::Compare).trigger();
                action(demo, Command::Coil).trigger();
                QCOMPARE(f.sldL->value(), 1);
            } else if (demo.pass == 8) {
                QCOMPARE(f.curX, 8850.0 + 1.5 * 400);
            }
        }));
        QCOMPARE(classroomOf(f).picture(), coil);
        QCOMPARE(recall().element, physics::ElementKind::Coil);
    }

    // Every command's key does that command exactly once, whichever control has the focus, in
    // the us layout and in the Cyrillic ones that type other letters on the same keys: a key is
    // known by its place (its XKB key code), whatever it types.
    void keys_data() {
        QTest::addColumn<int>("place");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("command");
        struct Place {
            const char* name;
            int scanCode;  // set 1
            Qt::KeyboardModifiers modifiers;
            Command command;
            const char16_t* typed;  // in the us, ru, ua and by layouts
        };
        const Place places[] = {
            {"P", 0x19, {}, Command::Pause, u"pззз"},
            {"[", 0x1A, {}, Command::Slower, u"[ххх"},
            {"]", 0x1B, {}, Command::Faster, u"]ъї'"},
            {"Ctrl+S", 0x1F, Qt::ControlModifier, Command::SavePicture, u"sыіі"},
            {"Ctrl+C", 0x2E, Qt::ControlModifier, Command::CopyPicture, u"cссс"},
            {"V", 0x2F, {}, Command::Phasors, u"vммм"},
            {"L", 0x26, {}, Command::Coil, u"lддд"},
            {"C", 0x2E, {}, Command::Capacitor, u"cссс"},
            {"R", 0x13, {}, Command::Resistor, u"rккк"},
        };
        // The code of a key as the platform reports it: Windows its scan code, X11 and Wayland
        // their XKB key code, the scan code and 8.
#ifdef Q_OS_WIN
        constexpr int kNativeOffset = 0;
#else
        constexpr int kNativeOffset = 8;
#endif
        const char* layouts[] = {"us", "ru", "ua", "by"};
        for (const Place& p : places) {
            for (int l = 0; l < 4; ++l) {
                const QChar typed(p.typed[l]);
                QTest::addRow("%s %s", layouts[l], p.name)
                    << p.scanCode + kNativeOffset << QString(typed)
                    << static_cast<int>(typed.toUpper().unicode()) << static_cast<int>(p.modifiers)
                    << static_cast<int>(p.command);
            }
        }
        // Keys every layout has alike.
        const auto same = [](const char* name, int key, Qt::KeyboardModifiers modifiers,
                             Command command) {
            QTest::newRow(name) << 0 << QString() << key << static_cast<int>(modifiers)
                                << static_cast<int>(command);
        };
        same("Pause", Qt::Key_Pause, {}, Command::Pause);
        same("Backspace", Qt::Key_Backspace, {}, Command::NormalSpeed);
        same("Ctrl+=", Qt::Key_Equal, Qt::ControlModifier, Command::Larger);
        same("Ctrl+-", Qt::Key_Minus, Qt::ControlModifier, Command::Smaller);
        same("Ctrl+0", Qt::Key_0, Qt::ControlModifier, Command::OriginalSize);
        same("F11", Qt::Key_F11, {}, Command::FullScreen);
        same("F1", Qt::Key_F1, {}, Command::Help);
        same("3", Qt::Key_3, {}, Command::Compare);
    }
    void keys() {
        QFETCH(int, place);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, command);
        Lesson d;
        Form1& form = *d.form;
        QVERIFY(shown::show(form));
        const Classroom& classroom = classroomOf(form);
        classroom.action(Command::Pause).setEnabled(true);
        QList<std::shared_ptr<QSignalSpy>> done;
        for (int c = 0; c < Classroom::kCommandCount; ++c) {
            QAction& a = classroom.action(static_cast<Command>(c));
            QObject::disconnect(&a, &QAction::triggered, &classroom, nullptr);  // counted only
            done << std::make_shared<QSignalSpy>(&a, &QAction::triggered);
        }
        int expected = 0;
        const QList<QWidget*> focusWidgets{form.sldW, form.picOn, form.Command1};
        for (QWidget* focus : focusWidgets) {
            focus->setFocus();
            for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QWindowSystemInterface::handleExtendedKeyEvent(
                    form.windowHandle(), type, key, static_cast<Qt::KeyboardModifiers>(modifiers),
                    static_cast<quint32>(place), 0, 0, typed);
                QWindowSystemInterface::flushWindowSystemEvents();
            }
            ++expected;
            for (int c = 0; c < done.size(); ++c) {
                QVERIFY2(done[c]->count() == (c == command ? expected : 0),
                         qPrintable(QStringLiteral("command %1 done %2 times with the focus on %3")
                                        .arg(c)
                                        .arg(done[c]->count())
                                        .arg(focus->objectName())));
            }
        }
        QCOMPARE(form.sldW->value(), 5);
        QCOMPARE(form.sldU->value(), 5);
    }

    // The keys the sliders and buttons use are nobody's shortcut.
    void controlKeysStayTheControls() {
        Form1 form;
        attachClassroom(form);
        const Qt::Key controlKeys[] = {
            Qt::Key_Left,     Qt::Key_Right, Qt::Key_Up,      Qt::Key_Down,  Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End,     Qt::Key_Space, Qt::Key_Return,
            Qt::Key_Enter,    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Select};
        for (QAction* a : form.actions()) {
            for (const QKeySequence& shortcut : a->shortcuts()) {
                for (const Qt::Key key : controlKeys) {
                    QVERIFY2(shortcut[0].key() != key, qPrintable(shortcut.toString()));
                }
            }
        }
    }

    // The speed walks through its steps by the window's own commands, and the title says where
    // it stands: "[" halves the speed down to 1/16 and no further, "]" doubles it back up to
    // normal and no further, Backspace is normal at once; a pause shows above any speed. In
    // English as in Russian.
    void speedSteps_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("paused");
        QTest::newRow("ru") << "ru" << QStringLiteral("Velmora — пауза");
        QTest::newRow("en") << "en" << QStringLiteral("Velmora — paused");
    }
    void speedSteps() {
        QFETCH(QString, language);
        QFETCH(QString, paused);
        Translations translations(language);
        translations.install();
        Form1 form;
        attachClassroom(form);
        action(form, Command::Pause).setEnabled(true);
        using enum Classroom::Command;
        const QList<Command> walk{Slower, Slower, Slower, Slower, Slower, Faster, Pause,
                                  Pause,  Faster, Faster, Faster, Faster, Slower, NormalSpeed};
        const QList<int> slowdowns{2, 4, 8, 16, 16, 8, 8, 8, 4, 2, 1, 1, 2, 1};
        const auto title = [&](int slowdown) {
            if (form.demoClock().paused()) {
                return paused;
            }
            return slowdown == 1 ? QStringLiteral("Velmora")
                                 : QStringLiteral("Velmora — ×1/%1").arg(slowdown);
        };
        for (qsizetype i = 0; i < walk.size(); ++i) {
            action(form, walk[i]).trigger();
            QCOMPARE(form.demoClock().slowdown(), slowdowns[i]);
            QCOMPARE(form.windowTitle(), title(slowdowns[i]));
        }
    }

    // The picture and the clipboard's image are the window as it shows, with the curves and the
    // needles drawn during the run, also while the last pass's lines wait to be painted; taking
    // them changes nothing on the window. In particular no rest needle appears on the voltmeter,
    // whose needle the last pass put at -30 degrees.
    void pictureIsWhatTheWindowShows() {
        Lesson d;
        d.form->picShirma->hide();
        QVERIFY(shown::show(*d.form));
        QGuiApplication::clipboard()->clear();
        DRIVE(d.run(30, [](Demo& demo) {
            if (demo.pass != 26) {  // pass 25 was at 6 s: cos(4.71 × 6) is -1
                return;
            }
            Form1& f = *demo.form;
            const QImage picture = rgb(windowPicture(f));
            const QImage shown = demo.screen();
            QCOMPARE(picture, shown);
            const QPoint restNeedle = shown::onWindow(*f.picvolt, QPoint(1400, 1000), f);
            QCOMPARE(shown.pixel(restNeedle), scene::toQColor(scene::kVoltmeterBlue).rgb());
            action(demo, Command::CopyPicture).trigger();
            QCOMPARE(rgb(QGuiApplication::clipboard()->image()), shown);
            QCOMPARE(demo.screen(), shown);
        }));
    }

    // A picture is written in the format its name asks for, or as PNG with ".png" added, through
    // a temporary file: a failure leaves no file behind, an older file of the same name as it
    // was, and says why in the interface language where the file system tells.
    void writePicture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<QString>("file");       // the file there afterwards
        QTest::addColumn<QByteArray>("format");  // what it holds
        QTest::addColumn<QString>("failure");    // what the failure says
        const QByteArray png("png");
        QTest::newRow("new file") << "a.png" << true << false << "a.png" << png << "";
        QTest::newRow("over an old file") << "a.png" << true << true << "a.png" << png << "";
        QTest::newRow("JPEG") << "a.JPG" << true << false << "a.JPG" << QByteArray("jpeg") << "";
        QTest::newRow("BMP") << "a.bmp" << true << false << "a.bmp" << QByteArray("bmp") << "";
        QTest::newRow("no suffix") << "a" << true << false << "a.png" << png << "";
        QTest::newRow("unknown suffix") << "a.txt" << true << false << "a.txt.png" << png << "";
        QTest::newRow("into a missing folder")
            << "missing/a.png" << true << false << "" << png << "папки «";
        QTest::newRow("into a read-only folder")
            << "read-only/a.png" << true << false << "" << png << "нет права записывать в папку «";
        QTest::newRow("failing over an old file")
            << "a.png" << false << true << "a.png" << png << "";
    }
    void writePicture() {
        QFETCH(QString, name);
        QFETCH(bool, picture);
        QFETCH(bool, oldFile);
        QFETCH(QString, file);
        QFETCH(QByteArray, format);
        QFETCH(QString, failure);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("read-only")));
        const QString readOnly = dir.filePath(QStringLiteral("read-only"));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));
        if (name.startsWith(QLatin1String("read-only")) && QFileInfo(readOnly).isWritable()) {
            QSKIP("this user writes into any folder");
        }
        const QString path = picturePath(dir.filePath(name));
        const QByteArray old = "an older file";
        if (oldFile) {
            QFile older(path);
            QVERIFY(older.open(QIODevice::WriteOnly));
            older.write(old);
        }
        QImage image;
        if (picture) {
            image = QImage(40, 30, QImage::Format_RGB32);
            image.fill(Qt::blue);
        }
        const QString said = ::writePicture(image, path);
        QVERIFY2(said.isEmpty() == (picture && failure.isEmpty()), qPrintable(said));
        QVERIFY2(said.contains(failure), qPrintable(said));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 file.isEmpty() ? QStringList{} : QStringList{file});
        if (oldFile && !picture) {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), old);
        } else if (!file.isEmpty()) {
            QImageReader reader(dir.filePath(file));
            QCOMPARE(reader.format(), format);
            QCOMPARE(reader.read().size(), image.size());
        }
    }

    // During a run, choosing where to save holds the demonstration: ten seconds in the dialog,
    // and the next pass is still one step on. The file is the picture of the moment of the
    // command; a failure says so in a message box.
    void saveDuringARun_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved") << "picture.png" << true;
        QTest::newRow("folder missing") << "missing/picture.png" << false;
    }
    void saveDuringARun() {
        QFETCH(QString, name);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        Lesson d;
        QVERIFY(shown::show(*d.form));
        QImage shown;
        QString message;
        bool standingWhileChoosing = false;
        classroomOf(*d.form).setFileChooser([&](QWidget&, const QString&, const QString&) {
            standingWhileChoosing = d.form->demoClock().standing();
            d.now += 10;
            return path;
        });
        DRIVE(d.run(12, [&](Demo& demo) {
            if (demo.pass == 9) {
                shown = demo.screen();
                const auto messageShown = whenShown<QMessageBox>([&](QMessageBox& box) {
                    message = box.text();
                    box.accept();
                });
                action(demo, Command::SavePicture).trigger();
            } else if (demo.pass == 11) {
                // Pass 9 read 2.0 before the command; pass 10 is one step on.
                QCOMPARE(demo.form->curX, 8850.0 + 2.25 * 400);
            }
        }));
        QVERIFY(standingWhileChoosing);
        if (saved) {
            QCOMPARE(rgb(QImage(path)), shown);
            QVERIFY(message.isEmpty());
        } else {
            QVERIFY(!QFile::exists(path));
            QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        }
    }

    // The standard save dialog starts in the Pictures folder (the home folder where there is
    // none) and offers a PNG named for the moment.
    void saveDialog() {
        Form1 form;
        attachClassroom(form);
        QString folder;
        QString offered;
        const auto dialogShown = whenShown<QFileDialog>([&](QFileDialog& dialog) {
            folder = dialog.directory().absolutePath();
            offered = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            dialog.reject();
        });
        QDateTime before = QDateTime::currentDateTime();
        before.setTime(QTime(before.time().hour(), before.time().minute(), before.time().second()));
        action(form, Command::SavePicture).trigger();
        QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        if (!QDir(pictures).exists()) {
            pictures = QDir::homePath();
        }
        QCOMPARE(folder, QDir(pictures).absolutePath());
        // Named for the moment of the command, to the second.
        const QDateTime named =
            QDateTime::fromString(offered, QStringLiteral("'velmora-'yyyy-MM-dd-HHmmss'.png'"));
        QVERIFY2(before <= named && named <= QDateTime::currentDateTime(), qPrintable(offered));
    }

    // A right click anywhere, also on a control, opens the menu of every command with its key,
    // and the demonstration's time stands still while it is open.
    void contextMenu() {
        Form1 form;
        attachClassroom(form);
        QVERIFY(shown::show(form));
        QStringList items;
        bool standing = false;
        const auto menuShown = whenShown<QMenu>([&](QMenu& menu) {
            standing = form.demoClock().standing();
            for (const QAction* a : menu.actions()) {
                if (!a->isSeparator()) {
                    items << a->text() + QLatin1Char('\t') + a->shortcut().toString();
                }
            }
            menu.close();
        });
        QTest::mouseClick(form.windowHandle(), Qt::RightButton, {},
                          form.sldL->mapTo(&form, QPoint(20, 10)));
        QVERIFY(standing);
        QCOMPARE(items,
                 (QStringList{
                     "Пауза\tP", "Медленнее\t[", "Быстрее\t]", "Обычная скорость\tBackspace",
                     "Крупнее\tCtrl++", "Мельче\tCtrl+-", "Исходный размер\tCtrl+0",
                     "По размеру экрана\t", "Во весь экран\tF11", "Русский\t", "English\t",
                     "Сбросить вид: исходный размер, русский язык\t", "Элемент цепи\t",
                     "Сравнить три элемента\t3", "Векторная диаграмма\tV",
                     "Сохранить картинку…\tCtrl+S", "Копировать картинку\tCtrl+C", "Справка\tF1"}));
        QVERIFY(!form.demoClock().standing());
    }

    // F1 opens the help in a window of its own that does not hold the run, where the window's
    // keys work too; pressed again it brings the same window back.
    void help() {
        Lesson d;
        QVERIFY(shown::show(*d.form));
        QPointer<QTextBrowser> help;
        DRIVE(d.run(6, [&](Demo& demo) {
            if (demo.pass == 2) {
                QTest::keyClick(demo.form->windowHandle(), Qt::Key_F1);
                help = classroomOf(*demo.form).helpWindow();
                QVERIFY(help && help->isVisible() && help->isWindow());
                QVERIFY(!help->isModal());
                QCOMPARE(help->windowTitle(), QStringLiteral("Velmora — справка"));
                const QString text = help->toPlainText();
                for (const char* part : {"cos ωt", "sin ωt", "Ctrl+S", "Backspace", "--scale",
                                         "Векторная диаграмма и числа", "усл. ед.",
                                         "делённое на 10", "делённое на 2"}) {
                    QVERIFY2(text.contains(QString::fromUtf8(part)), part);
                }
                // The window's keys work in the help window, and Esc closes it.
                QVERIFY(QTest::qWaitForWindowActive(help));
                QTest::keyClick(help->windowHandle(), Qt::Key_BracketLeft);
                QCOMPARE(demo.form->demoClock().slowdown(), 2);
                QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
                QVERIFY(!help->isVisible());
            } else if (demo.pass == 4) {
                action(demo, Command::Help).trigger();
                QCOMPARE(classroomOf(*demo.form).helpWindow(), help.data());
                QVERIFY(help->isVisible());
            }
        }));
        QCOMPARE(d.pass, 6);
    }

  private:
    QTemporaryDir settings_;
};

QTEST_MAIN(ClassroomTest)
#include "tst_classroom.moc"
