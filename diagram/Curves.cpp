// The characteristic curves against slip and against output: samples, marks and axes, in the x axis'
// and the plots' own units.
#include "Curves.h"

#include <algorithm>
#include <cmath>

#include "DiagramTexts.h"
#include "OperatingPointSolver.h"

namespace diagram {

namespace {

constexpr double WattsPerKilowatt = 1000;
constexpr double Rounding = 1e-9; // relative: the rounding of the record's own values
constexpr double Headroom = 0.08; // of a plot's span, beyond its extreme values

struct CurveLook {
    Quantity quantity;
    const char* legend;
    const char* shortLegend;
};

// The readout's captions, with the plot's unit.
constexpr CurveLook Looks[] = {
    {Quantity::Torque, QT_TRANSLATE_NOOP("DiagramTexts", "Moment M (Nm)"), "M (Nm)"},
    {Quantity::Current, QT_TRANSLATE_NOOP("DiagramTexts", "Fázový proud I1f (A)"), "I1f (A)"},
    {Quantity::Output, QT_TRANSLATE_NOOP("DiagramTexts", "Výkon P2 (kW)"), "P2 (kW)"},
    {Quantity::PowerFactor, QT_TRANSLATE_NOOP("DiagramTexts", "Účiník cos φ"), "cos φ"},
    {Quantity::Efficiency, QT_TRANSLATE_NOOP("DiagramTexts", "Účinnost η"), "η"},
    {Quantity::Slip, QT_TRANSLATE_NOOP("DiagramTexts", "Skluz s"), "s"},
};

Curve EmptyCurve(Quantity q)
{
    for (const CurveLook& look : Looks)
        if (look.quantity == q)
            return {q, Tr(look.legend), QString::fromUtf8(look.shortLegend), {}};
    return {q, {}, {}, {}};
}

std::optional<double> Finite(const OptionalValue& v, double factor = 1)
{
    if (!v || !std::isfinite(static_cast<double>(*v)))
        return std::nullopt;
    return static_cast<double>(*v) / factor;
}

// Widens the plot's value range to hold `v`.
void Hold(Plot& plot, std::optional<double> v, bool& any)
{
    if (!v)
        return;
    plot.lowest = any ? std::min(plot.lowest, *v) : *v;
    plot.highest = any ? std::max(plot.highest, *v) : *v;
    any = true;
}

// A characteristic point on the plot of `q`: marked on the curve where it lies on the x axis, an
// arrow at the right edge where it lies beyond its end.
void AddMark(const CurveSet& set, Plot& plot, const std::optional<OperatingPoint>& point, Quantity q, Symbol symbol,
             const TextRow& texts)
{
    if (!point)
        return;
    const std::optional<double> slip = Finite(point->slip);
    const std::optional<double> value = ValueOf(*point, q);
    if (!slip || !value)
        return;
    if (const std::optional<double> x = XOfPoint(set, *point))
        plot.marks.push_back({symbol, QPointF(*x, *value)});
    else if (*slip > 0)
        plot.beyond = BeyondMark{symbol, *value, texts.caption + u' ' + texts.value, texts.slip};
}

// The characteristic points' texts, under the names the diagram labels them with.
TextRow TextsOf(const std::vector<TextRow>& texts, Symbol symbol)
{
    for (const TextRow& row : texts)
        if (row.symbol == symbol)
            return row;
    return TextRow{SymbolName(symbol), {}, {}, symbol};
}

void EmptyPlots(CurveSet& set, Quantity third)
{
    set.plots[TorquePlot].curves = {EmptyCurve(Quantity::Torque)};
    set.plots[CurrentPlot].curves = {EmptyCurve(Quantity::Current)};
    set.plots[OutputPlot].curves = {EmptyCurve(third)};
    set.plots[RatioPlot].curves = {EmptyCurve(Quantity::PowerFactor), EmptyCurve(Quantity::Efficiency)};
    set.plots[RatioPlot].unitRange = true;
}

void Reserve(CurveSet& set, int samples)
{
    set.xs.reserve(samples);
    for (Plot& plot : set.plots)
        for (Curve& curve : plot.curves)
            curve.values.reserve(samples);
}

void AddSample(CurveSet& set, double x, const std::optional<OperatingPoint>& p)
{
    set.xs.push_back(x);
    for (Plot& plot : set.plots)
        for (Curve& curve : plot.curves)
            curve.values.push_back(p ? ValueOf(*p, curve.quantity) : std::nullopt);
}

// Each plot's value range: what its curves, the table's points and its marks reach.
void HoldValues(CurveSet& set)
{
    for (Plot& plot : set.plots) {
        bool any = false;
        for (const Curve& curve : plot.curves)
            for (const std::optional<double>& v : curve.values)
                Hold(plot, v, any);
        for (QPointF p : plot.rowMarks)
            Hold(plot, p.y(), any);
        // A maximum beyond the axis' end is not drawn, only pointed at: it does not stretch the axis.
        for (const CurveMark& m : plot.marks)
            Hold(plot, m.at.y(), any);
        // Zero is on every axis; a few rounding errors below it (the output at slip 1) are zero.
        const double size = std::max(std::abs(plot.lowest), std::abs(plot.highest));
        plot.lowest = plot.lowest < -Rounding * size ? plot.lowest : 0;
        plot.highest = std::max(plot.highest, 0.0);
    }
}

// The table's points on the torque curve and the characteristic points on theirs, where they lie on
// the x axis; then each plot's value range.
void AddMarks(CurveSet& set, const TKonstrukce& k, const CharacteristicPoints& c)
{
    Plot& torque = set.plots[TorquePlot];
    for (int i = 1; i <= SlipCount; ++i) {
        const OperatingPoint& row = c.operating[i];
        const std::optional<double> x = XOfPoint(set, row), value = ValueOf(row, Quantity::Torque);
        if (x && value)
            torque.rowMarks.push_back(QPointF(*x, *value));
    }
    const std::vector<TextRow> texts = CharacteristicRows(k, c, true);
    const Quantity third = set.axis == CurvesAxis::Slip ? Quantity::Output : Quantity::Slip;
    AddMark(set, torque, c.maxTorque, Quantity::Torque, Symbol::Triangle, TextsOf(texts, Symbol::Triangle));
    AddMark(set, set.plots[OutputPlot], c.maxOutput, third, Symbol::Square, TextsOf(texts, Symbol::Square));
    AddMark(set, set.plots[RatioPlot], c.maxPowerFactor, Quantity::PowerFactor, Symbol::Diamond,
            TextsOf(texts, Symbol::Diamond));
    AddMark(set, set.plots[RatioPlot], c.maxEfficiency, Quantity::Efficiency, Symbol::Circle,
            TextsOf(texts, Symbol::Circle));
    HoldValues(set);
}

} // namespace

std::optional<double> ValueOf(const OperatingPoint& p, Quantity q)
{
    switch (q) {
    case Quantity::Torque: return Finite(p.torque);
    case Quantity::Current: return Finite(p.current);
    case Quantity::Output: return Finite(p.output, WattsPerKilowatt);
    case Quantity::PowerFactor: return Finite(p.powerFactor);
    case Quantity::Slip: return Finite(p.slip);
    case Quantity::Efficiency: break;
    }
    return Finite(p.efficiency);
}

std::optional<double> XOfPoint(const CurveSet& c, const OperatingPoint& p)
{
    const std::optional<double> slip = Finite(p.slip);
    if (!slip || *slip < -Rounding)
        return std::nullopt;
    if (c.axis == CurvesAxis::Slip)
        return *slip <= 1 + Rounding ? slip : std::nullopt;
    const std::optional<double> output = Finite(p.output, WattsPerKilowatt);
    if (!output || *slip > c.lastSlip * (1 + Rounding) + Rounding)
        return std::nullopt;
    return std::clamp(*output, 0.0, c.xTo);
}

CurveSet MakeCurves(const TKonstrukce& k, const CharacteristicPoints& c, int intervals)
{
    CurveSet set;
    set.synchronousSpeed = static_cast<double>(k.SynchrOtacky);
    EmptyPlots(set, Quantity::Output);
    intervals = std::max(intervals, 1);
    Reserve(set, intervals + 1);
    for (int i = 0; i <= intervals; ++i) {
        const long double s = static_cast<long double>(i) / intervals;
        AddSample(set, static_cast<double>(s), OperatingPointAtSlip(k, s));
    }
    AddMarks(set, k, c);
    return set;
}

CurveSet MakeOutputCurves(const TKonstrukce& k, const CharacteristicPoints& c, int intervals)
{
    CurveSet set;
    set.axis = CurvesAxis::Output;
    set.synchronousSpeed = static_cast<double>(k.SynchrOtacky);
    EmptyPlots(set, Quantity::Slip);
    const std::optional<OperatingPoint>& top = c.maxOutput;
    const std::optional<double> topOutput = top ? Finite(top->output, WattsPerKilowatt) : std::nullopt;
    const std::optional<double> topSlip = top ? Finite(top->slip) : std::nullopt;
    if (!topOutput || !(*topOutput > 0) || !topSlip) {
        HoldValues(set);
        return set;
    }
    set.xTo = *topOutput;
    set.lastSlip = *topSlip;
    intervals = std::max(intervals, 1);
    Reserve(set, intervals + 1);
    // The last sample is the maximum itself; the others are the solver's points at those outputs.
    for (int i = 0; i < intervals; ++i) {
        const long double output = *top->output * i / intervals;
        const OperatingPointSolution s = SolveOperatingPoint(k, OperatingQuantity::Output, output);
        AddSample(set, static_cast<double>(output) / WattsPerKilowatt,
                  s.point ? std::optional(s.point->values) : std::nullopt);
    }
    AddSample(set, set.xTo, top);

    AddMarks(set, k, c);
    return set;
}

Axis ValueAxis(const Plot& plot, double length, double spacing)
{
    Axis axis;
    if (plot.unitRange) {
        axis.to = 1;
    } else if (plot.highest > plot.lowest) {
        // A little room above the highest value for its mark; the plot ends there, not at a whole step.
        const double span = plot.highest - plot.lowest;
        axis.from = plot.lowest < 0 ? plot.lowest - Headroom * span : 0;
        axis.to = plot.highest + Headroom * span;
    }
    axis.step = length > 0 ? SeriesAtLeast((axis.to - axis.from) * spacing / length) : Series{1, 0};
    axis.ticks = Ticks(axis.from, axis.to, axis.step);
    axis.ticks.insert(std::upper_bound(axis.ticks.begin(), axis.ticks.end(), 0.0), 0.0);
    return axis;
}

Axis SlipAxis(double length, double spacing)
{
    Axis axis;
    axis.step = Series{1, -1};
    while (axis.step.Value() * length < spacing && axis.step.Value() < 1)
        axis.step = axis.step.Next();
    axis.ticks = Ticks(0, 1, axis.step);
    axis.ticks.insert(axis.ticks.begin(), 0.0);
    return axis;
}

Axis OutputAxis(double maximum, double length, double spacing)
{
    Axis axis;
    axis.to = maximum > 0 ? maximum : 1;
    axis.step = SeriesAtLeast(axis.to * spacing / std::max(length, spacing));
    axis.ticks = Ticks(0, axis.to, axis.step);
    axis.ticks.insert(axis.ticks.begin(), 0.0);
    return axis;
}

Axis SpeedAxis(double synchronousSpeed, double length, double spacing)
{
    Axis axis;
    axis.to = synchronousSpeed;
    axis.step = SeriesAtLeast(synchronousSpeed * spacing / std::max(length, spacing));
    axis.ticks = Ticks(0, synchronousSpeed, axis.step);
    axis.ticks.insert(axis.ticks.begin(), 0.0);
    return axis;
}

double SlipOfSpeed(double n, double synchronousSpeed)
{
    return 1 - n / synchronousSpeed;
}

} // namespace diagram
