// The time graphs: the point one step plots, the bands the curves keep to over the settings,
// and what a step, the end-of-sweep wrap and the rest state do to the pens and the window.

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "demo/form1.h"
#include "line_pixels.h"
#include "physics/element.h"
#include "physics/generator.h"
#include "physics/pass.h"
#include "physics/plotter.h"
#include "scene/pictures.h"
#include "shell/application.h"
#include "shown_form.h"

namespace {

constexpr double kPi = 3.14;
constexpr physics::GraphFrame kFrame{8850, 400, 1000, 2940, 5220, 8310};
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr int kGraphLineWidth = 2;  // pixels

// What a frequency mode 1 to 9 sets for the graphs.
struct Mode {
    double omega;
    double ammeterRange;
};

Mode mode(int number) {
    return {physics::omegaFor(*physics::frequencyMode(number), kPi),
            physics::element(physics::ElementKind::Coil).ammeterRange(number)};
}

struct Band {
    int low = std::numeric_limits<int>::max();
    int high = std::numeric_limits<int>::min();
    void take(double y) {
        low = std::min(low, static_cast<int>(y));
        high = std::max(high, static_cast<int>(y));
    }
};

struct Bands {
    Band u, i, p;
};

// The y values each curve takes over one period, the phase swept finely.
Bands sweepOnePeriod(int modeNumber, double inductance, double amplitude) {
    const Mode m = mode(modeNumber);
    constexpr int kSteps = 200000;
    Bands bands;
    for (int j = 0; j < kSteps; ++j) {
        const double theta = 2 * std::numbers::pi * j / kSteps;
        const physics::PlotStep s = physics::plotStep(
            kFrame,
            {std::cos(theta), amplitude, 0, std::sin(theta), m.ammeterRange, m.omega * inductance});
        bands.u.take(s.curU);
        bands.i.take(s.curI);
        bands.p.take(s.curP);
    }
    return bands;
}

// A swing of `swing` twips (given to a tenth) about `baseline`, each y rounded down: the lowest
// y is at most a twip above baseline − swing, the highest at most a twip below baseline + swing.
bool swingsBy(const Band& band, int baseline, double swing) {
    constexpr double kTenth = 0.05;
    const double up = baseline - band.low;
    const double down = band.high - baseline;
    return up > swing - kTenth && up < swing + 1 + kTenth && down > swing - 1 - kTenth &&
           down < swing + kTenth;
}

// Sets what the run loop sets before a step, then plots it at elapsed time `t`.
void plotAt(Form1& form, int modeNumber, double inductance, double amplitude, double t,
            double sweepT) {
    const Mode m = mode(modeNumber);
    form.omega = m.omega;
    form.inductance = inductance;
    form.opposition = m.omega * inductance;
    form.PlotGraphs(std::cos(m.omega * t), amplitude, sweepT, std::sin(m.omega * t),
                    m.ammeterRange);
}

struct Segments {
    QSet<QPoint> u, i, p;
    QSet<QPoint> all() const { return u + i + p; }
};

// A point of each of the three curves at one time, in twips.
struct GraphPoint {
    int x, u, i, p;
};

constexpr GraphPoint kOrigins{8850, 2940, 5220, 8310};
constexpr GraphPoint kWorkedExample{9350, 3294, 5332, 8210};

// Where the next segments start.
void verifyStartPoints(const Form1& form, GraphPoint point) {
    QCOMPARE(form.prevX, double(point.x));
    QCOMPARE(form.prevU, double(point.u));
    QCOMPARE(form.prevI, double(point.i));
    QCOMPARE(form.prevP, point.p);
}

// Each pen's top-left corner on the point of its curve.
void verifyPens(const Form1& form, GraphPoint point) {
    QCOMPARE(form.imgU->position(), QPoint(point.x, point.u));
    QCOMPARE(form.imgI->position(), QPoint(point.x, point.i));
    QCOMPARE(form.imgP->position(), QPoint(point.x, point.p));
}

// The three segments a step draws on the window, from one point of each curve to the next.
Segments segments(const Form1& form, GraphPoint from, GraphPoint to) {
    return {line_pixels::of(form, {from.x, from.u}, {to.x, to.u}, kGraphLineWidth),
            line_pixels::of(form, {from.x, from.i}, {to.x, to.i}, kGraphLineWidth),
            line_pixels::of(form, {from.x, from.p}, {to.x, to.p}, kGraphLineWidth)};
}

QString segmentsMismatch(const QImage& screen, const Form1& form, const Segments& s) {
    QStringList bad{line_pixels::mismatches(screen, form, form, s.u, kBlue),
                    line_pixels::mismatches(screen, form, form, s.i, kRed),
                    line_pixels::mismatches(screen, form, form, s.p, kBlack)};
    bad.removeAll(QString());
    return bad.join(QStringLiteral("; "));
}

// Where a pen with its top-left corner at `position` (twips) shows on the window.
QRect penArea(QPoint position) {
    return {shown::px(position), scene::picture(scene::Picture::PenU).size()};
}

QList<QRect> penAreas(const Form1& form) {
    return {penArea(form.imgU->position()), penArea(form.imgI->position()),
            penArea(form.imgP->position())};
}

// How many pixels of the pen's picture, at the pen's place on screen, the screen does not show
// (pixels of `drawnOver` excepted: the newest segments end on the pen's corner).
int penPixelsMissing(const QImage& screen, scene::Picture picture, QPoint place,
                     const QSet<QPoint>& drawnOver) {
    const QImage image = scene::picture(picture).convertToFormat(QImage::Format_ARGB32);
    int missing = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QPoint at = shown::px(place) + QPoint(x, y);
            if (qAlpha(image.pixel(x, y)) != 0 && !drawnOver.contains(at) &&
                (screen.pixel(at) | 0xff000000u) != (image.pixel(x, y) | 0xff000000u)) {
                ++missing;
            }
        }
    }
    return missing;
}

