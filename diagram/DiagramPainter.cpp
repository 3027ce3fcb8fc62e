// The diagram's content on every device (the main window, PDF, SVG, PNG and the printer): which points,
// lines and names, and the title block; drawn with the primitives of DrawingPrimitives.h.
#include "DiagramPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "DrawingPrimitives.h"
#include "Palette.h"
#include "Typesetter.h"

namespace diagram {

namespace {

// Sizes on paper, in mm; those the operating point's drawing shares are the drawings' own.
constexpr double NameSize = NameMm;          // Ao, Ak, …
constexpr double MarkNameSize = BodyTextMm;  // Mmax, …
constexpr double TickLabelSize = BodyTextMm; // axis numbers
constexpr double SlipLabelSize = 2.1;        // 0, 0,1, … 1
constexpr double AxisTitleSize = 2.8;        // I · sin φ (A)
constexpr double PointDot = 1.0;             // diameter of a named point
constexpr double OperatingDot = 1.0;         // diameter of an operating point
constexpr double LoadPointDot = 1.6;         // diameter of a load test's point
constexpr double SymbolSize = SymbolMm;      // characteristic point symbols
constexpr double ArrowSize = ArrowMm;        // axis and phasor arrowheads
constexpr double AxisOverrun = 6;            // axes beyond the outermost point
constexpr double TickLength = 1.2;
constexpr double LabelGap = LabelGapMm; // between a point and its name

const TranslatedText PowerLineName{QT_TRANSLATE_NOOP("DiagramTexts", "přímka výkonu")};
const TranslatedText TorqueLineName{QT_TRANSLATE_NOOP("DiagramTexts", "přímka momentu")};
const TranslatedText SlipScaleName{QT_TRANSLATE_NOOP("DiagramTexts", "stupnice skluzu")};

// The slip scale's figures stand at every second division (0,1 apart), or thin out to every fifth,
// tenth or twentieth where they would run together.
constexpr int SlipFigureSteps[] = {2, 5, 10, 20};

// The edges of the visible area, for the markers of the points beyond them.
enum Side { Left, Right, Top, Bottom, SideCount };

QString EdgeMarkerText(Side side, const QString& names)
{
    switch (side) {
    case Left: return QStringLiteral("‹ ") + names;
    case Right: return names + QStringLiteral(" ›");
    case Top: return QStringLiteral("↑ ") + names;
    case Bottom:
    case SideCount: break;
    }
    return QStringLiteral("↓ ") + names;
}

// The painting of one diagram on one target.
class Painting {
public:
    Painting(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t)
        : draw_(p, l, t),
          p_(p),
          type_(draw_.Type()),
          s_(s),
          l_(l),
          t_(t),
          box_(draw_.Box()),
          hole_(draw_.Hole()),
          placer_(t.visible)
    {}

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

        const DiagramLabels labels = Place();
        ConstructionLines();
        Circle();
        if (s_.circuit)
            PaintCircuitLocus(draw_, *s_.circuit);
        for (const QPointF& measured : s_.loadPoints)
            if (Shown(measured))
                draw_.Dot(measured, LoadPointDot, Palette::Vermillion);
        Axes();
        SlipLine();
        if (s_.operatingPoint)
            PointDrawer().Paint(*s_.operatingPoint, pointLeaders_);
        for (int i = 1; i <= SlipCount; ++i)
            if (Shown(s_.operatingPoints[i]))
                draw_.Ring(s_.operatingPoints[i], OperatingDot);
        Points();
        p_.setPen(draw_.Pen(Palette::Grey, 0.15));
        for (const QLineF& leader : labels.leaders)
            p_.drawLine(leader);
        for (const PlacedLabel& label : labels.labels)
            draw_.Label(label);
        p_.restore();
    }

    // Every label in the order of its importance; each takes the first free place of its own.
    DiagramLabels Place()
    {
        DiagramLabels result;
        result.bounds = t_.visible;
        if (t_.hole)
            placer_.Block(*t_.hole);
        for (const QRectF& r : t_.keepClear)
            placer_.Block(r);
        for (const QRectF& mark : Marks()) {
            placer_.Block(mark);
            result.marks.push_back(mark);
        }
        BlockLines();
        result.lines = placer_.BlockedLines();
        TickLabels();
        RulerLabels();
        AxisTitles();
        for (const LabelledPoint& point : s_.points)
            PointName(point.at, point.labelDirection, point.name, NameSize, true);
        SlipFigures();
        // The point asked for before the characteristic points: it is what the user looks at.
        if (s_.operatingPoint)
            pointLeaders_ = PointDrawer().PlaceLabels(*s_.operatingPoint, placer_, labels_);
        for (const CharacteristicMark& m : s_.characteristic)
            PointName(m.at, Unit(m.at - s_.centre), SymbolName(m.symbol), MarkNameSize, false);
        EdgeMarkers();
        // T′, from which the efficiency is read; named only where it is drawn.
        if (s_.efficiencyPole && Shown(*s_.efficiencyPole))
            PointName(*s_.efficiencyPole, QPointF(-0.7, 0.7), QStringLiteral("T′"), MarkNameSize, false);
        LineName(s_.powerLine, PowerLineName);
        LineName(s_.torqueLine, TorqueLineName);
        LineName(s_.slipLine, SlipScaleName);
        result.labels = std::move(labels_);
        result.leaders = std::move(nameLeaders_);
        return result;
    }

private:
    double Size(double mm) const { return draw_.Size(mm); }
    double Pad() const { return Size(LabelPad); }
    PointDrawing PointDrawer() { return PointDrawing(draw_); }
    QPointF Page(QPointF amps) const { return draw_.Page(amps); }
    bool Shown(QPointF amps) const { return draw_.Shown(amps); }

