#include <QApplication>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <fstream>

#include "demo/form1.h"
#include "demo_driver.h"
#include "line_pixels.h"
#include "physics/needles.h"
#include "physics/pass.h"
#include "shell/application.h"
#include "shown_form.h"

namespace {

constexpr scene::ColourNumber kWhite = 16777215;

using driver::Demo;
using shown::px;

bool graphPixel(QRgb c) {
    return c == qRgb(0, 0, 255) || c == qRgb(255, 0, 0) || c == qRgb(0, 0, 0);
}

void verifyRestState(const Form1& f) {
    QCOMPARE(f.prevX, 8850.0);
    QCOMPARE(f.prevU, 2940.0);
    QCOMPARE(f.prevI, 5220.0);
    QCOMPARE(f.prevP, 8310);
    QCOMPARE(f.sweepCount, 0);
    QCOMPARE(f.imgU->position(), QPoint(8850, 2940));
    QCOMPARE(f.imgI->position(), QPoint(8850, 5220));
    QCOMPARE(f.imgP->position(), QPoint(8850, 8310));
    for (int i = 0; i <= 75; ++i) {
        QVERIFY2(!f.tok(i).Visible(), qPrintable(QString::number(i)));
    }
    for (int i = 0; i <= 15; ++i) {
        QCOMPARE(f.pictok(i).BackColor(), kWhite);
    }
}

// AddressSanitizer keeps freed blocks in quarantine instead of reusing them: a long run grows by
// hundreds of megabytes under it whatever the program holds, so resident memory measures nothing
// there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kUnderAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kUnderAddressSanitizer = true;
#else
constexpr bool kUnderAddressSanitizer = false;
#endif
#else
constexpr bool kUnderAddressSanitizer = false;
#endif

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

}  // namespace

class RunLoopTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setUpApplication(); }
    void noPassWithoutTheSwitch();
    void firstPass();
    void slidersMovedInTheYieldTakeEffectAtOnce();
    void sweepWrap();
    void stopResetsTwiceAndKeepsTheLastSigns();
    void startAfterStopBeginsAFreshSweep();
    void startPressedAfterStopInTheSameYieldRestartsTheRun();
    void burstOfPressesDoesNotNestRuns_data();
    void burstOfPressesDoesNotNestRuns();
    void resetTwiceIsResetOnce();
    void curtainDuringARun();
    void exitFromInsideAPass_data();
    void exitFromInsideAPass();
    void longRunKeepsItsInvariants();
    void doubleClickOnTheSwitchIsOnePress();
    void noHandlerRunsOnceTheProgramIsEnding();
    void aFailureThatEndsTheRunTurnsTheSwitchOff();
    void otherFailuresPassTheHandlerBoundary();
    void framePacing_data();
    void framePacing();
    void startClearsTheRestNeedles();
    void aCoverGoneLeavesOneNeedleADial();
    void stopLeavesOnlyTheRestNeedles();
};

void RunLoopTest::noPassWithoutTheSwitch() {
    Demo d;
    d.form->RunDemo();  // `running` is still empty
    QCOMPARE(d.pass, 0);
    verifyRestState(*d.form);
    QCOMPARE(d.form->Label11->Caption(), QStringLiteral("+"));
}

