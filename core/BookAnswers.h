// The answers a textbook asks in its own units: torques in kg·m and in synchronous watts beside N·m,
// and the external rotor resistance that makes the motor start with a given torque or with its
// maximum torque.
#pragma once

#include <string>

#include "Characteristic.h"
#include "Konstrukce.h"
#include "OperatingPointSolver.h"

// Standard gravity: 1 kg·m (kilogram-force metre) is 9,80665 N·m.
constexpr long double NewtonMetresPerKgm = 9.80665L;

OptionalValue TorqueKgm(const OptionalValue& newtonMetres);

// A torque in N·m, in kg·m and in synchronous watts (the air-gap power m · Uf · the ordinate between
// the circle and the torque line).
struct BookTorque {
    OptionalValue newtonMetres;
    OptionalValue kgm;
    OptionalValue synchronousWatts;
};

BookTorque BookTorqueAt(const std::optional<PointValues>& p);

// The maximum torque and the starting torque (at Ak, slip 1) in the book's units.
struct BookCharacteristic {
    BookTorque maxTorque;
    BookTorque startingTorque;
};

BookCharacteristic BookTorques(const TKonstrukce& k, const CharacteristicPoints& c);

// An external rotor resistance per phase referred to the stator: with it the point of slip `slip`
// moves to standstill, since the same torque needs (R21f + added) / 1 = R21f / slip.
struct StartingResistance {
    OptionalValue slip;           // s*, the slip the added resistance moves to 1
    OptionalValue added;          // R' = R21f (1 − s*) / s*
    OptionalValue addedRotorSide; // R' / a², with a turns ratio
    std::string note;             // why there is none, or that none is needed; empty otherwise
};

// For a starting torque `torque`: s* is the point with that torque nearest to standstill within
// (0, 1], the high-slip point where the torque is above the starting torque, else the low-slip one.
StartingResistance ResistanceForStartingTorque(const TKonstrukce& k, long double torque,
                                               const OptionalValue& turnsRatio);
// For the maximum torque at start: s* is the slip of the maximum; from 1 on nothing is added.
StartingResistance ResistanceForMaxTorqueAtStart(const TKonstrukce& k, const CharacteristicPoints& c,
                                                 const OptionalValue& turnsRatio);
