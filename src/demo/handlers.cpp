#include "demo/form1.h"

// The switch's look is the only record of whether it is on. A press to start returns only when
// the run it starts has ended; a press to stop is seen inside that run's yield, where its nested
// run loop finds `running` 0 and resets at once. A press to start that comes in the same yield,
// after a stop, does not nest a whole new loop there: it hands the new run to the loop already
// running, which starts it afresh when the yield returns. However many presses arrive at once,
// the stack holds no more than that loop and the momentary one of a stop.
void Form1::picOn_Click() {
    picamp->clearDrawing();
    picvolt->clearDrawing();
    if (picOn->appearance() == scene::Appearance::Flat) {
        picOn->setAppearance(scene::Appearance::ThreeD);
        picOn->setBackColor(scene::kYellow);
        running = 1;
    } else {
        picOn->setAppearance(scene::Appearance::Flat);
        picOn->setBackColor(scene::kLightGrey);
        running = 0;
    }
    emit switched(running == 1);
    restartRequested_ = running == 1 && activeRuns_ > 0;
    if (!restartRequested_) {
        RunDemo();
    }
}

// Shows or hides the graphs; a run goes on plotting under the curtain either way.
void Form1::Command4_Click() {
    picShirma->setVisible(picShirma->isHidden());
}

// Ends the program at once, also from inside a pass of the run loop.
void Form1::Command1_Click() {
    close();
}
