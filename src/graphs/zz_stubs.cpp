// Temporary: empty procedures until the plotter is built. Delete this file then.
#include "app/form1.h"
void Form1::PlotGraphs(double, double, double, double, double) {}
void Form1::WrapSweepIfDue(double) {}
void Form1::PutGraphsAtRest() {}
