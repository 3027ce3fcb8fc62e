// The load test: points measured on the loaded motor, converted with the motor's connection, and the
// circle's and the circuit's predictions at each point's measured slip.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Characteristic.h"
#include "Circuit.h"
#include "Konstrukce.h"

// How the readings relate to the phase: line values of a star or a delta winding, or phase values
// already (a single-phase motor, or a motor typed by its phase values).
enum class LoadConnection { PerPhase, Star, Delta };

// One point as measured: line voltage V, line current A, input of all phases W, speed 1/min, and the
// output W or the torque Nm where they were measured.
struct LoadPointReadings {
    long double u = 0, i = 0, p1 = 0, n = 0;
    std::optional<long double> p2, torque;
};

// "U;I;P1;n[;P2[;M]]" in the locale's number form, always separated by semicolons; P2 may be left
// empty where only M follows. Returns the reason where the text is no such point.
struct ParsedLoadPoint {
    std::optional<LoadPointReadings> readings;
    std::string error;
};
ParsedLoadPoint ParseLoadPoint(const std::string& text);
// The same point written back in the locale's number form, for a motor file or a command line.
std::string LoadPointText(const LoadPointReadings& r);

// A point on the phase: the diagram's axes at the measured voltage, the slip and what was measured.
struct LoadPoint {
    LoadPointReadings readings;
    long double phaseVoltage = 0, phaseCurrent = 0, powerFactor = 0, slip = 0;
    Point point;                       // x = I sin φ, y = I cos φ, A
    std::optional<long double> output; // measured, or from the torque at the speed
    std::optional<long double> torque; // measured, or from the output at the speed
    std::optional<long double> efficiency;
    bool offRatedVoltage = false; // the phase voltage more than 5 % from the record's
};

// What a model predicts at a slip.
struct LoadPrediction {
    OptionalValue current, powerFactor, input, output, efficiency, torque;
};

struct LoadPointComparison {
    std::optional<LoadPoint> point; // empty where the readings are no point of this motor
    std::string error;              // why
    std::optional<LoadPrediction> circle, circuit;
};

// Converts one point against the accepted record `k`.
LoadPointComparison CompareLoadPoint(const TKonstrukce& k, const std::optional<Circuit>& circuit,
                                     LoadConnection connection, const LoadPointReadings& readings);

// The difference of a prediction from the measured value in per cent of the measured value.
OptionalValue DeviationPercent(const OptionalValue& predicted, const OptionalValue& measured);
