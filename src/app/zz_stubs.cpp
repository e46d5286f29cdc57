// Temporary: empty procedures until the run loop is built. Delete this file then.
#include "app/form1.h"
void Form1::RunDemo() {}
std::pair<double, double> Form1::Phases(double) const { return {}; }
void Form1::ResetDemo() {}
void Form1::picOn_Click() {}
void Form1::Command4_Click() {}
void Form1::Command1_Click() { close(); }
void Form1::yieldToInput() {}
