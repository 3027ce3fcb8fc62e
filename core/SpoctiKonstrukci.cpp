// The circle-diagram construction and the torque characteristic, step by step in the order of the
// classical hand construction. Every operation is a checked extended operation (CheckedMath.h),
// evaluated left to right exactly as written: the printed digits depend on that order, so never
// regroup a formula or hoist a common factor.
#include "SpoctiKonstrukci.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "CheckedMath.h"

using namespace fpcheck;

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double Half = 0.5L;
// ω_s = π · n_s · 0.02 · 5/3 = π · n_s / 30, in this order of products.
constexpr long double Fiftieth = 0.02L;
constexpr long double FiveThirds = 1.66666666666666666666666666667L;
// Torque per watt of air-gap power over ω_s as the hand method rounds 60/2π; kept for its results.
constexpr long double TorqueFactor = 9.55L;

// arccos as atan2(√(1 − x²), x), the form the construction has always used.
long double Arccos(long double x)
{
    return Atan2(Sqrt(X(1.0L) - X(x) * x), x);
}

struct Line {
    long double k; // slope
    long double q; // ordinate at x = 0
};

Line LineThrough(long double x1, long double y1, long double x2, long double y2)
{
    Line line;
    line.k = (X(y2) - y1) / (X(x2) - x1);
    line.q = (-X(x1) * y2 + X(y1) * x2) / (X(x2) - x1);
    return line;
}

} // namespace

namespace {

// sin φ and cos φ of φ = arccos(power factor), remembered by the exact power factor: motors typed to
// two or three digits share a few hundred values, and the three long-double functions are the
// costliest steps of a motor. Only power factors between 0.01 and 0.99 are remembered: for them
// none of the steps can fault, so a value taken from here is the very bits the steps would give and
// leaves the fault flags as the steps would have left them. Each thread has its own.
class AngleCache {
public:
    static constexpr long double Low = 0.01L, High = 0.99L;

    struct Entry {
        long double powerFactor = 0; // 0: empty
        long double sin = 0, cos = 0;
    };
    // Where `powerFactor` is remembered, or would be: one place for each, shared with others.
    Entry& Slot(long double powerFactor)
    {
        // The 64 significand bits and the sign and exponent: 0.01, 0.08 and 0.64 share their significand.
        std::uint64_t significand = 0;
        std::uint16_t exponent = 0;
        std::memcpy(&significand, &powerFactor, sizeof significand);
        std::memcpy(&exponent, reinterpret_cast<const char*>(&powerFactor) + sizeof significand, sizeof exponent);
        const std::uint64_t key = significand ^ (std::uint64_t{exponent} * 0xD6E8FEB86659FD93ULL);
        return entries_[(key * 0x9E3779B97F4A7C15ULL) >> (64 - SizeBits)];
    }

private:
    static constexpr int SizeBits = 12; // room for a thousand power factors with few collisions
    std::array<Entry, std::size_t{1} << SizeBits> entries_{};
};

} // namespace

void CurrentPoint(Point& point, long double current, long double powerFactor)
{
    if (!(powerFactor >= AngleCache::Low && powerFactor <= AngleCache::High)) {
        const long double phi = Arccos(powerFactor);
        point.x = X(current) * Sin(phi);
        point.y = X(current) * Cos(phi);
        return;
    }
    static thread_local std::unique_ptr<AngleCache> cache; // made by the threads that compute
    if (!cache)
        cache = std::make_unique<AngleCache>();
    AngleCache::Entry& e = cache->Slot(powerFactor);
    if (e.powerFactor != powerFactor) {
        const long double phi = Arccos(powerFactor);
        e.sin = Sin(phi);
        e.cos = Cos(phi);
        e.powerFactor = powerFactor;
    }
    point.x = X(current) * e.sin;
    point.y = X(current) * e.cos;
}

long double BodNaPrimce(long double x, long double x1, long double y1, long double x2, long double y2)
{
    const Line line = LineThrough(x1, y1, x2, y2);
    return X(line.k) * x + line.q;
}

long double PrusecikSKruznici(long double x1, long double y1, long double x2, long double y2, long double xs,
                              long double ys, long double r)
{
    const Line line = LineThrough(x1, y1, x2, y2);
    const long double k = line.k;
    const long double q = line.q;

    // y = k·x + q put into (x − xs)² + (y − ys)² = r² gives A·x² + B·x + C = 0.
    const long double A = X(k) * k + 1.0L;
    const long double B = X(-2.0L) * xs + X(2.0L) * k * q - X(2.0L) * k * ys;
    const long double C = X(xs) * xs + X(ys) * ys - X(r) * r - X(2.0L) * q * ys + X(q) * q;
    const long double D = X(B) * B - X(4.0L) * A * C;
    const long double xa = (-X(B) + Sqrt(D)) / (X(2.0L) * A);
    const long double xb = (-X(B) - Sqrt(D)) / (X(2.0L) * A);

    // One root is P1 itself up to rounding; the other differs from it by more than 1 %.
    const long double distanceA = Abs(X(xa) - x1);
    const long double percentA = X(distanceA) / x1 * 100.0L;
    if (percentA > 1)
        return xa;
    const long double distanceB = Abs(X(xb) - x1);
    const long double percentB = X(distanceB) / x1 * 100.0L;
    if (percentB > 1)
        return xb;
    // A steep line meets the circle again within 1 % of P1: the farther root is still the other point.
    return distanceA >= distanceB ? xa : xb;
}

