#include "demo/form1.h"

// Every display back to rest. Running it twice leaves the same state as running it once. The
// terminal labels keep the signs of the last pass, and the needles' stored angles stay.
void Form1::ResetDemo() {
    clearDrawing();
    for (int i = 0; i <= 75; ++i) {
        tok(i).setVisible(false);
    }
    for (int i = 0; i <= 15; ++i) {
        pictok(i).setBackColor(scene::kWhite);
    }
    picvolt->clearDrawing();
    picamp->clearDrawing();
    picamp_Paint();
    picvolt_Paint();
    PutGraphsAtRest();
}
