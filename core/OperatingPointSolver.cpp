// The operating point at a given value of a quantity, in closed form. Along the circle, written as
// X(θ) = Ao + R · (1 − cos θ, sin θ) from θ = 0 at Ao clockwise over the top, every quantity the solver
// is asked by is α + β · cos θ + γ · sin θ: the height above a line through Ao (output, torque), the
// ordinate (input) and the square of the distance from O (current). Putting the line parallel to the
// power or torque line, the horizontal, or the circle about O into the circle's equation is the same
// cut, solved without angles. Plain arithmetic, every division and root guarded, like the
// characteristic points.
#include "OperatingPointSolver.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "NumText.h"
#include "TextTemplate.h"

namespace {

// A value this many units of the last place (of the larger end) beyond an end of the range, or short
// of it, is that end: rounding of the typed value or of the construction, not a point off the arc.
constexpr long double EndSlack = 64 * LDBL_EPSILON;

OptionalValue Finite(long double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

OptionalValue Slope(const Point& from, const Point& to)
{
    const long double dx = to.x - from.x;
    if (dx == 0)
        return std::nullopt;
    return Finite((to.y - from.y) / dx);
}

// q(θ) = α + β · cos θ + γ · sin θ along X(θ); γ > 0 for every quantity here, so q rises at Ao.
struct Wave {
    long double alpha, beta, gamma;
};

// What one solve needs of the record: the circle, the two lines through Ao and the scales.
struct Diagram {
    Point ao, ak;
    long double radius;
    OptionalValue powerSlope;
    OptionalValue torqueSlope;
    long double powerScale; // m · Uf
    long double torqueScale;
};

std::optional<Diagram> DiagramOf(const TKonstrukce& k)
{
    const long double r = k.Polomer;
    if (!(r > 0) || !std::isfinite(r) || !std::isfinite(k.Ao.x) || !std::isfinite(k.Ao.y) || !std::isfinite(k.Ak.x) ||
        !std::isfinite(k.Ak.y) || !(k.Ak.y > k.Ao.y))
        return std::nullopt;
    return Diagram{
        k.Ao, k.Ak, r, Slope(k.Ao, k.Ak), Slope(k.Ao, k.AInf), k.Spotrebic * k.FazoveNapeti, k.MeritkoMomentu};
}

// σ times the height above the line through Ao of that slope: σ · R · (sin θ − k · (1 − cos θ)).
std::optional<Wave> Height(const Diagram& d, const OptionalValue& slope, long double scale)
{
    if (!slope)
        return std::nullopt;
    const long double sr = scale * d.radius;
    return Wave{-sr * *slope, sr * *slope, sr};
}

std::optional<Wave> WaveOf(const Diagram& d, OperatingQuantity quantity)
{
    const long double r = d.radius;
    switch (quantity) {
    case OperatingQuantity::Output: return Height(d, d.powerSlope, d.powerScale);
    case OperatingQuantity::Torque: return Height(d, d.torqueSlope, d.torqueScale);
    case OperatingQuantity::Input: return Wave{d.powerScale * d.ao.y, 0.0L, d.powerScale * r};
    case OperatingQuantity::Current: {
        // |X|² = |Ao|² + 2R · (Ao.x + R) · (1 − cos θ) + 2R · Ao.y · sin θ
        const long double across = 2 * r * (d.ao.x + r);
        return Wave{d.ao.x * d.ao.x + d.ao.y * d.ao.y + across, -across, 2 * r * d.ao.y};
    }
    case OperatingQuantity::Slip:
    case OperatingQuantity::Speed: break;
    }
    return std::nullopt;
}

// Ao + R · (1 − cos θ, sin θ), with 1 − cos θ taken as sin²θ / (1 + cos θ) near Ao, where it would cancel.
Point OnCircle(const Diagram& d, long double cosine, long double sine)
{
    const long double versine = cosine > 0 ? sine * sine / (1 + cosine) : 1 - cosine;
    return {d.ao.x + d.radius * versine, d.ao.y + d.radius * sine};
}

// The quantity at x, computed exactly as OperatingPointAt computes it, without the rest.
OptionalValue ValueAt(const Diagram& d, OperatingQuantity quantity, const Point& x)
{
    auto above = [&d, &x](const OptionalValue& slope, long double scale) {
        return slope ? Finite(scale * ((x.y - d.ao.y) - *slope * (x.x - d.ao.x))) : std::nullopt;
    };
    switch (quantity) {
    case OperatingQuantity::Output: return above(d.powerSlope, d.powerScale);
    case OperatingQuantity::Torque: return above(d.torqueSlope, d.torqueScale);
    case OperatingQuantity::Current: return Finite(std::sqrt(x.x * x.x + x.y * x.y));
    case OperatingQuantity::Input: return Finite(d.powerScale * x.y);
    case OperatingQuantity::Slip:
    case OperatingQuantity::Speed: break;
    }
    return std::nullopt;
}

PointValues ValuesFrom(const TKonstrukce& k, const Diagram& d, const OperatingPoint& values)
{
    PointValues p;
    p.values = values;
    const Point& x = values.point;
    if (values.slip)
        p.speed = Finite((1 - *values.slip) * k.SynchrOtacky);
    // The same differences as the values' own heights above the lines, so that the segments add up
    // to the output, torque and input given beside them.
    const long double run = x.x - d.ao.x;
    const long double above = x.y - d.ao.y;
    p.noLoadLoss = Finite(d.powerScale * d.ao.y);
    OptionalValue torqueRise, powerRise;
    if (d.torqueSlope) {
        torqueRise = Finite(*d.torqueSlope * run);
        if (torqueRise) {
            p.airGapPower = Finite(d.powerScale * (above - *torqueRise));
            // The torque line below the no-load line: the segment between them is negative, no loss.
            p.copperSplitUndetermined = *torqueRise < 0;
            if (!p.copperSplitUndetermined)
                p.statorCopperLoss = *torqueRise == 0 ? 0.0L : Finite(d.powerScale * *torqueRise);
        }
    }
    if (d.powerSlope)
        powerRise = Finite(*d.powerSlope * run);
    if (torqueRise && powerRise) {
        if (!p.copperSplitUndetermined)
            p.rotorCopperLoss = Finite(d.powerScale * (*powerRise - *torqueRise));
        p.vertical = {x.x, x.y, d.ao.y + *powerRise, d.ao.y + *torqueRise, d.ao.y};
    }
    return p;
}

// The arc's quantity in closed form: its range from Ao to Ak and the point of the rising side, which
// is the point of smaller slip. The arc is less than half the circle (Ak lies above Ao) and every wave
// rises at Ao, so the greatest value is at the wave's crest or, when that lies past Ak, at Ak; and the
// least is at Ao, since Ak ends no lower: it lies on the power line, above the torque line, higher
// than Ao and farther from O.
OperatingPointSolution SolveOnWave(const TKonstrukce& k, const Diagram& d, OperatingQuantity quantity, const Wave& w,
                                   long double value)
{
    const long double rho = std::hypot(w.beta, w.gamma);
    if (!(rho > 0) || !std::isfinite(rho))
        return {};
    const long double cosCrest = w.beta / rho; // cos θ0, sin θ0 at the crest
    const long double sinCrest = w.gamma / rho;

    // The crest lies inside the arc when the wave falls at Ak: dq/dθ = γ · cos θk − β · sin θk < 0, with
    // (cos θk, sin θk) in the proportion (R − (Ak.x − Ao.x), Ak.y − Ao.y).
    const long double slopeAtAk = w.gamma * (d.radius - (d.ak.x - d.ao.x)) - w.beta * (d.ak.y - d.ao.y);
    const Point top = slopeAtAk < 0 ? OnCircle(d, cosCrest, sinCrest) : d.ak;

    const OptionalValue low = ValueAt(d, quantity, d.ao);
    const OptionalValue high = ValueAt(d, quantity, top);
    if (!low || !high)
        return {};
    OperatingPointSolution s;
    s.reachable = QuantityRange{*low, std::max(*low, *high)};
    const long double slack = EndSlack * std::max(std::fabs(*low), std::fabs(*high));
    if (!(value >= *low - slack && value <= s.reachable->max + slack))
        return s;

    Point x;
    if (value <= *low + slack) {
        x = d.ao;
    } else if (value >= s.reachable->max - slack) {
        x = top;
    } else {
        // cos(θ − θ0) = (q − α) / ρ = u; the rising side is θ = θ0 − a with cos a = u, sin a ≥ 0.
        const long double target = quantity == OperatingQuantity::Current ? value * value : value;
        const long double u = std::clamp((target - w.alpha) / rho, -1.0L, 1.0L);
        const long double sinA = std::sqrt((1 - u) * (1 + u));
        x = OnCircle(d, cosCrest * u + sinCrest * sinA, sinCrest * u - cosCrest * sinA);
    }
    s.point = ValuesFrom(k, d, OperatingPointAt(k, x));
    return s;
}

// Slip and speed: the table's own construction through the slip line, at any slip from 0 to 1.
OperatingPointSolution SolveBySlip(const TKonstrukce& k, const Diagram& d, OperatingQuantity quantity,
                                   long double value)
{
    const bool speed = quantity == OperatingQuantity::Speed;
    OperatingPointSolution s;
    s.reachable = QuantityRange{0.0L, speed ? k.SynchrOtacky : 1.0L};
    if (!(value >= s.reachable->min && value <= s.reachable->max))
        return s;
    const long double slip = speed ? 1 - value / k.SynchrOtacky : value;
    if (const std::optional<OperatingPoint> p = OperatingPointAtSlip(k, slip))
        s.point = ValuesFrom(k, d, *p);
    return s;
}

} // namespace

const OperatingQuantityTexts& TextsOf(OperatingQuantity quantity)
{
    for (const OperatingQuantityTexts& t : OperatingQuantities)
        if (t.quantity == quantity)
            return t;
    return OperatingQuantities.front();
}

std::optional<OperatingQuantity> QuantityOfSymbol(std::string_view symbol)
{
    for (const OperatingQuantityTexts& t : OperatingQuantities)
        if (symbol == t.symbol)
            return t.quantity;
    return std::nullopt;
}

OperatingPointSolution SolveOperatingPoint(const TKonstrukce& k, OperatingQuantity quantity, long double value)
{
    const std::optional<Diagram> d = DiagramOf(k);
    if (!d)
        return {};
    if (quantity == OperatingQuantity::Slip || quantity == OperatingQuantity::Speed) {
        if (!(k.SynchrOtacky > 0))
            return {};
        return SolveBySlip(k, *d, quantity, value);
    }
    const std::optional<Wave> w = WaveOf(*d, quantity);
    if (!w)
        return {};
    return SolveOnWave(k, *d, quantity, *w, value);
}

std::optional<PointValues> HighSlipTorquePoint(const TKonstrukce& k, long double torque)
{
    const std::optional<Diagram> d = DiagramOf(k);
    if (!d)
        return std::nullopt;
    const std::optional<Wave> w = WaveOf(*d, OperatingQuantity::Torque);
    if (!w)
        return std::nullopt;
    const long double rho = std::hypot(w->beta, w->gamma);
    if (!(rho > 0) || !std::isfinite(rho))
        return std::nullopt;
    const long double cosCrest = w->beta / rho;
    const long double sinCrest = w->gamma / rho;
    // As SolveOnWave: the crest lies inside the arc only where the torque falls at Ak.
    const long double slopeAtAk = w->gamma * (d->radius - (d->ak.x - d->ao.x)) - w->beta * (d->ak.y - d->ao.y);
    if (!(slopeAtAk < 0))
        return std::nullopt;
    const OptionalValue atAk = ValueAt(*d, OperatingQuantity::Torque, d->ak);
    const OptionalValue max = ValueAt(*d, OperatingQuantity::Torque, OnCircle(*d, cosCrest, sinCrest));
    if (!atAk || !max)
        return std::nullopt;
    const long double slack = EndSlack * std::max(std::fabs(*atAk), std::fabs(*max));
    if (!(torque >= *atAk - slack && torque < *max - slack))
        return std::nullopt;
    Point x = d->ak;
    if (torque > *atAk + slack) {
        // The falling side: θ = θ0 + a with cos a = u, sin a ≥ 0.
        const long double u = std::clamp((torque - w->alpha) / rho, -1.0L, 1.0L);
        const long double sinA = std::sqrt((1 - u) * (1 + u));
        x = OnCircle(*d, cosCrest * u - sinCrest * sinA, sinCrest * u + cosCrest * sinA);
    }
    return ValuesFrom(k, *d, OperatingPointAt(k, x));
}

PointValues PointValuesAt(const TKonstrukce& k, const Point& x)
{
    const OperatingPoint values = OperatingPointAt(k, x);
    if (const std::optional<Diagram> d = DiagramOf(k))
        return ValuesFrom(k, *d, values);
    PointValues p;
    p.values = values;
    return p;
}

std::string CopperSplitNote()
{
    return ORBITEK_TR("OperatingPointSolver",
                      "přímka momentu leží pod přímkou naprázdno: rozdělení ztrát ve vinutí "
                      "určuje učebnicová přímka momentu");
}

std::string NoPointText(OperatingQuantity quantity, long double value, const OperatingPointSolution& solution)
{
    if (solution.point)
        return {};
    if (!solution.reachable)
        return ORBITEK_TR("OperatingPointSolver", "Diagram ještě není spočten.");
    const OperatingQuantityTexts& t = TextsOf(quantity);
    const std::string name = translation::Text("OperatingPointSolver", t.name);
    const std::string unit = *t.unit != '\0' ? std::string(" ") + t.unit : std::string();
    const QuantityRange& r = *solution.reachable;
    // %1 the quantity's name, then the bound or bounds, then the unit with its space (or nothing).
    if (value > r.max)
        return translation::Fill(ORBITEK_TR("OperatingPointSolver", "%1 větší než maximální %2%3."),
                                 {name, NumberToGroupedText(r.max), unit});
    if (value < r.min)
        return translation::Fill(ORBITEK_TR("OperatingPointSolver", "%1 menší než minimální %2%3."),
                                 {name, NumberToGroupedText(r.min), unit});
    return translation::Fill(ORBITEK_TR("OperatingPointSolver", "%1 mimo rozsah %2 až %3%4."),
                             {name, NumberToGroupedText(r.min), NumberToGroupedText(r.max), unit});
}
