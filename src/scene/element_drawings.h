#pragma once

#include "physics/element.h"
#include "scene/layout.h"

namespace scene {

class Controls;

// The lines of the capacitor's and the resistor's drawings, hidden while another element is in
// the circuit (the coil's are the static scene's own), and the comparison's legend, hidden until
// the three are compared.
const Layout& elementScene();

// The colour of an element's current while the three are compared: the coil's is the graph's own
// red.
ColourNumber comparedColour(physics::ElementKind kind);

// Draws the element in the circuit where the coil is laid out, between the coil's clamps: the
// seven wire segments pictok(5) to pictok(11) placed, shaped or hidden as its drawing has them,
// the charge markers tok(19) to tok(53) along it in the order of the circuit, its lines shown and
// the other elements' hidden, the letter beside its slider, the heading, and the slider's tooltip
// and screen-reader name. The coil is drawn as the window is laid out.
void drawElement(Controls& controls, physics::ElementKind kind);

// The element's texts alone, in the interface language now: the letter, the heading, the
// slider's tooltip and name.
void showElementTexts(Controls& controls, physics::ElementKind kind);

// The heading of the window with that element in the circuit, as written in the layout (a text
// to translate).
const char* headingOf(physics::ElementKind kind);

// The legend of the current graph while the three elements' currents are compared: a short line
// in each element's colour beside its name, in the graph's lower right corner.
void showComparisonLegend(Controls& controls, bool shown);

}  // namespace scene
