#include <QCoreApplication>
#include <QEventLoop>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "demo/form1.h"
#include "demo/frame_pacing.h"
#include "physics/generator.h"

std::pair<double, double> Form1::Phases(double t) const {
    return {std::cos(omega * t), physics::element(element_).currentPhase(omega * t)};
}

// The demonstration's own loop. It runs inside the power switch's click handler and returns
// only once `running` is no longer 1; the window sees input once per pass, at the yield, where
// a further press of the switch may run a nested activation of this loop.
void Form1::RunDemo() {
    const ActiveRun active(activeRuns_);
    lastPass_ = {settingsNow(), 0};
    // Locals of one activation; each starts empty (0) at every entry.
    double startTime = demoClock_.read();
    double previousChargePosition = 0;
    double sweepT = 0;
    bool drawnThisRun = false;  // the instant shown is one a pass of this run drew

    while (running == 1) {
        // Seconds of the demonstration's time since this run started, single precision.
        const float elapsed = static_cast<float>(demoClock_.read() - startTime);

        platform_.yield();
        if (ending_) {
            return;  // the program is ending: the pass is not finished, nothing more is drawn
        }
        if (restartRequested_) {
            // The switch was pressed to stop and to start again inside this yield: the stop has
            // reset the displays, and this loop carries on as the new run, from its own start.
            restartRequested_ = false;
            startTime = demoClock_.read();
            previousChargePosition = 0;
            sweepT = 0;
            drawnThisRun = false;
            continue;
        }
        // Paused, a pass at the instant and the settings already drawn would draw the same
        // picture, but for the charge packet, whose markers shared by two positions come back when
        // the position stays: the paused picture is left as it stands until something changes.
        if (demoClock_.paused() && drawnThisRun &&
            lastPass_ == physics::Instant{settingsNow(), elapsed}) {
            continue;
        }

        const physics::Element& element = physics::element(element_);
        double ammeterRange = 1;
        const int frequencyMode = sldW->value();
        const physics::FrequencyMode* row = physics::frequencyMode(frequencyMode);
        if (!row) {
            // The slider's range is exactly the table's nine modes.
            qFatal("frequency mode %d has no row in the table", frequencyMode);
        }
        omega = physics::omegaFor(*row, pi);
        const double glowScale = element.glowScale(frequencyMode);
        ammeterRange = element.ammeterRange(frequencyMode);
        inductance = element.valueAt(sldL->value());
        opposition = element.opposition(omega, inductance);
        const double amplitude = physics::amplitudeAt(sldU->value());

        const auto [voltagePhase, currentPhase] = Phases(elapsed);

        const double glow = physics::glowLevel(currentPhase, amplitude, opposition, glowScale);
        const auto [leftSign, rightSign] = physics::terminalSigns(voltagePhase);
        Label11->setCaption(QString::fromLatin1(leftSign));
        Label12->setCaption(QString::fromLatin1(rightSign));
        const std::int32_t wireColour = physics::wireColourFor(glow);
        for (int i = 0; i <= 15; ++i) {
            pictok(i).setBackColor(static_cast<scene::ColourNumber>(wireColour));
        }

        const double chargePosition = physics::chargePositionFor(currentPhase);
        MoveCharges(chargePosition, wireColour, previousChargePosition);
        previousChargePosition = chargePosition;

        DrawVoltmeter(physics::voltmeterDegrees(voltagePhase, amplitude));
        const double ammeterAmplitude =
            physics::ammeterAmplitude(amplitude, opposition, ammeterRange);
        // The ammeter's rest needle is painted over before its first moving needle.
        picamp->drawLine(1400, 1600, 1400, 540, scene::kAmmeterRed);
        DrawAmmeter(physics::ammeterDegrees(ammeterAmplitude, currentPhase));

        // While the time stands still no sweep ends: a pause just past a sweep's end keeps the
        // whole sweep on show, and the wrap comes with the first pass after it continues.
        if (!demoClock_.paused()) {
            WrapSweepIfDue(sweepT);
        }
        sweepT = static_cast<double>(elapsed) - static_cast<double>(sweepSeconds * sweepCount);
        if (comparing_) {
            PlotCompared(elapsed, amplitude, sweepT);
        }
        PlotGraphs(voltagePhase, amplitude, sweepT, currentPhase, ammeterRange);

        lastPass_ = {{frequencyMode, sldU->value(), sldL->value(), element_}, elapsed};
        drawnThisRun = true;
        emit shownChanged();
    }
    // A stop pressed inside a pass's wait runs to here inside that wait, which still needs the
    // ticks to end: only the outermost activation stops them.
    if (activeRuns_ == 1) {
        frameTicks_.stop();
    }
    ResetDemo();
}

void Form1::processPendingInput() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// A paused run shows the same instant on every pass; it waits for what could change that: a
// slider, the switch, or the pause itself. No pass runs for a frame that brings nothing new, so a
// pause costs less than a run.
void Form1::waitForChange() {
    if (ending_) {
        return;
    }
    frameTicks_.stop();
    QEventLoop wait;
    for (const QSlider* slider : {sldW, sldU, sldL}) {
        connect(slider, &QSlider::valueChanged, &wait, &QEventLoop::quit);
    }
    connect(picOn, &scene::PictureBox::clicked, &wait, &QEventLoop::quit);
    connect(&demoClock_, &DemoClock::changed, &wait, &QEventLoop::quit);
    wait.exec();
}

// Without this wait the loop would redraw far more often than any screen shows, at a whole
// core's cost. The time is the loop's own clock's. A pass that is due later waits for the next
// tick of one timer that ticks every frame for the whole run: a timer set anew for each pass is,
// on Windows, a multimedia timer set and killed each pass, and under Wine a thread started and
// ended each pass, which cost more than the pass itself.
qint64 Form1::waitForNextFrame() {
    if (ending_) {
        return 0;
    }
    const double hz = screen() && screen()->refreshRate() >= 1 ? screen()->refreshRate() : 60.0;
    const auto now = static_cast<qint64>(platform_.clock() * 1e9);
    const pacing::FrameWait next =
        pacing::nextFrame(nextFrameNs_, now, static_cast<qint64>(1e9 / hz));
    nextFrameNs_ = next.due;
    const int frameMs = std::max(1, qRound(1000 / hz));
    if (!frameTicks_.isActive() || frameTicks_.interval() != frameMs) {
        frameTicks_.setTimerType(Qt::PreciseTimer);
        frameTicks_.start(frameMs);
    }
    if (next.wait / 1'000'000 <= 0) {
        return next.wait;
    }
    QEventLoop wait;
    QObject::connect(&frameTicks_, &QTimer::timeout, &wait, &QEventLoop::quit);
    wait.exec();
    return next.wait;
}
