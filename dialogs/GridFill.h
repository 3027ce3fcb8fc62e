// Writes the rows the calculator prepares into a string grid.
#pragma once

#include "GridTexts.h"
#include "StringGrid.h"

void FillGrid(StringGrid* grid, const GridRows& rows);
