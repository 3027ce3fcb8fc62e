// The operating point asked for, on the circle diagram: its construction in amperes and its drawing.
#include "OperatingPointDrawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "DiagramGeometry.h"
#include "DiagramTexts.h"
#include "DrawingPrimitives.h"
#include "Palette.h"
#include "Typesetter.h"

namespace diagram {

namespace {

// Sizes on paper, in mm, beside the diagram's own; those it shares with the diagram are the drawings'.
constexpr double PhasorWidth = 0.5;
constexpr double VerticalWidth = 0.3;
constexpr double SlipRayWidth = 0.25;
constexpr double PointDot = 1.4;
constexpr double SlipDot = 1.0;
constexpr double CutHalf = 1.0;            // the cuts across the vertical, each side
constexpr double NameSize = NameMm;        // X, as the named points
constexpr double SegmentSize = BodyTextMm; // the segments' names, as the characteristic points'
constexpr double ReadingSize = BodyTextMm; // the slip read on the scale
constexpr double LabelGap = LabelGapMm;
constexpr double LeaderWidth = 0.15;
// A segment's name out on a leader: this far beside the vertical, level with the segment's middle or
// this many lines above it (the upper two segments) or below it (the lower two) first, so that the
// names keep the segments' order.
constexpr double LeaderDistances[] = {4, 7, 10, 14};
constexpr int UpperShifts[] = {0, -1, -2, -3, 1, 2, 3};
constexpr int LowerShifts[] = {0, 1, 2, 3, -1, -2, -3};
const QList<qreal> SlipRayDashes{5, 2.5};

const QString PointName = QStringLiteral("X");
// The segments of the vertical, top down: output, rotor copper loss, stator copper loss, no-load loss.
const QString SegmentNames[] = {QStringLiteral("P2"), QStringLiteral("ΔPCu2"), QStringLiteral("ΔPCu1"),
                                QStringLiteral("ΔP0")};

// The ordinates of the vertical's ends and cuts, top down.
std::array<double, 5> Ordinates(const PointConstruction& c)
{
    return {c.x.y(), c.powerLine, c.torqueLine, c.noLoadLine, 0.0};
}

} // namespace

std::optional<PointConstruction> MakePointConstruction(const TKonstrukce& k, const PointValues& p)
{
    if (!p.vertical || !p.values.slip)
        return std::nullopt;
    const long double s = *p.values.slip;
    const ::Point& from = k.PrimkaSkluzu.zacatek;
    const ::Point& to = k.PrimkaSkluzu.konec;
    PointConstruction c;
    c.x = At(p.values.point);
    c.outward = Unit(c.x - QPointF(static_cast<double>(k.StredKruznice.x), static_cast<double>(k.Ao.y)));
    c.powerLine = static_cast<double>(p.vertical->powerLine);
    c.torqueLine = static_cast<double>(p.vertical->torqueLine);
    c.noLoadLine = static_cast<double>(p.vertical->noLoadLine);
    c.ao = At(k.Ao);
    // The slip scale is divided evenly from P (slip 0) to Q (slip 1).
    c.slipPoint = At({from.x + s * (to.x - from.x), from.y + s * (to.y - from.y)});
    c.slip = s;
    for (double v : Ordinates(c))
        if (!std::isfinite(v))
            return std::nullopt;
    if (!Finite(c.x) || !Finite(c.ao) || !Finite(c.slipPoint))
        return std::nullopt;
    return c;
}

PointDrawing::PointDrawing(Primitives& draw) : draw_(draw), type_(draw.Type()), box_(draw.Box()) {}

bool PointDrawing::Shown(QPointF amps) const
{
    return draw_.Shown(amps);
}

QPointF PointDrawing::Page(QPointF amps) const
{
    return draw_.Page(amps);
}

double PointDrawing::Size(double mm) const
{
    return draw_.Size(mm);
}

std::vector<QRectF> PointDrawing::Marks(const PointConstruction& c) const
{
    std::vector<QRectF> marks;
    if (Shown(c.x))
        marks.push_back(Square(Page(c.x), Size(PointDot)));
    if (Shown(c.slipPoint))
        marks.push_back(Square(Page(c.slipPoint), Size(SlipDot)));
    const std::array<double, 5> y = Ordinates(c);
    for (std::size_t i = 1; i < y.size(); ++i)
        if (Shown(QPointF(c.x.x(), y[i])))
            marks.push_back(
                Square(Page(QPointF(c.x.x(), y[i])), Size(2 * CutHalf)).adjusted(0, Size(0.3), 0, -Size(0.3)));
    return marks;
}

std::vector<QLineF> PointDrawing::PlaceLabels(const PointConstruction& c, LabelPlacer& placer,
                                              std::vector<PlacedLabel>& labels) const
{
    std::vector<QLineF> leaders;
    const double pad = Size(LabelPad);
    auto put = [&](const std::vector<QRectF>& candidates, const QString& text, double size, bool bold) {
        if (const std::optional<QRectF> box = placer.Place(candidates))
            labels.push_back({text, *box, pad, size, bold, Palette::Black});
    };
    auto padded = [&](const QString& text, double size, bool bold) {
        return type_.Size(text, size, bold) + QSizeF(2 * pad, 2 * pad);
    };
    // The slip where the line from Ao through X meets the scale, beyond it on the line's way out.
    if (Shown(c.slipPoint)) {
        const QString text = QStringLiteral("s = ") + ValueText(c.slip);
        const double size = Size(ReadingSize);
        const QPointF out = Unit(Page(c.slipPoint) - Page(c.ao));
        put(AroundPoint(Page(c.slipPoint), padded(text, size, true), out, Size(LabelGap) - pad), text, size, true);
    }
    if (Shown(c.x)) {
        const double size = Size(NameSize);
        put(AroundPoint(Page(c.x), padded(PointName, size, true), QPointF(c.outward.x(), -c.outward.y()),
                        Size(LabelGap) - pad),
            PointName, size, true);
    }
    // Each segment's name beside its middle, close or a little farther out; else out to either side
    // level with it or a few lines above or below, with a leader. Each below the one before, so that
    // the names read in the segments' order.
    const std::array<double, 5> y = Ordinates(c);
    const double size = Size(SegmentSize);
    std::optional<double> above; // the last name's middle, on the page
    for (std::size_t i = 0; i + 1 < y.size(); ++i) {
        const std::optional<QLineF> part = ClipLine(QLineF(c.x.x(), y[i], c.x.x(), y[i + 1]), box_);
        if (!part)
            continue;
        const QSizeF box = padded(SegmentNames[i], size, false);
        std::vector<QRectF> beside;
        for (double gap : {LabelGap / 2, 2 * LabelGap})
            for (const QRectF& r : BesideLine(Page(part->p1()), Page(part->p2()), box, Size(gap)))
                if (!above || r.center().y() > *above)
                    beside.push_back(r);
        const std::size_t before = labels.size();
        put(beside, SegmentNames[i], size, false);
        if (labels.size() > before) {
            above = labels.back().box.center().y();
            continue;
        }
        const QPointF middle = Page((part->p1() + part->p2()) / 2);
        std::vector<QRectF> out;
        for (double distance : LeaderDistances)
            for (int line : i < 2 ? UpperShifts : LowerShifts)
                for (int side : {1, -1})
                    if (!above || middle.y() + line * box.height() > *above)
                        out.push_back(Aligned(middle + QPointF(side * Size(distance), line * box.height()), box,
                                              (side > 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter));
        put(out, SegmentNames[i], size, false);
        if (labels.size() > before) {
            const QRectF& r = labels.back().box;
            above = r.center().y();
            const double edge = r.center().x() > middle.x() ? r.left() : r.right();
            leaders.emplace_back(middle, QPointF(edge, std::clamp(middle.y(), r.top(), r.bottom())));
        }
    }
    return leaders;
}

void PointDrawing::Paint(const PointConstruction& c, const std::vector<QLineF>& leaders) const
{
    // The point's lines end flat, where the diagram's solid lines end square.
    auto pen = [this](double widthMm, const QList<qreal>& dashes = {}) {
        QPen pen(Palette::Black, draw_.PenWidth(widthMm));
        pen.setCapStyle(Qt::FlatCap);
        if (!dashes.isEmpty())
            pen.setDashPattern(dashes);
        return pen;
    };
    auto line = [this](QPointF a, QPointF b, const QPen& pen) { draw_.Line(QLineF(a, b), pen); };
    auto dot = [this](QPointF amps, double diameterMm) {
        if (Shown(amps))
            draw_.Dot(amps, diameterMm, Palette::Black);
    };

    QPainter& p = draw_.Painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    line(c.ao, c.slipPoint, pen(SlipRayWidth, SlipRayDashes));
    line(QPointF(c.x.x(), 0), c.x, pen(VerticalWidth));
    const std::array<double, 5> y = Ordinates(c);
    for (std::size_t i = 1; i + 1 < y.size(); ++i)
        if (Shown(QPointF(c.x.x(), y[i]))) {
            const QPointF at = Page(QPointF(c.x.x(), y[i]));
            p.setPen(pen(VerticalWidth));
            p.drawLine(at - QPointF(Size(CutHalf), 0), at + QPointF(Size(CutHalf), 0));
        }
    // The current phasor, its head at X.
    const QPointF tip = Page(c.x), tail = Page(QPointF(0, 0));
    const QPointF along = Unit(tip - tail);
    const double head = Size(ArrowMm);
    if (Shown(c.x) && std::hypot(tip.x() - tail.x(), tip.y() - tail.y()) > 2 * head) {
        line(QPointF(0, 0), draw_.Layout().ToAmps(tip - along * head * 0.8), pen(PhasorWidth));
        draw_.Arrowhead(tip, tip - tail, Palette::Black);
    } else {
        line(QPointF(0, 0), c.x, pen(PhasorWidth));
    }
    p.setPen(pen(LeaderWidth));
    for (const QLineF& leader : leaders)
        p.drawLine(leader);
    dot(c.slipPoint, SlipDot);
    dot(c.x, PointDot);
    p.restore();
}

} // namespace diagram
