// The characteristic curves against slip, and the working characteristics against output: what each
// small plot holds, in the x axis' and the plot's own units, and the axes that fit a plot of a given
// length; no pixels.
#pragma once

#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "Characteristic.h"
#include "DiagramGeometry.h"
#include "Konstrukce.h"

namespace diagram {

// Intervals between slip 0 and 1: 201 samples, each table row's slip among them (every tenth); as
// many between output 0 and its maximum.
constexpr int CurveIntervals = 200;

// What the curves are drawn against: slip 0 to 1, or output P2 from 0 to its maximum on the stable side
// (the working characteristics of a catalogue).
enum class CurvesAxis { Slip, Output };

enum class Quantity { Torque, Current, Output, PowerFactor, Efficiency, Slip };

// What a plot shows of an operating point, in the plot's unit (output in kW); nothing where the
// geometry gives no value.
std::optional<double> ValueOf(const OperatingPoint& p, Quantity q);

struct Curve {
    Quantity quantity;
    QString legend;                            // "Moment M (Nm)"
    QString shortLegend;                       // "M (Nm)", where the long one does not fit
    std::vector<std::optional<double>> values; // one per CurveSet::xs
};

// A characteristic point on its curve, with the diagram's symbol for it.
struct CurveMark {
    Symbol symbol;
    QPointF at; // (x, value)
};

// A maximum beyond the x axis' end (slip 1, or the maximum output on the stable side): an arrow at the
// plot's right edge at its value (at the top where that lies above the plot), with its texts.
struct BeyondMark {
    Symbol symbol;
    double value;
    QString valueText; // "Mmax 650,1234 Nm"
    QString slipText;  // "s = 1,2345"
};

struct Plot {
    std::vector<Curve> curves;
    std::vector<QPointF> rowMarks; // the torque table's points, (x, value)
    std::vector<QPointF> measured; // the load test's points, (x, value); drawn where inside the axes
    std::vector<CurveMark> marks;
    std::optional<BeyondMark> beyond;
    double lowest = 0; // what the value axis must hold: the curves and marks along the x axis
    double highest = 0;
    bool unitRange = false; // power factor and efficiency: always 0 to 1
};

// The plots, top to bottom; against output the third holds the slip instead of the output.
constexpr int TorquePlot = 0, CurrentPlot = 1, OutputPlot = 2, RatioPlot = 3, PlotCount = 4;
constexpr int SlipPlot = OutputPlot;

struct CurveSet {
    CurvesAxis axis = CurvesAxis::Slip;
    std::vector<double> xs; // the samples' places on the x axis: slip, or output in kW
    double xTo = 1;         // the x axis' end: slip 1, or the maximum output in kW
    double lastSlip = 1;    // the slip there
    std::array<Plot, PlotCount> plots;
    double synchronousSpeed = 0; // 1/min, at slip 0
};

// The curves of an accepted record, sampled with the any-slip function; the maxima and the table's
// points are the ones `c` read off the diagram.
CurveSet MakeCurves(const TKonstrukce& k, const CharacteristicPoints& c, int intervals = CurveIntervals);
// Torque, current, slip, power factor and efficiency against output, at outputs evenly spaced from 0
// to the maximum (`c`'s), each the solver's point of smaller slip; the characteristic points that lie
// on that side marked, the others pointed at beyond its end. Empty plots without a maximum output.
CurveSet MakeOutputCurves(const TKonstrukce& k, const CharacteristicPoints& c, int intervals = CurveIntervals);

// Where `p` stands on the x axis of `c`: its slip, or its output in kW; nothing off the axis (beyond
// slip 1, or on the unstable side of the maximum output).
std::optional<double> XOfPoint(const CurveSet& c, const OperatingPoint& p);

// One axis: its span and its labelled values (zero included).
struct Axis {
    double from = 0, to = 1;
    Series step;
    std::vector<double> ticks;

    // Where `value` stands on an axis `length` long, from its `from` end.
    double Along(double value, double length) const { return (value - from) / (to - from) * length; }
};

// The value axis of a plot `length` long whose labels stand at least `spacing` apart (same units):
// from zero (or a little below the lowest value) to a little above the highest, labelled at a step
// of the 1-2-5 series; 0 to 1 for power factor and efficiency.
Axis ValueAxis(const Plot& plot, double length, double spacing);
// The slip axis, 0 to 1: steps of 0.1, or 0.2 or 0.5 where labels would stand closer than `spacing`.
Axis SlipAxis(double length, double spacing);
// The output axis, 0 to `maximum` kW, labelled at a 1-2-5 step.
Axis OutputAxis(double maximum, double length, double spacing);
// The speed scale along the slip axis: n = (1 − s) · ns in 1/min, labels at a 1-2-5 step.
Axis SpeedAxis(double synchronousSpeed, double length, double spacing);
// Where speed `n` lies on the slip axis.
double SlipOfSpeed(double n, double synchronousSpeed);

} // namespace diagram