    // The boxes of every mark that is drawn: named points, T′, operating points and symbols.
    std::vector<QRectF> Marks()
    {
        std::vector<QRectF> marks;
        for (const LabelledPoint& point : s_.points)
            if (Shown(point.at))
                marks.push_back(Square(Page(point.at), Size(PointDot)));
        if (s_.efficiencyPole && Shown(*s_.efficiencyPole))
            marks.push_back(Square(Page(*s_.efficiencyPole), Size(PointDot)));
        for (int i = 1; i <= SlipCount; ++i)
            if (Shown(s_.operatingPoints[i]))
                marks.push_back(Square(Page(s_.operatingPoints[i]), Size(OperatingDot)));
        for (const CharacteristicMark& m : s_.characteristic)
            if (Shown(m.at))
                marks.push_back(Square(Page(m.at), Size(SymbolSize * SymbolReach)));
        if (s_.operatingPoint)
            for (const QRectF& mark : PointDrawer().Marks(*s_.operatingPoint))
                marks.push_back(mark);
        if (s_.circuit)
            for (int i = 1; i <= SlipCount; ++i)
                if (Shown(s_.circuit->marks[i]))
                    marks.push_back(Square(Page(s_.circuit->marks[i]), Size(OperatingDot)));
        return marks;
    }

    // A label's box with its white round it.
    QRectF Padded(const QRectF& text) const { return text.adjusted(-Pad(), -Pad(), Pad(), Pad()); }

    QSizeF PaddedSize(const QString& text, double sizeMm, bool bold)
    {
        return type_.Size(text, sizeMm, bold) + QSizeF(2 * Pad(), 2 * Pad());
    }

    // Takes the first free place of `candidates` (padded boxes) for `text`; false when none is free.
    bool Put(const std::vector<QRectF>& candidates, const QString& text, double sizeMm, bool bold = false,
             const QColor& colour = Palette::Black)
    {
        const std::optional<QRectF> box = placer_.Place(candidates);
        if (box)
            labels_.push_back({text, *box, Pad(), sizeMm, bold, colour});
        return box.has_value();
    }

    // A label whose side `align` touches `anchor`, there or nowhere.
    void Fixed(QPointF anchor, const QString& text, double sizeMm, Qt::Alignment align, bool bold = false)
    {
        const double size = Size(sizeMm);
        Put({Padded(type_.Measure(anchor, text, size, align, bold))}, text, size, bold);
    }

    // A point's name beside it, in `direction` (amperes, y up) where that is free, else round the point;
    // a point off the visible area is named at the area's edge in its direction.
    void PointName(QPointF amps, QPointF direction, const QString& text, double sizeMm, bool bold)
    {
        const double size = Size(sizeMm);
        const QSizeF box = PaddedSize(text, size, bold);
        if (Shown(amps)) {
            Put(AroundPoint(Page(amps), box, QPointF(direction.x(), -direction.y()), Size(LabelGap) - Pad()), text,
                size, bold);
            return;
        }
        // Off the visible area: named in the one marker of the edge it lies beyond.
        if (const std::optional<std::pair<Side, double>> edge = EdgeOf(amps))
            beyond_[edge->first].push_back({edge->second, text});
    }

    // The edge of the visible area that the ray from its middle to `amps` leaves it by, and where along
    // that edge (page mm); nothing for a point under the hole.
    std::optional<std::pair<Side, double>> EdgeOf(QPointF amps) const
    {
        QPointF centre = box_.Centre();
        if (!Shown(centre))
            centre = s_.workingRegion.Centre();
        if (!Shown(centre))
            return std::nullopt;
        const QPointF at = Page(EdgePoint(centre, amps, box_, hole_));
        const QRectF& r = t_.visible;
        constexpr double Near = 1e-6; // mm: on the edge, against rounding
        if (std::abs(at.x() - r.left()) <= Near)
            return std::pair(Left, at.y());
        if (std::abs(at.x() - r.right()) <= Near)
            return std::pair(Right, at.y());
        if (std::abs(at.y() - r.top()) <= Near)
            return std::pair(Top, at.x());
        if (std::abs(at.y() - r.bottom()) <= Near)
            return std::pair(Bottom, at.x());
        return std::nullopt;
    }

