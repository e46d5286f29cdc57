// The three elements compared: their currents for the same generator on the current graph at
// once, each in its colour, with a legend.

#include <QSlider>

#include "demo/form1.h"
#include "physics/conversions.h"
#include "physics/generator.h"
#include "physics/plotter.h"
#include "scene/element_drawings.h"

// Turned on during a run, the other currents begin where the run stands; at rest they begin on
// the baseline with the pass's own.
void Form1::setComparing(bool comparing) {
    if (comparing == comparing_) {
        return;
    }
    comparing_ = comparing;
    comparedPrev_.fill(activeRuns_ > 0 ? std::optional<double>() : std::optional<double>(graphI0));
    scene::showComparisonLegend(*controls_, comparing);
    emit elementChanged();
}

void Form1::PlotCompared(double elapsed, double amplitude, double sweepT) {
    const int frequencyMode = sldW->value();
    for (const physics::ElementKind kind : physics::kElementKinds) {
        if (kind == element_) {
            continue;  // the pass's own curve
        }
        const physics::Element& other = physics::element(kind);
        const double x = omega * elapsed;
        const physics::PlotStep step =
            physics::plotStep({graphX0, graphXScale, graphYScale, graphU0, graphI0, graphP0},
                              {std::cos(x), amplitude, sweepT, other.currentPhase(x),
                               other.ammeterRange(frequencyMode),
                               other.opposition(omega, other.valueAt(positionOf(kind)))});
        std::optional<double>& from = comparedPrev_.at(static_cast<std::size_t>(kind));
        const double fromX = from ? prevX : step.curX;
        drawLine(static_cast<float>(fromX), static_cast<float>(from.value_or(step.curI)),
                 static_cast<float>(step.curX), static_cast<float>(step.curI),
                 scene::comparedColour(kind));
        from = step.curI;
    }
}
