// The equivalent T-circuit: R1 + jX1 in series, the magnetising branch Rfe ∥ jXm across E, the rotor
// branch R2'/s + jX2'. The parameters come from the no-load and locked-rotor tests by the usual
// approximation (the locked-rotor impedance split between stator and rotor by the share k), each
// formula written once and evaluated in the order it is written. Complex arithmetic is spelt out
// rather than left to std::complex, whose multiplication and division the library may reorder.
#include "Circuit.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <stdexcept>

#include "NumText.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

// The same constant the torque table uses, so that a difference from the circle is the model's alone.
constexpr long double TorqueFactor = 9.55L;
// A value this many units of the last place beyond an end of the range is that end (as on the circle).
constexpr long double EndSlack = 64 * LDBL_EPSILON;
// Slips 0, 1/ScanSteps, …, 1 looked at before a crossing or the crest is narrowed down.
constexpr int ScanSteps = 2048;

struct Complex {
    long double re = 0;
    long double im = 0;
};

Complex operator+(const Complex& a, const Complex& b)
{
    return {a.re + b.re, a.im + b.im};
}
Complex operator-(const Complex& a, const Complex& b)
{
    return {a.re - b.re, a.im - b.im};
}
Complex operator*(const Complex& a, const Complex& b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Complex operator/(const Complex& a, const Complex& b)
{
    const long double d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}
long double Norm(const Complex& a)
{
    return a.re * a.re + a.im * a.im;
}
long double Abs(const Complex& a)
{
    return std::sqrt(Norm(a));
}
Complex Parallel(const Complex& a, const Complex& b)
{
    return a * b / (a + b);
}

// The diagram's axes: x the reactive (lagging) part, y the active part.
Point InDiagram(const Complex& current)
{
    return {-current.im, current.re};
}
Complex OfDiagram(const Point& p)
{
    return {p.y, -p.x};
}

Complex StatorImpedance(const Circuit& c)
{
    return {c.R1, c.X1};
}
Complex MagnetisingImpedance(const Circuit& c)
{
    return Parallel({c.Rfe, 0}, {0, c.Xm});
}

// I1 with the rotor branch `z2`, or with no rotor branch at all (s → 0).
Complex StatorCurrent(const Circuit& c, const std::optional<Complex>& z2)
{
    const Complex zm = MagnetisingImpedance(c);
    const Complex branch = z2 ? Parallel(zm, *z2) : zm;
    return Complex{c.phaseVoltage, 0} / (StatorImpedance(c) + branch);
}

bool AllFinite(std::initializer_list<long double> values)
{
    return std::all_of(values.begin(), values.end(), [](long double v) { return std::isfinite(v); });
}

struct Thevenin {
    Complex voltage;
    Complex impedance;
};

Thevenin TheveninOf(const Circuit& c)
{
    const Complex zs = StatorImpedance(c);
    const Complex zm = MagnetisingImpedance(c);
    return {Complex{c.phaseVoltage, 0} * zm / (zs + zm), Parallel(zs, zm)};
}

long double RelativeSlack(long double a, long double b)
{
    return EndSlack * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

long double ShareOfClass(DesignClass designClass)
{
    switch (designClass) {
    case DesignClass::A: return 0.5L;
    case DesignClass::B: return 0.4L;
    case DesignClass::C: return 0.3L;
    case DesignClass::D: return 0.5L;
    case DesignClass::Wound: return 0.5L;
    }
    return DefaultShare;
}

std::optional<DesignClass> DesignClassOfName(std::string_view name)
{
    if (name == "A")
        return DesignClass::A;
    if (name == "B")
        return DesignClass::B;
    if (name == "C")
        return DesignClass::C;
    if (name == "D")
        return DesignClass::D;
    if (name == "wound")
        return DesignClass::Wound;
    return std::nullopt;
}

CircuitOutcome BuildCircuit(const TKonstrukce& k, const CircuitSettings& settings)
{
    const long double share = settings.share;
    const long double pfw = settings.frictionWindage;
    if (!(share > 0 && share < 1) || !(pfw >= 0) || !std::isfinite(pfw))
        throw std::invalid_argument("BuildCircuit: the share must lie in (0, 1) and Pfw be finite, not negative");

    const long double uf = k.FazoveNapeti;
    const long double i0 = k.PrNapr;
    const long double cos0 = k.UcNapr;
    const long double ik = k.PrNakr;
    const long double cosk = k.UcNakr;
    const long double r1 = k.R1f;
    const long double m = k.Spotrebic;
    CircuitOutcome outcome;
    if (!(uf > 0 && i0 > 0 && ik > 0 && m > 0 && k.SynchrOtacky > 0)) {
        outcome.error = ORBITEK_TR("Circuit", "Náhradní schéma nelze sestavit: diagram ještě není spočten.");
        return outcome;
    }

    const long double sin0 = std::sqrt(1 - cos0 * cos0);
    const long double sink = std::sqrt(1 - cosk * cosk);
    const long double x0 = uf / i0 * sin0;
    const long double zk = uf / ik;
    const long double rk = zk * cosk;
    const long double xk = zk * sink;

    const long double c = (1 - share) / share;
    const long double b = x0 * (1 + c) - xk * (c - 1);
    const long double x1 = (b - std::sqrt(b * b - 4 * xk * x0)) / 2;
    const long double x2 = c * x1;
    const long double xm = x0 - x1;
    const long double ratio = (x2 + xm) / xm;
    const long double r2 = (rk - r1) * (ratio * ratio);

    const long double p0 = m * uf * i0 * cos0;
    const long double pfe = p0 - m * i0 * i0 * r1 - pfw;
    if (!(pfe > 0)) {
        outcome.error = translation::Fill(
            ORBITEK_TR("Circuit",
                       "Náhradní schéma nelze sestavit: ztráty v železe P0 − m·I0²·R1f − Pfw = %1 W nejsou kladné."),
            {NumberToGroupedText(pfe)});
        return outcome;
    }
    const Complex e0 = Complex{uf, 0} - Complex{i0, 0} * Complex{cos0, -sin0} * Complex{r1, x1};
    const long double rfe = m * Norm(e0) / pfe;

    if (!AllFinite({x1, x2, xm, r2, rfe}) || !(x1 > 0 && xm > 0 && r2 > 0 && rfe > 0)) {
        outcome.error = ORBITEK_TR("Circuit", "Náhradní schéma nelze z těchto zkoušek sestavit.");
        return outcome;
    }
    Circuit circuit;
    circuit.share = share;
    circuit.frictionWindage = pfw;
    circuit.phases = m;
    circuit.phaseVoltage = uf;
    circuit.synchronousSpeed = k.SynchrOtacky;
    circuit.R1 = r1;
    circuit.X1 = x1;
    circuit.R2 = r2;
    circuit.X2 = x2;
    circuit.Xm = xm;
    circuit.Rfe = rfe;
    circuit.ironLoss = pfe;
    outcome.circuit = circuit;
    return outcome;
}

CircuitPoint CircuitAtSlip(const Circuit& c, long double slip)
{
    const long double m = c.phases;
    const long double uf = c.phaseVoltage;
    CircuitPoint p;
    p.slip = slip;
    std::optional<Complex> z2;
    if (slip != 0)
        z2 = Complex{c.R2 / slip, c.X2};
    const Complex i1 = StatorCurrent(c, z2);
    const Complex e = Complex{uf, 0} - i1 * StatorImpedance(c);
    const Complex i2 = z2 ? e / *z2 : Complex{};
    // Pδ = m |I2'|² R2'/s, which tends to 0 with the rotor current as s → 0.
    const long double airGap = z2 ? m * Norm(i2) * z2->re : 0;
    p.point = InDiagram(i1);
    p.current = Abs(i1);
    p.input = m * (uf * i1.re);
    p.powerFactor = p.input / (m * uf * p.current);
    p.airGap = airGap;
    p.torque = airGap * TorqueFactor / c.synchronousSpeed;
    p.output = airGap * (1 - slip) - c.frictionWindage;
    p.efficiency = p.output / p.input;
    p.speed = (1 - slip) * c.synchronousSpeed;
    p.ironLoss = m * Norm(e) / c.Rfe;
    p.statorCopperLoss = m * Norm(i1) * c.R1;
    p.rotorCopperLoss = m * Norm(i2) * c.R2;
    p.rotorCurrent = Abs(i2);
    return p;
}

Point CircuitCurrentAtInfiniteSlip(const Circuit& c)
{
    return InDiagram(StatorCurrent(c, Complex{0, c.X2}));
}

std::optional<Locus> LocusOf(const Circuit& c)
{
    // The circle through three of its points, taken relative to the first so that nothing cancels.
    const Point a = InDiagram(StatorCurrent(c, std::nullopt));
    const Point p1 = CircuitAtSlip(c, 1).point;
    const Point pInf = CircuitCurrentAtInfiniteSlip(c);
    const Point b{p1.x - a.x, p1.y - a.y};
    const Point d{pInf.x - a.x, pInf.y - a.y};
    const long double det = 2 * (b.x * d.y - b.y * d.x);
    if (det == 0)
        return std::nullopt;
    const long double bb = b.x * b.x + b.y * b.y;
    const long double dd = d.x * d.x + d.y * d.y;
    const long double ux = (d.y * bb - b.y * dd) / det;
    const long double uy = (b.x * dd - d.x * bb) / det;
    Locus locus{{a.x + ux, a.y + uy}, std::sqrt(ux * ux + uy * uy)};
    if (!AllFinite({locus.centre.x, locus.centre.y, locus.radius}))
        return std::nullopt;
    return locus;
}

std::optional<long double> SlipOfLocusPoint(const Circuit& c, const Point& p)
{
    const Complex i1 = OfDiagram(p);
    const Complex one{1, 0};
    const Complex rest = Complex{c.phaseVoltage, 0} / i1 - StatorImpedance(c);
    const Complex z2 = one / (one / rest - one / MagnetisingImpedance(c));
    const long double slip = c.R2 / z2.re;
    if (!std::isfinite(slip))
        return std::nullopt;
    return slip;
}

CircuitCharacteristic CircuitCharacteristicOf(const Circuit& c)
{
    const long double m = c.phases;
    const Thevenin th = TheveninOf(c);
    const long double vth2 = Norm(th.voltage);
    CircuitCharacteristic ch;
    ch.startingTorque = CircuitAtSlip(c, 1).torque;

    const long double reach = Abs(th.impedance + Complex{0, c.X2});
    ch.maxTorque.slip = c.R2 / reach;
    ch.maxTorque.value = TorqueFactor / c.synchronousSpeed * m * vth2 / (2 * (th.impedance.re + reach));
    ch.maxTorque.at = CircuitAtSlip(c, ch.maxTorque.slip);

    const long double load = Abs(th.impedance + Complex{c.R2, c.X2});
    ch.maxOutput.slip = c.R2 / (c.R2 + load);
    ch.maxOutput.value = m * vth2 * load / Norm(th.impedance + Complex{c.R2, 0} + Complex{load, c.X2}) -
        c.frictionWindage;
    ch.maxOutput.at = CircuitAtSlip(c, ch.maxOutput.slip);

    // cos φ = y / |I| is greatest where the line from the origin touches the locus; of the two tangent
    // points the one nearer the active axis. Past s = 1 the motoring arc's best is its end.
    long double slip = 1;
    if (const std::optional<Locus> locus = LocusOf(c)) {
        const Point& centre = locus->centre;
        const long double distance = std::sqrt(centre.x * centre.x + centre.y * centre.y);
        const long double r = locus->radius;
        if (distance > r) {
            const long double t = std::sqrt((distance - r) * (distance + r));
            const Point u{centre.x / distance, centre.y / distance};
            const Point n{-u.y, u.x};
            const long double f = t / distance;
            const Point first{f * (t * u.x + r * n.x), f * (t * u.y + r * n.y)};
            const Point second{f * (t * u.x - r * n.x), f * (t * u.y - r * n.y)};
            const Point& tangent = first.y > second.y ? first : second;
            if (const std::optional<long double> s = SlipOfLocusPoint(c, tangent); s && *s > 0 && *s <= 1)
                slip = *s;
        }
    }
    CircuitMaximum pf;
    pf.slip = slip;
    pf.at = CircuitAtSlip(c, slip);
    pf.value = pf.at.powerFactor;
    ch.maxPowerFactor = pf;
    return ch;
}

long double QuantityAt(const CircuitPoint& p, OperatingQuantity quantity)
{
    switch (quantity) {
    case OperatingQuantity::Output: return p.output;
    case OperatingQuantity::Torque: return p.torque;
    case OperatingQuantity::Current: return p.current;
    case OperatingQuantity::Input: return p.input;
    case OperatingQuantity::Slip: return p.slip;
    case OperatingQuantity::Speed: return p.speed;
    }
    return 0;
}

CircuitSolution SolveCircuit(const Circuit& c, OperatingQuantity quantity, long double value)
{
    CircuitSolution solution;
    if (quantity == OperatingQuantity::Slip || quantity == OperatingQuantity::Speed) {
        const bool speed = quantity == OperatingQuantity::Speed;
        solution.reachable = QuantityRange{0.0L, speed ? c.synchronousSpeed : 1.0L};
        if (value >= solution.reachable->min && value <= solution.reachable->max)
            solution.point = CircuitAtSlip(c, speed ? 1 - value / c.synchronousSpeed : value);
        return solution;
    }

    auto at = [&c, quantity](long double s) { return QuantityAt(CircuitAtSlip(c, s), quantity); };
    // Each quantity rises from s = 0 and has at most one crest on the way to s = 1: a scan finds the
    // first crossing and the crest's neighbourhood, then halving and the golden section narrow them.
    std::array<long double, ScanSteps + 1> q{};
    int top = 0;
    int bottom = 0;
    for (int i = 0; i <= ScanSteps; ++i) {
        q[i] = at(static_cast<long double>(i) / ScanSteps);
        if (q[i] > q[top])
            top = i;
        if (q[i] < q[bottom])
            bottom = i;
    }
    long double lo = static_cast<long double>(std::max(top - 1, 0)) / ScanSteps;
    long double hi = static_cast<long double>(std::min(top + 1, ScanSteps)) / ScanSteps;
    const long double golden = (std::sqrt(5.0L) - 1) / 2;
    for (int i = 0; i < 200 && hi - lo > 0; ++i) {
        const long double a = hi - golden * (hi - lo);
        const long double b = lo + golden * (hi - lo);
        if (!(a < b))
            break;
        if (at(a) < at(b))
            lo = a;
        else
            hi = b;
    }
    long double crest = static_cast<long double>(top) / ScanSteps;
    long double crestValue = q[top];
    if (const long double middle = lo + (hi - lo) / 2, v = at(middle); v > crestValue) {
        crest = middle;
        crestValue = v;
    }
    solution.reachable = QuantityRange{q[bottom], crestValue};
    const long double slack = RelativeSlack(q[bottom], crestValue);
    if (!(value >= q[bottom] - slack && value <= crestValue + slack))
        return solution;
    if (std::fabs(value - q[0]) <= slack) {
        solution.point = CircuitAtSlip(c, 0);
        return solution;
    }
    // The first slip where `value` lies between two neighbours, narrowed by halving.
    auto crossing = [&at, value](long double a, long double b, bool rising) {
        for (;;) {
            const long double middle = a + (b - a) / 2;
            if (!(middle > a && middle < b))
                return b;
            if ((at(middle) < value) == rising)
                a = middle;
            else
                b = middle;
        }
    };
    for (int i = 1; i <= ScanSteps; ++i) {
        const long double before = q[i - 1] - value;
        const long double after = q[i] - value;
        if (after == 0 || (before < 0) != (after < 0)) {
            solution.point = CircuitAtSlip(c,
                                           crossing(static_cast<long double>(i - 1) / ScanSteps,
                                                    static_cast<long double>(i) / ScanSteps, before < 0));
            return solution;
        }
    }
    // Above every scanned value: on the rise to the crest from the scan point before it, or the crest.
    if (value > q[top] && value < crestValue) {
        const long double before = std::floor(crest * ScanSteps) / ScanSteps;
        solution.point = CircuitAtSlip(c, before < crest ? crossing(before, crest, true) : crest);
        return solution;
    }
    solution.point = CircuitAtSlip(c,
                                   std::fabs(value - crestValue) <= std::fabs(value - q[bottom])
                                       ? crest
                                       : static_cast<long double>(bottom) / ScanSteps);
    return solution;
}

std::string CircuitNoPointText(OperatingQuantity quantity, long double value, const CircuitSolution& solution)
{
    if (solution.point)
        return {};
    OperatingPointSolution asCircle;
    asCircle.reachable = solution.reachable;
    return NoPointText(quantity, value, asCircle);
}
