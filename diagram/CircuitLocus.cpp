// The circuit's locus on the diagram, in amperes like everything the painter draws.
#include "CircuitLocus.h"

#include <cmath>

#include "DrawingPrimitives.h"
#include "Palette.h"

namespace diagram {

namespace {

constexpr double MarkRing = 1.0; // mm, as the circle's operating points

QPointF Amps(const ::Point& p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

} // namespace

std::optional<CircuitLocus> MakeCircuitLocus(const Circuit& c)
{
    const std::optional<Locus> locus = LocusOf(c);
    if (!locus)
        return std::nullopt;
    CircuitLocus l;
    l.centre = Amps(locus->centre);
    l.radius = static_cast<double>(locus->radius);
    auto angle = [&l](QPointF p) { return std::atan2(p.y() - l.centre.y(), p.x() - l.centre.x()); };
    // Over the top, clockwise from the no-load end, as the circle's arc from Ao through Ak.
    l.from = angle(Amps(CircuitAtSlip(c, 0).point));
    l.to = angle(Amps(CircuitAtSlip(c, 1).point));
    if (l.from < l.to)
        l.from += 2 * Pi;
    for (int i = 1; i <= SlipCount; ++i)
        l.marks[i] = Amps(CircuitAtSlip(c, static_cast<long double>(i) * SlipStep).point);
    if (!std::isfinite(l.radius) || !std::isfinite(l.from) || !std::isfinite(l.to))
        return std::nullopt;
    return l;
}

void PaintCircuitLocus(Primitives& draw, const CircuitLocus& locus)
{
    draw.Arc(locus.centre, locus.radius, locus.from, locus.to, draw.Pen(Palette::ReddishPurple, 0.35, {5, 3}));
    for (int i = 1; i <= SlipCount; ++i)
        if (draw.Shown(locus.marks[i]))
            draw.Ring(locus.marks[i], MarkRing);
}

} // namespace diagram
