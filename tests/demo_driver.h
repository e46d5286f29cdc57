#pragma once

// The window with its run loop driven by the test instead of by the clock and the display.

#include <QImage>
#include <QTest>
#include <functional>
#include <memory>

#include "demo/form1.h"
#include "shown_form.h"

namespace driver {

// Drives the run loop deterministically: the clock is a number the test advances at every
// yield, and the test acts inside the yield as the window would when it processes input.
// Pass n sees elapsed = (n - 1) × step; at the yield of pass n the passes before it are done.
//
// A failed check inside `atYield` only returns from the callback. The yield then stops the run
// at once, every nested activation of the loop with it, and the call that started the run
// returns false; the form is left as the failure found it and goes with its Demo at the end of
// the test function. The stop passes only through the loop and through handlers that a
// callback called directly, never through Qt's event dispatch.
struct Demo {
    double now = 0;
    double step = 0.25;
    int pass = 0;
    std::function<void(Demo&)> atYield;
    std::unique_ptr<Form1> form;

    Demo()
        : form(std::make_unique<Form1>(
              Form1::Platform{[this] { return now; }, [this] { yield(); }})) {}

    // Presses the switch to start, as the harness's own run; returns once the run has ended,
    // false when a check failed inside it.
    [[nodiscard]] bool start() {
        try {
            form->picOn_Click();
        } catch (const StopAtFailure&) {
            return false;
        }
        return true;
    }

    // Presses the switch to start, and stops the run at the yield of pass `stopAt`,
    // after `inspect` has looked at the state left by the previous passes.
    [[nodiscard]] bool run(int stopAt, const std::function<void(Demo&)>& inspect = {}) {
        pass = 0;
        atYield = [stopAt, inspect](Demo& d) {
            if (inspect) {
                inspect(d);
            }
            if (d.pass == stopAt) {
                d.form->picOn_Click();
            }
        };
        const bool completed = start();
        atYield = {};
        return completed;
    }

    int visibleMarkers() const {
        int n = 0;
        for (int i = 0; i <= 75; ++i) {
            n += form->tok(i).Visible() ? 1 : 0;
        }
        return n;
    }

    QImage screen() const { return shown::screen(*form); }

  private:
    // Not a std::exception: the form's handlers swallow those, and this must reach start().
    struct StopAtFailure {};

    void yield() {
        ++pass;
        if (atYield) {
            atYield(*this);
        }
        if (QTest::currentTestFailed()) {
            throw StopAtFailure{};
        }
        now += step;
    }
};

}  // namespace driver

// Starts a run through the harness and leaves the test function when a check inside the run
// failed: that check has reported the failure, and what follows the run would only add noise.
#define DRIVE(run)    \
    do {              \
        if (!(run)) { \
            return;   \
        }             \
    } while (false)
