// The demonstration's time against the wall clock: paused, held, slowed down, and continuous
// through every change.

#include <QTest>

#include "demo/demo_clock.h"

namespace {

// One thing done at a moment of the wall clock; `Read` checks the demonstration time then, `Pass`
// checks it as a pass of the run reads it.
struct Step {
    enum Kind { Read, Pass, Pause, Continue, Slowdown, Hold, Release } kind;
    double wall;
    double value = 0;  // the time expected by Read, the slowdown set by Slowdown
};

}  // namespace

Q_DECLARE_METATYPE(QList<Step>)

class DemoClockTest : public QObject {
    Q_OBJECT

  private slots:
    void timeline_data() {
        QTest::addColumn<QList<Step>>("steps");
        using S = Step;
        QTest::newRow("untouched: the wall clock to the last bit")
            << QList<S>{{S::Read, 3.7, 3.7}, {S::Read, 86399.123456789, 86399.123456789}};
        QTest::newRow("a pause stands, and continues from its instant")
            << QList<S>{{S::Read, 2, 2},     {S::Pause, 2},        {S::Read, 5, 2},
                        {S::Continue, 5},    {S::Read, 6, 3},      {S::Pause, 6.5},
                        {S::Read, 100, 3.5}, {S::Continue, 100.5}, {S::Read, 101, 4}};
        QTest::newRow("a pause stands at the instant the run read last") << QList<S>{
            {S::Pass, 2, 2}, {S::Pause, 2.3}, {S::Read, 5, 2}, {S::Continue, 5}, {S::Pass, 6, 3}};
        QTest::newRow("a quarter of the speed, then normal again") << QList<S>{{S::Slowdown, 8, 4},
                                                                               {S::Read, 12, 9},
                                                                               {S::Read, 16, 10},
                                                                               {S::Slowdown, 16, 1},
                                                                               {S::Read, 17, 11}};
        QTest::newRow("the speed changed while paused") << QList<S>{{S::Pause, 2},
                                                                    {S::Slowdown, 3, 16},
                                                                    {S::Read, 4, 2},
                                                                    {S::Continue, 4},
                                                                    {S::Read, 20, 3}};
        QTest::newRow("a hold while running")
            << QList<S>{{S::Hold, 1}, {S::Read, 3, 1}, {S::Release, 3}, {S::Read, 4, 2}};
        QTest::newRow("a hold inside a pause leaves the pause on")
            << QList<S>{{S::Pause, 1},   {S::Hold, 2},     {S::Release, 3},
                        {S::Read, 4, 1}, {S::Continue, 4}, {S::Read, 5, 2}};
        QTest::newRow("nested holds, slowed down")
            << QList<S>{{S::Slowdown, 0, 2}, {S::Hold, 2},    {S::Hold, 3},   {S::Release, 4},
                        {S::Read, 5, 1},     {S::Release, 6}, {S::Read, 8, 2}};
    }
    void timeline() {
        QFETCH(QList<Step>, steps);
        double wall = 0;
        DemoClock clock([&wall] { return wall; });
        std::vector<std::unique_ptr<DemoClock::Hold>> holds;
        for (const Step& s : steps) {
            wall = s.wall;
            switch (s.kind) {
                case Step::Read:
                    QCOMPARE(clock.now(), s.value);
                    break;
                case Step::Pass:
                    QCOMPARE(clock.read(), s.value);
                    break;
                case Step::Pause:
                case Step::Continue:
                    clock.setPaused(s.kind == Step::Pause);
                    break;
                case Step::Slowdown:
                    clock.setSlowdown(static_cast<int>(s.value));
                    break;
                case Step::Hold:
                    holds.push_back(std::make_unique<DemoClock::Hold>(clock));
                    break;
                case Step::Release:
                    holds.pop_back();
                    break;
            }
        }
    }
};

QTEST_APPLESS_MAIN(DemoClockTest)
#include "tst_demo_clock.moc"
