#include "physics/plotter.h"

#include <cmath>

#include "physics/conversions.h"

namespace physics {

PlotStep plotStep(const GraphFrame& frame, const PlotInputs& in) {
    using conversions::Int;
    const double k = in.opposition * in.ammeterRange;
    return {
        Int(frame.x0 + in.sweepT * frame.xScale),
        Int(frame.u0 - (in.amplitude * frame.yScale) * in.voltagePhase),
        Int(frame.i0 - ((in.amplitude / k) * frame.yScale) * in.currentPhase),
        conversions::toInt32(
            Int(frame.p0 -
                ((((std::pow(in.amplitude, 2) / k) * frame.yScale) * 2.5) * in.voltagePhase) *
                    in.currentPhase)),
    };
}

}  // namespace physics
