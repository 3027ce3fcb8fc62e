// Writes the rows the calculator prepares into a string grid.
#pragma once

#include "StringGrid.h"
#include "Tabulky.h"

void FillGrid(StringGrid* grid, const GridRows& rows);
