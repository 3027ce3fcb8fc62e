// Writes the rows the calculator prepares into a string grid.
#include "GridFill.h"

void FillGrid(StringGrid* grid, const GridRows& rows)
{
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
            grid->SetCell(c, r, QString::fromStdString(rows[r][c]));
}
