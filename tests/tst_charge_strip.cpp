// The charge-flow strip: which markers a call shows, colours and hides, in which order, and
// where a call with a position off the strip stops.

#include <QtTest>
#include <stdexcept>

#include "demo/form1.h"
#include "physics/charge_strip.h"
#include "shell/application.h"

namespace {

using Indexes = QList<int>;

constexpr scene::ColourNumber kEarlier = 12345;  // the markers' colour before the call
constexpr scene::ColourNumber kWire = 8421631;   // a glow colour: 255, 128, 128

Indexes range(int first, int last) {
    Indexes r;
    for (int i = first; i <= last; ++i) {
        r << i;
    }
    return r;
}

// Only the markers of `visible` shown, every marker in the same colour.
void prepare(Form1& form, const Indexes& visible) {
    for (int i = 0; i <= 75; ++i) {
        form.tok(i).setBackColor(kEarlier);
        form.tok(i).setVisible(visible.contains(i));
    }
}

// All 76 markers: shown exactly those of `visible`, in `colour` exactly those of `coloured`.
void verifyStrip(const Form1& form, const Indexes& visible, const Indexes& coloured,
                 scene::ColourNumber colour) {
    for (int i = 0; i <= 75; ++i) {
        QVERIFY2(
            form.tok(i).Visible() == visible.contains(i),
            qPrintable(QStringLiteral("tok(%1) visible: %2").arg(i).arg(form.tok(i).Visible())));
        QCOMPARE(form.tok(i).BackColor(), coloured.contains(i) ? colour : kEarlier);
    }
}

void addCallColumns() {
    QTest::addColumn<Indexes>("before");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("previous");
    QTest::addColumn<Indexes>("visible");
    QTest::addColumn<Indexes>("coloured");
}

}  // namespace

class ChargeStripTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }

    void packetMarker_data() {
        QTest::addColumn<double>("position");
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("index");
        QTest::newRow("whole") << 10.0 << 3 << 13;
        QTest::newRow("half down to even") << 10.5 << 0 << 10;
        QTest::newRow("half up to even") << 10.5 << 1 << 12;
        QTest::newRow("near the half") << 10.4999 << 1 << 11;
        QTest::newRow("minus a half to zero") << -0.5 << 0 << 0;
    }
    void packetMarker() {
        QFETCH(double, position);
        QFETCH(int, k);
        QFETCH(int, index);
        QCOMPARE(physics::packetMarker(position, k), index);
    }

    void moveCharges_data() {
        addCallColumns();
        QTest::newRow("unchanged position")
            << range(10, 14) << 10.0 << 10.0 << range(10, 14) << range(10, 14);
        QTest::newRow("moved on") << range(10, 14) << 20.0 << 10.0 << range(20, 24)
                                  << range(20, 24);
        QTest::newRow("overlapping ahead: shared markers end hidden")
            << range(8, 12) << 10.0 << 8.0 << Indexes{13, 14} << range(10, 14);
        QTest::newRow("overlapping behind: shared markers end hidden")
            << range(10, 14) << 8.0 << 10.0 << Indexes{8, 9} << range(8, 12);
        QTest::newRow("the pass after an overlap shows the packet again")
            << Indexes{13, 14} << 10.0 << 10.0 << range(10, 14) << range(10, 14);
        QTest::newRow("first pass at 0, previous empty")
            << Indexes{} << 0.0 << 0.0 << range(0, 4) << range(0, 4);
        QTest::newRow("first pass at 5, previous empty")
            << Indexes{} << 5.0 << 0.0 << range(5, 9) << range(5, 9);
        QTest::newRow("last position")
            << range(0, 4) << 71.0 << 0.0 << range(71, 75) << range(71, 75);
        QTest::newRow("halves to even: one index twice")
            << Indexes{} << 10.5 << 10.5 << Indexes{10, 12, 14} << Indexes{10, 12, 14};
        QTest::newRow("halves to even, also when hiding")
            << range(10, 14) << 20.5 << 10.5 << Indexes{11, 13, 20, 22, 24} << Indexes{20, 22, 24};
    }
    void moveCharges() {
        QFETCH(Indexes, before);
        QFETCH(double, position);
        QFETCH(double, previous);
        QFETCH(Indexes, visible);
        QFETCH(Indexes, coloured);
        Form1 form;
        prepare(form, before);
        form.MoveCharges(position, kWire, previous);
        verifyStrip(form, visible, coloured, kWire);
    }

    void colourRoundsHalvesToEven_data() {
        QTest::addColumn<double>("colour");
        QTest::addColumn<scene::ColourNumber>("stored");
        QTest::newRow("half down") << 8421630.5 << scene::ColourNumber{8421630};
        QTest::newRow("half up") << 8421631.5 << scene::ColourNumber{8421632};
    }
    void colourRoundsHalvesToEven() {
        QFETCH(double, colour);
        QFETCH(scene::ColourNumber, stored);
        Form1 form;
        prepare(form, {});
        form.MoveCharges(30, colour, 30);
        verifyStrip(form, range(30, 34), range(30, 34), stored);
    }

    // A marker that does not exist stops the call there: what changed before it stays, nothing
    // after it happens, and no other marker is touched.
    void positionOffTheStripStopsTheCall_data() {
        addCallColumns();
        QTest::addColumn<bool>("tooLargeForAnIndex");
        QTest::newRow("packet past the end")
            << range(10, 14) << 73.0 << 10.0 << (range(10, 14) + range(73, 75)) << range(73, 75)
            << false;
        QTest::newRow("before the start")
            << range(10, 14) << -1.0 << 10.0 << range(10, 14) << Indexes{} << false;
        QTest::newRow("previous packet past the end")
            << range(70, 75) << 10.0 << 72.0 << (range(10, 14) + Indexes{70, 71}) << range(10, 14)
            << false;
        QTest::newRow("beyond a control index")
            << range(10, 14) << 40000.0 << 10.0 << range(10, 14) << Indexes{} << true;
    }
    void positionOffTheStripStopsTheCall() {
        QFETCH(Indexes, before);
        QFETCH(double, position);
        QFETCH(double, previous);
        QFETCH(Indexes, visible);
        QFETCH(Indexes, coloured);
        QFETCH(bool, tooLargeForAnIndex);
        Form1 form;
        prepare(form, before);
        if (tooLargeForAnIndex) {
            QVERIFY_THROWS_EXCEPTION(std::overflow_error,
                                     form.MoveCharges(position, kWire, previous));
        } else {
            QVERIFY_THROWS_EXCEPTION(scene::ControlError,
                                     form.MoveCharges(position, kWire, previous));
        }
        verifyStrip(form, visible, coloured, kWire);
    }
};

QTEST_MAIN(ChargeStripTest)
#include "tst_charge_strip.moc"
