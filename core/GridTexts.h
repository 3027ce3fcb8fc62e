// The cell texts of the result grids, shared by the dialogs and the headless calculator.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Characteristic.h"
#include "Konstrukce.h"
#include "OperatingPointSolver.h"

using GridRow = std::array<std::string, 3>;
using GridRows = std::vector<GridRow>;

GridRows CoordinateRows(const TKonstrukce& k); // Tabulka2, 8 rows
GridRows ValueRows(const TKonstrukce& k);      // Tabulka3, 7 rows
GridRows TorqueRows(const TKonstrukce& k);     // TabulkaM01, 23 rows

// The grids of what the motor does, six and eight columns wide; an empty value is an empty cell.
using WideGridRow = std::vector<std::string>;
using WideGridRows = std::vector<WideGridRow>;

WideGridRows CharacteristicPointRows(const TKonstrukce& k, const CharacteristicPoints& c); // Tabulka4, 9 rows
WideGridRows OperatingRows(const CharacteristicPoints& c);                                 // Tabulka5, 21 rows
// One row of Tabulka5's columns for any operating point: the table's own rows, or an asked point's.
WideGridRow OperatingRow(const OperatingPoint& o);

// Which torque line the results come from, one line for beside them: "Přímka momentu: …".
std::string TorqueLineName(TorqueLine line);

// An operating point as asked for, a quantity and its value, with what the solver found.
enum class TorqueBranch { Stable, Unstable };

struct AskedPoint {
    OperatingQuantity quantity;
    long double value; // as asked: with `byLine` the line current, the solution's current times lineFactor
    OperatingPointSolution solution;
    bool byLine = false;                                  // asked by the line current, "IL"
    std::optional<long double> lineFactor = std::nullopt; // line current / phase current, where known
    // For a torque asked: which side of the maximum the point lies on (a torque has up to two points).
    std::optional<TorqueBranch> branch = std::nullopt;
    // Mmax / M and Mz / M at the point.
    OptionalValue maxTorqueRatio = std::nullopt;
    OptionalValue startingTorqueRatio = std::nullopt;
};

// The grid "Pracovní body": its header and a row per asked point, 18 columns; a point off the arc has
// empty value cells and the reason in the fifteenth ("Poznámka"), which notes a torque's high-slip
// point; the last three give the torque in kg·m, Mmax / M and Mz / M.
WideGridRows WorkingPointRows(const std::vector<AskedPoint>& points);
