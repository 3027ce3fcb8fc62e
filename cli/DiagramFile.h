// The calculator's diagram file: the one place where the headless calculator starts Qt's GUI part.
#pragma once

#include <optional>
#include <string>

#include "DiagramGeometry.h"
#include "GridTexts.h"
#include "Konstrukce.h"

// What the title block's header says of a motor read from a file: "name (file)" and its note.
struct DiagramHeader {
    std::string motor, note;
};

// Draws the diagram of the accepted record `k` on the page `choice` asks for into `file`, named by the
// system's bytes as the command line gave them (format from its extension), with the operating point
// `point` where the arc has it (otherwise a line on standard error says why it is not drawn). Returns
// 0, or the exit status after a one-line message on standard error.
int WriteDiagramFile(const std::string& file, const diagram::PageChoice& choice, const TKonstrukce& k,
                     const DiagramHeader& header, const std::optional<AskedPoint>& point);
