// The motor's equivalent T-circuit from the same two tests the circle diagram comes from, what the
// motor does at any slip by that circuit, its characteristic values in closed form and the operating
// point at a given value of a quantity. Beside the circle, it shows what the circle's approximations
// cost at each slip.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Konstrukce.h"
#include "OperatingPointSolver.h"

// The reactance split k = X1 / (X1 + X2') by the rotor's design class, or typed.
enum class DesignClass { A, B, C, D, Wound };
constexpr long double DefaultShare = 0.5L;
long double ShareOfClass(DesignClass designClass);
// "A", "B", "C", "D" or "wound", exactly as written.
std::optional<DesignClass> DesignClassOfName(std::string_view name);

struct CircuitSettings {
    long double share = DefaultShare; // 0 < k < 1
    long double frictionWindage = 0;  // Pfw, W, all phases
};

struct Circuit {
    long double share = DefaultShare;
    long double frictionWindage = 0;
    long double phases = 0;                                      // m
    long double phaseVoltage = 0;                                // Uf, V
    long double synchronousSpeed = 0;                            // n_s, 1/min
    long double R1 = 0, X1 = 0, R2 = 0, X2 = 0, Xm = 0, Rfe = 0; // Ω, per phase
    long double ironLoss = 0;                                    // Pfe at the no-load test, W
};

struct CircuitOutcome {
    std::optional<Circuit> circuit;
    std::string error; // why there is no circuit, in the current language
};

// The circuit of an accepted record. Refused (with the reason) where the no-load test leaves no iron
// loss once the stator copper loss and Pfw are taken off, or where the record gives no finite circuit.
CircuitOutcome BuildCircuit(const TKonstrukce& k, const CircuitSettings& settings);

// What the circuit does at one slip. Slip 0 is the limit s → 0 (no rotor current).
struct CircuitPoint {
    long double slip = 0;
    Point point;                 // the phase current in the diagram's axes: x = I sin φ, y = I cos φ
    long double current = 0;     // |I1|, A
    long double powerFactor = 0; // P1 / (m Uf |I1|)
    long double input = 0;       // P1, W
    long double output = 0;      // P2 = Pδ (1 − s) − Pfw, W
    long double torque = 0;      // Nm
    long double efficiency = 0;  // P2 / P1
    long double speed = 0;       // (1 − s) n_s, 1/min
    long double airGap = 0;      // Pδ, W
    // The losses the input splits into besides P2 and Pfw: m |E|² / Rfe, m |I1|² R1, m |I2'|² R2'.
    long double ironLoss = 0, statorCopperLoss = 0, rotorCopperLoss = 0;
    long double rotorCurrent = 0; // |I2'|, A
};

CircuitPoint CircuitAtSlip(const Circuit& c, long double slip);
// The phase current as the slip grows without bound (the rotor branch a pure reactance).
Point CircuitCurrentAtInfiniteSlip(const Circuit& c);

// The locus of I1 over all slips: a circle in the diagram's axes, through the points at s → 0, s = 1
// and s → ∞.
struct Locus {
    Point centre;
    long double radius = 0;
};
std::optional<Locus> LocusOf(const Circuit& c);
// The slip of a point of the locus (read back through the circuit); empty where there is none.
std::optional<long double> SlipOfLocusPoint(const Circuit& c, const Point& p);

struct CircuitMaximum {
    long double slip = 0;
    long double value = 0; // the closed form's torque, output or power factor
    CircuitPoint at;       // everything at that slip
};

struct CircuitCharacteristic {
    long double startingTorque = 0;
    CircuitMaximum maxTorque;                     // from the Thévenin equivalent; its slip may exceed 1
    CircuitMaximum maxOutput;                     // the load resistance matched to |Zth + R2' + jX2'|
    std::optional<CircuitMaximum> maxPowerFactor; // the tangent to the locus from the origin, or s = 1
};

CircuitCharacteristic CircuitCharacteristicOf(const Circuit& c);

// The value of `quantity` at a point (output, torque, current, input, slip or speed).
long double QuantityAt(const CircuitPoint& p, OperatingQuantity quantity);

struct CircuitSolution {
    std::optional<CircuitPoint> point;      // empty: no slip from 0 to 1 gives the value
    std::optional<QuantityRange> reachable; // what the quantity takes over slips 0 to 1
};

// The smallest slip from 0 to 1 at which `quantity` equals `value`. A value within rounding of an end
// of the range is taken as that end.
CircuitSolution SolveCircuit(const Circuit& c, OperatingQuantity quantity, long double value);

// Why a solution has no point, in the words the circle's operating point uses.
std::string CircuitNoPointText(OperatingQuantity quantity, long double value, const CircuitSolution& solution);
