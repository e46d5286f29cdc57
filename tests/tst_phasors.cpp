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
#include "classroom/phasor_panel.h"
#include "classroom/phasors.h"
#include "classroom/projector_view.h"
#include "classroom/screen_scale.h"
#include "demo_driver.h"
#include "shell/application.h"

using driver::Demo;

namespace {

QScreen* screenOf(QSize size) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->size() == size) {
            return screen;
        }
    }
    return nullptr;
}

// Where the diagram puts an arrow's middle, in pixels of the window: the tip's own units to the
// circle that its radius stands for, the circle 12 pixels inside the square's half.
QPoint arrowMiddle(const PhasorPanel& panel, QPointF tip, double length) {
    const QRectF square = panel.diagram().translated(panel.pos());
    const double reach = square.width() / 2 - 12;
    const QPointF along = QPointF(tip.x(), -tip.y()) * (reach / phasors::radiusFor(length));
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

    // ω = mode's π multiple (π = 3.14), L = slider ÷ 2, Um = slider ÷ 10, XL = ωL, Im = Um/XL,
    // U and I the amplitudes ÷ √2, the power's amplitude Um·Im/2 at 2ν, worked out by hand.
    void numbers_data() {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("u");
        QTest::addColumn<int>("l");
        QTest::addColumn<QList<double>>("expected");  // ω ν T L Um XL Im U I P
        QTest::newRow("slowest, largest amplitude, smallest inductance")
            << 1 << 10 << 1
            << QList<double>{0.314, 0.05, 20, 0.5, 1, 0.157, 6.36943, 0.707107, 4.50388, 3.18471};
        QTest::newRow("defaults") << 5 << 5 << 1
                                  << QList<double>{4.71,  0.75,     1.33333,  0.5,      0.5,
                                                   2.355, 0.212314, 0.353553, 0.150129, 0.0530786};
        QTest::newRow("fastest, largest inductance")
            << 9 << 5 << 10 << QList<double>{12.56, 2,          0.5,      5,         0.5,
                                             62.8,  0.00796178, 0.353553, 0.0056298, 0.00199045};
    }
    void numbers() {
        QFETCH(int, w);
        QFETCH(int, u);
        QFETCH(int, l);
        QFETCH(QList<double>, expected);
        const phasors::Quantities q = phasors::quantities({{w, u, l}, 0}, 3.14);
        const QList<double> got{q.omega,      q.frequency,     q.period,  q.inductance,
                                q.voltage,    q.reactance,     q.current, q.rmsVoltage,
                                q.rmsCurrent, q.powerAmplitude};
        for (int k = 0; k < got.size(); ++k) {
            QVERIFY2(std::abs(got[k] / expected[k] - 1) < 1e-5,
                     qPrintable(QStringLiteral("quantity %1: %2").arg(k).arg(got[k])));
        }
        // At the start instant the voltage is at its peak, the current and the power are 0.
        QCOMPARE(q.u, q.voltage);
        QCOMPARE(q.i, 0.0);
        const QList<phasors::Entry> ru = phasors::entries(q, QLocale(QLocale::Russian));
        QCOMPARE(ru.size(), 15);
        const QString current = phasors::threeFigures(q.current, QLocale(QLocale::Russian));
        QVERIFY(ru[6].copied.contains(current));
        QCOMPARE(ru[6].spoken,
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

    // Each arrow on a scale of its own, at every one of the sliders' settings: from 67.5 % to 90 %
    // of the radius, whatever its quantity, and the radius a round number.
    void everyArrowLongEnough() {
        for (int w = 1; w <= 9; ++w) {
            for (int u = 1; u <= 10; ++u) {
                for (int l = 1; l <= 10; ++l) {
                    const phasors::Quantities q = phasors::quantities({{w, u, l}, 0}, 3.14);
                    for (const double length : {q.voltage, q.current}) {
                        const double r = phasors::radiusFor(length);
                        const double mantissa = r / std::pow(10.0, std::floor(std::log10(r)));
                        QVERIFY2(length / r >= 0.675 - 1e-9 && length / r <= 0.9 + 1e-9 &&
                                     QList<double>({1, 1.2, 1.5, 2, 2.5, 3, 4, 5, 6, 8})
                                         .contains(std::round(mantissa * 10) / 10),
                                 qPrintable(QStringLiteral("%1 %2 %3: %4 on a radius of %5")
                                                .arg(w)
                                                .arg(u)
                                                .arg(l)
                                                .arg(length)
                                                .arg(r)));
                    }
                }
            }
        }
    }

    // At every pass the arrows' tips and the instant's numbers are the run loop's own phases:
    // the voltage Um·cos ωt, the current Im·sin ωt, a quarter turn behind, the power their
    // product; the sliders moved in the middle of the run.
    void arrowsFollowTheRun() {
        Demo d;
        d.step = 0.37;
        DRIVE(d.run(30, [](Demo& demo) {
            const Form1& f = *demo.form;
            if (demo.pass == 12) {
                demo.form->sldW->setValue(2);
                demo.form->sldU->setValue(9);
            }
            if (demo.pass < 3) {
                return;
            }
            const demo::Instant at = f.shownInstant();
            const auto [voltagePhase, currentPhase] = f.Phases(at.t);
            const double amplitude = demo::amplitudeAt(at.settings.amplitude);
            const double current = amplitude / (f.omega * f.inductance);
            const phasors::Arrows tips = phasors::arrows(at, f.pi);
            const phasors::Quantities q = phasors::quantities(at, f.pi);
            QCOMPARE(tips.voltage.y(), amplitude * voltagePhase);
            QCOMPARE(tips.current.y(), current * currentPhase);
            QCOMPARE(q.u, amplitude * voltagePhase);
            QCOMPARE(q.i, current * currentPhase);
            QCOMPARE(q.p, q.u * q.i);
            const double turn = std::atan2(tips.voltage.y(), tips.voltage.x()) -
                                std::atan2(tips.current.y(), tips.current.x());
            QCOMPARE(std::remainder(turn, 2 * M_PI), M_PI / 2);
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
            const demo::Instant at = d.form->shownInstant();
            const phasors::Quantities q = phasors::quantities(at, d.form->pi);
            const phasors::Arrows tips = phasors::arrows(at, d.form->pi);
            return std::pair{arrowMiddle(*panel, tips.voltage, q.voltage),
                             arrowMiddle(*panel, tips.current, q.current)};
        };
        const auto shows = [&](const QImage& picture) {
            const auto [voltage, current] = middles();
            return picture.pixelColor(voltage) == QColor(0, 0, 255) &&
                   picture.pixelColor(current) == QColor(255, 0, 0);
        };
        const QPointF origin = QRectF(panel->diagram().translated(panel->pos())).center();
        const auto [up, right] = middles();
        QVERIFY(std::abs(up.x() - origin.x()) <= 1 && up.y() < origin.y() - 30);
        QVERIFY(std::abs(right.y() - origin.y()) <= 1 && right.x() > origin.x() + 30);
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