void RunLoopTest::firstPass() {
    Demo d;
    DRIVE(d.run(2, [](Demo& demo) {
        if (demo.pass != 2) {
            return;
        }
        const Form1& f = *demo.form;
        // elapsed 0: voltage phase 1, current phase 0.
        QCOMPARE(f.running, 1);
        QCOMPARE(f.picOn->BackColor(), scene::ColourNumber{65535});
        QCOMPARE(f.picOn->appearance(), scene::Appearance::ThreeD);
        QCOMPARE(f.Label11->Caption(), QStringLiteral("-"));
        QCOMPARE(f.Label12->Caption(), QStringLiteral("+"));
        for (int i = 0; i <= 15; ++i) {
            QCOMPARE(f.pictok(i).BackColor(), kWhite);
        }
        for (int i = 0; i <= 75; ++i) {
            QCOMPARE(f.tok(i).Visible(), i >= 35 && i <= 39);
        }
        QCOMPARE(f.omega, 1.5 * 3.14);  // sldW starts at mode 5
        QCOMPARE(f.inductance, 0.5);
        QCOMPARE(f.curX, 8850.0);
        QCOMPARE(f.curU, 2940.0 - 500);
        QCOMPARE(f.curI, 5220.0);
        QCOMPARE(f.sweepCount, 0);
    }));
    QCOMPARE(d.form->running, 0);
    QCOMPARE(d.form->picOn->BackColor(), scene::ColourNumber{12632256});
    QCOMPARE(d.form->picOn->appearance(), scene::Appearance::Flat);
}

void RunLoopTest::slidersMovedInTheYieldTakeEffectAtOnce() {
    Demo d;
    d.step = 0.5;
    DRIVE(d.run(4, [](Demo& demo) {
        Form1& f = *demo.form;
        if (demo.pass == 3) {  // moved inside the yield of the pass at elapsed 1.0
            f.sldW->setValue(1);
            f.sldL->setValue(10);
            f.sldU->setValue(10);
        } else if (demo.pass == 4) {  // what that pass did
            QCOMPARE(f.omega, 3.14 / 10);
            QCOMPARE(f.inductance, 5.0);
            const double k = (f.omega * f.inductance) * 5;
            QCOMPARE(f.curI, std::floor(5220 - ((1.0 / k) * 1000) * std::sin(f.omega * 1.0)));
            QCOMPARE(f.curU, std::floor(2940 - 1000 * std::cos(f.omega * 1.0)));
        }
    }));
}

