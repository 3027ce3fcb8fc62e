// The cell texts of the three result grids, shared by the dialogs and the headless calculator.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "Konstrukce.h"

using GridRow = std::array<std::string, 3>;
using GridRows = std::vector<GridRow>;

GridRows CoordinateRows(const TKonstrukce& k); // Tabulka2, 8 rows
GridRows ValueRows(const TKonstrukce& k);      // Tabulka3, 7 rows
GridRows TorqueRows(const TKonstrukce& k);     // TabulkaM01, 23 rows
