// One painting routine for every device: the main window, PDF, SVG, PNG and the printer; the diagram's
// content (which points, lines and names) drawn with the primitives of DrawingPrimitives.h.
#pragma once

#include <QRectF>
#include <vector>

#include "Diagram.h"
#include "DiagramGeometry.h"
#include "DiagramTexts.h"
#include "DrawingPrimitives.h"
#include "LabelPlacer.h"

class QPainter;

namespace diagram {

// Where the labels of one painting stand, and the marks they keep clear of.
struct DiagramLabels {
    std::vector<PlacedLabel> labels;
    std::vector<QRectF> marks;   // the named points, the operating points and the symbols, as drawn
    QRectF bounds;               // the area the labels stay in
    std::vector<QLineF> lines;   // the lines no label's white crosses: construction, circle, axes, scales
    std::vector<QLineF> leaders; // from the lines' names set away from their lines
};

// The diagram itself, without paper and title block.
void PaintDiagram(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t);
// Where PaintDiagram puts its labels: point names, the symbols' names, tick labels, axis titles, the
// slip scale's figures and the lines' names, each where it covers no other label and no mark.
DiagramLabels PlaceDiagramLabels(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t);
void PaintTitleBlock(QPainter& p, const TitleBlockTexts& texts, const PageLayout& l);
// The whole page at layout `l`: paper, frame, diagram and title block.
void PaintPage(QPainter& p, const Diagram& d, const PageLayout& l, double pixelsPerMm = VectorPixelsPerMm);

} // namespace diagram
