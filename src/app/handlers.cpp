#include "app/form1.h"

// The switch's look is the only record of whether it is on. A press to start returns only when
// the run it starts has ended; a press to stop is seen inside that run's yield, where its nested
// run loop finds `running` 0 and resets at once.
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
    RunDemo();
}

// Shows or hides the graphs; a run goes on plotting under the curtain either way.
void Form1::Command4_Click() {
    picShirma->setVisible(picShirma->isHidden());
}

// Ends the program at once, also from inside a pass of the run loop.
void Form1::Command1_Click() {
    close();
}
