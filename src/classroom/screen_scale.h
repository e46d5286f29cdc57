#pragma once

#include <functional>

// The scale of every window of the program, on every screen, changed while they are shown: the
// windows keep their size in the program's own pixels and are drawn again at once at the new
// density of the screen's pixels, as the toolkit draws them when started with a scale factor.
//
// The scale multiplies whatever the platform itself gives (a laptop set to 150 %), so 1 is the
// program as it starts without any.
//
// `resize` runs once the screens have the new scale and before the windows are drawn again: it is
// where a window is given its new size on the screen.
void setWindowScale(double scale, const std::function<void()>& resize);

// The scale set last: 1 until one is set.
double windowScale();
