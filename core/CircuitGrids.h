// The cell texts of the circuit's grids, shared by the window, the page and the calculator.
#pragma once

#include <optional>
#include <vector>

#include "Characteristic.h"
#include "Circuit.h"
#include "GridTexts.h"
#include "LoadTest.h"

// "Náhradní schéma": its title row, then R1, X1, R2', X2', Xm and Rfe with their units; a refused
// circuit gives the title row and the reason.
GridRows CircuitRows(const CircuitOutcome& outcome);

// The circuit's own points at s → 0 and s = 1 beside the tests they come from: current and power
// factor of the test, of the circuit and their difference in per cent.
WideGridRows OwnTestRows(const TKonstrukce& k, const Circuit& c);

// An operating point asked of both models, the circle's solution already in `asked`.
struct BothAsked {
    AskedPoint asked;
    CircuitSolution circuit;
};

// "Kružnice a náhradní schéma": the characteristic values and each asked point's slip, current,
// power factor, efficiency and torque; columns circle, circuit and the difference in per cent.
WideGridRows ComparisonRows(const CharacteristicPoints& circle, const CircuitCharacteristic& circuit,
                            const std::vector<BothAsked>& asked);

// The load points: per point the measured row, then the circle's and the circuit's predictions each
// followed by its deviation in per cent. `perPhase`: the readings are phase values, which the note says.
WideGridRows LoadPointRows(const std::vector<LoadPointComparison>& points, bool perPhase);
