// The load test's points on the curves: each measured value at the point's slip, or at its output
// on the curves against output.
#pragma once

#include <vector>

#include "Diagram.h"
#include "LoadTest.h"

namespace diagram {

void MarkLoadPoints(DiagramCurves& curves, const std::vector<LoadPointComparison>& points);

} // namespace diagram
