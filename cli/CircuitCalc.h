// The equivalent circuit and the load points in the calculator's three output forms.
#pragma once

#include <string>

#include "Konstrukce.h"
#include "Options.h"

// The output with the circuit's grids or JSON members added; `output` unchanged without --circuit
// or --load-point. The load points are converted with the connection of the readings where the motor
// was given as measured, as phase values otherwise.
std::string WithCircuit(std::string output, const CalcOptions& options, const TKonstrukce& k);
