#include <QTest>
#include <cmath>

#include "demo/demo_math.h"

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
    const demo::FrequencyMode* row = demo::frequencyMode(mode);
    QVERIFY(row);
    QCOMPARE(demo::omegaFor(*row, 3.14), omega);  // bit for bit
    QCOMPARE(row->glowScale, glowScale);
    QCOMPARE(row->ammeterRange, ammeterRange);
}

void DemoMathTest::noRowOutsideTheSliderRange() {
    QVERIFY(!demo::frequencyMode(0));
    QVERIFY(!demo::frequencyMode(10));
    QVERIFY(!demo::frequencyMode(-1));
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
    const demo::FrequencyMode& row = *demo::frequencyMode(mode);
    const double g =
        demo::glowLevel(currentPhase, demo::amplitudeAt(sldU), demo::omegaFor(row, 3.14),
                        demo::inductanceAt(sldL), row.glowScale);
    QCOMPARE(g, glow);
    QCOMPARE(demo::wireColourFor(g), wireColour);
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
    QCOMPARE(demo::chargePositionFor(currentPhase), position);
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
    const auto [l, r] = demo::terminalSigns(voltagePhase);
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
    const demo::FrequencyMode& row = *demo::frequencyMode(mode);
    const double a = demo::ammeterAmplitude(1.0, demo::omegaFor(row, 3.14), 0.5, row.ammeterRange);
    QCOMPARE(std::round(a * 10000) / 10000, ammeterAmplitude);
    QCOMPARE(std::round(demo::ammeterDegrees(a, 1.0) * 10) / 10, peakDegrees);
    QCOMPARE(std::round(demo::ammeterDegrees(a, -1.0) * 10) / 10, -peakDegrees);
    // The voltmeter never leaves ±60 degrees.
    QCOMPARE(demo::voltmeterDegrees(1.0, 1.0), 60.0);
    QCOMPARE(demo::voltmeterDegrees(-1.0, 1.0), -60.0);
}

QTEST_APPLESS_MAIN(DemoMathTest)
#include "tst_demo_math.moc"
