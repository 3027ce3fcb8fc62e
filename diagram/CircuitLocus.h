// The equivalent circuit's locus of the stator current, drawn over the circle diagram: the arc of its
// own circle from slip 0 to slip 1, dashed, with the slip marks 0,05 … 1 as the circle has them.
#pragma once

#include <QPointF>
#include <array>
#include <optional>

#include "Circuit.h"
#include "Konstrukce.h"

namespace diagram {

class Primitives;

struct CircuitLocus {
    QPointF centre;                             // A, the diagram's axes
    double radius = 0;                          // A
    double from = 0, to = 0;                    // the arc's angles at slip 0 and slip 1, clockwise
    std::array<QPointF, SlipCount + 1> marks{}; // the current at slips i · 0,05; entry 0 unused
};

// Nothing where the circuit's currents give no circle (never for an accepted motor).
std::optional<CircuitLocus> MakeCircuitLocus(const Circuit& c);

// The dashed arc and the rings of the marks, in the painting's primitives.
void PaintCircuitLocus(Primitives& draw, const CircuitLocus& locus);

} // namespace diagram
