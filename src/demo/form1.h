#pragma once

// The demonstration: the window object with every control and all the state of the run, its
// run loop, handlers and reset, the numbers of one pass and the clock it follows.

#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "demo/demo_clock.h"
#include "physics/element.h"
#include "physics/pass.h"
#include "scene/controls.h"
#include "scene/picture_box.h"
#include "scene/surface.h"
#include "scene/tavik.h"

class QPushButton;
class QSlider;

// The one window of the program. It owns every control, all the state of the demonstration
// and all its behaviour; it lives from program start to program end.
class Form1 : public scene::Surface {
    Q_OBJECT

  public:
    // What the run loop takes from the platform. `clock` is monotonic, in seconds; `yield`
    // lets the window process pending input once per pass (and paces the passes to the
    // display). Tests supply both to drive the loop deterministically.
    struct Platform {
        std::function<double()> clock;
        std::function<void()> yield;
    };

    explicit Form1(Platform platform = {});
    ~Form1() override;

    // --- Controls -------------------------------------------------------------------------
    QSlider* sldW = nullptr;
    QSlider* sldU = nullptr;
    QSlider* sldL = nullptr;
    scene::PictureBox* picOn = nullptr;
    scene::PictureBox* picvolt = nullptr;
    scene::PictureBox* picamp = nullptr;
    scene::PictureBox* picShirma = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command1 = nullptr;
    scene::Windowless* Label11 = nullptr;
    scene::Windowless* Label12 = nullptr;
    scene::Windowless* imgU = nullptr;
    scene::Windowless* imgI = nullptr;
    scene::Windowless* imgP = nullptr;

    // The wire segments 0..15 and the charge markers 0..75; any other index is a failed
    // control lookup (scene::ControlError).
    scene::PictureBox& pictok(int index) const;
    Tavik::Mark& tok(int index) const;

    const scene::Controls& controls() const { return *controls_; }

    // --- Demonstration state (empty members start at 0) -----------------------------------
    double omega = 0;               // radians per second
    double pi = 0;                  // 3.14: every multiple or fraction of pi is formed from it
    double inductance = 0;          // the value on sldL: the coil's L, sldL ÷ 2 (or C or R)
    double opposition = 0;          // what the element opposes at omega: omega × inductance
    std::int16_t needleLength = 0;  // twips
    std::int16_t running = 0;       // 1 = run
    std::int16_t graphX0 = 0;       // twips
    std::int16_t graphU0 = 0;
    std::int16_t graphXScale = 0;  // twips per second
    std::int16_t graphYScale = 0;  // twips per unit
    std::int16_t graphI0 = 0;
    std::int16_t graphP0 = 0;
    std::int16_t sweepCount = 0;
    std::int32_t sweepSeconds = 0;
    double prevX = 0;  // end point of the last graph segments, twips
    double prevU = 0;
    double prevI = 0;
    std::int32_t prevP = 0;
    double curX = 0;  // newest graph point, twips
    double curU = 0;
    double curI = 0;
    std::int32_t curP = 0;
    double ammeterAngle = 0;  // radians of the needle last drawn
    double voltmeterAngle = 0;

    // --- Start-up, run loop, reset and handlers -------------------------------------------
    void Form_Load();
    void RunDemo();
    // (voltagePhase, currentPhase) = (cos(omega·t), sin(omega·t)) for the coil; the current's
    // phase is the element's.
    std::pair<double, double> Phases(double t) const;
    void ResetDemo();
    void picOn_Click();
    void Command4_Click();
    void Command1_Click();

    // --- Needle meters --------------------------------------------------------------------
    void picamp_Paint();
    void picvolt_Paint();
    void DrawAmmeter(double degrees);
    void DrawVoltmeter(double degrees);

    // --- Charge-flow strip ----------------------------------------------------------------
    void MoveCharges(double chargePosition, double wireColour, double previousChargePosition);

    // --- Time graphs ----------------------------------------------------------------------
    void PlotGraphs(double voltagePhase, double amplitude, double sweepT, double currentPhase,
                    double ammeterRange);
    // At the start of a sweep step: when the previous pass's sweep time is past the sweep
    // length, count the sweep, erase the graphs and restart at the left edge from the last
    // heights.
    void WrapSweepIfDue(double previousSweepT);
    // Pens and plot state back to the graphs' origins.
    void PutGraphsAtRest();

