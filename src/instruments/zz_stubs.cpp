// Temporary: empty procedures until the instruments are built. Delete this file then.
#include "app/form1.h"
void Form1::picamp_Paint() {}
void Form1::picvolt_Paint() {}
void Form1::DrawAmmeter(double) {}
void Form1::DrawVoltmeter(double) {}
void Form1::MoveCharges(double, double, double) {}
void Form1::swingNeedle(scene::Surface&, scene::ColourNumber, double&, double) {}
