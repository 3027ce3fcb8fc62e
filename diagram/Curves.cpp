// The characteristic curves against slip: samples, marks and axes, in slip and the plots' own units.
#include "Curves.h"

#include <algorithm>
#include <cmath>

#include "DiagramTexts.h"

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
    {Quantity::Torque, "Moment M (Nm)", "M (Nm)"},  {Quantity::Current, "Proud I (A)", "I (A)"},
    {Quantity::Output, "Výkon P2 (kW)", "P2 (kW)"}, {Quantity::PowerFactor, "Účiník cos φ", "cos φ"},
    {Quantity::Efficiency, "Účinnost η", "η"},
};

Curve EmptyCurve(Quantity q)
{
    for (const CurveLook& look : Looks)
        if (look.quantity == q)
            return {q, QString::fromUtf8(look.legend), QString::fromUtf8(look.shortLegend), {}};
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

bool OnSlipAxis(double slip)
{
    return slip >= -Rounding && slip <= 1 + Rounding;
}

// A characteristic point on the plot of `q`: marked on the curve where its slip lies in [0, 1], an
// arrow at the right edge otherwise.
void AddMark(Plot& plot, const std::optional<OperatingPoint>& point, Quantity q, Symbol symbol, const TextRow& texts)
{
    if (!point)
        return;
    const std::optional<double> slip = Finite(point->slip);
    const std::optional<double> value = ValueOf(*point, q);
    if (!slip || !value)
        return;
    if (OnSlipAxis(*slip))
        plot.marks.push_back({symbol, QPointF(*slip, *value)});
    else
        plot.beyond = BeyondMark{symbol, *value, texts.caption + u' ' + texts.value, texts.slip};
}

} // namespace

std::optional<double> ValueOf(const OperatingPoint& p, Quantity q)
{
    switch (q) {
    case Quantity::Torque: return Finite(p.torque);
    case Quantity::Current: return Finite(p.current);
    case Quantity::Output: return Finite(p.output, WattsPerKilowatt);
    case Quantity::PowerFactor: return Finite(p.powerFactor);
    case Quantity::Efficiency: break;
    }
    return Finite(p.efficiency);
}

CurveSet MakeCurves(const TKonstrukce& k, const CharacteristicPoints& c, int intervals)
{
    CurveSet set;
    set.synchronousSpeed = static_cast<double>(k.SynchrOtacky);
    Plot& torque = set.plots[TorquePlot];
    Plot& current = set.plots[CurrentPlot];
    Plot& output = set.plots[OutputPlot];
    Plot& ratio = set.plots[RatioPlot];
    torque.curves = {EmptyCurve(Quantity::Torque)};
    current.curves = {EmptyCurve(Quantity::Current)};
    output.curves = {EmptyCurve(Quantity::Output)};
    ratio.curves = {EmptyCurve(Quantity::PowerFactor), EmptyCurve(Quantity::Efficiency)};
    ratio.unitRange = true;

    intervals = std::max(intervals, 1);
    set.slips.reserve(intervals + 1);
    for (Plot& plot : set.plots)
        for (Curve& curve : plot.curves)
            curve.values.reserve(intervals + 1);
    for (int i = 0; i <= intervals; ++i) {
        const long double s = static_cast<long double>(i) / intervals;
        set.slips.push_back(static_cast<double>(s));
        const std::optional<OperatingPoint> p = OperatingPointAtSlip(k, s);
        for (Plot& plot : set.plots)
            for (Curve& curve : plot.curves)
                curve.values.push_back(p ? ValueOf(*p, curve.quantity) : std::nullopt);
    }
    for (int i = 1; i <= SlipCount; ++i) {
        const OperatingPoint& row = c.operating[i];
        const std::optional<double> slip = Finite(row.slip), value = ValueOf(row, Quantity::Torque);
        if (slip && value)
            torque.rowMarks.push_back(QPointF(*slip, *value));
    }

    const std::vector<TextRow> texts = CharacteristicRows(k, c, true);
    auto textsOf = [&texts](Symbol symbol) {
        for (const TextRow& row : texts)
            if (row.symbol == symbol)
                return row;
        return TextRow{SymbolName(symbol), {}, {}, symbol};
    };
    AddMark(torque, c.maxTorque, Quantity::Torque, Symbol::Triangle, textsOf(Symbol::Triangle));
    AddMark(output, c.maxOutput, Quantity::Output, Symbol::Square, textsOf(Symbol::Square));
    AddMark(ratio, c.maxPowerFactor, Quantity::PowerFactor, Symbol::Diamond, textsOf(Symbol::Diamond));
    AddMark(ratio, c.maxEfficiency, Quantity::Efficiency, Symbol::Circle, textsOf(Symbol::Circle));

    for (Plot& plot : set.plots) {
        bool any = false;
        for (const Curve& curve : plot.curves)
            for (const std::optional<double>& v : curve.values)
                Hold(plot, v, any);
        for (QPointF p : plot.rowMarks)
            Hold(plot, p.y(), any);
        // A maximum beyond slip 1 is not drawn, only pointed at: it does not stretch the axis.
        for (const CurveMark& m : plot.marks)
            Hold(plot, m.at.y(), any);
        // Zero is on every axis; a few rounding errors below it (the output at slip 1) are zero.
        const double size = std::max(std::abs(plot.lowest), std::abs(plot.highest));
        plot.lowest = plot.lowest < -Rounding * size ? plot.lowest : 0;
        plot.highest = std::max(plot.highest, 0.0);
    }
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
