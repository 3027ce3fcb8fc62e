// The characteristic points of the circle diagram in closed form: each maximum is where a tangent of
// the circle is parallel to a line or passes through a pole, as in the classical hand construction.
// Plain arithmetic with every division and square root guarded, so no record gives a NaN or a fault;
// a value the geometry does not give is left empty.
#include "Characteristic.h"

#include <cfloat>
#include <cmath>

namespace {

constexpr long double SlipStep = 0.05L; // the torque table's step, multiplied the way the table does
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

OptionalValue Product(const OptionalValue& a, long double b)
{
    if (!a)
        return std::nullopt;
    return Value(*a * b);
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
    Point torqueDirection;  // Ao → A∞
    Point powerDirection;   // Ao → Ak
    Point slipStart;        // P, slip 0
    Point slipDirection;    // P → Q, one unit of slip
    long double powerScale; // m · Uf
    long double torqueScale;
    long double omegaSynchronous;
};

Diagram DiagramOf(const TKonstrukce& k)
{
    return {{k.StredKruznice.x, k.Ao.y},
            k.Polomer,
            k.Ao,
            k.AInf - k.Ao,
            k.Ak - k.Ao,
            k.PrimkaSkluzu.zacatek,
            k.PrimkaSkluzu.konec - k.PrimkaSkluzu.zacatek,
            k.Spotrebic * k.FazoveNapeti,
            k.MeritkoMomentu,
            k.OmegaSynchr};
}

// The vertical distance of x above the line through a with direction d; none for a vertical line.
OptionalValue OrdinateAbove(const Point& x, const Point& a, const Point& d)
{
    if (d.x == 0)
        return std::nullopt;
    return Value((x.y - a.y) - d.y / d.x * (x.x - a.x));
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

OperatingPoint ValuesAt(const Diagram& d, const Point& x, const OptionalValue& slip)
{
    OperatingPoint o;
    o.point = x;
    o.slip = slip;
    o.torque = Product(OrdinateAbove(x, d.ao, d.torqueDirection), d.torqueScale);
    o.output = Product(OrdinateAbove(x, d.ao, d.powerDirection), d.powerScale);
    o.input = Value(d.powerScale * x.y);
    o.current = Value(Length(x));
    o.powerFactor = Quotient(Value(x.y), o.current);
    o.efficiency = Quotient(o.output, o.input);
    if (slip)
        o.omega = Value((1.0L - *slip) * d.omegaSynchronous);
    return o;
}

std::optional<OperatingPoint> PointAt(const Diagram& d, const Point& x)
{
    if (!Finite(x))
        return std::nullopt;
    return ValuesAt(d, x, SlipAt(d, x));
}

// Farthest above a line: the circle point whose tangent is parallel to it, at the end of the radius
// along the line's upward normal (the classical maximum-torque and maximum-output construction).
std::optional<OperatingPoint> FarthestAbove(const Diagram& d, const Point& direction)
{
    const long double length = Length(direction);
    if (direction.x == 0 || !(length > 0))
        return std::nullopt;
    const long double sign = direction.x > 0 ? 1.0L : -1.0L;
    const Point normal{-sign * direction.y / length, sign * direction.x / length};
    return PointAt(d, d.centre + d.radius * normal);
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

bool OnMotoringArc(const OperatingPoint& o)
{
    return o.slip && *o.slip >= 0 && *o.slip <= 1;
}

// Of two points the one with the larger `value`; an empty value counts least, a tie keeps `a`.
const OperatingPoint& Larger(const OperatingPoint& a, const OperatingPoint& b, OptionalValue OperatingPoint::*value)
{
    const OptionalValue& va = a.*value;
    const OptionalValue& vb = b.*value;
    return (vb && (!va || *vb > *va)) ? b : a;
}

// The end of the motoring arc with the larger `value`, when either has one.
std::optional<OperatingPoint> BetterEnd(const OperatingPoint& start, const OperatingPoint& end,
                                        OptionalValue OperatingPoint::*value)
{
    const OperatingPoint& better = Larger(start, end, value);
    if (!(better.*value))
        return std::nullopt;
    return better;
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
    if (!(a > 0) || !(discriminant >= 0))
        return std::nullopt;
    const long double t = -(b + std::copysign(std::sqrt(discriminant), b)) / a;
    const Point x = d.ao + t * v;
    if (!Finite(x))
        return std::nullopt;
    return ValuesAt(d, x, s);
}

CharacteristicPoints ReadCharacteristicPoints(const TKonstrukce& k)
{
    const Diagram d = DiagramOf(k);
    CharacteristicPoints c;

    for (int i = 1; i <= SlipCount; ++i) {
        OperatingPoint& o = c.operating[i];
        o = ValuesAt(d, {k.KruzniceX[i], k.KruzniceY[i]}, static_cast<long double>(i) * SlipStep);
        o.torque = Value(k.MomentSkluzu[i]);
        o.omega = Value(k.OmegaSkluzu[i]);
    }
    const OperatingPoint start = ValuesAt(d, d.ao, 0.0L);
    const OperatingPoint& end = c.operating[SlipCount];

    c.maxTorque = FarthestAbove(d, d.torqueDirection);
    c.startingTorque = Value(k.MomentSkluzu[SlipCount]);
    if (c.maxTorque)
        c.torqueRatio = Quotient(c.maxTorque->torque, c.startingTorque);
    c.maxOutput = FarthestAbove(d, d.powerDirection);

    // Efficiency pole T′: the power line meets the x axis there; efficiency is constant on every ray
    // from it, so the tangent from T′ above the power line touches the circle at the best efficiency.
    if (d.powerDirection.y != 0) {
        const Point pole{d.ao.x - d.ao.y * d.powerDirection.x / d.powerDirection.y, 0.0L};
        if (Finite(pole))
            c.efficiencyPole = pole;
    }
    if (c.efficiencyPole)
        if (const std::optional<Tangents> t = TangentPoints(d, *c.efficiencyPole)) {
            const OperatingPoint first = ValuesAt(d, t->first, SlipAt(d, t->first));
            const OperatingPoint second = ValuesAt(d, t->second, SlipAt(d, t->second));
            const OperatingPoint& above = Larger(first, second, &OperatingPoint::output);
            if (above.output && *above.output > 0)
                c.maxEfficiency = above;
        }

    // Power factor: the tangent from the origin makes the least angle with the voltage (y axis).
    std::optional<OperatingPoint> tangentFromOrigin;
    if (const std::optional<Tangents> t = TangentPoints(d, {0.0L, 0.0L})) {
        const OperatingPoint first = ValuesAt(d, t->first, SlipAt(d, t->first));
        const OperatingPoint second = ValuesAt(d, t->second, SlipAt(d, t->second));
        tangentFromOrigin = Larger(first, second, &OperatingPoint::powerFactor);
    }
    if (tangentFromOrigin && OnMotoringArc(*tangentFromOrigin) && tangentFromOrigin->powerFactor)
        c.maxPowerFactor = tangentFromOrigin;
    else
        c.maxPowerFactor = BetterEnd(start, end, &OperatingPoint::powerFactor);

    // Input: the top of the circle, where the tangent is horizontal.
    const std::optional<OperatingPoint> top = PointAt(d, {d.centre.x, d.centre.y + d.radius});
    if (top && OnMotoringArc(*top) && top->input)
        c.maxInput = top;
    else
        c.maxInput = BetterEnd(start, end, &OperatingPoint::input);
    return c;
}
