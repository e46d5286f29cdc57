// The phasor diagram: its numbers against the formulas for three settings, its arrows and numbers
// against the run loop's own phases at the instants of a run, the arrows' scales at every
// setting, its picture at rest and during a run, and the letters the back row reads.

#include <QClipboard>
#include <QLabel>
#include <QScreen>
#include <QSlider>
#include <QtTest>
#include <cmath>

#include "classroom/classroom.h"
#include "classroom/phasor_numbers.h"
#include "classroom/phasor_panel.h"
#include "classroom/projector_view.h"
#include "classroom/screen_scale.h"
#include "demo_driver.h"
#include "physics/generator.h"
#include "physics/phasors.h"
#include "shell/application.h"

using driver::Demo;

Q_DECLARE_METATYPE(physics::ElementKind)

namespace {

QScreen* screenOf(QSize size) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->size() == size) {
            return screen;
        }
    }
    return nullptr;
}

using physics::ElementKind;

// Where the diagram puts an arrow's middle, in pixels of the window: the tip's own units to the
// circle that its radius stands for (the longest voltage 90 % of it, the longest current 60 %), the
// circle 12 pixels inside the square's half.
QPoint arrowMiddle(const PhasorPanel& panel, QPointF tip, double length, double fill) {
    const QRectF square = panel.diagram().translated(panel.pos());
    const double reach = square.width() / 2 - 12;
    const QPointF along = QPointF(tip.x(), -tip.y()) * (reach / physics::radiusFor(length, fill));
    return (square.center() + along / 2).toPoint();
}

}  // namespace

class PhasorsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }
    void cleanup() {
        setWindowScale(1, [] {});
    }

    // ω = mode's π multiple (π = 3.14); the element's value: L = slider ÷ 2, C = slider ÷ 100,
    // R = slider; Um = slider ÷ 10; X_L = ωL, X_C = 1/(ωC); Im = Um/X; U and I the amplitudes
    // ÷ √2; the power's swing Um·Im/2 at 2ν about its mean Um·Im·cos φ/2, worked out by hand.
    void numbers_data() {
        QTest::addColumn<ElementKind>("element");
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("u");
        QTest::addColumn<int>("position");
        QTest::addColumn<QList<double>>("expected");  // ω ν T value Um X Im U I P mean
        const auto row = [](const char* name, ElementKind e, int w, int u, int position,
                            QList<double> expected) {
            QTest::newRow(name) << e << w << u << position << expected;
        };
        row("coil, slowest, largest amplitude, smallest L", ElementKind::Coil, 1, 10, 1,
            {0.314, 0.05, 20, 0.5, 1, 0.157, 6.36943, 0.707107, 4.50388, 3.18471, 0});
        row("coil, defaults", ElementKind::Coil, 5, 5, 1,
            {4.71, 0.75, 1.33333, 0.5, 0.5, 2.355, 0.212314, 0.353553, 0.150129, 0.0530786, 0});
        row("coil, fastest, largest L", ElementKind::Coil, 9, 5, 10,
            {12.56, 2, 0.5, 5, 0.5, 62.8, 0.00796178, 0.353553, 0.0056298, 0.00199045, 0});
        // X_C = 1/(0.314 × 0.01) = 318.471, Im = 1 × 0.314 × 0.01 = 0.00314.
        row("capacitor, slowest, largest amplitude, smallest C", ElementKind::Capacitor, 1, 10, 1,
            {0.314, 0.05, 20, 0.01, 1, 318.471, 0.00314, 0.707107, 0.00222032, 0.00157, 0});
        // X_C = 1/(4.71 × 0.1) = 2.12314, Im = 0.5 × 0.471 = 0.2355.
        row("capacitor, defaults, its slider at 10", ElementKind::Capacitor, 5, 5, 10,
            {4.71, 0.75, 1.33333, 0.1, 0.5, 2.12314, 0.2355, 0.353553, 0.166523, 0.058875, 0});
        // X_C = 1/1.256 = 0.796178, Im = 0.5 × 1.256 = 0.628.
        row("capacitor, fastest, largest C", ElementKind::Capacitor, 9, 5, 10,
            {12.56, 2, 0.5, 0.1, 0.5, 0.796178, 0.628, 0.353553, 0.444063, 0.157, 0});
        // In step: the power's mean is as large as its swing.
        row("resistor, slowest, largest amplitude, smallest R", ElementKind::Resistor, 1, 10, 1,
            {0.314, 0.05, 20, 1, 1, 1, 1, 0.707107, 0.707107, 0.5, 0.5});
        row("resistor, defaults", ElementKind::Resistor, 5, 5, 1,
            {4.71, 0.75, 1.33333, 1, 0.5, 1, 0.5, 0.353553, 0.353553, 0.125, 0.125});
        row("resistor, fastest, largest R", ElementKind::Resistor, 9, 5, 10,
            {12.56, 2, 0.5, 10, 0.5, 10, 0.05, 0.353553, 0.0353553, 0.0125, 0.0125});
    }
    void numbers() {
        QFETCH(ElementKind, element);
        QFETCH(int, w);
        QFETCH(int, u);
        QFETCH(int, position);
        QFETCH(QList<double>, expected);
        const physics::Quantities q = physics::quantities({{w, u, position, element}, 0}, 3.14);
        const QList<double> got{q.omega,      q.frequency,      q.period,   q.value,
                                q.voltage,    q.opposition,     q.current,  q.rmsVoltage,
                                q.rmsCurrent, q.powerAmplitude, q.meanPower};
        for (int k = 0; k < got.size(); ++k) {
            QVERIFY2(std::abs(got[k] - expected[k]) <= 1e-5 * std::abs(expected[k]) + 1e-15,
                     qPrintable(QStringLiteral("quantity %1: %2").arg(k).arg(got[k])));
        }
        // At the start instant the voltage is at its peak, the power its current times it.
        QCOMPARE(q.u, q.voltage);
        QCOMPARE(q.p, q.u * q.i);
        const QList<phasors::Entry> ru = phasors::entries(element, q, QLocale(QLocale::Russian));
        const QString current = phasors::threeFigures(q.current, QLocale(QLocale::Russian));
        const auto im = std::find_if(ru.begin(), ru.end(), [](const phasors::Entry& e) {
            return e.copied.startsWith(QLatin1String("Im = "));
        });
        QVERIFY(im != ru.end() && im->copied.contains(current));
        QCOMPARE(im->spoken,
                 QStringLiteral("амплитуда тока I m, %1, условных единиц").arg(current));
    }

    // Three significant figures, the decimal sign of the language, and a carry that adds a figure;
    // the instant's values too, however small.
    void threeFigures_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("ru");
        QTest::addColumn<QString>("en");
        QTest::newRow("below 1") << 0.212314 << "0,212"
                                 << "0.212";
        QTest::newRow("whole tens") << 20.0 << "20,0"
                                    << "20.0";
        QTest::newRow("thousands, no separator") << 1592.4 << "1590"
                                                 << "1590";
        QTest::newRow("carried") << 9.996 << "10,0"
                                 << "10.0";
        QTest::newRow("negative") << -0.0056298 << "-0,00563"
                                  << "-0.00563";
        QTest::newRow("an instant's u") << 0.29537 << "0,295"
                                        << "0.295";
        QTest::newRow("an instant's p") << -0.049012 << "-0,0490"
                                        << "-0.0490";
    }
    void threeFigures() {
        QFETCH(double, value);
        QFETCH(QString, ru);
        QFETCH(QString, en);
        QCOMPARE(phasors::threeFigures(value, QLocale(QLocale::Russian)), ru);
        QCOMPARE(phasors::threeFigures(value, QLocale(QLocale::English)), en);
    }

    // Each arrow on a scale of its own, at every one of the sliders' settings and for every
    // element: the voltage's from 67.5 % to 90 % of the radius, a current's from 45 % to 60 %,
    // and the radius a round number.
    void everyArrowLongEnough() {
        for (const ElementKind e : physics::kElementKinds) {
            for (int w = 1; w <= 9; ++w) {
                for (int u = 1; u <= 10; ++u) {
                    for (int position = 1; position <= 10; ++position) {
                        const physics::Quantities q =
                            physics::quantities({{w, u, position, e}, 0}, 3.14);
                        for (const auto& [length, fill] :
                             {std::pair{q.voltage, 0.9}, std::pair{q.current, 0.6}}) {
                            const double r = physics::radiusFor(length, fill);
                            const double mantissa = r / std::pow(10.0, std::floor(std::log10(r)));
                            QVERIFY2(length / r >= 0.75 * fill - 1e-9 &&
                                         length / r <= fill + 1e-9 &&
                                         QList<double>({1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8})
                                             .contains(std::round(mantissa * 10) / 10),
                                     qPrintable(QStringLiteral("%1 %2 %3: %4 on a radius of %5")
                                                    .arg(w)
                                                    .arg(u)
                                                    .arg(position)
                                                    .arg(length)
                                                    .arg(r)));
                        }
                    }
                }
            }
        }
    }

    // At every pass, for each element, the instant's current is Im·cos(ωt − φ) at the run loop's
    // own time, φ = 90° for the coil (behind), −90° for the capacitor (ahead), 0 for the resistor;
    // the arrows' tips are the run's voltage and current, turned φ apart, and the power is their
    // product; the sliders moved in the middle of the run.
    void arrowsFollowTheRun_data() {
        QTest::addColumn<ElementKind>("element");
        QTest::addColumn<double>("phi");
        QTest::newRow("coil") << ElementKind::Coil << 90.0;
        QTest::newRow("capacitor") << ElementKind::Capacitor << -90.0;
        QTest::newRow("resistor") << ElementKind::Resistor << 0.0;
    }
    void arrowsFollowTheRun() {
        QFETCH(ElementKind, element);
        QFETCH(double, phi);
        Demo d;
        d.form->setElement(element);
        d.step = 0.37;
        DRIVE(d.run(30, [&](Demo& demo) {
            const Form1& f = *demo.form;
            if (demo.pass == 12) {
                demo.form->sldW->setValue(2);
                demo.form->sldU->setValue(9);
            }
            if (demo.pass < 3) {
                return;
            }
            const physics::Instant at = f.shownInstant();
            const auto [voltagePhase, currentPhase] = f.Phases(at.t);
            const double amplitude = physics::amplitudeAt(at.settings.amplitude);
            const double current = amplitude / f.opposition;
            QVERIFY(std::abs(currentPhase - std::cos(f.omega * at.t - phi * M_PI / 180)) < 1e-9);
            const physics::Arrows tips = physics::arrows(at, f.pi);
            const physics::Quantities q = physics::quantities(at, f.pi);
            QCOMPARE(tips.voltage.y(), amplitude * voltagePhase);
            QCOMPARE(tips.current.y(), current * currentPhase);
            QCOMPARE(q.u, amplitude * voltagePhase);
            QCOMPARE(q.i, current * currentPhase);
            QCOMPARE(q.p, q.u * q.i);
            const double turn = std::atan2(tips.voltage.y(), tips.voltage.x()) -
                                std::atan2(tips.current.y(), tips.current.x());
            QVERIFY(std::abs(std::remainder(turn - phi * M_PI / 180, 2 * M_PI)) < 1e-9);
        }));
    }

    // At rest the diagram shows the start instant: the voltage's arrow up the axis, the current's
    // at right angles to it, to the right; during a run it turns with the run's instant; its
    // numbers are what Ctrl+C copies while it or one of its numbers has the focus.
    void picture() {
        Demo d;
        Classroom& classroom = attachClassroom(*d.form);
        classroom.action(Classroom::Command::Phasors).trigger();
        QVERIFY(shown::show(*d.form));
        const PhasorPanel* panel = classroom.phasors();
        QVERIFY(panel && panel->isVisible());
        const auto middles = [&] {
            const physics::Instant at = d.form->shownInstant();
            const physics::Quantities q = physics::quantities(at, d.form->pi);
            const physics::Arrows tips = physics::arrows(at, d.form->pi);
            return std::pair{arrowMiddle(*panel, tips.voltage, q.voltage, 0.9),
                             arrowMiddle(*panel, tips.current, q.current, 0.6)};
        };
        const auto shows = [&](const QImage& picture) {
            const auto [voltage, current] = middles();
            return picture.pixelColor(voltage) == QColor(0, 0, 255) &&
                   picture.pixelColor(current) == QColor(255, 0, 0);
        };
        const QPointF origin = QRectF(panel->diagram().translated(panel->pos())).center();
        const auto [up, right] = middles();
        QVERIFY(std::abs(up.x() - origin.x()) <= 1 && up.y() < origin.y() - 20);
        QVERIFY(std::abs(right.y() - origin.y()) <= 1 && right.x() > origin.x() + 20);
        QVERIFY(shows(classroom.picture()));
        DRIVE(d.run(8, [&](Demo& demo) {
            if (demo.pass == 4 || demo.pass == 7) {
                QVERIFY2(shows(demo.screen()), qPrintable(QString::number(demo.pass)));
            }
        }));
        // With the focus on the diagram or on one of its numbers, Ctrl+C copies the numbers.
        for (QWidget* focus : {static_cast<QWidget*>(classroom.phasors()),
                               static_cast<QWidget*>(panel->rows().back())}) {
            QGuiApplication::clipboard()->clear();
            focus->setFocus();
            QTest::keyClick(d.form->windowHandle(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), panel->numbers());
        }
        QVERIFY(panel->numbers().startsWith(QStringLiteral("ω = 4,71 рад/с\n")));
    }

    // For the back row: full screen on 1920 × 1080 the numbers' capitals are 22 pixels tall at
    // least; fitted to a projector of 1280 × 720, the panel still shows every number whole.
    void backRowReads_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("mode");
        QTest::newRow("full screen, 1920 × 1080")
            << QSize(1920, 1080) << static_cast<int>(ViewSize::Mode::FullScreen);
        QTest::newRow("fitted, 1280 × 720")
            << QSize(1280, 720) << static_cast<int>(ViewSize::Mode::Fit);
    }
    void backRowReads() {
        QFETCH(QSize, screen);
        QFETCH(int, mode);
        Form1 form;
        form.setScreen(screenOf(screen));
        Classroom& classroom = attachClassroom(form);
        classroom.action(Classroom::Command::Phasors).trigger();
        classroom.view().show({static_cast<ViewSize::Mode>(mode)});
        QVERIFY(shown::show(form));
        const PhasorPanel& panel = *classroom.phasors();
        QVERIFY(QRect(QPoint(), form.size()).contains(panel.geometry()));
        for (const QLabel* row : panel.rows()) {
            QVERIFY2(row->geometry().bottom() < panel.height(), qPrintable(row->text()));
        }
        if (static_cast<ViewSize::Mode>(mode) != ViewSize::Mode::FullScreen) {
            return;
        }
        // The height of the "T" of the period's row, in the screen's pixels.
        QLabel& period = *panel.rows()[2];
        QVERIFY(period.text().startsWith(QLatin1Char('T')));
        const QImage shown = period.grab().toImage();
        const int letterWidth =
            qCeil(QFontMetricsF(period.font()).horizontalAdvance(QLatin1Char('T')) *
                  shown.devicePixelRatio() * 0.6);
        int top = shown.height();
        int bottom = -1;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < letterWidth; ++x) {
                if (qGray(shown.pixel(x, y)) < 96) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        QVERIFY2(bottom - top + 1 >= 22,
                 qPrintable(QStringLiteral("capitals %1 pixels tall").arg(bottom - top + 1)));
    }
};

QTEST_MAIN(PhasorsTest)
#include "tst_phasors.moc"