void RunLoopTest::sweepWrap() {
    Demo d;
    d.form->picShirma->hide();
    QVERIFY(shown::show(*d.form));
    double lastU = 0;
    double lastI = 0;
    DRIVE(d.run(65, [&](Demo& demo) {
        const Form1& f = *demo.form;
        switch (demo.pass) {
            case 62:  // pass 61 had sweepT exactly 15.0: no wrap follows it
                QCOMPARE(f.curX, 8850.0 + 15 * 400);
                QCOMPARE(f.sweepCount, 0);
                break;
            case 63:  // pass 62 plotted beyond the right end, at sweepT 15.25
                QCOMPARE(f.curX, 14950.0);
                QCOMPARE(f.sweepCount, 0);
                lastU = f.curU;
                lastI = f.curI;
                break;
            case 64: {  // pass 63 wrapped, and restarted at the left edge from the last heights
                QCOMPARE(f.sweepCount, 1);
                QCOMPARE(f.curX, 8850.0 + 0.5 * 400);
                const QImage shot = demo.screen();
                QCOMPARE(shot.pixel(px(QPoint(8850, static_cast<int>(lastU)))), qRgb(0, 0, 255));
                QCOMPARE(shot.pixel(px(QPoint(8850, static_cast<int>(lastI)))), qRgb(255, 0, 0));
                // Everything of the old sweep is gone.
                for (int x = px(9200); x < px(15000); ++x) {
                    for (int y = px(1900); y < px(9950); ++y) {
                        QVERIFY2(!graphPixel(shot.pixel(x, y)) || shot.pixel(x, y) == qRgb(0, 0, 0),
                                 qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                    }
                }
                break;
            }
            default:
                break;
        }
    }));
    // Sweeps keep counting: exceed 15 s again at 30.25, wrap at 30.5.
    d.step = 0.25;
    DRIVE(d.run(124, [](Demo& demo) {
        if (demo.pass == 123) {
            QCOMPARE(demo.form->sweepCount, 1);  // pass 122: elapsed 30.25, sweepT 15.25
        }
        if (demo.pass == 124) {
            QCOMPARE(demo.form->sweepCount, 2);
        }
    }));
}

void RunLoopTest::stopResetsTwiceAndKeepsTheLastSigns() {
    Demo d;
    d.form->picShirma->hide();
    QVERIFY(shown::show(*d.form));
    bool checkedInside = false;
    // Run to elapsed 20 (one sweep wrapped), stop in the yield of the pass at elapsed 20.25.
    d.atYield = {};
    d.pass = 0;
    d.atYield = [&](Demo& demo) {
        if (demo.pass != 82) {
            return;
        }
        QCOMPARE(demo.form->sweepCount, 1);
        demo.form->picOn_Click();
        // Inside the yield the nested run loop has already reset everything.
        verifyRestState(*demo.form);
        QCOMPARE(demo.form->running, 0);
        checkedInside = true;
    };
    DRIVE(d.start());
    QVERIFY(checkedInside);
    const Form1& f = *d.form;
    // The interrupted pass went on from the reset state and plotted one step, with sweepCount
    // back at 0 (so at sweepT = elapsed); the second reset then erased it.
    QCOMPARE(f.curX, std::floor(8850 + 20.25 * 400));
    verifyRestState(f);
    const auto [leftSign, rightSign] = physics::terminalSigns(std::cos(f.omega * 20.25));
    QCOMPARE(f.Label11->Caption(), QString::fromLatin1(leftSign));
    QCOMPARE(f.Label12->Caption(), QString::fromLatin1(rightSign));
    const QImage shot = d.screen();
    for (int x = px(9000); x < px(15100); ++x) {
        for (int y = px(1900); y < px(9950); ++y) {
            const QRgb c = shot.pixel(x, y);
            QVERIFY2(c != qRgb(0, 0, 255) && c != qRgb(255, 0, 0),
                     qPrintable(QStringLiteral("graph pixel left at %1,%2").arg(x).arg(y)));
        }
    }
    // Both dials show only their rest needles.
    QCOMPARE(shot.pixel(d.form->picamp->mapTo(
                 d.form.get(), d.form->picamp->innerOrigin() + px(QPoint(1400, 1000)))),
             qRgb(128, 128, 128));
}

void RunLoopTest::startAfterStopBeginsAFreshSweep() {
    Demo d;
    d.form->sldU->setValue(10);
    DRIVE(d.run(40));
    const double storedAmmeter = d.form->ammeterAngle;
    const double storedVoltmeter = d.form->voltmeterAngle;
    QVERIFY(storedAmmeter != 0);
    QVERIFY(storedVoltmeter != 0);
    d.now = 1000;  // a new run starts its own clock
    DRIVE(d.run(3, [&](Demo& demo) {
        const Form1& f = *demo.form;
        if (demo.pass == 1) {
            // Nothing reset the needles' stored angles.
            QCOMPARE(f.ammeterAngle, storedAmmeter);
            QCOMPARE(f.voltmeterAngle, storedVoltmeter);
        }
        if (demo.pass == 2) {
            QCOMPARE(f.sweepCount, 0);
            QCOMPARE(f.curX, 8850.0);
            QCOMPARE(f.curU, 2940.0 - 1000);
        }
    }));
}

void RunLoopTest::startPressedAfterStopInTheSameYieldRestartsTheRun() {
    Demo d;
    QList<int> depthAtYield;
    int depth = 0;
    d.atYield = [&](Demo& demo) {
        depthAtYield << depth;
        ++depth;
        if (demo.pass == 3) {
            demo.form->picOn_Click();  // stop: the momentary loop resets at once
            verifyRestState(*demo.form);
            demo.form->picOn_Click();  // start: handed to the loop already running
            QCOMPARE(demo.form->running, 1);
            QCOMPARE(demo.form->picOn->appearance(), scene::Appearance::ThreeD);
        } else if (demo.pass == 5) {
            // The run began afresh: its first pass plotted at the left edge from the baselines.
            QCOMPARE(demo.form->curX, 8850.0);
            QCOMPARE(demo.form->prevU, demo.form->curU);
        } else if (demo.pass == 7) {
            demo.form->picOn_Click();
        }
        --depth;
    };
    DRIVE(d.start());
    // One loop throughout: no yield ever ran inside another.
    QCOMPARE(depthAtYield, (QList<int>{0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(d.form->picOn->appearance(), scene::Appearance::Flat);
    verifyRestState(*d.form);
}

// Presses arriving in a burst (a bouncing button, a lagging remote desktop) never pile run loops
// on the stack, and each still takes effect in its order.
void RunLoopTest::burstOfPressesDoesNotNestRuns_data() {
    QTest::addColumn<int>("presses");
    QTest::newRow("1,000 stop/start pairs: on") << 2000;
    QTest::newRow("one press more: off") << 2001;
}

void RunLoopTest::burstOfPressesDoesNotNestRuns() {
    QFETCH(int, presses);
    Demo d;
    int depth = 0;
    d.atYield = [&](Demo& demo) {
        ++depth;
        const auto left = qScopeGuard([&] { --depth; });
        // At the first nesting, not once the stack has overflowed.
        QVERIFY2(depth == 1, qPrintable(QStringLiteral("pass %1 runs in a run loop nested in "
                                                       "another one's yield")
                                            .arg(demo.pass)));
        if (demo.pass == 2) {
            for (int i = 0; i < presses; ++i) {
                demo.form->picOn_Click();
            }
            const bool on = presses % 2 == 0;  // the first press of the burst stops the run
            QCOMPARE(demo.form->running, on ? 1 : 0);
            QCOMPARE(demo.form->picOn->appearance(),
                     on ? scene::Appearance::ThreeD : scene::Appearance::Flat);
            verifyRestState(*demo.form);
        } else if (demo.pass == 4) {
            QCOMPARE(demo.form->curX, 8850.0);  // the run that goes on is a fresh one
            demo.form->picOn_Click();
        }
    };
    DRIVE(d.start());
    QCOMPARE(d.pass, presses % 2 == 0 ? 4 : 2);
    QCOMPARE(d.form->running, 0);
    verifyRestState(*d.form);
}

void RunLoopTest::resetTwiceIsResetOnce() {
    Demo once;
    Demo twice;
    for (Demo* demo : {&once, &twice}) {
        DRIVE(demo->run(6));
        demo->form->ResetDemo();
    }
    twice.form->ResetDemo();
    for (const Demo* demo : {&once, &twice}) {
        verifyRestState(*demo->form);
    }
    QCOMPARE(twice.form->Label11->Caption(), once.form->Label11->Caption());
    QCOMPARE(twice.form->ammeterAngle, once.form->ammeterAngle);
    QCOMPARE(twice.form->curX, once.form->curX);
    QCOMPARE(twice.form->picShirma->isHidden(), once.form->picShirma->isHidden());
}

void RunLoopTest::curtainDuringARun() {
    Demo d;
    QList<double> xs;
    DRIVE(d.run(9, [&](Demo& demo) {
        if (demo.pass == 3 || demo.pass == 6) {
            demo.form->Command4_Click();
        }
        if (demo.pass > 1 && demo.pass < 9) {
            QCOMPARE(demo.form->running, 1);
            QCOMPARE(demo.form->picShirma->isHidden(), demo.pass >= 3 && demo.pass < 6);
            xs << demo.form->curX;
        }
    }));
    QCOMPARE(xs.size(), 7);
    for (qsizetype i = 1; i < xs.size(); ++i) {
        QCOMPARE(xs[i], xs[i - 1] + 100);  // 0.25 s a pass
    }
    QVERIFY(!d.form->picShirma->isHidden());
}

void RunLoopTest::exitFromInsideAPass_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Выход") << false;
    QTest::newRow("close box") << true;
}

void RunLoopTest::exitFromInsideAPass() {
    QFETCH(bool, closeBox);
    Demo d;
    d.form->show();
    int passes = 0;
    double xBefore = 0;
    d.atYield = [&](Demo& demo) {
        passes = demo.pass;
        if (demo.pass == 5) {
            xBefore = demo.form->curX;
            if (closeBox) {
                demo.form->close();
            } else {
                demo.form->Command1->click();
            }
        }
    };
    DRIVE(d.start());  // returns: the loop does not run on without its window
    QVERIFY(d.form->isEnding());
    QCOMPARE(passes, 5);
    // The pass was not finished and nothing was reset: the last packet is still shown.
    QCOMPARE(d.form->curX, xBefore);
    QCOMPARE(d.visibleMarkers() > 0, true);
    QCOMPARE(d.form->running, 1);
    QVERIFY(d.form->isHidden());
}

void RunLoopTest::longRunKeepsItsInvariants() {
    Demo d;
    QRandomGenerator random(20261208);
    const auto widgetsBefore = d.form->findChildren<QWidget*>().size();
    DRIVE(d.run(2));  // warm up every path once
    const long memoryBefore = residentKilobytes();
    d.pass = 0;
    d.atYield = [&](Demo& demo) {
        Form1& f = *demo.form;
        if (demo.pass > 1) {
            QVERIFY(demo.visibleMarkers() <= 5);
            const scene::ColourNumber c = f.pictok(7).BackColor();
            const int green = static_cast<int>((c >> 8) & 0xFF);
            const int blue = static_cast<int>((c >> 16) & 0xFF);
            QCOMPARE(static_cast<int>(c & 0xFF), 255);
            QCOMPARE(green, blue);
            QVERIFY(green >= 12 && green <= 255);
            QVERIFY(f.imgU->position().y() >= 1940 && f.imgU->position().y() <= 3940);
            QVERIFY(f.imgI->position().y() >= 3946 && f.imgI->position().y() <= 6493);
            QVERIFY(f.imgP->position().y() >= 6717 && f.imgP->position().y() <= 9902);
            QVERIFY(f.imgU->position().x() >= 8850 && f.imgU->position().x() <= 14850 + 40);
        }
        if (random.bounded(50) == 0) {
            f.sldW->setValue(random.bounded(1, 10));
            f.sldU->setValue(random.bounded(1, 11));
            f.sldL->setValue(random.bounded(1, 11));
        }
        demo.step = random.bounded(0.1);
        if (demo.pass % 1000 == 0) {
            QCoreApplication::processEvents();
        }
        if (demo.pass == 100000) {
            f.picOn_Click();
        }
    };
    DRIVE(d.start());
    QCOMPARE(d.pass, 100000);
    QCOMPARE(d.form->findChildren<QWidget*>().size(), widgetsBefore);
    if (kUnderAddressSanitizer) {
        QSKIP("the invariants held; resident memory is not compared under AddressSanitizer");
    }
    QVERIFY2(residentKilobytes() - memoryBefore < 2048,
             qPrintable(QStringLiteral("grew by %1 kB").arg(residentKilobytes() - memoryBefore)));
}

// The second click of a double click arrives as a double-click event: one press, so a running
// demonstration stops and stays stopped.
void RunLoopTest::doubleClickOnTheSwitchIsOnePress() {
    Demo d;
    d.atYield = [](Demo& demo) {
        if (demo.pass == 2) {
            // As the windowing system delivers it: press, release, double click, release.
            QTest::mouseClick(demo.form->picOn, Qt::LeftButton);
            QTest::mouseDClick(demo.form->picOn, Qt::LeftButton);
            QTest::mouseRelease(demo.form->picOn, Qt::LeftButton);
        } else if (demo.pass == 3) {
            demo.form->picOn_Click();  // the double click started it again: stop it here
        }
    };
    DRIVE(d.start());
    QCOMPARE(d.pass, 2);
    QCOMPARE(d.form->running, 0);
    QCOMPARE(d.form->picOn->appearance(), scene::Appearance::Flat);
}

// "Выход" and a press of the switch queued behind it in the same yield: the press finds the
// program ending and does nothing, neither to the switch nor to the dials.
void RunLoopTest::noHandlerRunsOnceTheProgramIsEnding() {
    Demo d;
    d.form->show();
    d.atYield = [](Demo& demo) {
        if (demo.pass == 3) {
            demo.form->Command1->click();
            QTest::mouseClick(demo.form->picOn, Qt::LeftButton);
        }
    };
    DRIVE(d.start());
    QVERIFY(d.form->isEnding());
    QCOMPARE(d.pass, 3);
    QCOMPARE(d.form->running, 1);
    QCOMPARE(d.form->picOn->appearance(), scene::Appearance::ThreeD);
    QCOMPARE(d.form->sweepCount, 0);
}

// After about 136 hours the sweep counter no longer fits its 16 bits: the failure ends the run
// at the handler boundary, and the window shows it stopped, at rest, ready for the next start.
void RunLoopTest::aFailureThatEndsTheRunTurnsTheSwitchOff() {
    Demo d;
    d.atYield = [](Demo& demo) {
        if (demo.pass == 2) {
            demo.form->sweepCount = 32767;
            demo.now += 15.0 * 32767 + 20;  // the next passes are past the last sweep
        }
    };
    QTest::mouseClick(d.form->picOn, Qt::LeftButton);  // through the handler boundary
    QVERIFY(d.pass >= 3);
    QCOMPARE(d.form->running, 0);
    QCOMPARE(d.form->picOn->appearance(), scene::Appearance::Flat);
    QCOMPARE(d.form->picOn->BackColor(), scene::ColourNumber{12632256});
    verifyRestState(*d.form);
    // The next press starts a run as always. (Checks stay outside the callbacks here: the run
    // starts through Qt's dispatch of the click, which the harness's stop must not cross.)
    int runningAtPass2 = 0;
    d.atYield = [&](Demo& demo) {
        if (demo.pass == 2) {
            runningAtPass2 = demo.form->running;
            demo.form->picOn_Click();
        }
    };
    d.pass = 0;
    QTest::mouseClick(d.form->picOn, Qt::LeftButton);
    QCOMPARE(d.pass, 2);
    QCOMPARE(runningAtPass2, 1);
}

// The handler boundary ends a handler quietly only for the program's own control failures; any
// other failure (of the toolkit, of memory) goes on to whoever called, as without the boundary.
void RunLoopTest::otherFailuresPassTheHandlerBoundary() {
    Demo d;
    d.atYield = [](Demo&) { throw std::runtime_error("no control's failure"); };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, d.form->picOn->click());
}

// The run loop's own wait keeps one pass a display frame: a pass that took part of a frame waits
// for the rest of it; one that ran past its frame's end is followed at once, and the rhythm
// starts again from it instead of hurrying to catch up. Each row gives how long the work of each
// pass takes and the wait that must follow it, in frames.
void RunLoopTest::framePacing_data() {
    QTest::addColumn<QList<double>>("work");
    QTest::addColumn<QList<double>>("waits");
    QTest::newRow("on time: the rest of the frame")
        << QList<double>{0.25, 0.5, 0.25} << QList<double>{0.75, 0.5, 0.75};
    QTest::newRow("just in time: no wait")
        << QList<double>{0.25, 1, 0.25} << QList<double>{0.75, 0, 0.75};
    QTest::newRow("late: at once, new rhythm from now")
        << QList<double>{0.25, 1.5, 0.25, 0.25} << QList<double>{0.75, 0, 0.75, 0.75};
    QTest::newRow("very late: no catching up")
        << QList<double>{0.25, 10, 0.25} << QList<double>{0.75, 0, 0.75};
}

void RunLoopTest::framePacing() {
    QFETCH(QList<double>, work);
    QFETCH(QList<double>, waits);
    Demo d;
    d.step = 0;  // the clock moves by the work and the wait of each pass alone
    const double frame = 1 / d.form->screen()->refreshRate();
    QList<double> waited;
    DRIVE(d.run(static_cast<int>(work.size()) + 1, [&](Demo& demo) {
        if (demo.pass <= work.size()) {
            demo.now += work[demo.pass - 1] * frame;
            const double wait = static_cast<double>(demo.form->waitForNextFrame()) / 1e9;
            demo.now += wait;
            waited << std::round(wait / frame * 1e6) / 1e6;
        }
    }));
    QCOMPARE(waited, waits);
}

namespace {

QSet<QPoint> needlePixels(const scene::Surface& dial, QPoint tip) {
    return line_pixels::of(dial, physics::kNeedlePivot, tip, 3);
}

QSet<QPoint> needlePixels(const scene::Surface& dial, double angle) {
    return needlePixels(dial, physics::needleTip(angle, 3.14, 1060));
}

}  // namespace

// The press that starts a run clears both dials: their rest needles are gone before the first
// pass draws anything.
void RunLoopTest::startClearsTheRestNeedles() {
    Demo d;
    QVERIFY(shown::show(*d.form));
    QString shown;
    DRIVE(d.run(1, [&](Demo& demo) {
        const QImage screen = demo.screen();
        for (const scene::PictureBox* dial : {demo.form->picamp, demo.form->picvolt}) {
            shown += line_pixels::mismatches(screen, *demo.form, *dial,
                                             needlePixels(*dial, physics::kRestNeedleTip),
                                             scene::toQColor(dial->BackColor()).rgb());
        }
    }));
    QVERIFY2(shown.isEmpty(), qPrintable(shown));
}

// A window that covered the dials goes away during a run: each dial shows the needle the last
// pass drew, and no rest needle beside it.
void RunLoopTest::aCoverGoneLeavesOneNeedleADial() {
    Demo d;
    QVERIFY(shown::show(*d.form));
    QString shown;
    DRIVE(d.run(4, [&](Demo& demo) {
        Form1& f = *demo.form;
        if (demo.pass != 3) {
            return;
        }
        shown::uncover(f, QRegion(f.picvolt->geometry()) + f.picamp->geometry());
        const QImage screen = demo.screen();
        for (const auto& [dial, angle] :
             {std::pair{f.picamp, f.ammeterAngle}, std::pair{f.picvolt, f.voltmeterAngle}}) {
            const QSet<QPoint> needle = needlePixels(*dial, angle);
            shown += line_pixels::mismatches(screen, f, *dial,
                                             needlePixels(*dial, physics::kRestNeedleTip) - needle,
                                             scene::toQColor(dial->BackColor()).rgb());
            shown += line_pixels::mismatches(screen, f, *dial, needle, qRgb(128, 128, 128));
        }
    }));
    QVERIFY2(shown.isEmpty(), qPrintable(shown));
}

// After a stop each dial shows exactly what it showed at start-up: its rest needle, and none of
// the needles drawn during the run or by the pass that went on after the first reset.
void RunLoopTest::stopLeavesOnlyTheRestNeedles() {
    Demo d;
    d.form->sldU->setValue(10);
    QVERIFY(shown::show(*d.form));
    auto dials = [&] {
        const QImage screen = d.screen();
        QList<QImage> images;
        for (const scene::PictureBox* dial : {d.form->picamp, d.form->picvolt}) {
            images << screen.copy(QRect(dial->mapTo(d.form.get(), QPoint()), dial->size()));
        }
        return images;
    };
    const QList<QImage> atStart = dials();
    DRIVE(d.run(7));
    QVERIFY(d.form->ammeterAngle != 0 && d.form->voltmeterAngle != 0);
    QCOMPARE(dials(), atStart);
}

QTEST_MAIN(RunLoopTest)
#include "tst_run_loop.moc"
