#include <QTest>
#include <cmath>

#include "physics/element.h"
#include "physics/generator.h"
#include "physics/pass.h"
#include "physics/plotter.h"

namespace {

const physics::Element& kCoil = physics::element(physics::ElementKind::Coil);

}  // namespace

// The numbers of one pass, checked against worked values of the design.
class DemoMathTest : public QObject {
    Q_OBJECT

  private slots:
    void frequencyModes_data();
    void frequencyModes();
    void noRowOutsideTheSliderRange();
    void glowAndWireColour_data();
    void glowAndWireColour();
    void chargePosition_data();
    void chargePosition();
    void terminalSigns_data();
    void terminalSigns();
    void meterAngles_data();
    void meterAngles();
    void everySettingStaysOnItsDisplays_data();
    void everySettingStaysOnItsDisplays();
};

void DemoMathTest::frequencyModes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("omega");
    QTest::addColumn<double>("glowScale");
    QTest::addColumn<double>("ammeterRange");
    // omega is formed from pi = 3.14 exactly as the table writes it (pi ÷ 10, 1.5 × pi ...).
    QTest::newRow("1") << 1 << 3.14 / 10 << 0.15 << 5.0;
    QTest::newRow("2") << 2 << 3.14 / 5 << 0.3 << 3.0;
    QTest::newRow("3") << 3 << 3.14 / 2 << 0.45 << 1.7;
    QTest::newRow("4") << 4 << 3.14 << 1.2 << 1.0;
    QTest::newRow("5") << 5 << 1.5 * 3.14 << 1.5 << 1.0;
    QTest::newRow("6") << 6 << 2 * 3.14 << 1.8 << 1.0;
    QTest::newRow("7") << 7 << 3 * 3.14 << 2.1 << 1.0;
    QTest::newRow("8") << 8 << 3.5 * 3.14 << 2.4 << 1.0;
    QTest::newRow("9") << 9 << 4 * 3.14 << 2.7 << 1.0;
}

void DemoMathTest::frequencyModes() {
    QFETCH(int, mode);
    QFETCH(double, omega);
    QFETCH(double, glowScale);
    QFETCH(double, ammeterRange);
    const physics::FrequencyMode* row = physics::frequencyMode(mode);
    QVERIFY(row);
    QCOMPARE(physics::omegaFor(*row, 3.14), omega);  // bit for bit
    QCOMPARE(kCoil.glowScale(mode), glowScale);
    QCOMPARE(kCoil.ammeterRange(mode), ammeterRange);
}

void DemoMathTest::noRowOutsideTheSliderRange() {
    QVERIFY(!physics::frequencyMode(0));
    QVERIFY(!physics::frequencyMode(10));
    QVERIFY(!physics::frequencyMode(-1));
}

void DemoMathTest::glowAndWireColour_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("sldU");
    QTest::addColumn<int>("sldL");
    QTest::addColumn<double>("currentPhase");
    QTest::addColumn<double>("glow");
    QTest::addColumn<int>("wireColour");
    // b = 63.75, c = 1.3083..., glow = Int(48.726...) = 48; green and blue 207.
    QTest::newRow("mode 4, half current") << 4 << 5 << 1 << 0.5 << 48.0 << 13619199;
    QTest::newRow("mode 4, negative half") << 4 << 5 << 1 << -0.5 << 48.0 << 13619199;
    QTest::newRow("mode 1 peak") << 1 << 10 << 1 << 1.0 << 243.0 << 789759;
    QTest::newRow("mode 2 peak") << 2 << 10 << 1 << -1.0 << 243.0 << 789759;
    QTest::newRow("mode 9 peak") << 9 << 10 << 1 << 1.0 << 109.0 << (255 + 256 * 146 + 65536 * 146);
    QTest::newRow("no current") << 5 << 10 << 1 << 0.0 << 0.0 << 16777215;
    QTest::newRow("smallest settings")
        << 9 << 1 << 10 << 1.0 << 1.0 << (255 + 256 * 254 + 65536 * 254);
}

void DemoMathTest::glowAndWireColour() {
    QFETCH(int, mode);
    QFETCH(int, sldU);
    QFETCH(int, sldL);
    QFETCH(double, currentPhase);
    QFETCH(double, glow);
    QFETCH(int, wireColour);
    const double omega = physics::omegaFor(*physics::frequencyMode(mode), 3.14);
    const double g =
        physics::glowLevel(currentPhase, physics::amplitudeAt(sldU),
                           kCoil.opposition(omega, kCoil.valueAt(sldL)), kCoil.glowScale(mode));
    QCOMPARE(g, glow);
    QCOMPARE(physics::wireColourFor(g), wireColour);
}

void DemoMathTest::chargePosition_data() {
    QTest::addColumn<double>("currentPhase");
    QTest::addColumn<double>("position");
    QTest::newRow("zero") << 0.0 << 35.0;
    QTest::newRow("just below zero") << -1.0 / 510 << 36.0;  // Int(255 × phase) is -1
    QTest::newRow("half") << 0.5 << 18.0;
    QTest::newRow("minus half") << -0.5 << 54.0;
    QTest::newRow("one") << 1.0 << 0.0;
    QTest::newRow("minus one") << -1.0 << 71.0;
}

void DemoMathTest::chargePosition() {
    QFETCH(double, currentPhase);
    QFETCH(double, position);
    QCOMPARE(physics::chargePositionFor(currentPhase), position);
}

