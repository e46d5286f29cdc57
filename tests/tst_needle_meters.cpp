// The needle meters: where a needle's tip lies, and what the dials show after the needles are
// swung by overdrawing and after a dial repaint.

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

#include "demo/form1.h"
#include "line_pixels.h"
#include "physics/needles.h"
#include "shell/application.h"
#include "shown_form.h"

namespace {

constexpr double kPi = 3.14;
constexpr int kNeedleLength = 1060;
constexpr QRgb kGrey = qRgb(128, 128, 128);
constexpr int kDialLineWidth = 3;  // pixels

// The two meters differ only in their dial, its colour and the angle they keep.
struct Meter {
    scene::PictureBox* Form1::*dial;
    void (Form1::*update)(double degrees);
    double Form1::*angle;
    QRgb face;
};

const Meter kMeters[] = {
    {&Form1::picamp, &Form1::DrawAmmeter, &Form1::ammeterAngle, qRgb(255, 192, 192)},
    {&Form1::picvolt, &Form1::DrawVoltmeter, &Form1::voltmeterAngle, qRgb(192, 192, 255)},
};

QPoint tipAt(double degrees) {
    return physics::needleTip(physics::degreesToRadians(degrees, kPi), kPi, kNeedleLength);
}

QSet<QPoint> needle(const scene::Surface& dial, QPoint tip) {
    return line_pixels::of(dial, physics::kNeedlePivot, tip, kDialLineWidth);
}

// The dial as the screen shows it, border included.
QImage dialOnScreen(Form1& form, const scene::PictureBox& dial) {
    return shown::screen(form).copy(QRect(dial.mapTo(&form, QPoint()), dial.size()));
}

void addMeterRows() {
    QTest::addColumn<int>("meter");
    QTest::newRow("ammeter") << 0;
    QTest::newRow("voltmeter") << 1;
}

}  // namespace

class NeedleMetersTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }

    void radians_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<double>("radians");
        QTest::newRow("60") << 60.0 << 1.0466666666666666;
        QTest::newRow("-30") << -30.0 << -0.5233333333333333;
        QTest::newRow("90 is pi/2") << 90.0 << 1.57;
    }
    void radians() {
        QFETCH(double, degrees);
        QFETCH(double, radians);
        QVERIFY(qAbs(physics::degreesToRadians(degrees, kPi) - radians) < 1e-12);
    }

    void tip_data() {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QPoint>("tip");
        QTest::newRow("0, one twip left of the rest tip") << 0.0 << QPoint(1399, 540);
        QTest::newRow("+60, left") << 60.0 << QPoint(481, 1070);
        QTest::newRow("-60, right and not a mirror image") << -60.0 << QPoint(2317, 1068);
        QTest::newRow("+30") << 30.0 << QPoint(869, 682);
        QTest::newRow("-30") << -30.0 << QPoint(1929, 681);
        QTest::newRow("90, level with the pivot") << 90.0 << QPoint(340, 1600);
        QTest::newRow("180, below the pivot") << 180.0 << QPoint(1399, 2659);
    }
    void tip() {
        QFETCH(double, degrees);
        QFETCH(QPoint, tip);
        QCOMPARE(tipAt(degrees), tip);
    }

    // The second update paints over the first needle, leaving only background and the new
    // needle where the first one was.
    void updateErasesThePreviousNeedle_data() {
        QTest::addColumn<int>("meter");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::newRow("ammeter +30 then -30") << 0 << 30.0 << -30.0;
        QTest::newRow("voltmeter +30 then -30") << 1 << 30.0 << -30.0;
        QTest::newRow("ammeter 0 then +60") << 0 << 0.0 << 60.0;
        QTest::newRow("voltmeter -60 then +45") << 1 << -60.0 << 45.0;
        // Needles that overlap: erased after drawing, the new one would lose pixels.
        QTest::newRow("ammeter +30 then +32") << 0 << 30.0 << 32.0;
        QTest::newRow("voltmeter -30 then -32") << 1 << -30.0 << -32.0;
    }
    void updateErasesThePreviousNeedle() {
        QFETCH(int, meter);
        QFETCH(double, first);
        QFETCH(double, second);
        const Meter& m = kMeters[meter];
        Form1 form;
        QVERIFY(shown::show(form));
        const scene::PictureBox& dial = *(form.*m.dial);

        (form.*m.update)(first);
        QCOMPARE(form.*m.angle, physics::degreesToRadians(first, kPi));
        const QSet<QPoint> firstNeedle = needle(dial, tipAt(first));
        QString bad = line_pixels::mismatches(shown::screen(form), form, dial, firstNeedle, kGrey);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));

        (form.*m.update)(second);
        QCOMPARE(form.*m.angle, physics::degreesToRadians(second, kPi));
        const QSet<QPoint> secondNeedle = needle(dial, tipAt(second));
        const QImage screen = shown::screen(form);
        bad = line_pixels::mismatches(screen, form, dial, firstNeedle - secondNeedle, m.face);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
        bad = line_pixels::mismatches(screen, form, dial, secondNeedle, kGrey);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
    }

    // A repaint adds the rest needle and leaves the kept angle alone, so the next update still
    // erases the needle it drew, not the rest needle.
    void repaintDrawsTheRestNeedleOnly_data() { addMeterRows(); }
    void repaintDrawsTheRestNeedleOnly() {
        QFETCH(int, meter);
        const Meter& m = kMeters[meter];
        Form1 form;
        QVERIFY(shown::show(form));
        scene::PictureBox& dial = *(form.*m.dial);
        const QSet<QPoint> restNeedle = needle(dial, physics::kRestNeedleTip);
        const QSet<QPoint> plus30 = needle(dial, tipAt(30));
        const QSet<QPoint> minus30 = needle(dial, tipAt(-30));

        dial.clearDrawing();
        (form.*m.update)(30);
        dial.repaint();
        QCOMPARE(form.*m.angle, physics::degreesToRadians(30, kPi));
        QImage screen = shown::screen(form);
        QString bad = line_pixels::mismatches(screen, form, dial, restNeedle + plus30, kGrey);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));

        (form.*m.update)(-30);
        screen = shown::screen(form);
        bad = line_pixels::mismatches(screen, form, dial, restNeedle - plus30, kGrey);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
        bad = line_pixels::mismatches(screen, form, dial, plus30 - minus30 - restNeedle, m.face);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
    }

    void updateLeavesTheOtherMeterAlone_data() { addMeterRows(); }
    void updateLeavesTheOtherMeterAlone() {
        QFETCH(int, meter);
        const Meter& m = kMeters[meter];
        const Meter& other = kMeters[1 - meter];
        Form1 form;
        QVERIFY(shown::show(form));
        (form.*other.update)(20);
        const double otherAngle = form.*other.angle;
        const QImage otherBefore = dialOnScreen(form, *(form.*other.dial));

        (form.*m.update)(45);
        (form.*m.update)(-10);
        QCOMPARE(form.*other.angle, otherAngle);
        QCOMPARE(dialOnScreen(form, *(form.*other.dial)), otherBefore);
    }

    // However many updates ran, the dial shows one needle: compared with the same dial cleared
    // and given only the last needle. The overdrawing may paint over scale elements in the
    // needle's sweep, which says nothing about needles, so their pixels are left out.
    void manyUpdatesLeaveOneNeedle_data() { addMeterRows(); }
    void manyUpdatesLeaveOneNeedle() {
        QFETCH(int, meter);
        const Meter& m = kMeters[meter];
        Form1 form;
        QVERIFY(shown::show(form));
        scene::PictureBox& dial = *(form.*m.dial);

        dial.clearDrawing();  // as the power switch does before a run
        QRandomGenerator random(20240611u + static_cast<quint32>(meter));
        double last = 0;
        for (int i = 0; i < 1000; ++i) {
            last = random.bounded(240.0) - 120.0;
            (form.*m.update)(last);
        }
        const QImage afterUpdates = dialOnScreen(form, dial);

        dial.clearDrawing();
        const QPoint tip = tipAt(last);
        dial.drawLine(physics::kNeedlePivot.x(), physics::kNeedlePivot.y(),
                      static_cast<float>(tip.x()), static_cast<float>(tip.y()), scene::kGrey);
        const QImage onlyLastNeedle = dialOnScreen(form, dial);

        QCOMPARE(afterUpdates.size(), onlyLastNeedle.size());
        int differing = 0;
        for (int y = 0; y < afterUpdates.height(); ++y) {
            for (int x = 0; x < afterUpdates.width(); ++x) {
                const QPoint inner = QPoint(x, y) - dial.innerOrigin();
                const bool onScale =
                    std::any_of(dial.windowlessElements().begin(), dial.windowlessElements().end(),
                                [&](const auto& e) { return e->pixelBounds().contains(inner); });
                if (!onScale && afterUpdates.pixel(x, y) != onlyLastNeedle.pixel(x, y)) {
                    ++differing;
                }
            }
        }
        QCOMPARE(differing, 0);
    }
};

QTEST_MAIN(NeedleMetersTest)
#include "tst_needle_meters.moc"
