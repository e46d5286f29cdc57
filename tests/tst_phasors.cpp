// The phasor diagram: its numbers against the formulas for three settings, its arrows against
// the run loop's own phases at the same instants, and its picture at rest.

#include <QClipboard>
#include <QSlider>
#include <QtTest>
#include <cmath>

#include "classroom/classroom.h"
#include "classroom/phasor_panel.h"
#include "classroom/phasors.h"
#include "demo_driver.h"
#include "shell/application.h"

using driver::Demo;

class PhasorsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }

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
        const QStringList ru = phasors::lines(q, QLocale(QLocale::Russian));
        QCOMPARE(ru.size(), 14);
        QVERIFY(ru[6].contains(phasors::threeFigures(q.current, QLocale(QLocale::Russian))));
    }

    // Three significant figures, the decimal sign of the language, and a carry that adds a figure.
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
    }
    void threeFigures() {
        QFETCH(double, value);
        QFETCH(QString, ru);
        QFETCH(QString, en);
        QCOMPARE(phasors::threeFigures(value, QLocale(QLocale::Russian)), ru);
        QCOMPARE(phasors::threeFigures(value, QLocale(QLocale::English)), en);
    }

    // At every pass the arrows' tips stand where the run loop's own phases put the curves and
    // the needles: the voltage's height a·1000·cos ωt, the current's the ammeter's amplitude
    // ·1000·sin ωt, a quarter turn apart; the sliders moved in the middle of the run.
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
            const double amplitude = at.settings.amplitude / 10.0;
            const double range = demo::frequencyMode(at.settings.frequencyMode)->ammeterRange;
            const phasors::Arrows tips = phasors::arrows(at, f.pi, 1000);
            QCOMPARE(tips.voltage.y(), amplitude * 1000 * voltagePhase);
            QCOMPARE(tips.current.y(),
                     demo::ammeterAmplitude(amplitude, f.omega, f.inductance, range) * 1000 *
                         currentPhase);
            // The ammeter's needle stands at 60° a unit of the same current.
            QCOMPARE(tips.current.y() * 60 / 1000 * 2 * f.pi / 360, f.ammeterAngle);
            const double turn = std::atan2(tips.voltage.y(), tips.voltage.x()) -
                                std::atan2(tips.current.y(), tips.current.x());
            QCOMPARE(std::remainder(turn, 2 * M_PI), M_PI / 2);
        }));
    }

    // At rest the diagram shows the start instant: the voltage's arrow up the axis, the current's
    // at right angles to it, to the right; its numbers are what Ctrl+C copies while it has the
    // focus.
    void restPicture() {
        Form1 form;
        Classroom& classroom = attachClassroom(form);
        classroom.action(Classroom::Command::Phasors).trigger();
        QVERIFY(shown::show(form));
        const PhasorPanel* panel = classroom.phasors();
        QVERIFY(panel && panel->isVisible());
        const QImage picture = classroom.picture();
        const QRect square = panel->geometry();  // the diagram's origin below
        const phasors::Arrows tips = phasors::arrows(form.shownInstant(), form.pi, 1000);
        const QPoint origin = square.topLeft() + QRect(8, 28, 216, 216).center();
        const int up = qRound(tips.voltage.y() / 15 / 2);
        const int right = qRound(tips.current.x() / 15 / 2);
        QCOMPARE(picture.pixelColor(origin - QPoint(0, up)), QColor(0, 0, 255));
        QCOMPARE(picture.pixelColor(origin + QPoint(right, 0)), QColor(255, 0, 0));
        QVERIFY(picture.pixelColor(origin + QPoint(0, up)) != QColor(0, 0, 255));
        // With the diagram's focus, Ctrl+C copies its numbers as text.
        form.findChild<PhasorPanel*>()->setFocus();
        QTest::keyClick(form.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), panel->numbers());
        QVERIFY(panel->numbers().startsWith(QStringLiteral("ω = 4,71 рад/с\n")));
    }
};

QTEST_MAIN(PhasorsTest)
#include "tst_phasors.moc"