// Pixels of the graph area that differ between two screens, outside the pixels `except`.
int changedOutside(const QImage& a, const QImage& b, const QRect& area, const QSet<QPoint>& except,
                   const QList<QRect>& alsoExcept) {
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p(x, y);
            const bool excluded =
                except.contains(p) || std::any_of(alsoExcept.begin(), alsoExcept.end(),
                                                  [&](const QRect& r) { return r.contains(p); });
            if (!excluded && a.pixel(p) != b.pixel(p)) {
                ++changed;
            }
        }
    }
    return changed;
}

// The part of the window under the curtain.
QRect graphArea(const Form1& form) {
    return form.picShirma->geometry().intersected(form.rect());
}

}  // namespace

class GraphsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }

    void plotStep_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("inductance");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<double>("sweepT");
        QTest::addColumn<double>("curX");
        QTest::addColumn<double>("curU");
        QTest::addColumn<double>("curI");
        QTest::addColumn<int>("curP");
        QTest::newRow("worked example, mode 4 at 1.25 s")
            << 4 << 1.0 << 0.5 << 1.25 << 1.25 << 9350.0 << 3294.0 << 5332.0 << 8210;
        QTest::newRow("start of a sweep at the start-up settings")
            << 5 << 0.5 << 0.5 << 0.0 << 0.0 << 8850.0 << 2440.0 << 5220.0 << 8310;
        QTest::newRow("full amplitude")
            << 4 << 1.0 << 1.0 << 2.0 << 2.0 << 9650.0 << 1940.0 << 5221.0 << 8312;
        QTest::newRow("sweep time exactly 15 s")
            << 4 << 1.0 << 0.5 << 15.0 << 15.0 << 14850.0 << 3439.0 << 5216.0 << 8314;
        QTest::newRow("past the sweep, 15.25 s")
            << 4 << 1.0 << 0.5 << 15.25 << 15.25 << 14950.0 << 3302.0 << 5329.0 << 8210;
        QTest::newRow("new sweep, 0.75 s into it")
            << 4 << 1.0 << 0.5 << 15.75 << 0.75 << 9150.0 << 2595.0 << 5335.0 << 8409;
    }
    void plotStep() {
        QFETCH(int, mode);
        QFETCH(double, inductance);
        QFETCH(double, amplitude);
        QFETCH(double, elapsed);
        QFETCH(double, sweepT);
        const Mode m = ::mode(mode);
        const physics::PlotStep s = physics::plotStep(
            kFrame, {std::cos(m.omega * elapsed), amplitude, sweepT, std::sin(m.omega * elapsed),
                     m.ammeterRange, m.omega * inductance});
        QTEST(s.curX, "curX");
        QTEST(s.curU, "curU");
        QTEST(s.curI, "curI");
        QTEST(s.curP, "curP");
    }

    void swings_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("inductance");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<double>("voltageSwing");
        QTest::addColumn<double>("currentSwing");
        QTest::addColumn<double>("powerSwing");
        const double current[] = {1273.9, 1061.6, 749.3, 636.9, 424.6, 318.5, 212.3, 182.0, 159.2};
        const double power[] = {1592.4, 1327.0, 936.7, 796.2, 530.8, 398.1, 265.4, 227.5, 199.0};
        for (int n = 1; n <= 9; ++n) {
            QTest::addRow("mode %d at the largest settings", n)
                << n << 0.5 << 1.0 << 1000.0 << current[n - 1] << power[n - 1];
        }
        QTest::newRow("start-up settings") << 5 << 0.5 << 0.5 << 500.0 << 212.3 << 132.7;
    }
    void swings() {
        QFETCH(int, mode);
        QFETCH(double, inductance);
        QFETCH(double, amplitude);
        QFETCH(double, voltageSwing);
        QFETCH(double, currentSwing);
        QFETCH(double, powerSwing);
        const Bands b = sweepOnePeriod(mode, inductance, amplitude);
        QVERIFY2(swingsBy(b.u, 2940, voltageSwing),
                 qPrintable(QStringLiteral("%1..%2").arg(b.u.low).arg(b.u.high)));
        QVERIFY2(swingsBy(b.i, 5220, currentSwing),
                 qPrintable(QStringLiteral("%1..%2").arg(b.i.low).arg(b.i.high)));
        QVERIFY2(swingsBy(b.p, 8310, powerSwing),
                 qPrintable(QStringLiteral("%1..%2").arg(b.p.low).arg(b.p.high)));
    }

    // The curves keep to their bands at the extremes of the sliders; the current and power
    // curves take exactly the values given. The voltage only reaches its lower edge at a
    // phase of exactly 180 degrees, so only its containment is asked.
    void bands_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("inductance");
        QTest::addColumn<double>("amplitude");
        QTest::addColumn<int>("uLow");
        QTest::addColumn<int>("uHigh");
        QTest::addColumn<int>("iLow");
        QTest::addColumn<int>("iHigh");
        QTest::addColumn<int>("pLow");
        QTest::addColumn<int>("pHigh");
        QTest::newRow("largest swings")
            << 1 << 0.5 << 1.0 << 1940 << 3940 << 3946 << 6493 << 6717 << 9902;
        QTest::newRow("smallest swings")
            << 9 << 5.0 << 0.1 << 2840 << 3040 << 5218 << 5221 << 8309 << 8310;
    }
    void bands() {
        QFETCH(int, mode);
        QFETCH(double, inductance);
        QFETCH(double, amplitude);
        const Bands b = sweepOnePeriod(mode, inductance, amplitude);
        QFETCH(int, uLow);
        QFETCH(int, uHigh);
        QVERIFY(b.u.low >= uLow && b.u.high <= uHigh);
        QTEST(b.i.low, "iLow");
        QTEST(b.i.high, "iHigh");
        QTEST(b.p.low, "pLow");
        QTEST(b.p.high, "pHigh");
    }

    // The first step after start: three 2-pixel segments from the graphs' origins to the new
    // points, each pen's top-left corner on its new point, nothing else touched.
    void stepDrawsSegmentsAndMovesPens() {
        Form1 form;
        QVERIFY(shown::show(form));
        form.picShirma->hide();
        const QImage before = shown::screen(form);
        const QList<QRect> oldPens = penAreas(form);
        const QList<QPoint> restPlaces{form.imgU->position(), form.imgI->position(),
                                       form.imgP->position()};

        plotAt(form, 4, 1.0, 0.5, 1.25, 1.25);
        QCOMPARE(form.curX, 9350.0);
        QCOMPARE(form.curU, 3294.0);
        QCOMPARE(form.curI, 5332.0);
        QCOMPARE(form.curP, 8210);
        verifyStartPoints(form, kWorkedExample);
        verifyPens(form, kWorkedExample);

        const QImage after = shown::screen(form);
        const Segments drawn = segments(form, kOrigins, kWorkedExample);
        const QString bad = segmentsMismatch(after, form, drawn);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));

        const QList<std::pair<scene::Windowless*, scene::Picture>> pens{
            {form.imgU, scene::Picture::PenU},
            {form.imgI, scene::Picture::PenI},
            {form.imgP, scene::Picture::PenP}};
        for (int n = 0; n < pens.size(); ++n) {
            const auto [pen, picture] = pens[n];
            QCOMPARE(penPixelsMissing(after, picture, pen->position(), drawn.all()), 0);
            QVERIFY(penPixelsMissing(after, picture, restPlaces[n], drawn.all()) > 0);
        }
        QCOMPARE(
            changedOutside(before, after, graphArea(form), drawn.all(), oldPens + penAreas(form)),
            0);
    }

    // A change of settings between steps shows as a step in the curves: nothing is erased and
    // the next segments start where the last ones ended.
    void nextStepJoinsTheLast() {
        Form1 form;
        QVERIFY(shown::show(form));
        form.picShirma->hide();
        plotAt(form, 4, 1.0, 0.5, 1.25, 1.25);
        plotAt(form, 4, 1.0, 1.0, 2.0, 2.0);
        QCOMPARE(form.imgU->position(), QPoint(9650, 1940));

        const QImage screen = shown::screen(form);
        const Segments second = segments(form, kWorkedExample, {9650, 1940, 5221, 8312});
        QString bad = segmentsMismatch(screen, form, second);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
        Segments first = segments(form, kOrigins, kWorkedExample);
        for (QSet<QPoint>* s : {&first.u, &first.i, &first.p}) {
            *s -= second.all();
            for (const QRect& pen : penAreas(form)) {
                s->removeIf([&](const QPoint& p) { return pen.contains(p); });
            }
        }
        bad = segmentsMismatch(screen, form, first);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
    }

    void wrap_data() {
        QTest::addColumn<double>("previousSweepT");
        QTest::addColumn<bool>("wraps");
        QTest::newRow("first pass, no sweep time yet") << 0.0 << false;
        QTest::newRow("inside the sweep") << 14.99 << false;
        QTest::newRow("exactly the sweep length") << 15.0 << false;
        QTest::newRow("just past it") << 15.0001 << true;
        QTest::newRow("a quarter second past it") << 15.25 << true;
    }
    void wrap() {
        QFETCH(double, previousSweepT);
        QFETCH(bool, wraps);
        Form1 form;
        form.sweepCount = 2;
        form.prevX = 12000;
        form.prevU = 3000;
        form.prevI = 5000;
        form.prevP = 8000;
        form.curX = 12345;
        form.curU = 3100;
        form.curI = 5100;
        form.curP = 8100;
        const QPoint penU = form.imgU->position();

        form.WrapSweepIfDue(previousSweepT);
        QCOMPARE(form.sweepCount, wraps ? 3 : 2);
        verifyStartPoints(
            form, wraps ? GraphPoint{8850, 3100, 5100, 8100} : GraphPoint{12000, 3000, 5000, 8000});
        QCOMPARE(form.imgU->position(), penU);
    }

    // The pass after one whose sweep time passed 15 s erases all curves at once and starts
    // again at the left edge, at the heights where the curves stopped.
    void wrapErasesAndRestartsAtTheLeftEdge() {
        Form1 form;
        QVERIFY(shown::show(form));
        form.picShirma->hide();
        const QImage atRest = shown::screen(form);
        const QList<QRect> restPens = penAreas(form);
        plotAt(form, 4, 1.0, 0.5, 15.25, 15.25);
        QCOMPARE(form.curX, 14950.0);

        form.WrapSweepIfDue(15.25);
        QCOMPARE(form.sweepCount, 1);
        QCOMPARE(form.imgU->position(), QPoint(14950, 3302));
        plotAt(form, 4, 1.0, 0.5, 15.75, 0.75);

        const QImage screen = shown::screen(form);
        const Segments fresh = segments(form, {8850, 3302, 5329, 8210}, {9150, 2595, 5335, 8409});
        const QString bad = segmentsMismatch(screen, form, fresh);
        QVERIFY2(bad.isEmpty(), qPrintable(bad));
        QCOMPARE(
            changedOutside(atRest, screen, graphArea(form), fresh.all(), restPens + penAreas(form)),
            0);
    }

    void restState() {
        Form1 form;
        plotAt(form, 4, 1.0, 0.5, 1.25, 1.25);
        form.sweepCount = 4;

        form.PutGraphsAtRest();
        verifyPens(form, kOrigins);
        verifyStartPoints(form, kOrigins);
        QCOMPARE(form.sweepCount, 0);
    }
};

QTEST_MAIN(GraphsTest)
#include "tst_graphs.moc"
