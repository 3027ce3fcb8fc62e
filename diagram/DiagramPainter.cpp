// One painting routine for every device: the main window, PDF, SVG, PNG and the printer.
#include "DiagramPainter.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "Palette.h"
#include "Typesetter.h"

namespace diagram {

namespace {

constexpr double Pi = std::numbers::pi;

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

// Sizes on paper, in mm.
constexpr double NameSize = 3.2;      // Ao, Ak, …
constexpr double MarkNameSize = 2.4;  // Mmax, …
constexpr double TickLabelSize = 2.4; // axis numbers
constexpr double SlipLabelSize = 2.1; // 0, 0,1, … 1
constexpr double AxisTitleSize = 2.8; // I · sin φ (A)
constexpr double PointDot = 1.0;      // diameter of a named point
constexpr double OperatingDot = 1.0;  // diameter of an operating point
constexpr double SymbolSize = 2.6;    // characteristic point symbols
constexpr double ArrowSize = 2.2;     // axis and phasor arrowheads
constexpr double AxisOverrun = 6;     // axes beyond the outermost point
constexpr double TickLength = 1.2;
constexpr double LabelGap = 1.6;              // between a point and its name
constexpr double CurveTolerancePixels = 0.25; // how far a drawn arc may stray from the circle
constexpr double HairlinePixels = 1.5;        // on screen, lines up to this wide are drawn one pixel wide

// Which side of its text touches a label's anchor, for a label that stands in `direction` (page, y down).
Qt::Alignment AlignFor(QPointF direction)
{
    constexpr double Slant = 0.35;
    Qt::Alignment a = direction.x() > Slant ? Qt::AlignLeft
        : direction.x() < -Slant            ? Qt::AlignRight
                                            : Qt::AlignHCenter;
    a |= direction.y() > Slant ? Qt::AlignTop : direction.y() < -Slant ? Qt::AlignBottom : Qt::AlignVCenter;
    return a;
}

QPointF Unit(QPointF v)
{
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF(0, 0);
}

// The painting of one diagram on one target.
class Painting {
public:
    Painting(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t)
        : p_(p), type_(p, t.screen), s_(s), l_(l), t_(t), box_(l.InAmps(t.visible))
    {
        if (t.hole)
            hole_ = l.InAmps(*t.hole);
    }

    void Run()
    {
        p_.save();
        if (t_.hole) {
            QPainterPath clip;
            clip.addRect(t_.visible);
            QPainterPath hole;
            hole.addRect(*t_.hole);
            p_.setClipPath(clip.subtracted(hole), Qt::IntersectClip);
        } else {
            p_.setClipRect(t_.visible, Qt::IntersectClip); // a plain rectangle clips fastest
        }
        p_.setRenderHint(QPainter::Antialiasing);

        ConstructionLines();
        Circle();
        Axes();
        SlipLine();
        for (int i = 1; i <= SlipCount; ++i)
            Ring(s_.operatingPoints[i], OperatingDot);
        Points();
        Names();
        p_.restore();
    }

private:
    double Size(double mm) const { return mm * t_.styleScale; }
    QPointF Page(QPointF amps) const { return l_.ToPage(amps); }
    bool Shown(QPointF amps) const { return Visible(amps, box_, hole_); }

