// Measured values in the plots' own units: torque Nm, current A, output kW, power factor and efficiency.
#include "LoadPointMarks.h"

namespace diagram {

namespace {

void Mark(Plot& plot, double x, const std::optional<long double>& value)
{
    if (value)
        plot.measured.emplace_back(x, static_cast<double>(*value));
}

} // namespace

void MarkLoadPoints(DiagramCurves& curves, const std::vector<LoadPointComparison>& points)
{
    for (const LoadPointComparison& c : points) {
        if (!c.point)
            continue;
        const LoadPoint& m = *c.point;
        const std::optional<long double> kW = m.output ? std::optional<long double>(*m.output / 1000)
                                                       : std::optional<long double>();
        for (CurveSet* set : {&curves.slip, &curves.output}) {
            const bool byOutput = set->axis == CurvesAxis::Output;
            if (byOutput && !kW)
                continue; // no place on the output axis
            const double x = static_cast<double>(byOutput ? *kW : m.slip);
            Mark(set->plots[TorquePlot], x, m.torque);
            Mark(set->plots[CurrentPlot], x, m.phaseCurrent);
            Mark(set->plots[OutputPlot], x, byOutput ? std::optional<long double>(m.slip) : kW);
            Mark(set->plots[RatioPlot], x, m.powerFactor);
            Mark(set->plots[RatioPlot], x, m.efficiency);
        }
    }
}

} // namespace diagram