void DemoMathTest::terminalSigns_data() {
    QTest::addColumn<double>("voltagePhase");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("positive") << 0.25 << "-"
                              << "+";
    QTest::newRow("zero") << 0.0 << "+"
                          << "-";
    QTest::newRow("negative") << -0.25 << "+"
                              << "-";
}

void DemoMathTest::terminalSigns() {
    QFETCH(double, voltagePhase);
    QFETCH(QString, left);
    QFETCH(QString, right);
    const auto [l, r] = physics::terminalSigns(voltagePhase);
    QCOMPARE(QString::fromLatin1(l), left);
    QCOMPARE(QString::fromLatin1(r), right);
}

void DemoMathTest::meterAngles_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("ammeterAmplitude");
    QTest::addColumn<double>("peakDegrees");
    QTest::newRow("mode 1") << 1 << 1.2739 << 76.4;
    QTest::newRow("mode 4") << 4 << 0.6369 << 38.2;
}

void DemoMathTest::meterAngles() {
    QFETCH(int, mode);
    QFETCH(double, ammeterAmplitude);
    QFETCH(double, peakDegrees);
    // sldU at 10 and sldL at 1.
    const double omega = physics::omegaFor(*physics::frequencyMode(mode), 3.14);
    const double a =
        physics::ammeterAmplitude(1.0, kCoil.opposition(omega, 0.5), kCoil.ammeterRange(mode));
    QCOMPARE(std::round(a * 10000) / 10000, ammeterAmplitude);
    QCOMPARE(std::round(physics::ammeterDegrees(a, 1.0) * 10) / 10, peakDegrees);
    QCOMPARE(std::round(physics::ammeterDegrees(a, -1.0) * 10) / 10, -peakDegrees);
    // The voltmeter never leaves ±60 degrees.
    QCOMPARE(physics::voltmeterDegrees(1.0, 1.0), 60.0);
    QCOMPARE(physics::voltmeterDegrees(-1.0, 1.0), -60.0);
}

void DemoMathTest::everySettingStaysOnItsDisplays_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("trend");  // of the current, up the frequencies: rises 1, falls -1
    QTest::newRow("coil") << static_cast<int>(physics::ElementKind::Coil) << -1;
    QTest::newRow("capacitor") << static_cast<int>(physics::ElementKind::Capacitor) << 1;
    QTest::newRow("resistor") << static_cast<int>(physics::ElementKind::Resistor) << 0;
}

// At every one of the 900 settings (9 frequencies × 10 amplitudes × 10 values of the element),
// through a whole period: the ammeter's needle on its dial (±80°, the outermost marks at 60°),
// the glow a colour (0 to 243), the curves each inside its band of the graphs (the coil's own:
// voltage 1940 to 3940, current 3946 to 6493, power 6717 to 9902). And the lesson's trend: at a
// fixed amplitude and value, the current's amplitude up the frequencies rises for the
// capacitor, falls for the coil, stays for the resistor.
void DemoMathTest::everySettingStaysOnItsDisplays() {
    QFETCH(int, element);
    QFETCH(int, trend);
    const physics::Element& e = physics::element(static_cast<physics::ElementKind>(element));
    constexpr physics::GraphFrame kFrame{8850, 400, 1000, 2940, 5220, 8310};
    for (int u = 1; u <= 10; ++u) {
        for (int position = 1; position <= 10; ++position) {
            double lastCurrent = 0;
            for (int mode = 1; mode <= 9; ++mode) {
                const double omega = physics::omegaFor(*physics::frequencyMode(mode), 3.14);
                const double amplitude = physics::amplitudeAt(u);
                const double x = e.opposition(omega, e.valueAt(position));
                const double range = e.ammeterRange(mode);
                const QString at = QStringLiteral("mode %1, amplitude %2, position %3")
                                       .arg(mode)
                                       .arg(u)
                                       .arg(position);
                for (int step = 0; step < 72; ++step) {
                    const double theta = 2 * M_PI * step / 72;
                    const double cp = e.currentPhase(theta);
                    const double degrees =
                        physics::ammeterDegrees(physics::ammeterAmplitude(amplitude, x, range), cp);
                    const double glow = physics::glowLevel(cp, amplitude, x, e.glowScale(mode));
                    const physics::PlotStep p =
                        physics::plotStep(kFrame, {std::cos(theta), amplitude, 0, cp, range, x});
                    QVERIFY2(std::abs(degrees) <= 80 && glow >= 0 && glow <= 243 &&
                                 p.curU >= 1940 && p.curU <= 3940 && p.curI >= 3946 &&
                                 p.curI <= 6493 && p.curP >= 6717 && p.curP <= 9902,
                             qPrintable(QStringLiteral("%1: needle %2°, glow %3, points %4 %5 %6")
                                            .arg(at)
                                            .arg(degrees)
                                            .arg(glow)
                                            .arg(p.curU)
                                            .arg(p.curI)
                                            .arg(p.curP)));
                }
                const double current = amplitude / x;
                if (mode > 1) {
                    const int sign = current > lastCurrent * (1 + 1e-12)   ? 1
                                     : current < lastCurrent * (1 - 1e-12) ? -1
                                                                           : 0;
                    QVERIFY2(sign == trend, qPrintable(at));
                }
                lastCurrent = current;
            }
        }
    }
}

QTEST_APPLESS_MAIN(DemoMathTest)
#include "tst_demo_math.moc"