    QPen Pen(const QColor& colour, double widthMm, const QList<qreal>& dashes = {}) const
    {
        // On screen a line up to about a pixel wide is drawn as a hairline: the same look, far faster.
        const bool hairline = t_.screen && Size(widthMm) * t_.pixelsPerMm <= HairlinePixels;
        QPen pen(colour, hairline ? 0.0 : Size(widthMm));
        pen.setCapStyle(dashes.isEmpty() ? Qt::SquareCap : Qt::FlatCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (!dashes.isEmpty())
            pen.setDashPattern(dashes);
        return pen;
    }

    void Line(const QLineF& amps, const QPen& pen)
    {
        if (const std::optional<QLineF> part = ClipLine(amps, box_)) {
            p_.setPen(pen);
            p_.drawLine(Page(part->p1()), Page(part->p2()));
        }
    }

    void Arc(double from, double to, const QPen& pen)
    {
        const double radiusMm = s_.radius / l_.scale.Value();
        const double tolerance = CurveTolerancePixels / t_.pixelsPerMm;
        // Chords whose middle strays from the circle by at most the tolerance.
        const double step = radiusMm > tolerance ? 2 * std::acos(1 - tolerance / radiusMm) : Pi / 8;
        // On screen a wide arc is a few hairlines side by side: it looks the same and strokes ten times
        // faster than one wide antialiased line.
        std::vector<double> offsets{0}; // mm out from the circle
        QPen drawn = pen;
        const double widthPixels = pen.widthF() * t_.pixelsPerMm;
        if (t_.screen && widthPixels > HairlinePixels) {
            const int lines = static_cast<int>(std::ceil(widthPixels)) + 1;
            offsets.clear();
            for (int i = 0; i < lines; ++i)
                offsets.push_back((i / (lines - 1.0) - 0.5) * (widthPixels - 1) / t_.pixelsPerMm);
            drawn.setWidthF(0);
        }
        p_.setPen(drawn);
        const QPointF centre = Page(s_.centre);
        for (const auto& [a, b] : VisibleArcs(s_.centre, s_.radius, from, to, box_, std::nullopt)) {
            const int n = std::clamp(static_cast<int>(std::ceil(std::abs(b - a) / step)), 2, 20000);
            QPolygonF polyline(n + 1);
            for (int i = 0; i <= n; ++i)
                polyline[i] = Page(OnCircle(s_, a + (b - a) * i / n));
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

    // A point's mark keeps other points' names off it.
    void Occupy(QPointF amps, double sizeMm)
    {
        const double half = Size(sizeMm) / 2;
        placed_.push_back(QRectF(Page(amps) - QPointF(half, half), QSizeF(2 * half, 2 * half)));
    }

    void Dot(QPointF amps, double diameterMm, const QColor& colour)
    {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        const double r = Size(diameterMm) / 2;
        p_.drawEllipse(Page(amps), r, r);
        p_.setBrush(Qt::NoBrush);
        Occupy(amps, diameterMm);
    }

    // An open dot that stands out on the circle's line.
    void Ring(QPointF amps, double diameterMm)
    {
        if (!Shown(amps))
            return;
        p_.setPen(QPen(Palette::Black, Size(0.18)));
        p_.setBrush(Qt::white);
        const double r = Size(diameterMm) / 2;
        p_.drawEllipse(Page(amps), r, r);
        p_.setBrush(Qt::NoBrush);
    }

    void Arrowhead(QPointF tipMm, QPointF directionMm, const QColor& colour)
    {
        const QPointF d = Unit(directionMm) * Size(ArrowSize);
        const QPointF n(-d.y() * 0.35, d.x() * 0.35);
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        p_.drawPolygon(QPolygonF{tipMm, tipMm - d + n, tipMm - d - n});
        p_.setBrush(Qt::NoBrush);
    }

    // How much of `box` the labels and marks placed so far cover, in mm².
    double Covered(const QRectF& box) const
    {
        double area = 0;
        for (const QRectF& r : placed_) {
            const QRectF overlap = r.intersected(box);
            area += overlap.width() * overlap.height();
        }
        return area;
    }

    // A label that other labels keep clear of.
    void Label(QPointF anchor, const QString& text, double sizeMm, Qt::Alignment align, bool bold = false,
               const QColor& colour = Palette::Black)
    {
        placed_.push_back(type_.Draw(anchor, text, Size(sizeMm), align, bold, colour, true));
    }

    // A point's name beside it: in `direction` (amperes, y up) where that is free, else in the first
    // free direction round the point, a little farther out if need be, else where it covers least.
    void Name(QPointF amps, QPointF direction, const QString& text, double sizeMm, bool bold)
    {
        static const double turns[] = {0, 45, -45, 90, -90, 135, -135, 180}; // degrees from the wanted side
        const QPointF at = Page(amps);
        const QPointF wanted(direction.x(), -direction.y());
        QRectF chosen;
        double leastCovered = std::numeric_limits<double>::infinity();
        for (double distance : {LabelGap, 2.5 * LabelGap}) {
            for (double degrees : turns) {
                const double a = degrees * Pi / 180;
                const QPointF d(wanted.x() * std::cos(a) - wanted.y() * std::sin(a),
                                wanted.x() * std::sin(a) + wanted.y() * std::cos(a));
                const QRectF box = type_.Measure(at + d * Size(distance), text, Size(sizeMm), AlignFor(d), bold);
                const double covered = Covered(box);
                if (covered < leastCovered) {
                    leastCovered = covered;
                    chosen = box;
                }
                if (covered == 0)
                    break;
            }
            if (leastCovered == 0)
                break;
        }
        type_.DrawIn(chosen, text, Size(sizeMm), bold, Palette::Black, true);
        placed_.push_back(chosen);
    }

    // The name of a point off the visible area, at the area's edge in the point's direction.
    void EdgeName(QPointF amps, const QString& text)
    {
        const QPointF centre = Shown(s_.workingRegion.Centre()) ? s_.workingRegion.Centre() : box_.Centre();
        if (!Shown(centre))
            return;
        const QPointF edge = Page(EdgePoint(centre, amps, box_, hole_));
        const QPointF outwards = Unit(Page(amps) - Page(centre));
        Arrowhead(edge, outwards, Palette::Grey);
        Label(edge - outwards * Size(ArrowSize + 0.8), text, NameSize, AlignFor(-outwards), true, Palette::Grey);
    }

    void ConstructionLines()
    {
        const QPointF ao = s_.Point(Named::Ao).at;
        const QPointF ak = s_.Point(Named::Ak).at;
        // How the centre is found by hand: the horizontal through Ao and the bisector of Ao–Ak.
        Line(s_.diameter, Pen(Palette::Blue, 0.18, {10, 3, 2, 3}));
        Line(s_.bisector, Pen(Palette::Grey, 0.18, {8, 4}));
        // The short-circuit ordinate that T divides.
        Line(QLineF(QPointF(ak.x(), 0), ak), Pen(Palette::Grey, 0.18, {1, 3}));
        Line(s_.torqueLine, Pen(Palette::BluishGreen, 0.35, {6, 3}));
        if (s_.efficiencyPole)
            Line(QLineF(*s_.efficiencyPole, ao), Pen(Palette::Vermillion, 0.25, {1, 2.5}));
        Line(s_.powerLine, Pen(Palette::Vermillion, 0.35));
        for (const CharacteristicMark& m : s_.characteristic)
            if (m.construction)
                Line(*m.construction, Pen(SymbolColour(m.symbol), 0.25, {1.5, 2.5}));
    }

    void Circle()
    {
        Arc(s_.arcEnd, -Pi, Pen(Palette::Blue, 0.22)); // the rest of the circle, from A∞ on to Ao
        Arc(Pi, s_.arcEnd, Pen(Palette::Blue, 0.5));   // the arc from Ao through Ak to A∞
    }

    void Axes()
    {
        const Extent e = AxisExtent(s_, box_, hole_);
        const double overrun = Size(AxisOverrun) * l_.scale.Value();
        const QLineF xAxis(std::min(0.0, e.left), 0, e.right + overrun, 0);
        const QLineF yAxis(0, std::min(0.0, e.bottom), 0, e.top + overrun);
        const QPen pen = Pen(Palette::Black, 0.3);
        Line(xAxis, pen);
        Line(yAxis, pen);
        if (Shown(xAxis.p2()))
            Arrowhead(Page(xAxis.p2()), QPointF(1, 0), Palette::Black);
        if (Shown(yAxis.p2()))
            Arrowhead(Page(yAxis.p2()), QPointF(0, -1), Palette::Black);

        // The voltage phasor along the active axis.
        const QPointF uf(0, 0.8 * e.top);
        Line(QLineF(QPointF(0, 0), uf), Pen(Palette::Black, 0.7));
        if (Shown(uf)) {
            Arrowhead(Page(uf) + QPointF(0, -Size(ArrowSize) * 0.6), QPointF(0, -1), Palette::Black);
            Label(Page(uf) + QPointF(Size(1.5), 0), QStringLiteral("Uf"), NameSize, Qt::AlignLeft | Qt::AlignVCenter,
                  true);
        }

        const Series step = TickStep(l_.scale, Size(10));
        p_.setPen(pen);
        for (double x : Ticks(xAxis.x1(), e.right, step)) {
            if (!Shown(QPointF(x, 0)))
                continue;
            const QPointF at = Page(QPointF(x, 0));
            p_.setPen(pen);
            p_.drawLine(at, at + QPointF(0, Size(TickLength)));
            Label(at + QPointF(0, Size(TickLength + 0.4)), TickText(x, step), TickLabelSize,
                  Qt::AlignHCenter | Qt::AlignTop);
        }
        for (double y : Ticks(yAxis.y1(), e.top, step)) {
            if (!Shown(QPointF(0, y)))
                continue;
            const QPointF at = Page(QPointF(0, y));
            p_.setPen(pen);
            p_.drawLine(at, at - QPointF(Size(TickLength), 0));
            Label(at - QPointF(Size(TickLength + 0.6), 0), TickText(y, step), TickLabelSize,
                  Qt::AlignRight | Qt::AlignVCenter);
        }
        if (Shown(xAxis.p2()))
            Label(Page(xAxis.p2()) + QPointF(0, Size(TickLength + TickLabelSize + 1.4)),
                  QStringLiteral("I · sin φ (A)"), AxisTitleSize, Qt::AlignRight | Qt::AlignTop);
        if (Shown(yAxis.p2()))
            Label(Page(yAxis.p2()) + QPointF(Size(2), 0), QStringLiteral("I · cos φ (A)"), AxisTitleSize,
                  Qt::AlignLeft | Qt::AlignVCenter);
    }

    void SlipLine()
    {
        Line(s_.slipLine, Pen(Palette::Orange, 0.4));
        const QPointF along = Unit(Page(s_.divisions[SlipCount]) - Page(s_.divisions[0]));
        QPointF normal(along.y(), -along.x()); // the side away from the torque line
        if (normal.y() > 0)
            normal = -normal;
        const QPen tick = Pen(Palette::Orange, 0.3);
        for (int i = 0; i <= SlipCount; ++i) {
            if (!Shown(s_.divisions[i]))
                continue;
            const QPointF at = Page(s_.divisions[i]);
            const double half = Size(i % 2 == 0 ? TickLength : TickLength * 0.6);
            p_.setPen(tick);
            p_.drawLine(at - normal * half, at + normal * half);
        }
        // Every 0.1 labelled, the ends first; on a short slip line only the labels that have room.
        for (int i : {0, SlipCount, 10, 2, 4, 6, 8, 12, 14, 16, 18}) {
            if (!Shown(s_.divisions[i]))
                continue;
            const QPointF anchor = Page(s_.divisions[i]) + normal * Size(TickLength + 0.5);
            const QRectF box = type_.Measure(anchor, SlipDivisionText(i), Size(SlipLabelSize), AlignFor(normal));
            if (Covered(box) == 0) {
                type_.DrawIn(box, SlipDivisionText(i), Size(SlipLabelSize), false, Palette::Black, true);
                placed_.push_back(box);
            }
        }
    }

    // The marks of the points first, so that no name covers one.
    void Points()
    {
        for (const CharacteristicMark& m : s_.characteristic)
            if (Shown(m.at)) {
                PaintSymbol(p_, m.symbol, Page(m.at), Size(SymbolSize));
                Occupy(m.at, SymbolSize);
            }
        for (const LabelledPoint& point : s_.points)
            if (Shown(point.at))
                Dot(point.at, PointDot, Palette::Black);
        if (s_.efficiencyPole && Shown(*s_.efficiencyPole))
            Dot(*s_.efficiencyPole, PointDot * 0.8, Palette::Black);
    }

    void Names()
    {
        for (const LabelledPoint& point : s_.points) {
            if (Shown(point.at))
                Name(point.at, point.labelDirection, point.name, NameSize, true);
            else
                EdgeName(point.at, point.name);
        }
        for (const CharacteristicMark& m : s_.characteristic) {
            if (Shown(m.at))
                Name(m.at, Unit(m.at - s_.centre), SymbolName(m.symbol), MarkNameSize, false);
            else
                EdgeName(m.at, SymbolName(m.symbol));
        }
        // T′, from which the efficiency is read; named only where it is drawn.
        if (s_.efficiencyPole && Shown(*s_.efficiencyPole))
            Name(*s_.efficiencyPole, QPointF(-0.7, 0.7), QStringLiteral("T′"), MarkNameSize, false);
    }

    QPainter& p_;
    Typesetter type_;
    std::vector<QRectF> placed_; // labels and point marks, kept clear by later names
    const Scene& s_;
    const PageLayout& l_;
    const PaintTarget& t_;
    Extent box_;
    std::optional<Extent> hole_;
};

// Title block layout, mm from its top-left corner.
constexpr double TitleInset = 3;
constexpr double HeaderHeight = 7.5;
constexpr double SectionTop = HeaderHeight + 4.5;
constexpr double RowPitch = 4.4;
constexpr double BodySize = 2.5;
constexpr double InputsValueRight = 68;
constexpr double ColumnSplit = 72;
constexpr double SymbolColumn = 77;
constexpr double CaptionColumn = 81;
constexpr double ValueRight = 150;
constexpr double SlipColumn = 154;
constexpr int MaxHeaderCharacters = 120; // more never fits; a long note is cut before it is measured

} // namespace

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

std::optional<Diagram> MakeDiagram(const TKonstrukce& k, const CharacteristicPoints& c, std::optional<Scale> forced)
{
    Diagram d{k, c, BuildScene(k, c), {}, MakeTitleBlockTexts(k, c)};
    const std::optional<PageLayout> page = ChoosePage(d.scene, forced);
    if (!page)
        return std::nullopt;
    d.page = *page;
    return d;
}

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
    if (t.screen) {
        // One-pixel lines on whole pixels over the white area, many times faster than stroked lines: the
        // vertical ones as one row of pixels that a texture brush repeats down the area, the horizontal
        // ones as filled rows.
        const QTransform toDevice = p.transform();
        const QRect device = toDevice.mapRect(area).toAlignedRect();
        if (device.isEmpty() || device.right() < 0) {
            p.restore();
            return;
        }
        QImage columns(device.right() + 1, 1, QImage::Format_RGB32); // columns from the device's left edge
        columns.fill(Qt::white);
        for (int level = 0; level < Levels; ++level)
            for (double x : xs[level]) {
                const int column = qRound(toDevice.map(QPointF(x, 0)).x());
                if (column >= 0 && column < columns.width())
                    columns.setPixelColor(column, 0, GridLevels[level].colour);
            }
        p.resetTransform();
        p.setBrushOrigin(0, 0);
        p.fillRect(device, QBrush(columns));
        for (int level = 0; level < Levels; ++level)
            for (double y : ys[level])
                p.fillRect(QRect(device.left(), qRound(toDevice.map(QPointF(0, y)).y()), device.width(), 1),
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

void PaintDiagram(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t)
{
    Painting(p, s, l, t).Run();
}

void PaintTitleBlock(QPainter& p, const TitleBlockTexts& texts, const PageLayout& l)
{
    const QRectF r = l.titleBlock;
    const QPointF o = r.topLeft();
    Typesetter type(p, false);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::white);
    p.setPen(QPen(Palette::Black, 0.35));
    p.drawRect(r);
    p.setPen(QPen(Palette::Black, 0.18));
    p.drawLine(o + QPointF(0, HeaderHeight), o + QPointF(r.width(), HeaderHeight));
    p.drawLine(o + QPointF(ColumnSplit, HeaderHeight), o + QPointF(ColumnSplit, r.height()));

    const double headerMiddle = HeaderHeight / 2;
    type.Draw(o + QPointF(TitleInset, headerMiddle), QStringLiteral("Kruhový diagram asynchronního motoru"), 3.4,
              Qt::AlignLeft | Qt::AlignVCenter, true);
    QString scale = QStringLiteral("Měřítko ") + ScaleText(l.scale);
    if (l.paper)
        scale += QStringLiteral(", ") + PaperName(*l.paper);
    const QRectF scaleBox = type.Draw(o + QPointF(r.width() - TitleInset, headerMiddle), scale, 3,
                                      Qt::AlignRight | Qt::AlignVCenter, true);
    // The motor between the title and the scale, shortened to the room there.
    const QPointF motorAt = o + QPointF(ColumnSplit + TitleInset, headerMiddle);
    const double motorRoom = scaleBox.left() - TitleInset - motorAt.x();
    QString motor = MotorHeaderText(texts).left(MaxHeaderCharacters);
    while (!motor.isEmpty() && type.Measure(motorAt, motor, 3, Qt::AlignLeft | Qt::AlignVCenter).width() > motorRoom)
        motor = motor.size() > 1 ? motor.left(motor.size() - 2) + u'…' : QString();
    type.Draw(motorAt, motor, 3, Qt::AlignLeft | Qt::AlignVCenter);

    type.Draw(o + QPointF(TitleInset, SectionTop), QStringLiteral("Vstupní hodnoty"), BodySize,
              Qt::AlignLeft | Qt::AlignBottom, true);
    type.Draw(o + QPointF(ColumnSplit + TitleInset, SectionTop), QStringLiteral("Charakteristické body"), BodySize,
              Qt::AlignLeft | Qt::AlignBottom, true);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignBottom;
    for (std::size_t i = 0; i < texts.inputs.size(); ++i) {
        const double y = SectionTop + RowPitch * (i + 1);
        type.Draw(o + QPointF(TitleInset, y), texts.inputs[i].caption, BodySize, left);
        type.Draw(o + QPointF(InputsValueRight, y), texts.inputs[i].value, BodySize, right);
    }
    for (std::size_t i = 0; i < texts.characteristic.size(); ++i) {
        const TextRow& row = texts.characteristic[i];
        const double y = SectionTop + RowPitch * (i + 1);
        if (row.symbol)
            PaintSymbol(p, *row.symbol, o + QPointF(SymbolColumn, y - BodySize * 0.4), 2.2);
        type.Draw(o + QPointF(CaptionColumn, y), row.caption, BodySize, left);
        type.Draw(o + QPointF(ValueRight, y), row.value, BodySize, right);
        type.Draw(o + QPointF(SlipColumn, y), row.slip, BodySize, left);
    }
    p.restore();
}

void PaintPage(QPainter& p, const Diagram& d, const PageLayout& l, double pixelsPerMm)
{
    PaintTarget target;
    target.visible = l.frame;
    target.hole = l.titleBlock;
    target.pixelsPerMm = pixelsPerMm;
    p.fillRect(QRectF(QPointF(0, 0), l.page), Qt::white);
    PaintPaper(p, l.frame, target);
    PaintDiagram(p, d.scene, l, target);
    p.save();
    p.setPen(QPen(Palette::Black, 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.frame);
    p.restore();
    PaintTitleBlock(p, d.texts, l);
}

} // namespace diagram