namespace {

// The no-load point Ao and the short-circuit point Ak.
void ConstructTestPoints(TKonstrukce& k)
{
    CurrentPoint(k.Ao, k.PrNapr, k.UcNapr);
    CurrentPoint(k.Ak, k.PrNakr, k.UcNakr);
}

// The circle and its lines: everything after Ao and Ak up to the slip line's step and ω_s.
void ConstructCircle(TKonstrukce& k)
{
    const Point& Ao = k.Ao;
    const Point& Ak = k.Ak;
    const long double& dX = k.PrimkaVykonu.x;
    const long double& dY = k.PrimkaVykonu.y;
    const Point& T = k.BodPomeru;
    const Point& M = k.StredPrimky;
    const long double& Sx = k.StredKruznice.x; // S.y is Ao.y
    const long double& R = k.Polomer;
    Point& P = k.PrimkaSkluzu.zacatek;
    Point& Q = k.PrimkaSkluzu.konec;

    // The power line Ao–Ak.
    k.PrimkaVykonu.x = Abs(X(Ao.x) - Ak.x);
    k.PrimkaVykonu.y = Abs(X(Ao.y) - Ak.y);
    k.DelkaPrimky = Sqrt(X(dX) * dX + X(dY) * dY);

    // T divides the short-circuit ordinate in the ratio R1f : Rf, the quotient first; on the textbook
    // line only its part above the no-load line, Ao.y + (Ak.y − Ao.y) · R1f / Rf, left to right.
    k.BodPomeru.x = Ak.x;
    if (k.torqueLine == TorqueLine::NoLoadLine)
        k.BodPomeru.y = X(Ao.y) + (X(Ak.y) - Ao.y) * k.R1f / k.Rf;
    else
        k.BodPomeru.y = X(k.R1f) / (X(k.R1f) + k.R21f) * Ak.y;

    // Midpoint of the power line, from the absolute differences.
    k.StredPrimky.x = X(dX) * Half + Ao.x;
    k.StredPrimky.y = X(dY) * Half + Ao.y;

    // Circle centre S on the horizontal through Ao, and the radius from the half chord.
    k.StredKruznice.x = Square(X(M.y) - Ao.y) / (X(M.x) - Ao.x) + M.x;
    k.Polomer = Sqrt(Square(Abs(X(Ao.y) - M.y)) + Square(Abs(X(Sx) - M.x)) + Square(X(k.DelkaPrimky) * Half));

    // The torque line Ao–T meets the circle again at the point for infinite slip.
    k.AInf.x = PrusecikSKruznici(Ao.x, Ao.y, T.x, T.y, Sx, Ao.y, R);
    k.AInf.y = BodNaPrimce(k.AInf.x, Ao.x, Ao.y, T.x, T.y);

    // The slip line: the torque line shifted up so that it passes through Ak.
    P.x = Ao.x;
    P.y = X(Ak.y) - T.y + Ao.y;
    Q.x = Ak.x;
    Q.y = Ak.y;

    k.PolomerPomociAk = X(Sx) - Ao.x;

    // One twentieth of the slip line, signed, so that the twentieth division point is Ak whatever
    // the direction of the line.
    k.KrokSkluzu.x = (X(Q.x) - P.x) * SlipStep;
    k.KrokSkluzu.y = (X(Q.y) - P.y) * SlipStep;

    k.OmegaSynchr = X(Pi) * k.SynchrOtacky * Fiftieth * FiveThirds;
}

// Row i of the characteristic: the division point, the operating point, its torque and speed.
void ConstructRow(TKonstrukce& k, int i)
{
    const Point& Ao = k.Ao;
    const Point& P = k.PrimkaSkluzu.zacatek;
    const Point& step = k.KrokSkluzu;
    const long double n = i;
    k.SkluzX[i] = X(n) * step.x + P.x;
    k.SkluzY[i] = X(n) * step.y + P.y;

    // The line from Ao through the division point meets the circle at the operating point.
    k.KruzniceX[i] = PrusecikSKruznici(Ao.x, Ao.y, k.SkluzX[i], k.SkluzY[i], k.StredKruznice.x, Ao.y, k.Polomer);
    k.KruzniceY[i] = BodNaPrimce(k.KruzniceX[i], Ao.x, Ao.y, k.SkluzX[i], k.SkluzY[i]);

    // The ordinate between the torque line and the operating point, scaled to newton-metres.
    const long double torqueLineY = BodNaPrimce(k.KruzniceX[i], Ao.x, Ao.y, k.AInf.x, k.AInf.y);
    k.MomentSkluzu[i] = X(k.KruzniceY[i]) - torqueLineY;
    k.MeritkoMomentu = X(k.Spotrebic) * k.FazoveNapeti / k.SynchrOtacky * TorqueFactor;
    k.MomentSkluzu[i] = X(k.MomentSkluzu[i]) * k.MeritkoMomentu;

    k.OmegaSkluzu[i] = (X(1.0L) - X(n) * SlipStep) * k.OmegaSynchr;
}

void ConstructRows(TKonstrukce& k, int first)
{
    for (int i = first; i <= SlipCount; ++i)
        ConstructRow(k, i);
}

// Everything after Ao and Ak.
void ConstructFromTestPoints(TKonstrukce& k)
{
    ConstructCircle(k);
    ConstructRows(k, 1);
}

// Whether rows 1..19 can be left out without changing which fault, if any, the construction raises.
// The only faults a row can raise are the torque line's division (the same operands in every row, so
// the last row raises it too) and the square root of a discriminant rounded below zero. That
// discriminant is 4R² in exact arithmetic but a difference of terms in k⁴ (k the slope of the line
// from Ao through the division point), so only a very steep line can take it below zero. Its rounding
// error, the offset of the computed line from Ao and the difference of the two computed radii are
// each below 2^-50 of R² times (1 + K)⁴ (Z / R)² (1 + Z / step.x), where K bounds |k| in every row
// and Z every coordinate involved; a margin of 2^10 leaves the limit at 2^40. Plain arithmetic on
// finite values: nothing here can raise a fault.
bool SkippedRowsCannotFault(const TKonstrukce& k)
{
    const Point& step = k.KrokSkluzu;
    const long double r = k.Polomer;
    if (!(step.x > 0) || !(r > 0))
        return false;
    const Point& Ao = k.Ao;
    const Point& P = k.PrimkaSkluzu.zacatek;
    // The slope of row i is ((P.y − Ao.y) + i · step.y) / (i · step.x): at most K in size for i ≥ 1.
    const long double K = (std::fabs(P.y - Ao.y) + std::fabs(step.y)) / step.x;
    const long double Z = std::fabs(k.StredKruznice.x) + std::fabs(Ao.x) + std::fabs(Ao.y) + r + std::fabs(k.Ak.x) +
        std::fabs(P.y) + SlipCount * std::fabs(step.y);
    constexpr long double Limit = 0x1p40L;
    const long double steep = (1 + K) * (1 + K) * (1 + K) * (1 + K);
    const long double spread = (Z / r) * (Z / r) * (1 + Z / step.x);
    return steep <= Limit && spread <= Limit && steep * spread <= Limit;
}

// What a batch row prints needs the circle, A∞, the slip line and the last row (the starting
// torque), which depends on no other row.
void ConstructForLastRow(TKonstrukce& k)
{
    ConstructCircle(k);
    ConstructRows(k, SkippedRowsCannotFault(k) ? SlipCount : 1);
}

// Faults are rare: run a part once with a single flag test, and only after a fault run it again,
// op by op, so that the first fault is raised. Every part writes each field before it reads it, so
// the second run meets the same operands whatever the first one left. Only SpoctiKonstrukci
// promises that fields after the fault keep their previous values, so only it keeps a copy.
enum class OnFault { KeepEarlierFields, LeavePartial };

template <class Part>
void RunChecked(TKonstrukce& k, Part part, OnFault onFault)
{
    const FaultScope faultScope;
    if (onFault == OnFault::LeavePartial) {
        if (!RunStraight([&k, &part] { part(k); }))
            part(k);
        return;
    }
    const TKonstrukce before = k;
    if (RunStraight([&k, &part] { part(k); }))
        return;
    k = before;
    part(k);
}

} // namespace

void SpoctiKonstrukci(TKonstrukce& k)
{
    RunChecked(
        k,
        [](TKonstrukce& r) {
            ConstructTestPoints(r);
            ConstructFromTestPoints(r);
        },
        OnFault::KeepEarlierFields);
}

void ComputeTestPoints(TKonstrukce& k)
{
    RunChecked(k, ConstructTestPoints, OnFault::LeavePartial);
}

void CompleteConstruction(TKonstrukce& k, ConstructionRows rows)
{
    RunChecked(k, rows == ConstructionRows::All ? ConstructFromTestPoints : ConstructForLastRow, OnFault::LeavePartial);
}
