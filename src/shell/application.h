#pragma once

// The program's shell, the top layer: start-up, the command line, the window-system guard,
// translations, the program's identity and the application object; main() puts the window and
// the classroom together.

// Gives the application its one fixed look, the same on every desktop: the Fusion style with
// its standard palette (whose button colour is the button face of the window, the buttons and
// the curtain) and a default font with Cyrillic.
void setUpApplication();
