// One painting routine for every device: the main window, PDF, SVG, PNG and the printer.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "Characteristic.h"
#include "DiagramGeometry.h"
#include "DiagramTexts.h"
#include "Konstrukce.h"
#include "LabelPlacer.h"

class QPainter;

namespace diagram {

// An accepted calculation and everything that is drawn from it.
struct Diagram {
    TKonstrukce record;
    CharacteristicPoints points;
    Scene scene;
    PageLayout page; // the default page, or the one of a forced scale
    TitleBlockTexts texts;
    std::optional<AskedPoint> asked; // the operating point asked for, solved on `record`
};

// The diagram on the page of `choice` (A4 at the automatic scale unless asked otherwise), with the
// operating point `asked` where the arc has it; nothing when that paper cannot hold it at that scale.
std::optional<Diagram> MakeDiagram(const TKonstrukce& k, const CharacteristicPoints& c, const PageChoice& choice = {},
                                   const std::optional<AskedPoint>& asked = std::nullopt);

// Device pixels per millimetre that stand for paper in vector output (PDF and SVG at 1200 dpi).
constexpr double VectorPixelsPerMm = 1200 / 25.4;

// Where one painting goes. The painter's coordinates are millimetres of the page, y down.
struct PaintTarget {
    QRectF visible;                         // the drawing is clipped to it: the page's frame, or the view's area
    std::optional<QRectF> hole;             // kept free: the title block
    double pixelsPerMm = VectorPixelsPerMm; // device pixels per mm: the grid and the curves' smoothness
    double styleScale = 1;                  // text, line widths and symbols in mm times this: 1 on paper
    bool screen = false;                    // hairline grid, without antialiasing
    std::vector<QRectF> keepClear;          // drawn over the drawing (the window's boxes): no label there
};

// Where the labels of one painting stand, and the marks they keep clear of.
struct DiagramLabels {
    std::vector<PlacedLabel> labels;
    std::vector<QRectF> marks; // the named points, the operating points and the symbols, as drawn
    QRectF bounds;             // the area the labels stay in
};

// Millimetre paper over `area`: fine lines every 1 mm, medium every 5, bold every 10, each where its
// lines stand at least 4 device pixels apart.
void PaintPaper(QPainter& p, const QRectF& area, const PaintTarget& t);
// The diagram itself, without paper and title block.
void PaintDiagram(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t);
// Where PaintDiagram puts its labels: point names, the symbols' names, tick labels, axis titles, the
// slip scale's figures and the lines' names, each where it covers no other label and no mark.
DiagramLabels PlaceDiagramLabels(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t);
void PaintTitleBlock(QPainter& p, const TitleBlockTexts& texts, const PageLayout& l);
// The whole page at layout `l`: paper, frame, diagram and title block.
void PaintPage(QPainter& p, const Diagram& d, const PageLayout& l, double pixelsPerMm = VectorPixelsPerMm);

QColor SymbolColour(Symbol symbol);
// A characteristic point's symbol centred at `centre`, `size` across, in the painter's units.
void PaintSymbol(QPainter& p, Symbol symbol, QPointF centre, double size);

} // namespace diagram
