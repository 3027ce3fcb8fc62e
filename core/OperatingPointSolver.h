// The operating point at which one quantity of the motor has a given value, and everything at a point
// of the circle: the values, the speed, the air-gap power and the four segments of the point's vertical.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "Characteristic.h"
#include "Konstrukce.h"
#include "Translation.h"

// What an operating point may be asked by.
enum class OperatingQuantity { Output, Torque, Current, Input, Slip, Speed };

// The texts of a quantity, for every place that asks for one or names it.
struct OperatingQuantityTexts {
    OperatingQuantity quantity;
    const char* symbol; // "P2": the calculator's name for it
    // Both in Czech, to be looked up in context "OperatingPointSolver" where they are shown.
    const char* caption; // "P2 výkon": the choice in the window
    const char* name;    // "Výkon": what the message on a value off the arc starts with
    const char* unit;    // "W"; empty for the slip
};

constexpr std::array<OperatingQuantityTexts, 6> OperatingQuantities{{
    {OperatingQuantity::Output, "P2", ORBITEK_TR_NOOP("OperatingPointSolver", "P2 výkon"),
     ORBITEK_TR_NOOP("OperatingPointSolver", "Výkon"), "W"},
    {OperatingQuantity::Torque, "M", ORBITEK_TR_NOOP("OperatingPointSolver", "M moment"),
     ORBITEK_TR_NOOP("OperatingPointSolver", "Moment"), "Nm"},
    {OperatingQuantity::Current, "I", ORBITEK_TR_NOOP("OperatingPointSolver", "I proud"),
     ORBITEK_TR_NOOP("OperatingPointSolver", "Proud"), "A"},
    {OperatingQuantity::Input, "P1", ORBITEK_TR_NOOP("OperatingPointSolver", "P1 příkon"),
     ORBITEK_TR_NOOP("OperatingPointSolver", "Příkon"), "W"},
    {OperatingQuantity::Slip, "s", ORBITEK_TR_NOOP("OperatingPointSolver", "s skluz"),
     ORBITEK_TR_NOOP("OperatingPointSolver", "Skluz"), ""},
    {OperatingQuantity::Speed, "n", ORBITEK_TR_NOOP("OperatingPointSolver", "n otáčky"),
     ORBITEK_TR_NOOP("OperatingPointSolver", "Otáčky"), "1/min"},
}};

const OperatingQuantityTexts& TextsOf(OperatingQuantity quantity);
// The quantity whose symbol is `symbol` ("P2", "M", "I", "P1", "s", "n"), exactly as written.
std::optional<OperatingQuantity> QuantityOfSymbol(std::string_view symbol);

// The vertical from an operating point X down to the x axis, cut by the power line Ao–Ak, the torque
// line Ao–A∞ and the horizontal through Ao: its ordinates in amperes, top down. The four segments
// between them are the output, the rotor copper loss, the stator copper loss and the no-load loss.
struct PointVertical {
    long double x = 0;
    long double point = 0; // X.y
    long double powerLine = 0;
    long double torqueLine = 0; // below noLoadLine when T lies below Ao
    long double noLoadLine = 0; // Ao.y; the x axis (0) ends the last segment
};

struct PointValues {
    OperatingPoint values;     // point, slip, torque, output, input, current, power factor, efficiency, ω
    OptionalValue speed;       // 1/min: (1 − s) · SynchrOtacky
    OptionalValue airGapPower; // W: m · Uf · the ordinate above the torque line, the torque in synchronous watts
    // The segments of the vertical below the output's, as powers (m · Uf · length); with the output they
    // add up to the input. They are the construction's segments, not measured losses. Where the torque
    // line lies below the no-load line at the point (the axis line with T below Ao) the segment between
    // them is no loss at all: the two copper losses are then left empty and copperSplitUndetermined set.
    OptionalValue rotorCopperLoss;
    OptionalValue statorCopperLoss;
    OptionalValue noLoadLoss;
    bool copperSplitUndetermined = false;
    std::optional<PointVertical> vertical; // empty where a line through Ao is vertical
};

struct QuantityRange {
    long double min = 0;
    long double max = 0;
};

struct OperatingPointSolution {
    std::optional<PointValues> point;       // empty: no point of the motoring arc has the value
    std::optional<QuantityRange> reachable; // what the quantity takes from Ao to Ak; empty without a diagram
};

// The point of the motoring arc (slip 0 to 1, Ao to Ak) where `quantity` equals `value`; of two such
// points the one with the smaller slip, on the stable side of the maximum. Output, torque and input
// come from a line parallel to the power line, the torque line or the x axis, the current from the
// circle of that radius about O, each cut with the diagram's circle in closed form; slip and speed
// from OperatingPointAtSlip. A value within rounding of an end of the range is taken as that end.
OperatingPointSolution SolveOperatingPoint(const TKonstrukce& k, OperatingQuantity quantity, long double value);

// The other point of the motoring arc with torque `torque`: the one past the maximum torque, on the
// high-slip side (slip up to 1 at Ak). Empty where there is none: the torque is below the starting
// torque or not below the maximum (where the two points are one), or the maximum lies past Ak.
std::optional<PointValues> HighSlipTorquePoint(const TKonstrukce& k, long double torque);

// Everything at a point X of the circle (X is taken to lie on it), the slip read off the slip line.
PointValues PointValuesAt(const TKonstrukce& k, const Point& x);

// Why the copper losses of a point with copperSplitUndetermined are not given, one line.
std::string CopperSplitNote();

// Why a solution has no point, in the locale's number form: "Výkon větší než maximální 37 419,1320 W."
std::string NoPointText(OperatingQuantity quantity, long double value, const OperatingPointSolution& solution);
