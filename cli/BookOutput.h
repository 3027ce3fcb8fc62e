// What the calculator adds for a textbook's questions: the characteristic's torques in kg·m and in
// synchronous watts, and the external rotor resistance for starting.
#pragma once

#include <optional>
#include <string>

#include "Characteristic.h"
#include "Konstrukce.h"
#include "OutputFormat.h"

struct BookQuestions {
    bool torques = false;                   // the grid of the torques in the book's units
    std::optional<long double> startTorque; // --start-torque
    bool startingResistance = false;        // the grid and JSON member of the starting resistance
    OptionalValue turnsRatio;               // a, for the rotor-side values
};

// An empty line and the grids asked for, as text or CSV; nothing in JSON.
std::string BookGrids(const TKonstrukce& k, const CharacteristicPoints& c, const BookQuestions& q, OutputFormat format);

// The JSON member "StartingResistance": {"ForTorque": …, "ForMaxTorque": …}, ForTorque null without a
// torque asked.
std::string StartingResistanceJson(const TKonstrukce& k, const CharacteristicPoints& c, const BookQuestions& q);