    // One marker an edge for the points beyond it, "‹ Ao, ηmax" at the left, "Mmax, P1max ›" at the right,
    // their names in their order along the edge, as near their middle as there is room.
    void EdgeMarkers()
    {
        for (int side = 0; side < SideCount; ++side) {
            std::vector<std::pair<double, QString>>& names = beyond_[side];
            if (names.empty())
                continue;
            std::stable_sort(names.begin(), names.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            QStringList list;
            for (const auto& [along, name] : names)
                list << name;
            const QString text = EdgeMarkerText(static_cast<Side>(side), list.join(QStringLiteral(", ")));
            const double size = Size(MarkNameSize);
            const QSizeF box = PaddedSize(text, size, false);
            const double middle = names[names.size() / 2].first;
            // A little in from the edge: a box flush with it could pass it by a rounding.
            const QRectF r = t_.visible.adjusted(Pad(), Pad(), -Pad(), -Pad());
            const bool upright = side == Left || side == Right; // the edge runs up and down
            const double step = upright ? box.height() : box.width() / 8;
            const double length = upright ? r.height() : r.width();
            // Along the edge from the middle of the names outwards; where marks crowd it, a row or two in.
            std::vector<QRectF> candidates;
            for (double in : {0.0, 1.5, 3.0, 5.0, 8.0, 12.0})
                for (int k = 0; k * step <= length; ++k)
                    for (double sign : {1.0, -1.0}) {
                        const double at = middle + sign * k * step, inset = in * box.height();
                        switch (side) {
                        case Left:
                            candidates.push_back(
                                Aligned(QPointF(r.left() + inset, at), box, Qt::AlignLeft | Qt::AlignVCenter));
                            break;
                        case Right:
                            candidates.push_back(
                                Aligned(QPointF(r.right() - inset, at), box, Qt::AlignRight | Qt::AlignVCenter));
                            break;
                        case Top:
                            candidates.push_back(
                                Aligned(QPointF(at, r.top() + inset), box, Qt::AlignHCenter | Qt::AlignTop));
                            break;
                        default:
                            candidates.push_back(
                                Aligned(QPointF(at, r.bottom() - inset), box, Qt::AlignHCenter | Qt::AlignBottom));
                            break;
                        }
                    }
            Put(candidates, text, size, false, Palette::Grey);
        }
    }

    // Every line the labels' white must leave whole, on the page: the construction, the circle, the
    // axes, the slip scale and the operating point's lines.
    void BlockLines()
    {
        auto line = [this](const QLineF& amps) { placer_.BlockLine(QLineF(Page(amps.p1()), Page(amps.p2()))); };
        const QPointF ao = s_.Point(Named::Ao).at;
        const QPointF ak = s_.Point(Named::Ak).at;
        line(s_.diameter);
        line(s_.bisector);
        line(QLineF(QPointF(ak.x(), 0), ak));
        line(s_.torqueLine);
        if (s_.efficiencyPole)
            line(QLineF(*s_.efficiencyPole, ao));
        line(s_.powerLine);
        for (const CharacteristicMark& m : s_.characteristic)
            if (m.construction)
                line(*m.construction);
        line(s_.slipLine);
        const AxisLines a = AxesOf();
        line(a.x);
        line(a.y);
        if (s_.operatingPoint) {
            const PointConstruction& c = *s_.operatingPoint;
            line(QLineF(c.ao, c.slipPoint));
            line(QLineF(QPointF(c.x.x(), 0), c.x));
            line(QLineF(QPointF(0, 0), c.x));
        }
        // The whole circle, in steps short against a label wherever it is visible.
        constexpr int StepsAnArc = 96;
        for (const auto& [from, to] : VisibleArcs(s_.centre, s_.radius, Pi, -Pi, box_, std::nullopt)) {
            std::vector<QPointF> points;
            for (int i = 0; i <= StepsAnArc; ++i)
                points.push_back(Page(OnCircle(s_, from + (to - from) * i / StepsAnArc)));
            placer_.BlockPolyline(points);
        }
    }

    // Beside the visible part of its line, parallel to nothing else nearer: close to it where a place
    // there is nearer to it than to any other line, else a little farther out with a short leader.
    void LineName(const QLineF& amps, const QString& text)
    {
        const std::optional<QLineF> part = ClipLine(amps, box_);
        if (!part)
            return;
        const QLineF own(Page(part->p1()), Page(part->p2()));
        const double size = Size(MarkNameSize);
        const QSizeF box = PaddedSize(text, size, false);
        const QPointF along = Unit(own.p2() - own.p1());
        auto onOwn = [&](const QLineF& l) {
            // A line lying along this one: its own, or a part of it.
            auto off = [&](QPointF p) {
                const QPointF v = p - own.p1();
                return std::abs(v.x() * along.y() - v.y() * along.x());
            };
            return off(l.p1()) < Size(0.05) && off(l.p2()) < Size(0.05);
        };
        auto nearestOther = [&](const QRectF& r) {
            double nearest = std::numeric_limits<double>::infinity();
            for (const QLineF& l : placer_.BlockedLines())
                if (!onOwn(l))
                    nearest = std::min(nearest, SegmentBoxDistance(l, r));
            return nearest;
        };
        for (double gap : {LabelGap / 2, LabelGap, 2 * LabelGap})
            for (const QRectF& r : BesideLine(own.p1(), own.p2(), box, Size(gap)))
                if (placer_.Free(r) && SegmentBoxDistance(own, r) < nearestOther(r)) {
                    Put({r}, text, size);
                    return;
                }
        // Farther out beside it, else round a point of it, with a leader from the box's edge to the line.
        std::vector<QRectF> away;
        for (double gap : {3 * LabelGap, 5 * LabelGap, 8 * LabelGap})
            for (const QRectF& r : BesideLine(own.p1(), own.p2(), box, Size(gap)))
                away.push_back(r);
        for (double t : {0.5, 0.3, 0.7, 0.1, 0.9})
            for (double gap : {4 * LabelGap, 8 * LabelGap})
                for (const QRectF& r : AroundPoint(own.pointAt(t), box, QPointF(along.y(), -along.x()), Size(gap)))
                    away.push_back(r);
        for (const QRectF& r : away) {
            if (!placer_.Free(r))
                continue;
            const QPointF c = r.center();
            const double t = std::clamp(QPointF::dotProduct(c - own.p1(), along) / own.length(), 0.05, 0.95);
            const QPointF foot = own.pointAt(t);
            const QPointF towards = foot - c;
            const double reach = std::min(std::abs(towards.x()) > 0 ? r.width() / 2 / std::abs(towards.x())
                                                                    : std::numeric_limits<double>::infinity(),
                                          std::abs(towards.y()) > 0 ? r.height() / 2 / std::abs(towards.y())
                                                                    : std::numeric_limits<double>::infinity());
            const QLineF leader(c + towards * std::min(reach, 1.0), foot);
            if (!placer_.LeaderFree(leader))
                continue;
            if (Put({r}, text, size))
                nameLeaders_.push_back(leader);
            return;
        }
    }

    void ConstructionLines()
    {
        const QPointF ao = s_.Point(Named::Ao).at;
        const QPointF ak = s_.Point(Named::Ak).at;
        // How the centre is found by hand: the horizontal through Ao and the bisector of Ao–Ak.
        draw_.Line(s_.diameter, draw_.Pen(Palette::Blue, 0.18, {10, 3, 2, 3}));
        draw_.Line(s_.bisector, draw_.Pen(Palette::Grey, 0.18, {8, 4}));
        // The short-circuit ordinate that T divides.
        draw_.Line(QLineF(QPointF(ak.x(), 0), ak), draw_.Pen(Palette::Grey, 0.18, {1, 3}));
        draw_.Line(s_.torqueLine, draw_.Pen(Palette::BluishGreen, 0.35, {6, 3}));
        if (s_.efficiencyPole)
            draw_.Line(QLineF(*s_.efficiencyPole, ao), draw_.Pen(Palette::Vermillion, 0.25, {1, 2.5}));
        draw_.Line(s_.powerLine, draw_.Pen(Palette::Vermillion, 0.35));
        for (const CharacteristicMark& m : s_.characteristic)
            if (m.construction)
                draw_.Line(*m.construction, draw_.Pen(SymbolColour(m.symbol), 0.25, {1.5, 2.5}));
    }

    void Circle()
    {
        // The rest of the circle, from A∞ on to Ao; the arc from Ao through Ak to A∞.
        draw_.Arc(s_.centre, s_.radius, s_.arcEnd, -Pi, draw_.Pen(Palette::Blue, 0.22));
        draw_.Arc(s_.centre, s_.radius, Pi, s_.arcEnd, draw_.Pen(Palette::Blue, 0.5));
    }

    // The axes' extent and ends, shared by the lines and their labels.
    struct AxisLines {
        Extent e;
        QLineF x, y;
        QPointF uf; // the tip of the voltage phasor
        Series step;
    };

    AxisLines AxesOf() const
    {
        AxisLines a;
        a.e = AxisExtent(s_, box_, hole_);
        const double overrun = Size(AxisOverrun) * l_.scale.Value();
        a.x = QLineF(std::min(0.0, a.e.left), 0, a.e.right + overrun, 0);
        a.y = QLineF(0, std::min(0.0, a.e.bottom), 0, a.e.top + overrun);
        a.uf = QPointF(0, 0.8 * a.e.top);
        // Ten millimetres apart, or closer, down to four, where the visible part of an axis or a
        // ruler would have fewer than three.
        a.step = TickStep(l_.scale, Size(10));
        // Only an axis that is visible counts: a ruler spans the whole view.
        double shortest = std::numeric_limits<double>::infinity();
        const double xPart = std::min(a.e.right, box_.right) - std::max(a.x.x1(), box_.left);
        const double yPart = std::min(a.e.top, box_.top) - std::max(a.y.y1(), box_.bottom);
        if (box_.bottom <= 0 && box_.top >= 0 && xPart > 0)
            shortest = std::min(shortest, xPart);
        if (box_.left <= 0 && box_.right >= 0 && yPart > 0)
            shortest = std::min(shortest, yPart);
        const Series finest = TickStep(l_.scale, Size(4));
        while (a.step.Value() > finest.Value() && shortest < MinimumTicks * a.step.Value())
            a.step = a.step.Previous();
        return a;
    }

    // The ticks of each axis over the part of it that is visible: at any zoom as many as the view
    // has room for. Where that part is too short for three, or the axis lies beyond the visible area
    // altogether, a ruler along the area's edge carries them.
    static constexpr double MinimumTicks = 3;
    std::vector<double> XTicks(const AxisLines& a) const
    {
        return Ticks(std::max(a.x.x1(), box_.left), std::min(a.e.right, box_.right), a.step);
    }
    std::vector<double> YTicks(const AxisLines& a) const
    {
        return Ticks(std::max(a.y.y1(), box_.bottom), std::min(a.e.top, box_.top), a.step);
    }
    bool XRuler(const AxisLines& a) const
    {
        return !(box_.bottom <= 0 && box_.top >= 0) || XTicks(a).size() < MinimumTicks;
    }
    bool YRuler(const AxisLines& a) const
    {
        return !(box_.left <= 0 && box_.right >= 0) || YTicks(a).size() < MinimumTicks;
    }
    // The ruler's ticks: every step of the edge, zero too.
    std::vector<double> RulerTicks(double from, double to, Series step) const
    {
        std::vector<double> ticks = Ticks(from, to, step);
        if (from <= 0 && to >= 0)
            ticks.insert(std::lower_bound(ticks.begin(), ticks.end(), 0.0), 0.0);
        return ticks;
    }
    // A ruler only where the view could pan off an axis: on paper the axes are always drawn whole.
    bool Rulers() const { return t_.rulers; }

    void Axes()
    {
        const AxisLines a = AxesOf();
        const QPen pen = draw_.Pen(Palette::Black, 0.3);
        draw_.Line(a.x, pen);
        draw_.Line(a.y, pen);
        if (Shown(a.x.p2()))
            draw_.Arrowhead(Page(a.x.p2()), QPointF(1, 0), Palette::Black);
        if (Shown(a.y.p2()))
            draw_.Arrowhead(Page(a.y.p2()), QPointF(0, -1), Palette::Black);

        // The voltage phasor along the active axis.
        draw_.Line(QLineF(QPointF(0, 0), a.uf), draw_.Pen(Palette::Black, 0.7));
        if (Shown(a.uf))
            draw_.Arrowhead(Page(a.uf) + QPointF(0, -Size(ArrowSize) * 0.6), QPointF(0, -1), Palette::Black);

        p_.setPen(pen);
        for (double x : XTicks(a))
            if (Shown(QPointF(x, 0))) {
                const QPointF at = Page(QPointF(x, 0));
                p_.drawLine(at, at + QPointF(0, Size(TickLength)));
            }
        for (double y : YTicks(a))
            if (Shown(QPointF(0, y))) {
                const QPointF at = Page(QPointF(0, y));
                p_.drawLine(at, at - QPointF(Size(TickLength), 0));
            }
        if (!Rulers())
            return;
        // The rulers: ticks along the bottom (or top) and the left (or right) edge of the view.
        const QRectF& v = t_.visible;
        p_.setPen(draw_.Pen(Palette::Grey, 0.3));
        if (XRuler(a)) {
            const bool top = box_.top < 0;
            const double y = top ? v.top() : v.bottom();
            p_.drawLine(QPointF(v.left(), y), QPointF(v.right(), y));
            for (double x : RulerTicks(box_.left, box_.right, a.step)) {
                const double px = Page(QPointF(x, 0)).x();
                p_.drawLine(QPointF(px, y), QPointF(px, y + (top ? 1 : -1) * Size(TickLength * 1.5)));
            }
        }
        if (YRuler(a)) {
            const bool right = box_.right < 0;
            const double x = right ? v.right() : v.left();
            p_.drawLine(QPointF(x, v.top()), QPointF(x, v.bottom()));
            for (double y : RulerTicks(box_.bottom, box_.top, a.step)) {
                const double py = Page(QPointF(0, y)).y();
                p_.drawLine(QPointF(x, py), QPointF(x + (right ? -1 : 1) * Size(TickLength * 1.5), py));
            }
        }
    }

    // The rulers' figures inside the view's edge, beside their ticks.
    void RulerLabels()
    {
        if (!Rulers())
            return;
        const AxisLines a = AxesOf();
        const QRectF& v = t_.visible;
        const double size = Size(TickLabelSize);
        const double in = Size(TickLength * 1.5 + 0.4);
        if (XRuler(a)) {
            const bool top = box_.top < 0;
            for (double x : RulerTicks(box_.left, box_.right, a.step)) {
                const QString text = TickText(x, a.step);
                const QPointF anchor(Page(QPointF(x, 0)).x(), top ? v.top() + in : v.bottom() - in);
                const QSizeF box = PaddedSize(text, size, false);
                std::vector<QRectF> candidates;
                for (double row : {0.0, 1.0, 2.0})
                    candidates.push_back(Aligned(anchor + QPointF(0, (top ? 1 : -1) * row * box.height()), box,
                                                 Qt::AlignHCenter | (top ? Qt::AlignTop : Qt::AlignBottom)));
                Put(candidates, text, size, false, Palette::Grey);
            }
        }
        if (YRuler(a)) {
            const bool right = box_.right < 0;
            for (double y : RulerTicks(box_.bottom, box_.top, a.step)) {
                const QString text = TickText(y, a.step);
                const QPointF anchor(right ? v.right() - in : v.left() + in, Page(QPointF(0, y)).y());
                const QSizeF box = PaddedSize(text, size, false);
                std::vector<QRectF> candidates;
                for (double shift : {0.0, 0.5, 1.0})
                    candidates.push_back(Aligned(anchor + QPointF((right ? -1 : 1) * shift * box.width(), 0), box,
                                                 (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
                Put(candidates, text, size, false, Palette::Grey);
            }
        }
    }

    void TickLabels()
    {
        const AxisLines a = AxesOf();
        for (double x : XTicks(a))
            if (Shown(QPointF(x, 0)))
                Fixed(Page(QPointF(x, 0)) + QPointF(0, Size(TickLength + 0.4)), TickText(x, a.step), TickLabelSize,
                      Qt::AlignHCenter | Qt::AlignTop);
        for (double y : YTicks(a))
            if (Shown(QPointF(0, y)))
                Fixed(Page(QPointF(0, y)) - QPointF(Size(TickLength + 0.6), 0), TickText(y, a.step), TickLabelSize,
                      Qt::AlignRight | Qt::AlignVCenter);
    }

    void AxisTitles()
    {
        const AxisLines a = AxesOf();
        if (Shown(a.uf)) {
            const QString uf = QStringLiteral("Uf");
            const double size = Size(NameSize);
            Put(AroundPoint(Page(a.uf), PaddedSize(uf, size, true), QPointF(1, 0), Size(1.5) - Pad()), uf, size, true);
        }
        if (Shown(a.x.p2())) {
            const QString title = QStringLiteral("I · sin φ (A)");
            const double size = Size(AxisTitleSize);
            const QPointF tip = Page(a.x.p2());
            const double below = Size(TickLength + TickLabelSize + 1.4), above = Size(1.2);
            Put({Padded(type_.Measure(tip + QPointF(0, below), title, size, Qt::AlignRight | Qt::AlignTop)),
                 Padded(type_.Measure(tip - QPointF(0, above), title, size, Qt::AlignRight | Qt::AlignBottom))},
                title, size);
        }
        if (Shown(a.y.p2())) {
            const QString title = QStringLiteral("I · cos φ (A)");
            const double size = Size(AxisTitleSize);
            const QPointF tip = Page(a.y.p2());
            Put({Padded(type_.Measure(tip + QPointF(Size(2), 0), title, size, Qt::AlignLeft | Qt::AlignVCenter)),
                 Padded(type_.Measure(tip - QPointF(Size(2), 0), title, size, Qt::AlignRight | Qt::AlignVCenter))},
                title, size);
        }
    }

    // The side of the slip line away from the torque line, on the page.
    QPointF SlipNormal() const
    {
        const QPointF along = Unit(Page(s_.divisions[SlipCount]) - Page(s_.divisions[0]));
        QPointF normal(along.y(), -along.x());
        if (normal.y() > 0)
            normal = -normal;
        return normal;
    }

    void SlipLine()
    {
        draw_.Line(s_.slipLine, draw_.Pen(Palette::Orange, 0.4));
        const QPointF normal = SlipNormal();
        const QPen tick = draw_.Pen(Palette::Orange, 0.3);
        p_.setPen(tick);
        for (int i = 0; i <= SlipCount; ++i) {
            if (!Shown(s_.divisions[i]))
                continue;
            const QPointF at = Page(s_.divisions[i]);
            const double half = Size(i % 2 == 0 ? TickLength : TickLength * 0.6);
            p_.drawLine(at - normal * half, at + normal * half);
        }
    }

    // The figures of the finest step at which every one of them finds room, all away from the torque
    // line where they can, else some on its side; at the coarsest step, those that do.
    void SlipFigures()
    {
        const QPointF normal = SlipNormal();
        constexpr int Coarsest = SlipFigureSteps[std::size(SlipFigureSteps) - 1];
        for (int step : SlipFigureSteps)
            for (bool bothSides : {false, true})
                if (SlipFiguresAt(step, bothSides ? std::vector{normal, -normal} : std::vector{normal},
                                  step == Coarsest && bothSides))
                    return;
    }

    // The figures of every `step`-th division, each beside it on the first of `sides` with room, a
    // little along the line or farther out if need be. Taken when all of them stand, or `anyway`.
    bool SlipFiguresAt(int step, const std::vector<QPointF>& sides, bool anyway)
    {
        const QPointF along(-sides.front().y(), sides.front().x());
        const double size = Size(SlipLabelSize);
        LabelPlacer trial = placer_;
        std::vector<PlacedLabel> figures;
        bool all = true;
        for (int i = 0; i <= SlipCount; i += step) {
            if (!Shown(s_.divisions[i]))
                continue;
            const QString text = SlipDivisionText(i);
            const QSizeF box = PaddedSize(text, size, false);
            const QPointF at = Page(s_.divisions[i]);
            std::vector<QRectF> candidates;
            for (QPointF side : sides)
                for (double distance : {TickLength + 0.5, 2 * TickLength + 1.0})
                    for (double shift : {0.0, -1.0, 1.0})
                        candidates.push_back(
                            Aligned(at + side * (Size(distance) - Pad()) + along * Size(shift), box, AlignFor(side)));
            if (const std::optional<QRectF> placed = trial.Place(candidates))
                figures.push_back({text, *placed, Pad(), size, false, Palette::Black});
            else
                all = false;
        }
        if (!all && !anyway)
            return false;
        placer_ = std::move(trial);
        labels_.insert(labels_.end(), figures.begin(), figures.end());
        return true;
    }

    // The marks of the points: the symbols first, the dots over them.
    void Points()
    {
        for (const CharacteristicMark& m : s_.characteristic)
            if (Shown(m.at))
                PaintSymbol(p_, m.symbol, Page(m.at), Size(SymbolSize));
        for (const LabelledPoint& point : s_.points)
            if (Shown(point.at))
                draw_.Dot(point.at, PointDot, Palette::Black);
        if (s_.efficiencyPole && Shown(*s_.efficiencyPole))
            draw_.Dot(*s_.efficiencyPole, PointDot * 0.8, Palette::Black);
    }

    Primitives draw_;
    QPainter& p_;
    Typesetter& type_;
    const Scene& s_;
    const PageLayout& l_;
    const PaintTarget& t_;
    const Extent& box_;
    const std::optional<Extent>& hole_;
    LabelPlacer placer_;
    std::vector<PlacedLabel> labels_;
    std::vector<QLineF> pointLeaders_; // to the operating point's segments
    std::vector<QLineF> nameLeaders_;  // to the lines whose names stand away from them
    // The names of the points beyond each edge of the visible area, with their places along it.
    std::array<std::vector<std::pair<double, QString>>, SideCount> beyond_;
};

// Title block layout, mm from its top-left corner; the rows add up to the block's two sizes.
constexpr double TitleInset = 3;
constexpr double HeaderHeight = 7.5;
constexpr double RowHeight = 5.5; // the scale rows and the bottom band's rows
constexpr double SectionTitle = 4.5;
constexpr double RowPitch = 4.0;
constexpr int SectionRows = 8;
constexpr double SectionHeight = SectionTitle + SectionRows * RowPitch + 1.5;
constexpr double BodySize = 2.5;
constexpr double FieldSize = 2.2;
constexpr double HeaderSize = 3;
constexpr int MaxHeaderCharacters = 120; // more never fits; a long note is cut before it is measured
static_assert(HeaderHeight + RowHeight + SectionHeight + 2 * RowHeight == TitleBlockSize.height());
static_assert(HeaderHeight + 2 * RowHeight + 2 * SectionHeight + 4 * RowHeight == NarrowTitleBlockSize.height());
static_assert(HeaderHeight + 2 * RowHeight + SectionHeight + 4 * RowHeight == CompactTitleBlockSize.height());
// The operating point's block: its title, then its twelve values in one column (beside the title block,
// the asked value on a line of its own), or in three columns of four or two of six (on top of it).
constexpr int PointValueCount = 12;
constexpr int BandColumns = 3, NarrowBandColumns = 2;
static_assert(SectionTitle + PointValueCount / BandColumns * RowPitch + 1.5 == PointBlockHeight);
static_assert(SectionTitle + PointValueCount / NarrowBandColumns * RowPitch + 1.5 == NarrowPointBlockHeight);
static_assert(SectionTitle + (PointValueCount + 1) * RowPitch + 1.5 <= TitleBlockSize.height());

// Where the columns of a section stand, mm from its left edge.
struct SectionColumns {
    double valueRight;      // inputs: their values end here
    double symbol, caption; // characteristic points
    double pointValueRight, slip;
};
constexpr SectionColumns WideColumns{68, 5, 9, 78, 82};
constexpr double WideSplit = 72;  // the characteristic section's left edge in the wide form
constexpr double BandSplit = 110; // the bottom band: the T line and the legend left, the fields right
constexpr SectionColumns NarrowColumns{68, 5, 9, 80, 84};

// A line of the diagram as the legend shows it.
struct LegendEntry {
    const QString* name;
    QColor colour;
    double width;
    QList<qreal> dashes;
};

class TitleBlockPainting {
public:
    TitleBlockPainting(QPainter& p, const TitleBlockTexts& texts, const PageLayout& l)
        : p_(p), type_(p, DevicePolicy::Paper()), texts_(texts), l_(l)
    {}

    void Run()
    {
        // The title block proper: what the operating point's block leaves of it.
        QRectF r = l_.titleBlock;
        const bool column = l_.pointBlock && l_.pointBlock->left() <= r.left() + 1e-9 &&
            l_.pointBlock->height() >= r.height() - 1e-9;
        if (l_.pointBlock && column)
            r.setLeft(l_.pointBlock->right());
        else if (l_.pointBlock)
            r.setTop(l_.pointBlock->bottom());
        const bool wide = r.width() >= TitleBlockSize.width() - 1e-9;
        // The compact block is the one of its proportions.
        const bool compact = !wide && CompactPaper(l_.paper) &&
            std::abs(r.height() / r.width() - CompactTitleBlockSize.height() / CompactTitleBlockSize.width()) < 1e-6;
        const QSizeF size = wide ? TitleBlockSize : compact ? CompactTitleBlockSize : NarrowTitleBlockSize;
        if (l_.pointBlock && !texts_.point.empty())
            PointBlock(*l_.pointBlock, column, wide ? BandColumns : NarrowBandColumns, r.width() / size.width());
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.fillRect(r, Qt::white);
        p_.translate(r.topLeft());
        p_.scale(r.width() / size.width(), r.height() / size.height()); // a narrow frame shrinks it
        w_ = size.width();
        p_.setPen(QPen(Palette::Black, 0.35));
        p_.drawRect(QRectF(QPointF(0, 0), size));
        if (wide)
            Wide();
        else
            Narrow(!compact);
        p_.restore();
    }

private:
    void Rule(double y, double from = 0, double to = -1)
    {
        p_.setPen(QPen(Palette::Black, 0.18));
        p_.drawLine(QPointF(from, y), QPointF(to < 0 ? w_ : to, y));
    }

    void Upright(double x, double top, double bottom)
    {
        p_.setPen(QPen(Palette::Black, 0.18));
        p_.drawLine(QPointF(x, top), QPointF(x, bottom));
    }

    QRectF Text(double x, double baseline, const QString& text, double size = BodySize, bool bold = false,
                Qt::Alignment side = Qt::AlignLeft)
    {
        return type_.Draw(QPointF(x, baseline), text, size, side | Qt::AlignBottom, bold);
    }

    // The motor's name, file and note between `left` and `right` on the row whose middle is `middle`,
    // shortened to the room there.
    void Motor(double left, double right, double middle, Qt::Alignment side)
    {
        const QPointF at(side & Qt::AlignRight ? right : left, middle);
        QString motor = MotorHeaderText(texts_).left(MaxHeaderCharacters);
        while (!motor.isEmpty() && type_.Measure(at, motor, HeaderSize, side | Qt::AlignVCenter).width() > right - left)
            motor = motor.size() > 1 ? motor.left(motor.size() - 2) + u'…' : QString();
        type_.Draw(at, motor, HeaderSize, side | Qt::AlignVCenter);
    }

    QString ScaleLine() const
    {
        QString scale = Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Měřítko %1")).arg(ScaleText(l_.scale));
        if (l_.paper)
            scale += QStringLiteral(", ") + PaperName(*l_.paper);
        return scale;
    }

    void Title(double baseline) { Text(TitleInset, baseline, DiagramTitle, 3.4, true); }

    // "Výkon 1 mm = … W" and "Moment 1 mm = … Nm", the second from `second` on.
    void Scales(double top, double second)
    {
        const double baseline = top + RowHeight - 1.5;
        Text(TitleInset, baseline,
             Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Výkon %1")).arg(PowerScaleText(texts_, l_.scale)));
        Text(second, baseline,
             Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Moment %1")).arg(TorqueScaleText(texts_, l_.scale)));
    }

    void Inputs(double left, double top, const SectionColumns& c)
    {
        Text(left + TitleInset, top + SectionTitle, Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Vstupní hodnoty")), BodySize,
             true);
        for (std::size_t i = 0; i < texts_.inputs.size(); ++i) {
            const double y = top + SectionTitle + RowPitch * (i + 1);
            Text(left + TitleInset, y, texts_.inputs[i].caption);
            Text(left + c.valueRight, y, texts_.inputs[i].value, BodySize, false, Qt::AlignRight);
        }
    }

    void Characteristic(double left, double top, const SectionColumns& c)
    {
        Text(left + TitleInset, top + SectionTitle, Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Charakteristické body")),
             BodySize, true);
        for (std::size_t i = 0; i < texts_.characteristic.size(); ++i) {
            const TextRow& row = texts_.characteristic[i];
            const double y = top + SectionTitle + RowPitch * (i + 1);
            if (row.symbol)
                PaintSymbol(p_, *row.symbol, QPointF(left + c.symbol, y - BodySize * 0.4), 2.2);
            Text(left + c.caption, y, row.caption);
            Text(left + c.pointValueRight, y, row.value, BodySize, false, Qt::AlignRight);
            Text(left + c.slip, y, row.slip);
        }
    }

    // How T is placed, then the legend of the lines' styles, one row each.
    void Construction(double top)
    {
        Text(TitleInset, top + RowHeight - 1.5, texts_.torqueLine);
        const QString powerLine = PowerLineName, torqueLine = TorqueLineName, slipScale = SlipScaleName;
        const LegendEntry entries[] = {
            {&powerLine, Palette::Vermillion, 0.35, {}},
            {&torqueLine, Palette::BluishGreen, 0.35, {6, 3}},
            {&slipScale, Palette::Orange, 0.4, {}},
        };
        constexpr double Sample = 6, SampleGap = 1.2, EntryGap = 4;
        double x = TitleInset;
        const double middle = top + RowHeight + RowHeight / 2;
        for (const LegendEntry& e : entries) {
            QPen pen(e.colour, e.width);
            pen.setCapStyle(Qt::FlatCap);
            if (!e.dashes.isEmpty())
                pen.setDashPattern(e.dashes);
            p_.setPen(pen);
            p_.drawLine(QPointF(x, middle), QPointF(x + Sample, middle));
            const QRectF box = type_.Draw(QPointF(x + Sample + SampleGap, middle), *e.name, BodySize,
                                          Qt::AlignLeft | Qt::AlignVCenter);
            x = box.right() + EntryGap;
        }
    }

    // "Pracovní bod" in `r`: in a column, the asked value under the title and the values one a row; in
    // a band, the asked value beside the title and the values in `columns` columns, top to bottom. In
    // the painter's millimetres times `shrink`, as the title block beside it.
    void PointBlock(const QRectF& r, bool column, int columns, double shrink)
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.fillRect(r, Qt::white);
        p_.translate(r.topLeft());
        p_.scale(shrink, shrink);
        const QSizeF size = r.size() / shrink;
        w_ = size.width();
        p_.setPen(QPen(Palette::Black, 0.35));
        p_.drawRect(QRectF(QPointF(0, 0), size));
        const QRectF title = type_.Draw(QPointF(TitleInset, SectionTitle), PointTitle, BodySize,
                                        Qt::AlignLeft | Qt::AlignBottom, true);
        const QString asked = Tr(QT_TRANSLATE_NOOP("DiagramTexts", "zadáno %1")).arg(texts_.pointAsked);
        double top = SectionTitle;
        QRectF noteRoom;
        if (column) {
            top += RowPitch;
            Text(TitleInset, top, asked);
            columns = 1;
        } else {
            const QRectF after = Text(title.right() + 2, top, u'(' + asked + u')');
            noteRoom = QRectF(after.right() + 3, 0.5, w_ - TitleInset - after.right() - 3, SectionTitle);
        }
        const std::size_t perColumn = (texts_.point.size() + columns - 1) / columns;
        const double width = (w_ - TitleInset) / columns;
        for (std::size_t i = 0; i < texts_.point.size(); ++i) {
            const double x = TitleInset + width * static_cast<double>(i / perColumn);
            const double y = top + RowPitch * static_cast<double>(i % perColumn + 1);
            Text(x, y, texts_.point[i].caption);
            Text(x + width - TitleInset, y, texts_.point[i].value, BodySize, false, Qt::AlignRight);
        }
        if (column) {
            const double end = top + RowPitch * static_cast<double>(perColumn) + 0.8;
            noteRoom = QRectF(TitleInset, end, w_ - 2 * TitleInset, size.height() - end - 0.5);
        }
        Note(noteRoom, texts_.pointNote);
        p_.restore();
    }

    // The point's note in `room`: on one line where it fits at a readable size, else in two lines
    // broken after its colon, as large as the room lets it be.
    void Note(const QRectF& room, const QString& note)
    {
        if (note.isEmpty() || !(room.width() > 0) || !(room.height() > 0))
            return;
        const QSizeF one = type_.Size(note, BodySize, false);
        const double oneSize = std::min(
            {BodySize, BodySize * room.width() / one.width(), BodySize * room.height() / one.height()});
        const qsizetype colon = note.indexOf(u':');
        const QStringList lines = colon < 0 ? QStringList{note}
                                            : QStringList{note.left(colon + 1), note.mid(colon + 1).trimmed()};
        double wide = 0;
        for (const QString& line : lines)
            wide = std::max(wide, type_.Size(line, BodySize, false).width());
        const double twoSize = std::min(
            {BodySize, BodySize * room.width() / wide, BodySize * room.height() / (one.height() * lines.size())});
        if (oneSize >= twoSize) {
            type_.Draw(QPointF(room.left(), room.center().y()), note, oneSize, Qt::AlignLeft | Qt::AlignVCenter);
            return;
        }
        const double pitch = room.height() / lines.size();
        for (qsizetype i = 0; i < lines.size(); ++i)
            type_.Draw(QPointF(room.left(), room.top() + pitch * (i + 0.5)), lines[i], twoSize,
                       Qt::AlignLeft | Qt::AlignVCenter);
    }

    // Two empty fields to fill in by hand.
    void Fields(double left, double top, double right)
    {
        const QString names[] = {Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Vypracoval:")),
                                 Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Datum:"))};
        for (int i = 0; i < 2; ++i) {
            const double y = top + i * RowHeight;
            if (i > 0)
                Rule(y, left, right);
            Text(left + 1.5, y + RowHeight - 1.6, names[i], FieldSize);
        }
    }

    void Wide()
    {
        Rule(HeaderHeight);
        Title(HeaderHeight / 2 + 1.2);
        const QRectF scale = Text(w_ - TitleInset, HeaderHeight / 2 + 1.1, ScaleLine(), HeaderSize, true,
                                  Qt::AlignRight);
        Motor(WideSplit + TitleInset, scale.left() - TitleInset, HeaderHeight / 2, Qt::AlignLeft);
        Scales(HeaderHeight, WideSplit + TitleInset);
        const double sections = HeaderHeight + RowHeight;
        Rule(sections);
        Upright(WideSplit, sections, sections + SectionHeight);
        Inputs(0, sections, WideColumns);
        Characteristic(WideSplit, sections, WideColumns);
        const double band = sections + SectionHeight;
        Rule(band);
        Upright(BandSplit, band, band + 2 * RowHeight);
        Construction(band);
        Fields(BandSplit, band, w_);
    }

    // One column; the characteristic values only where `characteristic`.
    void Narrow(bool characteristic)
    {
        Rule(HeaderHeight);
        Title(HeaderHeight / 2 + 1.2);
        const QRectF scale = Text(TitleInset, HeaderHeight + RowHeight - 1.4, ScaleLine(), HeaderSize, true);
        Motor(scale.right() + TitleInset, w_ - TitleInset, HeaderHeight + RowHeight / 2, Qt::AlignRight);
        Rule(HeaderHeight + RowHeight);
        Scales(HeaderHeight + RowHeight, w_ / 2);
        double y = HeaderHeight + 2 * RowHeight;
        Rule(y);
        Inputs(0, y, NarrowColumns);
        y += SectionHeight;
        Rule(y);
        if (characteristic) {
            Characteristic(0, y, NarrowColumns);
            y += SectionHeight;
            Rule(y);
        }
        Construction(y);
        y += 2 * RowHeight;
        Rule(y);
        Fields(0, y, w_);
    }

    QPainter& p_;
    Typesetter type_;
    const TitleBlockTexts& texts_;
    const PageLayout& l_;
    double w_ = 0;
};

} // namespace

void PaintDiagram(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t)
{
    Painting(p, s, l, t).Run();
}

DiagramLabels PlaceDiagramLabels(QPainter& p, const Scene& s, const PageLayout& l, const PaintTarget& t)
{
    return Painting(p, s, l, t).Place();
}

void PaintTitleBlock(QPainter& p, const TitleBlockTexts& texts, const PageLayout& l)
{
    TitleBlockPainting(p, texts, l).Run();
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
