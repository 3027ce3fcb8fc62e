// What the diagram's painting is drawn with: the paper, lines, arcs, dots, arrowheads, symbols and labels.
#include "DrawingPrimitives.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>

#include "DevicePixels.h"
#include "Palette.h"

namespace diagram {

namespace {

// Millimetre paper: light blue-grey that prints as a light grey and never competes with the lines.
struct GridLevel {
    double spacing; // mm
    QColor colour;
    double width; // mm on paper
};
const GridLevel GridLevels[] = {
    {1, QColor(0xDD, 0xE7, 0xEE), 0.06},
    {5, QColor(0xBB, 0xCF, 0xDC), 0.12},
    {10, QColor(0x94, 0xB3, 0xC6), 0.2},
};
constexpr double MinGridPixels = 4;

constexpr double CurveTolerancePixels = 0.25; // how far a drawn arc may stray from the circle
constexpr double RingLine = 0.18;             // mm, round an open dot

} // namespace

void PaintPaper(QPainter& p, const QRectF& area, const PaintTarget& t)
{
    // Each level's lines, without those where a coarser level draws its own.
    constexpr int Levels = static_cast<int>(std::size(GridLevels));
    std::array<std::vector<double>, Levels> xs, ys;
    for (int level = 0; level < Levels; ++level) {
        const double s = GridLevels[level].spacing;
        if (s * t.pixelsPerMm < MinGridPixels)
            continue;
        const double coarser = level + 1 < Levels ? GridLevels[level + 1].spacing : 0;
        auto free = [coarser](double v) { return coarser == 0 || std::abs(std::remainder(v, coarser)) > 1e-6; };
        for (double k = std::ceil(area.left() / s); k * s <= area.right(); ++k)
            if (free(k * s))
                xs[level].push_back(k * s);
        for (double k = std::ceil(area.top() / s); k * s <= area.bottom(); ++k)
            if (free(k * s))
                ys[level].push_back(k * s);
    }
    p.save();
    if (t.device.pixelRules) {
        // One-pixel lines on whole device pixels over the white area, many times faster than stroked
        // lines: the vertical ones as one row of pixels that a texture brush repeats down the area, the
        // horizontal ones as filled rows.
        const InDevicePixels device(p);
        const QRect pixels = device.Map(area).toAlignedRect();
        if (pixels.isEmpty() || pixels.right() < 0) {
            p.restore();
            return;
        }
        QImage columns(pixels.right() + 1, 1, QImage::Format_RGB32); // columns from the device's left edge
        columns.fill(Qt::white);
        for (int level = 0; level < Levels; ++level)
            for (double x : xs[level]) {
                const int column = qRound(device.Map(QPointF(x, 0)).x());
                if (column >= 0 && column < columns.width())
                    columns.setPixelColor(column, 0, GridLevels[level].colour);
            }
        p.setBrushOrigin(0, 0);
        p.fillRect(pixels, QBrush(columns));
        for (int level = 0; level < Levels; ++level)
            for (double y : ys[level])
                p.fillRect(QRect(pixels.left(), qRound(device.Map(QPointF(0, y)).y()), pixels.width(), 1),
                           GridLevels[level].colour);
    } else {
        p.setRenderHint(QPainter::Antialiasing);
        for (int level = 0; level < Levels; ++level) {
            QList<QLineF> lines;
            for (double x : xs[level])
                lines << QLineF(x, area.top(), x, area.bottom());
            for (double y : ys[level])
                lines << QLineF(area.left(), y, area.right(), y);
            QPen pen(GridLevels[level].colour, GridLevels[level].width);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLines(lines);
        }
    }
    p.restore();
}

QColor SymbolColour(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Triangle: return Palette::BluishGreen;
    case Symbol::Square: return Palette::Vermillion;
    case Symbol::Diamond: return Palette::ReddishPurple;
    case Symbol::Circle: return Palette::SkyBlue;
    case Symbol::InvertedTriangle: break;
    }
    return Palette::Orange;
}

void PaintSymbol(QPainter& p, Symbol symbol, QPointF c, double size)
{
    const double r = size / 2;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::Black, size * 0.08));
    p.setBrush(SymbolColour(symbol));
    switch (symbol) {
    case Symbol::Triangle:
        p.drawPolygon(QPolygonF{c + QPointF(0, -r * 1.1), c + QPointF(r, r * 0.75), c + QPointF(-r, r * 0.75)});
        break;
    case Symbol::Square: p.drawRect(QRectF(c - QPointF(r * 0.85, r * 0.85), QSizeF(r * 1.7, r * 1.7))); break;
    case Symbol::Diamond:
        p.drawPolygon(
            QPolygonF{c + QPointF(0, -r * 1.15), c + QPointF(r, 0), c + QPointF(0, r * 1.15), c + QPointF(-r, 0)});
        break;
    case Symbol::Circle: p.drawEllipse(c, r * 0.9, r * 0.9); break;
    case Symbol::InvertedTriangle:
        p.drawPolygon(QPolygonF{c + QPointF(0, r * 1.1), c + QPointF(r, -r * 0.75), c + QPointF(-r, -r * 0.75)});
        break;
    }
    p.restore();
}

