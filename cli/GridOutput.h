// One more grid of the text or CSV output, written as the other grids are: an empty line, then the rows.
#pragma once

#include <string>

#include "OutputFormat.h"
#include "Render.h"

template <class Rows>
inline void AppendGrid(std::string& out, const Rows& rows, OutputFormat format)
{
    const bool csv = format == OutputFormat::Csv;
    out += csv ? "\r\n" : "\n"; // an empty line between two grids
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += csv ? ',' : '\t';
            if (csv)
                AppendCsvField(out, row[c]);
            else
                out += row[c];
        }
        out += csv ? "\r\n" : "\n";
    }
}
