// Saving the diagram page to a file and printing it, through Qt's file and print dialogs.
#pragma once

#include <QString>
#include <optional>

#include "DiagramGeometry.h"

class QPrinter;
class QWidget;

namespace diagram {
struct Diagram;
}

// Asks for the paper and the scale, then for a file (PDF, SVG or PNG), and writes the diagram's page
// into it; a failure is shown and leaves no file behind (an older one stays whole).
void SaveDiagramAs(QWidget* parent, const diagram::Diagram& d);

// Asks for the paper and the scale, then for a printer, and prints the diagram at true scale on the
// printer's paper, and the characteristic curves and the working characteristics on a second and a
// third page of that paper turned landscape.
void PrintDiagram(QWidget* parent, const diagram::Diagram& d);

// Prints on a printer already set up: the page rule on its paper, at `scale` or the automatic one.
// Printing into a file writes it completely or not at all. The reason of a failure, or nothing.
std::optional<QString> PrintOn(QPrinter& printer, const diagram::Diagram& d,
                               std::optional<diagram::Scale> scale = std::nullopt);

// Puts the diagram's page on the clipboard as SVG and as a PNG of 150 dpi (less for a page so large
// that the PNG would pass 16 megapixels).
void CopyDiagram(const diagram::Diagram& d);

// The message of a save that failed.
QString SaveErrorText(const QString& fileName, const QString& reason);
