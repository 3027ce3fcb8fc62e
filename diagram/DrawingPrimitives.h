// What the diagram's painting is drawn with: the paper, lines clipped to the visible area, the circle's
// arcs, dots, rings, arrowheads, symbols and labels on their white. None of it knows a motor: the
// diagram's content says which points, lines and names there are.
#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <optional>
#include <vector>

#include "DevicePolicy.h"
#include "DiagramGeometry.h"
#include "LabelPlacer.h"
#include "Typesetter.h"

class QPainter;

namespace diagram {

// Where one painting goes. The painter's coordinates are millimetres of the page, y down.
struct PaintTarget {
    QRectF visible;                         // the drawing is clipped to it: the page's frame, or the view's area
    std::optional<QRectF> hole;             // kept free: the title block
    double pixelsPerMm = VectorPixelsPerMm; // device pixels per mm: the grid and the curves' smoothness
    DevicePolicy device;                    // how the target draws: text, line widths and symbols
    std::vector<QRectF> keepClear;          // drawn over the drawing (the window's boxes): no label there
    bool rulers = false;                    // a view that pans: a ruler at the edge an axis lies beyond
};

// Millimetre paper over `area`: fine lines every 1 mm, medium every 5, bold every 10, each where its
// lines stand at least 4 device pixels apart.
void PaintPaper(QPainter& p, const QRectF& area, const PaintTarget& t);

QColor SymbolColour(Symbol symbol);
// A characteristic point's symbol centred at `centre`, `size` across, in the painter's units.
void PaintSymbol(QPainter& p, Symbol symbol, QPointF centre, double size);

// The square of side `side` centred at `centre`: the box a dot or a symbol keeps clear.
inline QRectF Square(QPointF centre, double side)
{
    return {centre - QPointF(side / 2, side / 2), QSizeF(side, side)};
}

// The primitives of one painting of the diagram at layout `l` on target `t`: given amperes (y up), they
// draw on the page in millimetres, sized by the target's device policy.
class Primitives {
public:
    Primitives(QPainter& p, const PageLayout& l, const PaintTarget& t);

    QPainter& Painter() { return p_; }
    Typesetter& Type() { return type_; }
    const PaintTarget& Target() const { return t_; }
    const PageLayout& Layout() const { return l_; }
    // The visible area and the title block, in amperes.
    const Extent& Box() const { return box_; }
    const std::optional<Extent>& Hole() const { return hole_; }

    // A size on paper in the painter's units.
    double Size(double mm) const { return t_.device.Size(mm); }
    QPointF Page(QPointF amps) const { return l_.ToPage(amps); }
    bool Shown(QPointF amps) const { return Visible(amps, box_, hole_); }
    // The width of a pen `widthMm` wide on paper: 0, a hairline, where the device draws it so.
    double PenWidth(double widthMm) const;
    // A pen for the diagram's lines: square ends where solid, flat where dashed, round joins.
    QPen Pen(const QColor& colour, double widthMm, const QList<qreal>& dashes = {}) const;

    // The visible part of a line.
    void Line(const QLineF& amps, const QPen& pen);
    // The visible parts of the arc of the circle round `centre` of `radius` (amperes) from angle `from`
    // to `to`, as chords that stray from it by a fraction of a device pixel.
    void Arc(QPointF centre, double radius, double from, double to, const QPen& pen);
    // A filled dot, and an open one that stands out on the circle's line.
    void Dot(QPointF amps, double diameterMm, const QColor& colour);
    void Ring(QPointF amps, double diameterMm);
    // A filled arrowhead with its tip at `tipMm` (page) pointing along `directionMm`.
    void Arrowhead(QPointF tipMm, QPointF directionMm, const QColor& colour);
    // A placed label: its box in white, its text in it.
    void Label(const PlacedLabel& label);

private:
    QPainter& p_;
    Typesetter type_;
    const PageLayout& l_;
    const PaintTarget& t_;
    Extent box_;
    std::optional<Extent> hole_;
};

} // namespace diagram
