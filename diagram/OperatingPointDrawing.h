// The operating point asked for, on the circle diagram: where its construction lies, in amperes, and its
// drawing among the diagram's own lines: the current phasor O–X, the vertical from X to the x axis cut
// by the power, torque and no-load lines into its four named segments, and the line from Ao through X
// to the slip scale with the slip read there.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

#include "Konstrukce.h"
#include "LabelPlacer.h"
#include "OperatingPointSolver.h"

class QPainter;

namespace diagram {

struct Extent;
class Primitives;
class Typesetter;

struct PointConstruction {
    QPointF x;       // on the circle
    QPointF outward; // from the circle's centre through X: where X's name goes
    // Where the vertical through X meets the power line, the torque line and the horizontal through
    // Ao (A, top down but for a torque line below Ao); the x axis ends it.
    double powerLine = 0, torqueLine = 0, noLoadLine = 0;
    QPointF ao;        // the line to the slip scale starts here,
    QPointF slipPoint; // passes through X and meets the slip scale here
    long double slip = 0;
};

// The construction of a solved point `p` of record `k`; nothing where the geometry gives none (no
// slip, a vertical power or torque line).
std::optional<PointConstruction> MakePointConstruction(const TKonstrukce& k, const PointValues& p);

// The drawing of one point on one painting of the diagram, in the painting's millimetres, with that
// painting's primitives.
class PointDrawing {
public:
    explicit PointDrawing(Primitives& draw);

    // The dots of X and of the slip scale's point and the vertical's cuts, where shown: no label may
    // cover them.
    std::vector<QRectF> Marks(const PointConstruction& c) const;
    // The slip read on the scale, X's name and the segments' names, each in the first free place of its
    // own that `placer` offers, added to `labels`; a name without room is left out. A segment too short
    // for its name beside it has it farther out with a leader to its middle: the leaders are returned.
    std::vector<QLineF> PlaceLabels(const PointConstruction& c, LabelPlacer& placer,
                                    std::vector<PlacedLabel>& labels) const;
    // The lines, the cuts, the dots and the names' leaders.
    void Paint(const PointConstruction& c, const std::vector<QLineF>& leaders) const;

private:
    bool Shown(QPointF amps) const;
    QPointF Page(QPointF amps) const;
    double Size(double mm) const;

    Primitives& draw_;
    Typesetter& type_;
    const Extent& box_;
};

} // namespace diagram
