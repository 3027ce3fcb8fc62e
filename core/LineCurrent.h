// The line current where the connection is known: the motor given as its tests were measured.
#pragma once

#include <optional>

#include "Measured.h"

// The calculator's name for the line current as a quantity an operating point is asked by.
constexpr const char* LineCurrentSymbol = "IL";

// What the phase current is multiplied by to give the line current: 1 for one phase or star, √3 for
// delta; nothing where the readings do not say the connection.
std::optional<long double> LineCurrentFactor(const MeasuredReadings& readings);

// The phase current of line current `line`, divided as the readings' line currents are.
long double PhaseCurrentOfLine(long double line, long double factor);