Primitives::Primitives(QPainter& p, const PageLayout& l, const PaintTarget& t)
    : p_(p), type_(p, t.device), l_(l), t_(t), box_(l.InAmps(t.visible))
{
    if (t.hole)
        hole_ = l.InAmps(*t.hole);
}

double Primitives::PenWidth(double widthMm) const
{
    return t_.device.Hairline(Size(widthMm) * t_.pixelsPerMm) ? 0.0 : Size(widthMm);
}

QPen Primitives::Pen(const QColor& colour, double widthMm, const QList<qreal>& dashes) const
{
    QPen pen(colour, PenWidth(widthMm));
    pen.setCapStyle(dashes.isEmpty() ? Qt::SquareCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (!dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

void Primitives::Line(const QLineF& amps, const QPen& pen)
{
    if (const std::optional<QLineF> part = ClipLine(amps, box_)) {
        p_.setPen(pen);
        p_.drawLine(Page(part->p1()), Page(part->p2()));
    }
}

void Primitives::Arc(QPointF centreAmps, double radius, double from, double to, const QPen& pen)
{
    const double radiusMm = radius / l_.scale.Value();
    const double tolerance = CurveTolerancePixels / t_.pixelsPerMm;
    // Chords whose middle strays from the circle by at most the tolerance.
    const double step = radiusMm > tolerance ? 2 * std::acos(1 - tolerance / radiusMm) : Pi / 8;
    // Where the device splits wide strokes, a wide arc is a few hairlines side by side.
    std::vector<double> offsets{0}; // mm out from the circle
    QPen drawn = pen;
    const double widthPixels = pen.widthF() * t_.pixelsPerMm;
    if (t_.device.splitStrokes && widthPixels > t_.device.hairlinePixels) {
        const int lines = static_cast<int>(std::ceil(widthPixels)) + 1;
        offsets.clear();
        for (int i = 0; i < lines; ++i)
            offsets.push_back((i / (lines - 1.0) - 0.5) * (widthPixels - 1) / t_.pixelsPerMm);
        drawn.setWidthF(0);
    }
    p_.setPen(drawn);
    const QPointF centre = Page(centreAmps);
    for (const auto& [a, b] : VisibleArcs(centreAmps, radius, from, to, box_, std::nullopt)) {
        const int n = std::clamp(static_cast<int>(std::ceil(std::abs(b - a) / step)), 2, 20000);
        QPolygonF polyline(n + 1);
        for (int i = 0; i <= n; ++i)
            polyline[i] = Page(OnCircle(centreAmps, radius, a + (b - a) * i / n));
        for (double offset : offsets) {
            if (offset == 0) {
                p_.drawPolyline(polyline);
                continue;
            }
            QPolygonF shifted(polyline);
            for (QPointF& q : shifted)
                q += Unit(q - centre) * offset;
            p_.drawPolyline(shifted);
        }
    }
}

void Primitives::Dot(QPointF amps, double diameterMm, const QColor& colour)
{
    p_.setPen(Qt::NoPen);
    p_.setBrush(colour);
    const double r = Size(diameterMm) / 2;
    p_.drawEllipse(Page(amps), r, r);
    p_.setBrush(Qt::NoBrush);
}

void Primitives::Ring(QPointF amps, double diameterMm)
{
    p_.setPen(QPen(Palette::Black, Size(RingLine)));
    p_.setBrush(Qt::white);
    const double r = Size(diameterMm) / 2;
    p_.drawEllipse(Page(amps), r, r);
    p_.setBrush(Qt::NoBrush);
}

void Primitives::Arrowhead(QPointF tipMm, QPointF directionMm, const QColor& colour)
{
    const QPointF d = Unit(directionMm) * Size(ArrowMm);
    const QPointF n(-d.y() * 0.35, d.x() * 0.35);
    p_.setPen(Qt::NoPen);
    p_.setBrush(colour);
    p_.drawPolygon(QPolygonF{tipMm, tipMm - d + n, tipMm - d - n});
    p_.setBrush(Qt::NoBrush);
}

void Primitives::Label(const PlacedLabel& label)
{
    p_.fillRect(label.box, Qt::white);
    type_.DrawIn(label.TextBox(), label.text, label.size, label.bold, label.colour, false);
}

} // namespace diagram
