// The calculator's diagram file: the one place where the headless calculator starts Qt's GUI part.
#pragma once

#include <optional>
#include <string>

#include "DiagramGeometry.h"
#include "Konstrukce.h"

// Draws the diagram of the accepted record `k` into `file` (format from its extension). Returns 0, or
// the exit status after a one-line message on standard error.
int WriteDiagramFile(const std::string& file, std::optional<diagram::Scale> scale, const TKonstrukce& k);
