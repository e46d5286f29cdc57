// The window at a projector's sizes, on a 4K screen: a run goes on through a change of size with
// its state and its traces, every kind of line has one width at any scale, the interface changes
// language at once, and the pause shows as a badge that no picture keeps.

#include <QClipboard>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "classroom/classroom.h"
#include "classroom/projector_view.h"
#include "classroom/remembered.h"
#include "classroom/screen_scale.h"
#include "classroom/window_picture.h"
#include "demo_driver.h"
#include "scene/colour.h"
#include "scene/units.h"
#include "shell/application.h"
#include "shell/translations.h"

using Command = Classroom::Command;
Q_DECLARE_METATYPE(QList<Command>)
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
    // the graph's grid across and down, the frames of the wires, the traces, a needle and the
    // dials' marks.
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

        // Level traces, 2 pixels at scale 1, at the heights of a voltage at its peak and of no
        // current; the voltmeter's needle upright and its middle mark, 3 pixels.
        form.omega = 4.71;
        form.opposition = 4.71 * 0.5;
        for (const double t : {0.25, 0.5, 0.75, 1.0}) {
            form.PlotGraphs(1, 0.5, t, 0, 1);
        }
        form.DrawVoltmeter(0);
        const QImage drawn = classroom.picture();
        QSet<int> traces;
        for (int x = 599; x < 614; x += 2) {
            traces += runs(drawn, at(x, 150), {0, 1}, qRound(25 * scale), qRgb(0, 0, 255), 9);
            traces += runs(drawn, at(x, 335), {0, 1}, qRound(25 * scale), qRgb(255, 0, 0), 9);
        }
        const auto onDial = [&](int x, int y) {
            const double z = scene::zoom();
            const QPoint inner = form.picvolt->mapTo(&form, form.picvolt->innerOrigin()) +
                                 QPoint(qRound(x / 15.0 * z), qRound(y / 15.0 * z));
            return (QPointF(inner) * form.devicePixelRatioF()).toPoint();
        };
        QSet<int> needle;
        QSet<int> marks;
        for (int y = 700; y < 1400; y += 50) {
            needle += runs(drawn, onDial(1250, y), {1, 0}, qRound(20 * scale), scene::kGrey, 9);
        }
        for (int y = 290; y < 410; y += 20) {
            marks += runs(drawn, onDial(1250, y), {1, 0}, qRound(20 * scale), scene::kWhite, 9);
        }
        QCOMPARE(traces, QSet<int>{qMax(1, qRound(2 * scale))});
        QCOMPARE(needle, QSet<int>{qMax(1, qRound(3 * scale))});
        QCOMPARE(marks, QSet<int>{qMax(1, qRound(3 * scale))});
    }

    // At every scale from 0.5 to 4, in both languages, every caption shows whole: each pixel its
    // letters cover wholly has the letters' colour in the window (no neighbour's background lies
    // over them), the letters end inside the box, and under a label's background the frame of the
    // panel it stands on is whole. Below 1 the layout is drawn smaller, from 1 up the screens'
    // scale grows.
    void captionsShowAtEveryScale_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("from");  // hundredths, in steps of
        QTest::addColumn<int>("step");
        for (const char* language : {"ru", "en"}) {
            QTest::addRow("%s, drawn smaller", language) << language << 50 << 1;
            QTest::addRow("%s, screens' scale", language) << language << 100 << 5;
        }
    }
    void captionsShowAtEveryScale() {
        QFETCH(QString, language);
        QFETCH(int, from);
        QFETCH(int, step);
        Translations translations(language);
        translations.install();
        Form1 form;
        form.picShirma->hide();
        QVERIFY(shown::show(form));
        QList<scene::Surface*> surfaces = form.findChildren<scene::Surface*>();
        surfaces << &form;
        const QSize laidOut = form.size();
        QStringList faults;
        for (int hundredths = from; hundredths < (from == 50 ? 100 : 401); hundredths += step) {
            const double scale = hundredths / 100.0;
            scene::setZoom(std::min(scale, 1.0));
            setWindowScale(std::max(scale, 1.0), [&] { form.windowHandle()->resize(laidOut); });
            const QImage picture = windowPicture(form);
            const qreal ratio = picture.devicePixelRatio();
            // An element's letters or frame within `under`, painted alone: the pixels it covers
            // wholly that the window does not show, and the right edge of its ink.
            const auto hidden = [&](const scene::Windowless& e, QPoint origin, const QRect& under) {
                const QRect device = QRectF(QPointF(under.translated(origin).topLeft()) * ratio,
                                            QSizeF(under.size()) * ratio)
                                         .toAlignedRect();
                QImage alone(device.size(), QImage::Format_ARGB32_Premultiplied);
                alone.fill(Qt::transparent);
                alone.setDevicePixelRatio(ratio);
                QPainter p(&alone);
                p.translate(QPointF(origin) - QPointF(device.topLeft()) / ratio);
                p.setClipRect(under);
                e.paintInk(p);
                std::pair count{0, -1};
                for (int y = 0; y < alone.height(); ++y) {
                    for (int x = 0; x < alone.width(); ++x) {
                        const QRgb ink = alone.pixel(x, y);
                        const QPoint at = device.topLeft() + QPoint(x, y);
                        count.first += qAlpha(ink) == 255 && picture.pixel(at) != ink ? 1 : 0;
                        count.second =
                            qAlpha(ink) > 64 ? std::max(count.second, at.x()) : count.second;
                    }
                }
                return count;
            };
            for (const scene::Surface* surface : surfaces) {
                const QPoint origin = surface->mapTo(&form, surface->innerOrigin());
                const auto& elements = surface->windowlessElements();
                for (const auto& e : elements) {
                    const auto* label = std::get_if<scene::LabelSpec>(&e->laidOut());
                    if (!surface->isVisible() || !label || !e->Visible() ||
                        e->Caption().isEmpty()) {
                        continue;
                    }
                    const QRect box = scene::toPixels(label->box);
                    const auto [count, right] = hidden(*e, origin, e->textBounds() | box);
                    if (count > 0 || right >= qCeil((origin.x() + box.right() + 1) * ratio)) {
                        faults << QStringLiteral("%1 at %2: %3 pixels hidden, ink to %4")
                                      .arg(e->id().toString())
                                      .arg(scale)
                                      .arg(count)
                                      .arg(right);
                    }
                    for (const auto& frame : elements) {
                        const QRect under = box & frame->pixelBounds();
                        if (label->back && frame->Visible() && !under.isEmpty() &&
                            std::holds_alternative<scene::ShapeSpec>(frame->laidOut()) &&
                            hidden(*frame, origin, under).first > 0) {
                            faults << QStringLiteral("%1 over %2's frame at %3")
                                          .arg(e->id().toString(), frame->id().toString())
                                          .arg(scale);
                        }
                    }
                }
            }
        }
        scene::setZoom(1);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
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

    // Made larger, or given the phasor diagram, near the screen's lower right corner, the whole
    // window stays on the screen, moved as far as it must.
    void theWindowStaysOnTheScreen_data() {
        QTest::addColumn<QList<Command>>("commands");
        QTest::newRow("a step larger, twice") << QList<Command>{Command::Larger, Command::Larger};
        QTest::newRow("the phasor diagram") << QList<Command>{Command::Phasors};
        QTest::newRow("larger, and the diagram")
            << QList<Command>{Command::Larger, Command::Phasors, Command::Larger};
    }
    void theWindowStaysOnTheScreen() {
        QFETCH(QList<Command>, commands);
        Form1 form;
        Classroom& classroom = attachClassroom(form);
        QVERIFY(shown::show(form));
        const QRect screen = form.screen()->availableGeometry();
        form.move(screen.bottomRight() - QPoint(1100, 800));
        for (const Command c : commands) {
            classroom.action(c).trigger();
            QVERIFY2(screen.contains(form.frameGeometry()),
                     qPrintable(QStringLiteral("%1, %2 %3 × %4")
                                    .arg(form.frameGeometry().x())
                                    .arg(form.frameGeometry().y())
                                    .arg(form.frameGeometry().width())
                                    .arg(form.frameGeometry().height())));
        }
    }

    // Settings that heal: a file that cannot be read is replaced by a good one at the next change,
    // a later version's key stays, a value the program does not know is passed over alone.
    void settingsHeal_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QByteArray>("kept");  // what stays in the file after the change
        QTest::newRow("garbage") << QByteArray("\x01\xff\xfe[unfinished\nno value\n") << false
                                 << QByteArray();
        QTest::newRow("text the toolkit cannot write into")
            << QByteArray("[view\nsize\n") << false << QByteArray();
        QTest::newRow("a later version's key")
            << QByteArray("[view]\nsize=scale\nscale=2\nzoom=7\n") << true << QByteArray("zoom=7");
        QTest::newRow("a value it does not know")
            << QByteArray("language=de\n[view]\nsize=fit\n") << false << QByteArray("[view]");
    }
    void settingsHeal() {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        QFETCH(QByteArray, kept);
        const QString path = QSettings(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("velmora"), QStringLiteral("velmora"))
                                 .fileName();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(file);
        damaged.close();
        QCOMPARE(recall().unreadable.isEmpty(), readable);
        remember({ViewSize::Mode::Scale, 1.5});
        rememberLanguage(QStringLiteral("en"));
        const Remembered next = recall();
        QVERIFY2(next.unreadable.isEmpty(), qPrintable(next.unreadable));
        QVERIFY(next.size == (ViewSize{ViewSize::Mode::Scale, 1.5}));
        QCOMPARE(next.language, QStringLiteral("en"));
        QFile now(path);
        QVERIFY(now.open(QIODevice::ReadOnly));
        QVERIFY(now.readAll().contains(kept));
    }

    // While paused the badge says so in the corner, clear of the heading's letters at every size;
    // the pictures that Ctrl+C copies and Ctrl+S saves leave it out; continued, it goes.
    void theBadgeShowsThePause() {
        Demo d;
        Classroom& classroom = attachClassroom(*d.form);
        const QString saved = settings_.filePath(QStringLiteral("paused.png"));
        classroom.setFileChooser([&](QWidget&, const QString&, const QString&) { return saved; });
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
                const QPoint inside =
                    badge->mapTo(demo.form.get(), QPoint(badge->width() / 2, badge->height() / 4));
                QCOMPARE(demo.screen().pixelColor(inside), QColor(176, 0, 0));
                classroom.action(Command::CopyPicture).trigger();
                classroom.action(Command::SavePicture).trigger();
                const QColor face = scene::toQColor(scene::kButtonFace);
                QCOMPARE(QGuiApplication::clipboard()->image().pixelColor(inside), face);
                QCOMPARE(QImage(saved).pixelColor(inside), face);
            } else if (demo.pass == 3) {
                for (const double scale : {0.5, 0.75, 1.0, 1.5, 2.5}) {
                    classroom.view().show({ViewSize::Mode::Scale, scale});
                    QCoreApplication::processEvents();
                    const QImage picture = classroom.picture();
                    const double s = picture.devicePixelRatio() * scene::zoom() / 15;
                    const int left = qRound(badge->x() * picture.devicePixelRatio());
                    int letters = 0;  // where the heading's last letter ends
                    for (int y = qRound(240 * s); y < qRound(855 * s); ++y) {
                        for (int x = qRound(3030 * s); x < picture.width(); ++x) {
                            letters =
                                qGray(picture.pixel(x, y)) < 100 ? std::max(letters, x) : letters;
                        }
                    }
                    QVERIFY2(letters < left &&
                                 QRect(QPoint(), demo.form->size()).contains(badge->geometry()),
                             qPrintable(QStringLiteral("at %1 the heading ends at %2, the badge "
                                                       "begins at %3")
                                            .arg(scale)
                                            .arg(letters)
                                            .arg(left)));
                }
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
