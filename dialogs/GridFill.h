// Writes the rows the calculator prepares into a string grid, and copies a dialog's grids.
#pragma once

#include <vector>

#include "GridTexts.h"
#include "StringGrid.h"

void FillGrid(StringGrid* grid, const GridRows& rows);

// Ctrl+C anywhere in `window` puts `grids` on the clipboard one after the other, tab-separated, with
// an empty line between two grids.
void CopyGridsOnCtrlC(QWidget* window, std::vector<StringGrid*> grids);
