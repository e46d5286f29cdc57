// The time graphs: one step of the three curves, the end-of-sweep wrap and the rest state.

#include "demo/form1.h"
#include "physics/conversions.h"
#include "physics/plotter.h"
#include "scene/element_drawings.h"

namespace {

// Window coordinates are handed over in single precision; every plotted coordinate is a whole
// number far below 2^24, so nothing is lost.
float single(double twips) {
    return static_cast<float>(twips);
}

// A pen's top-left corner goes onto the point, not its centre: the pen sits right of and below
// the newest point of its curve.
void putPen(scene::Windowless& pen, double x, double y) {
    pen.setLeft(single(x));
    pen.setTop(single(y));
}

}  // namespace

void Form1::PlotGraphs(double voltagePhase, double amplitude, double sweepT, double currentPhase,
                       double ammeterRange) {
    const physics::PlotStep step = physics::plotStep(
        {graphX0, graphXScale, graphYScale, graphU0, graphI0, graphP0},
        {voltagePhase, amplitude, sweepT, currentPhase, ammeterRange, opposition});
    curX = step.curX;
    curU = step.curU;
    putPen(*imgU, curX, curU);
    curI = step.curI;
    putPen(*imgI, curX, curI);
    curP = step.curP;
    putPen(*imgP, curX, curP);

    // The pens move before the segments are drawn, so each segment ends on its pen's corner.
    // Compared with the other elements, the current is drawn in its element's colour.
    drawLine(single(prevX), single(prevU), single(curX), single(curU), scene::kVoltageBlue);
    drawLine(single(prevX), single(prevI), single(curX), single(curI),
             comparing_ ? scene::comparedColour(element_) : scene::kCurrentRed);
    drawLine(single(prevX), single(prevP), single(curX), single(curP), scene::kPowerBlack);

    // Last, so a step that fails leaves the next one starting from the old points.
    prevX = curX;
    prevU = curU;
    prevI = curI;
    prevP = curP;
}

void Form1::WrapSweepIfDue(double previousSweepT) {
    if (!(previousSweepT > sweepSeconds)) {
        return;
    }
    sweepCount = conversions::toInt16(sweepCount + 1);
    clearDrawing();
    // The new sweep starts at the left edge at the heights where the old one stopped; the pens
    // stay put until the next step moves them.
    prevX = graphX0;
    prevU = curU;
    prevI = curI;
    prevP = curP;
}

void Form1::PutGraphsAtRest() {
    imgU->setLeft(single(graphX0));
    prevX = graphX0;
    prevU = graphU0;
    imgU->setTop(single(graphU0));
    imgI->setLeft(single(graphX0));
    prevI = graphI0;
    imgI->setTop(single(graphI0));
    imgP->setLeft(single(graphX0));
    prevP = graphP0;
    imgP->setTop(single(graphP0));
    sweepCount = 0;
    comparedPrev_.fill(graphI0);
}