    // The platform's yield, in its two halves: process all pending input, then wait until the
    // next display frame is due, processing input the moment it arrives. The wait is one frame
    // after the last one's due time, none when that time has passed; it returns how long it was,
    // in ns of the loop's clock.
    void processPendingInput();
    qint64 waitForNextFrame();

    // The time the run loop follows: it can be paused and slowed down.
    DemoClock& demoClock() { return demoClock_; }

    // --- The element in the circuit and the three compared ----------------------------------
    // The coil unless another is chosen. Each element keeps its own position of sldL, which the
    // slider shows while it is in the circuit; a run goes on through a change, its time without
    // a jump, the curves changing shape where the change came, as when a slider moves.
    physics::ElementKind element() const { return element_; }
    void setElement(physics::ElementKind kind);
    // The position of sldL that an element has, the one in the circuit's being the slider's own.
    int positionOf(physics::ElementKind kind) const;
    // The current graph shows the three elements' currents for the same generator at once, each
    // in its colour, with a legend; the selected element's is the one the pen traces.
    bool comparing() const { return comparing_; }
    void setComparing(bool comparing);

    // True once the program is ending (exit button or close box): no loop runs on.
    bool isEnding() const { return ending_; }

    // The instant the displays show, for views beside them: the last pass's settings and time,
    // or at rest the sliders' settings at the start instant.
    physics::Instant shownInstant() const;

    // The client area at the layout's zoom.
    QSize innerSize() const override;
    // The client area as laid out, in pixels at scale 1: 1016 × 734.
    static QSize laidOutSize();

  signals:
    // The element in the circuit changed, or the comparison was shown or hidden.
    void elementChanged();
    // The switch was pressed, or a failure that ended the run turned it off: `on` says whether a
    // run is on now.
    void switched(bool on);
    // What the displays show has changed: a pass has drawn, or a slider moved at rest.
    void shownChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The interface language changed: every text of the layout is shown in the new one.
    void changeEvent(QEvent* event) override;
    // The layout's zoom changed: every control and element is laid out again.
    bool event(QEvent* event) override;

  private:
    // The sliders' positions now.
    physics::Settings settingsNow() const;
    // The needle a dial's repaint draws: at rest the rest needle; while a run is on, the needle at
    // the angle the run gave it last, so that a dial never shows two.
    void repaintNeedle(scene::Surface& dial, double storedAngle);
    // One needle update on a dial: erase the last needle, draw the new one, store its angle.
    void swingNeedle(scene::Surface& dial, scene::ColourNumber background, double& storedAngle,
                     double degrees);
    // The other elements' currents on the graph while the three are compared: one step of each
    // at the pass's instant, from the x the pass's segments start at and their own last heights,
    // drawn before the pass's own curves, which lie over them.
    void PlotCompared(double elapsed, double amplitude, double sweepT);
    // The element's texts again, in the language now.
    void showElementTexts();
    // The yield's wait while the run is paused: until something changes what it shows.
    void waitForChange();
    void endProgram();
    // Runs a handler as the toolkit would: a failed control operation ends it there.
    void handle(void (Form1::*handler)());
    void turnOffAfterFailure();

    // Counts the activations of the run loop on the stack while one runs.
    class ActiveRun {
      public:
        explicit ActiveRun(int& count) : count_(++count) {}
        ~ActiveRun() { --count_; }
        ActiveRun(const ActiveRun&) = delete;
        ActiveRun& operator=(const ActiveRun&) = delete;

      private:
        int& count_;
    };

    Platform platform_;
    QElapsedTimer monotonic_;
    DemoClock demoClock_;
    std::unique_ptr<scene::Controls> controls_;
    std::array<scene::PictureBox*, 16> pictok_{};
    std::array<Tavik::Mark*, 76> tok_{};
    bool ending_ = false;
    bool iconAsked_ = false;
    int activeRuns_ = 0;
    bool restartRequested_ = false;  // a start pressed inside a run's yield, after a stop
    qint64 nextFrameNs_ = 0;
    // Ticks once a display frame while a run goes on, the passes' wake-up; stopped while paused
    // and at rest.
    QTimer frameTicks_;
    physics::Instant lastPass_{};
    physics::ElementKind element_ = physics::ElementKind::Coil;
    std::array<int, 3> positions_{};  // of sldL, for each element but the one in the circuit
    bool comparing_ = false;
    // The last height of each element's current on the graph while compared, twips; empty until
    // its first step since the comparison began or the graphs were put at rest.
    std::array<std::optional<double>, 3> comparedPrev_{};
};
