#pragma once

#include <QObject>
#include <functional>
#include <optional>

// The demonstration's own time, in seconds, read from the wall clock. It runs at the wall clock's
// speed or slowed down, and stands still while the user pauses the run or while a menu or a
// dialog holds it. However the pause, the holds and the speed change, it stays continuous: it
// goes on from the instant it stood at, without a jump.
//
// Until anything of this is used it is the wall clock itself, to the last bit.
class DemoClock : public QObject {
    Q_OBJECT

  public:
    // `wall`: monotonic seconds.
    explicit DemoClock(std::function<double()> wall);

    double now() const;
    // The time for a pass of the run: now(), kept as the instant the run shows. A pass reads the
    // time before it lets input in and draws that instant after; a pause that comes in between
    // stands at the instant drawn, not at the moment of the key, so that what the class sees
    // paused is the paused instant.
    double read();

    bool paused() const { return paused_; }
    // Paused, the time stands at the instant the run read last (at the present instant when the
    // run has read none); continued, it goes on from there.
    void setPaused(bool paused);

    // How many wall seconds one second of the demonstration takes: 1 (normal speed), 2, 4, 8
    // or 16.
    int slowdown() const { return slowdown_; }
    void setSlowdown(int slowdown);

    // A hold stops the time without touching the user's pause: while a menu or a dialog runs an
    // event loop of its own inside a pass, no pass runs, and when it closes the run must go on
    // from the same instant. Holds nest.
    class Hold {
      public:
        explicit Hold(DemoClock& clock);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

      private:
        DemoClock& clock_;
    };

    // Paused or held.
    bool standing() const { return paused_ || holds_ > 0; }

  signals:
    // Paused, continued or set to another speed (a hold changes nothing the run shows).
    void changed();

  private:
    // Makes the present instant the start of the next stretch, before the rules of the time
    // change.
    void rebase();

    std::function<double()> wall_;
    double base_ = 0;      // the demonstration's seconds at `wallBase_`
    double wallBase_ = 0;  // wall seconds
    std::optional<double> lastRead_;
    int slowdown_ = 1;
    bool paused_ = false;
    int holds_ = 0;
};

// The speeds in their order, as slowdowns: 1, 2, 4, 8, 16 (speed 1, 1/2 ... 1/16). Each step
// halves or doubles the speed and stops at the ends.
inline constexpr int kNormalSpeed = 1;
inline constexpr int kSlowestSpeed = 16;
int slower(int slowdown);
int faster(int slowdown);
