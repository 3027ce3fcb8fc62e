// What the motor does at the points of its circle diagram: any operating point, the characteristic
// points an engineer reads off the diagram, and the operating characteristics at the torque table's rows.
#pragma once

#include <array>
#include <optional>

#include "Konstrukce.h"

// A value the geometry may not give (a zero length, parallel lines): empty rather than NaN or infinity.
using OptionalValue = std::optional<long double>;

// One point of the circle with what the motor does there.
struct OperatingPoint {
    Point point;           // on the circle, A
    OptionalValue slip;    // where the line Ao–point meets the slip line; 0 at Ao
    OptionalValue torque;  // Nm: ordinate above the torque line times MeritkoMomentu
    OptionalValue output;  // W: m · Uf · ordinate above the power line
    OptionalValue input;   // W: m · Uf · ordinate
    OptionalValue current; // A: distance from the origin
    OptionalValue powerFactor;
    OptionalValue efficiency; // output / input
    OptionalValue omega;      // 1/s: (1 − slip) · OmegaSynchr
};

// Everything at a point X of the circle (X is taken to lie on it); the slip is read off the slip line.
OperatingPoint OperatingPointAt(const TKonstrukce& k, const Point& x);

// The operating point at slip s, found as the construction finds the table's points: the line from Ao
// through the slip line's point for s meets the circle again there; s = 0 gives Ao itself. The slip
// reported is s. Empty when the geometry gives no such point.
std::optional<OperatingPoint> OperatingPointAtSlip(const TKonstrukce& k, long double s);

struct CharacteristicPoints {
    std::optional<OperatingPoint> maxTorque;      // farthest above the torque line, on the arc Ao–A∞
    OptionalValue startingTorque;                 // MomentSkluzu[20], as the table has it
    OptionalValue torqueRatio;                    // maximum torque / starting torque
    std::optional<OperatingPoint> maxOutput;      // farthest above the power line
    std::optional<OperatingPoint> maxPowerFactor; // tangent point from the origin, or an end of the motoring arc
    std::optional<OperatingPoint> maxEfficiency;  // tangent point from T′ above the power line
    std::optional<OperatingPoint> maxInput;       // top of the circle, or an end of the motoring arc
    std::optional<Point> efficiencyPole;          // T′: where the power line meets the x axis
    // Rows 1..20 of the torque table at the table's own slips, torques and speeds; entry 0 is unused.
    std::array<OperatingPoint, SlipCount + 1> operating{};
};

// Which rows of the operating characteristics to read: a batch of motors wants the maxima only, and
// they need the last row (slip 1, an end of the motoring arc) alone.
enum class OperatingRows { All, LastOnly };

// Reads all of it off a record that acceptance committed; never changes the record. With
// OperatingRows::LastOnly, rows 1..19 stay empty; everything else is the same to the bit.
CharacteristicPoints ReadCharacteristicPoints(const TKonstrukce& k, OperatingRows rows = OperatingRows::All);

// What a batch row prints of the characteristic points, each the same to the bit as the value of
// ReadCharacteristicPoints it is named after (empty where that point is), and nothing else: a batch
// of a million motors does not pay for the values it never writes.
struct PrintedCharacteristic {
    OptionalValue maxTorque, maxTorqueSlip, startingTorque, maxOutput, maxPowerFactor, maxEfficiency;
};
PrintedCharacteristic ReadPrintedCharacteristic(const TKonstrukce& k);
