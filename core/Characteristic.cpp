// The characteristic points of the circle diagram in closed form: each maximum is where a tangent of
// the circle is parallel to a line or passes through a pole, as in the classical hand construction.
// Plain arithmetic with every division and square root guarded, so no record gives a NaN or a fault;
// a value the geometry does not give is left empty.
#include "Characteristic.h"

#include <cfloat>
#include <cmath>

namespace {

// Rounding slack of a cross product that is zero in exact arithmetic: a few units of the last place
// of the terms it is made of.
constexpr long double CrossSlack = 16 * LDBL_EPSILON;

Point operator+(const Point& a, const Point& b)
{
    return {a.x + b.x, a.y + b.y};
}
Point operator-(const Point& a, const Point& b)
{
    return {a.x - b.x, a.y - b.y};
}
Point operator*(long double f, const Point& a)
{
    return {f * a.x, f * a.y};
}
long double Dot(const Point& a, const Point& b)
{
    return a.x * b.x + a.y * b.y;
}
long double Cross(const Point& a, const Point& b)
{
    return a.x * b.y - a.y * b.x;
}
long double Length(const Point& a)
{
    return std::sqrt(Dot(a, a));
}
// |x| + |y|: a bound within √2 of the length, for rounding slacks, without a square root.
long double Size(const Point& a)
{
    return std::fabs(a.x) + std::fabs(a.y);
}
bool Finite(const Point& a)
{
    return std::isfinite(a.x) && std::isfinite(a.y);
}

OptionalValue Value(long double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

OptionalValue Quotient(const OptionalValue& a, const OptionalValue& b)
{
    if (!a || !b || *b == 0)
        return std::nullopt;
    return Value(*a / *b);
}

// What the record gives once for every point: the circle, the lines through Ao and the scales.
struct Diagram {
    Point centre; // C = (S.x, Ao.y)
    long double radius;
    Point ao;
    Point torqueDirection;     // Ao → A∞
    Point powerDirection;      // Ao → Ak
    OptionalValue torqueSlope; // none for a vertical line, above which nothing lies
    OptionalValue powerSlope;
    Point slipStart;        // P, slip 0
    Point slipDirection;    // P → Q, one unit of slip
    long double powerScale; // m · Uf
    long double torqueScale;
    long double omegaSynchronous;
};

OptionalValue Slope(const Point& direction)
{
    if (direction.x == 0)
        return std::nullopt;
    return Value(direction.y / direction.x);
}

Diagram DiagramOf(const TKonstrukce& k)
{
    const Point torqueDirection = k.AInf - k.Ao;
    const Point powerDirection = k.Ak - k.Ao;
    return {{k.StredKruznice.x, k.Ao.y},
            k.Polomer,
            k.Ao,
            torqueDirection,
            powerDirection,
            Slope(torqueDirection),
            Slope(powerDirection),
            k.PrimkaSkluzu.zacatek,
            k.PrimkaSkluzu.konec - k.PrimkaSkluzu.zacatek,
            k.Spotrebic * k.FazoveNapeti,
            k.MeritkoMomentu,
            k.OmegaSynchr};
}

// The vertical distance of x above the line through Ao with this slope, times `scale`.
OptionalValue AboveLine(const Diagram& d, const Point& x, const OptionalValue& slope, long double scale)
{
    if (!slope)
        return std::nullopt;
    return Value(scale * ((x.y - d.ao.y) - *slope * (x.x - d.ao.x)));
}

// Slip scale: the line from Ao through x meets the slip line at P + s · (Q − P). None where the two
// lines are parallel to rounding (A∞ lies on the torque line, which the slip line runs parallel to).
OptionalValue SlipAt(const Diagram& d, const Point& x)
{
    if (x.x == d.ao.x && x.y == d.ao.y)
        return 0.0L;
    const Point e = x - d.ao;
    const Point g = d.slipStart - d.ao;
    const long double denominator = Cross(e, d.slipDirection);
    const long double slack = CrossSlack * (Size(e) + Size(x) + Size(d.ao)) *
        (Size(d.slipDirection) + Size(d.slipStart) + Size(d.slipStart + d.slipDirection));
    if (!(std::fabs(denominator) > slack))
        return std::nullopt;
    return Value(Cross(g, e) / denominator);
}

// Current, power factor, input, output and efficiency at x; what needs no slip.
void FillPowers(const Diagram& d, const Point& x, OperatingPoint& o)
{
    // Plain values first and each checked once: this runs for every row of every motor of a batch.
    o.point = x;
    const long double input = d.powerScale * x.y;
    const long double current = std::sqrt(x.x * x.x + x.y * x.y);
    o.input = Value(input);
    o.current = Value(current);
    o.powerFactor = o.current && current != 0 ? Value(x.y / current) : std::nullopt;
    o.output = AboveLine(d, x, d.powerSlope, d.powerScale);
    o.efficiency = o.output && o.input && input != 0 ? Value(*o.output / input) : std::nullopt;
}

void Fill(const Diagram& d, const Point& x, const OptionalValue& slip, OperatingPoint& o)
{
    FillPowers(d, x, o);
    o.slip = slip;
    o.torque = AboveLine(d, x, d.torqueSlope, d.torqueScale);
    o.omega = slip ? Value((1.0L - *slip) * d.omegaSynchronous) : std::nullopt;
}

OperatingPoint ValuesAt(const Diagram& d, const Point& x, const OptionalValue& slip)
{
    OperatingPoint o;
    Fill(d, x, slip, o);
    return o;
}

// Everything at a circle point, written into `target`; nothing for a point that is not finite.
void PointAt(const Diagram& d, const Point& x, std::optional<OperatingPoint>& target)
{
    if (Finite(x))
        Fill(d, x, SlipAt(d, x), target.emplace());
}

// Farthest above a line: the circle point whose tangent is parallel to it, at the end of the radius
// along the line's upward normal (the classical maximum-torque and maximum-output construction).
void FarthestAbove(const Diagram& d, const Point& direction, std::optional<OperatingPoint>& target)
{
    const long double length = Length(direction);
    if (direction.x == 0 || !(length > 0))
        return;
    const long double sign = direction.x > 0 ? 1.0L : -1.0L;
    const Point normal{-sign * direction.y / length, sign * direction.x / length};
    PointAt(d, d.centre + d.radius * normal, target);
}

struct Tangents {
    Point first, second;
};

// The two points where tangents from the pole touch the circle: the foot of the chord of contact
// lies R²/|w| from the centre towards the pole, the points R·√(|w|² − R²)/|w| either side of it.
std::optional<Tangents> TangentPoints(const Diagram& d, const Point& pole)
{
    const Point w = pole - d.centre;
    const long double distance2 = Dot(w, w);
    const long double radius2 = d.radius * d.radius;
    if (!(distance2 > radius2) || !(d.radius > 0))
        return std::nullopt;
    const Point foot = d.centre + radius2 / distance2 * w;
    const long double half = d.radius * std::sqrt(distance2 - radius2) / distance2;
    const Point across{-w.y * half, w.x * half};
    const Tangents t{foot + across, foot - across};
    if (!Finite(t.first) || !Finite(t.second))
        return std::nullopt;
    return t;
}

bool OnMotoringArc(const OptionalValue& slip)
{
    return slip && *slip >= 0 && *slip <= 1;
}

// The end of the motoring arc, Ao or the table's last row, with the larger `value`, when either has one.
void BetterEnd(const Diagram& d, const OperatingPoint& end, OptionalValue OperatingPoint::*value,
               std::optional<OperatingPoint>& target)
{
    OperatingPoint start;
    Fill(d, d.ao, 0.0L, start);
    const OptionalValue& a = start.*value;
    const OptionalValue& b = end.*value;
    if (b && (!a || *b > *a))
        target = end;
    else if (a)
        target = start;
}

} // namespace

OperatingPoint OperatingPointAt(const TKonstrukce& k, const Point& x)
{
    const Diagram d = DiagramOf(k);
    return ValuesAt(d, x, SlipAt(d, x));
}

std::optional<OperatingPoint> OperatingPointAtSlip(const TKonstrukce& k, long double s)
{
    const Diagram d = DiagramOf(k);
    if (!std::isfinite(s))
        return std::nullopt;
    if (s == 0)
        return ValuesAt(d, d.ao, 0.0L);
    // Second intersection of the line Ao + t·v with the circle: t² |v|² + 2t (Ao − C)·v + |Ao − C|² − R² = 0,
    // Ao itself being the root near zero; the far root is taken without cancellation.
    const Point v = d.slipStart + s * d.slipDirection - d.ao;
    const Point fromCentre = d.ao - d.centre;
    const long double a = Dot(v, v);
    const long double b = Dot(fromCentre, v);
    const long double c = Dot(fromCentre, fromCentre) - d.radius * d.radius;
    long double discriminant = b * b - a * c;
    // Ao lies on the circle only to rounding: a discriminant a rounding error below zero is zero.
    if (discriminant < 0 && -discriminant <= CrossSlack * (b * b + std::fabs(a * c)))
        discriminant = 0;
    // Near slip 0 the chord from Ao is all but the tangent: b² shrinks with the slip while c, zero but for
    // rounding, does not, and would refuse the smallest slips. Ao is on the circle by construction, so
    // there c is taken for the zero it is: the far root is then −2b / a.
    if (discriminant < 0 && std::fabs(c) <= CrossSlack * (Dot(fromCentre, fromCentre) + d.radius * d.radius))
        discriminant = b * b;
    if (!(a > 0) || !(discriminant >= 0))
        return std::nullopt;
    const long double t = -(b + std::copysign(std::sqrt(discriminant), b)) / a;
    const Point x = d.ao + t * v;
    if (!Finite(x))
        return std::nullopt;
    return ValuesAt(d, x, s);
}

CharacteristicPoints ReadCharacteristicPoints(const TKonstrukce& k, OperatingRows rows)
{
    const Diagram d = DiagramOf(k);
    CharacteristicPoints c;

    for (int i = rows == OperatingRows::All ? 1 : SlipCount; i <= SlipCount; ++i) {
        OperatingPoint& o = c.operating[i];
        FillPowers(d, {k.KruzniceX[i], k.KruzniceY[i]}, o);
        o.slip = static_cast<long double>(i) * SlipStep; // multiplied the way the torque table does
        o.torque = Value(k.MomentSkluzu[i]);
        o.omega = Value(k.OmegaSkluzu[i]);
    }
    const OperatingPoint& end = c.operating[SlipCount];

    FarthestAbove(d, d.torqueDirection, c.maxTorque);
    c.startingTorque = Value(k.MomentSkluzu[SlipCount]);
    if (c.maxTorque)
        c.torqueRatio = Quotient(c.maxTorque->torque, c.startingTorque);
    FarthestAbove(d, d.powerDirection, c.maxOutput);

    // Efficiency pole T′: the power line meets the x axis there; efficiency is constant on every ray
    // from it, so the tangent from T′ above the power line touches the circle at the best efficiency.
    if (d.powerDirection.y != 0) {
        const Point pole{d.ao.x - d.ao.y * d.powerDirection.x / d.powerDirection.y, 0.0L};
        if (Finite(pole))
            c.efficiencyPole = pole;
    }
    if (c.efficiencyPole)
        if (const std::optional<Tangents> t = TangentPoints(d, *c.efficiencyPole)) {
            const OptionalValue first = AboveLine(d, t->first, d.powerSlope, 1.0L);
            const OptionalValue second = AboveLine(d, t->second, d.powerSlope, 1.0L);
            const bool secondAbove = second && (!first || *second > *first);
            if (const OptionalValue& above = secondAbove ? second : first; above && *above > 0)
                PointAt(d, secondAbove ? t->second : t->first, c.maxEfficiency);
        }

    // Power factor: the tangent from the origin makes the least angle with the voltage (y axis);
    // cos φ = y / |x| compared without dividing: y1 · |x2| against y2 · |x1|.
    bool tangentOnArc = false;
    if (const std::optional<Tangents> t = TangentPoints(d, {0.0L, 0.0L})) {
        const Point& p = t->first.y * Length(t->second) >= t->second.y * Length(t->first) ? t->first : t->second;
        if (const OptionalValue slip = SlipAt(d, p); OnMotoringArc(slip) && Length(p) > 0) {
            Fill(d, p, slip, c.maxPowerFactor.emplace());
            tangentOnArc = true;
        }
    }
    if (!tangentOnArc)
        BetterEnd(d, end, &OperatingPoint::powerFactor, c.maxPowerFactor);

    // Input: the top of the circle, where the tangent is horizontal.
    const Point top{d.centre.x, d.centre.y + d.radius};
    if (const OptionalValue slip = SlipAt(d, top); Finite(top) && OnMotoringArc(slip))
        Fill(d, top, slip, c.maxInput.emplace());
    else
        BetterEnd(d, end, &OperatingPoint::input, c.maxInput);
    return c;
}
