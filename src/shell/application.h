#pragma once

// Gives the application its one fixed look, the same on every desktop: the Fusion style with
// its standard palette (whose button colour is the button face of the window, the buttons and
// the curtain) and a default font with Cyrillic.
void setUpApplication();
