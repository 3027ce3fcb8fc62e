// One painting routine for the characteristic curves: the panel beside the diagram and the PDF's
// second page with the operating table.
#include "CurvesPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "DiagramPainter.h"
#include "DiagramTexts.h"
#include "Palette.h"
#include "Typesetter.h"

namespace diagram {

namespace {

// Sizes on paper, in mm; the screen multiplies them by its pixels per mm.
constexpr double TickLabelSize = 2.3;
constexpr double LegendSize = 2.4;
constexpr double TitleSize = 2.4;
constexpr double MarkNameSize = 2.2;
constexpr double TickLength = 1.0;
constexpr double LabelGap = 0.6;      // between a tick and its label
constexpr double LineGap = 0.8;       // between a legend and its plot
constexpr double PlotGap = 1.8;       // between a plot and the next one's legend
constexpr double LegendSample = 5.0;  // the line before a legend's text
constexpr double LegendSpacing = 3.0; // between two legends of one plot
constexpr double RightPadding = 1.5;
constexpr double CurveWidth = 0.45;
constexpr double FrameWidth = 0.2;
constexpr double GridWidth = 0.12;
constexpr double RowMark = 1.1; // diameter of a table point
constexpr double SymbolSize = 2.6;
constexpr double ArrowLength = 2.4;
constexpr double MarkerDot = 1.7;
constexpr double MarkerWidth = 0.25;
constexpr double Halo = 0.3;
constexpr double HairlinePixels = 1.5;
// How far a curve on screen may stray from its samples: well below what the eye tells apart.
constexpr double ScreenTolerancePixels = 0.2;
constexpr double NameSpacing = 0.5;
constexpr double CoveringWeight = 1e6; // per square unit a name covers of another
// Value labels: about eight to a plot, but at least 1.6 and at most 3 times their height apart.
constexpr double LabelsPerPlot = 8, MinLabelSpacing = 1.6, MaxLabelSpacing = 3;
constexpr double SpeedLabelSpacing = 2.5; // times the widest speed label: the scale under the slip scale stays quiet

const QColor GridColour(0xE2, 0xE6, 0xEA);
const QColor FrameColour(0x8C, 0x8C, 0x8C);

const QString SlipTitle = QStringLiteral("Skluz s");
const QString SpeedTitle = QStringLiteral("Otáčky n (1/min)");

// Power factor and efficiency share a plot: in black and white the dashes tell them apart.
QList<qreal> DashesOf(Quantity q)
{
    if (q == Quantity::PowerFactor)
        return {5, 2};
    return {};
}

QPen CurvePen(Quantity q, double unit)
{
    QPen pen(CurveColour(q), CurveWidth * unit);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (const QList<qreal> dashes = DashesOf(q); !dashes.isEmpty())
        pen.setDashPattern(dashes);
    return pen;
}

// The points of `line` a screen needs: a sample is left out while every sample it stands for lies
// within `tolerance` pixels of the straight stroke that replaces them, so the picture stays the same
// to a fraction of a pixel with far fewer strokes to fill.
QPolygonF Simplified(const QPolygonF& line, double tolerance)
{
    if (line.size() < 3)
        return line;
    QPolygonF kept;
    kept << line.front();
    qsizetype from = 0;
    for (qsizetype to = 2; to < line.size(); ++to) {
        const QLineF chord(line[from], line[to]);
        const double length = chord.length();
        bool fits = length > 0;
        for (qsizetype k = from + 1; fits && k < to; ++k) {
            const QPointF d = line[k] - line[from];
            const double off = std::abs(d.x() * chord.dy() - d.y() * chord.dx()) / length;
            fits = off <= tolerance;
        }
        if (!fits) {
            from = to - 1;
            kept << line[from];
        }
    }
    kept << line.back();
    return kept;
}

// The dashes of `line` as separate strokes, the pattern running on from one sample to the next.
QList<QLineF> Dashed(const QPolygonF& line, const QList<qreal>& pattern, double width)
{
    QList<QLineF> dashes;
    std::size_t k = 0;
    double left = pattern[0] * width; // of the present dash or gap
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        QPointF from = line[i];
        double length = QLineF(from, line[i + 1]).length();
        while (length > 0) {
            const double step = std::min(left, length);
            const QPointF to = from + (line[i + 1] - from) * (step / length);
            if (k % 2 == 0)
                dashes << QLineF(from, to);
            from = to;
            length -= step;
            left -= step;
            if (left <= 0) {
                k = (k + 1) % pattern.size();
                left = pattern[k] * width;
            }
        }
    }
    return dashes;
}

// Text in a box of its own, on white.
QRectF Label(Typesetter& type, QPainter& p, QPointF anchor, const QString& text, double size, Qt::Alignment align,
             double unit, bool bold = false, const QColor& colour = Palette::Black)
{
    const QRectF box = type.Measure(anchor, text, size, align, bold);
    const double pad = Halo * unit;
    p.fillRect(box.adjusted(-pad, -pad, pad, pad), Qt::white);
    type.DrawIn(box, text, size, bold, colour, false);
    return box;
}

// The width of a plot's legends, in their long or short form.
double LegendWidth(Typesetter& type, const Plot& plot, bool shortForm, double unit)
{
    double width = 0;
    for (const Curve& curve : plot.curves) {
        const QString& text = shortForm ? curve.shortLegend : curve.legend;
        width += (LegendSample + LabelGap + LegendSpacing) * unit +
            type.Measure({}, text, LegendSize * unit, Qt::AlignLeft).width();
    }
    return width - LegendSpacing * unit;
}

// The painting of the curves on one painter.
class CurvesPainting {
public:
    CurvesPainting(QPainter& p, const CurveSet& c, const CurvesLayout& l) : p_(p), type_(p, l.screen), c_(c), l_(l) {}

    void Run()
    {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < PlotCount; ++i)
            Grid(i);
        SlipScale();
        SpeedScale();
        for (int i = 0; i < PlotCount; ++i) {
            Curves(i);
            Marks(i);
            Legend(i);
        }
        p_.restore();
    }

private:
    double U(double mm) const { return mm * l_.unit; }

    // A horizontal or vertical line `widthMm` wide; on screen a thin one is a row or column of whole
    // pixels, which fills many times faster than a stroked hairline.
    void Rule(QPointF a, QPointF b, const QColor& colour, double widthMm)
    {
        if (l_.screen && U(widthMm) <= HairlinePixels) {
            const QPointF from(std::floor(std::min(a.x(), b.x())), std::floor(std::min(a.y(), b.y())));
            const QPointF to(std::floor(std::max(a.x(), b.x())) + 1, std::floor(std::max(a.y(), b.y())) + 1);
            p_.fillRect(QRectF(from, to), colour);
            return;
        }
        QPen pen(colour, U(widthMm));
        pen.setCapStyle(Qt::FlatCap);
        p_.setPen(pen);
        p_.drawLine(a, b);
    }

    void Grid(int i)
    {
        const QRectF& r = l_.plots[i];
        const Axis& axis = l_.axes[i];
        for (double s : l_.slip.ticks)
            if (s > 0 && s < 1)
                Rule(QPointF(l_.XOf(s), r.top()), QPointF(l_.XOf(s), r.bottom()), GridColour, GridWidth);
        for (double v : axis.ticks) {
            const double y = r.bottom() - axis.Along(v, r.height());
            if (v != axis.from && v != axis.to)
                Rule(QPointF(r.left(), y), QPointF(r.right(), y), v == 0 ? FrameColour : GridColour, GridWidth);
            Rule(QPointF(r.left() - U(TickLength), y), QPointF(r.left(), y), FrameColour, GridWidth);
            type_.Draw(QPointF(r.left() - U(TickLength + LabelGap), y), TickText(v, axis.step), U(TickLabelSize),
                       Qt::AlignRight | Qt::AlignVCenter);
        }
        Rule(r.topLeft(), r.topRight(), FrameColour, FrameWidth);
        Rule(r.bottomLeft(), r.bottomRight(), FrameColour, FrameWidth);
        Rule(r.topLeft(), r.bottomLeft(), FrameColour, FrameWidth);
        Rule(r.topRight(), r.bottomRight(), FrameColour, FrameWidth);
    }

    void SlipScale()
    {
        const QRectF& r = l_.plots.back();
        for (double s : l_.slip.ticks) {
            const double x = l_.XOf(s);
            Rule(QPointF(x, r.bottom()), QPointF(x, r.bottom() + U(TickLength)), FrameColour, GridWidth);
            const int division = static_cast<int>(std::lround(s * SlipCount));
            type_.Draw(QPointF(x, l_.slipLabels), SlipDivisionText(division), U(TickLabelSize),
                       Qt::AlignHCenter | Qt::AlignTop);
        }
        slipTitle_ = type_.Draw(QPointF(r.left(), l_.titles), SlipTitle, U(TitleSize), Qt::AlignLeft | Qt::AlignTop);
    }

    // The speed along the slip axis: its own line under the slip scale.
    void SpeedScale()
    {
        const QRectF& r = l_.plots.back();
        Rule(QPointF(r.left(), l_.speedLine), QPointF(r.right(), l_.speedLine), FrameColour, GridWidth);
        for (double n : l_.speed.ticks) {
            const double x = l_.XOf(SlipOfSpeed(n, c_.synchronousSpeed));
            Rule(QPointF(x, l_.speedLine), QPointF(x, l_.speedLine + U(TickLength)), FrameColour, GridWidth);
            type_.Draw(QPointF(x, l_.speedLabels), TickText(n, l_.speed.step), U(TickLabelSize),
                       Qt::AlignHCenter | Qt::AlignTop);
        }
        // In a very narrow panel the slip's title alone.
        const QRectF title = type_.Measure(QPointF(r.right(), l_.titles), SpeedTitle, U(TitleSize),
                                           Qt::AlignRight | Qt::AlignTop);
        if (title.left() > slipTitle_.right() + U(LegendSpacing))
            type_.DrawIn(title, SpeedTitle, U(TitleSize), false, Palette::Black, false);
    }

    void Curves(int i)
    {
        const Plot& plot = c_.plots[i];
        p_.save();
        p_.setClipRect(l_.plots[i].adjusted(-U(CurveWidth), -U(CurveWidth), U(CurveWidth), U(CurveWidth)),
                       Qt::IntersectClip);
        for (const Curve& curve : plot.curves) {
            QPen pen = CurvePen(curve.quantity, l_.unit);
            // Each unbroken run of samples as one line.
            std::vector<QPolygonF> runs(1);
            for (std::size_t k = 0; k < curve.values.size(); ++k) {
                if (curve.values[k])
                    runs.back() << l_.PointOf(i, c_.slips[k], *curve.values[k]);
                else if (!runs.back().isEmpty())
                    runs.emplace_back();
            }
            for (const QPolygonF& run : runs) {
                if (!l_.screen) {
                    p_.setPen(pen);
                    p_.drawPolyline(run);
                    continue;
                }
                // On screen a wide line is stroked far faster as short separate strokes, the dashes
                // laid out here; square ends close the joints.
                QList<QLineF> strokes;
                if (pen.style() == Qt::SolidLine) {
                    const QPolygonF line = Simplified(run, ScreenTolerancePixels);
                    for (qsizetype k = 0; k + 1 < line.size(); ++k)
                        strokes << QLineF(line[k], line[k + 1]);
                } else
                    strokes = Dashed(run, pen.dashPattern(), pen.widthF());
                pen.setStyle(Qt::SolidLine);
                pen.setCapStyle(Qt::SquareCap);
                p_.setPen(pen);
                p_.drawLines(strokes);
            }
        }
        p_.restore();
    }

    void Marks(int i)
    {
        const Plot& plot = c_.plots[i];
        const QRectF& r = l_.plots[i];
        p_.setPen(QPen(Palette::Black, U(0.15)));
        p_.setBrush(Qt::white);
        for (QPointF m : plot.rowMarks)
            p_.drawEllipse(l_.PointOf(i, m.x(), m.y()), U(RowMark) / 2, U(RowMark) / 2);
        p_.setBrush(Qt::NoBrush);

        // The symbols first, then each name beside its symbol where it covers no other name or symbol.
        std::vector<QRectF> taken;
        std::vector<QPointF> symbols;
        const double half = U(SymbolSize) / 2;
        for (const CurveMark& m : plot.marks) {
            const QPointF at = l_.PointOf(i, m.at.x(), m.at.y());
            PaintSymbol(p_, m.symbol, at, U(SymbolSize));
            taken.push_back(QRectF(at - QPointF(half, half), QSizeF(2 * half, 2 * half)));
            symbols.push_back(at);
        }
        // Left to right, so that a name sits after the one before it.
        std::vector<CurveMark> marks = plot.marks;
        std::sort(marks.begin(), marks.end(),
                  [](const CurveMark& a, const CurveMark& b) { return a.at.x() < b.at.x(); });
        for (const CurveMark& m : marks)
            MarkName(i, l_.PointOf(i, m.at.x(), m.at.y()), SymbolName(m.symbol), symbols, taken);

        if (plot.beyond) {
            const BeyondMark& b = *plot.beyond;
            const QPointF tip(r.right(), r.bottom() - l_.axes[i].Along(b.value, r.height()));
            const QPointF back(U(ArrowLength), 0), side(0, U(ArrowLength) * 0.45);
            p_.setPen(QPen(Palette::Black, U(0.12)));
            p_.setBrush(SymbolColour(b.symbol));
            p_.drawPolygon(QPolygonF{tip, tip - back + side, tip - back - side});
            p_.setBrush(Qt::NoBrush);
            // Two lines left of the arrow, beside it or as near above or below it as leaves the curves clear.
            const double size = U(MarkNameSize);
            const double line = type_.Measure({}, b.valueText, size, Qt::AlignLeft).height();
            const double width = std::max(type_.Measure({}, b.valueText, size, Qt::AlignLeft).width(),
                                          type_.Measure({}, b.slipText, size, Qt::AlignLeft).width());
            const double right = tip.x() - U(ArrowLength + 0.8);
            const double lowest = r.top() + U(Halo), highest = r.bottom() - 2 * line - U(Halo);
            auto boxAt = [&](double top) {
                return QRectF(right - width, std::clamp(top, lowest, highest), width, 2 * line);
            };
            QRectF box = boxAt(tip.y() - line);
            for (double step = line / 2; CrossesCurves(i, box) && step < r.height(); step += line / 2) {
                if (const QRectF below = boxAt(tip.y() + step); !CrossesCurves(i, below)) {
                    box = below;
                    break;
                }
                if (const QRectF above = boxAt(tip.y() - 2 * line - step); !CrossesCurves(i, above)) {
                    box = above;
                    break;
                }
            }
            Label(type_, p_, box.topRight(), b.valueText, size, Qt::AlignRight | Qt::AlignTop, l_.unit);
            Label(type_, p_, box.topRight() + QPointF(0, line), b.slipText, size, Qt::AlignRight | Qt::AlignTop,
                  l_.unit);
        }
    }

    // Whether a curve of plot `i`, or one of its marked points, runs through `box`.
    bool CrossesCurves(int i, const QRectF& box) const
    {
        const Extent e{box.left(), box.top(), box.right(), box.bottom()}; // y down: "bottom" is the top edge
        for (QPointF m : c_.plots[i].rowMarks)
            if (e.Contains(l_.PointOf(i, m.x(), m.y())))
                return true;
        for (const Curve& curve : c_.plots[i].curves) {
            std::optional<QPointF> previous;
            for (std::size_t k = 0; k < curve.values.size(); ++k) {
                if (!curve.values[k]) {
                    previous.reset();
                    continue;
                }
                const QPointF at = l_.PointOf(i, c_.slips[k], *curve.values[k]);
                if (previous && ClipLine(QLineF(*previous, at), e))
                    return true;
                previous = at;
            }
        }
        return false;
    }

    void MarkName(int i, QPointF at, const QString& name, const std::vector<QPointF>& symbols,
                  std::vector<QRectF>& taken)
    {
        const double off = U(SymbolSize / 2 + 2 * Halo);
        const double pad = U(Halo);
        const double space = U(NameSpacing); // two names side by side must not read as one
        static constexpr struct {
            int x, y; // -1 left or above, 0 centred, 1 right or below
        } sides[] = {{1, -1}, {0, -1}, {-1, -1}, {1, 1}, {0, 1}, {-1, 1}};
        QRectF best;
        double leastCovered = -1;
        bool clear = false; // of other names and symbols, and inside the plot
        for (const auto& side : sides) {
            const Qt::Alignment align = (side.x > 0       ? Qt::AlignLeft
                                             : side.x < 0 ? Qt::AlignRight
                                                          : Qt::AlignHCenter) |
                (side.y > 0 ? Qt::AlignTop : Qt::AlignBottom);
            const QRectF box = type_.Measure(at + QPointF(side.x * off, side.y * off), name, U(MarkNameSize), align);
            double covered = l_.plots[i].contains(box) ? 0 : box.width() * box.height();
            for (const QRectF& t : taken) {
                const QRectF overlap = t.intersected(box.adjusted(-space, -pad, space, pad));
                covered += overlap.width() * overlap.height();
            }
            // A name nearer another symbol than its own would name that one.
            const double own = QLineF(box.center(), at).length();
            for (QPointF other : symbols)
                if (other != at && QLineF(box.center(), other).length() < own)
                    covered += box.width() * box.height();
            // Clear of the curves too where possible, but a name over a name is worse than over a curve.
            const double cost = covered * CoveringWeight + (CrossesCurves(i, box) ? 1 : 0);
            if (leastCovered < 0 || cost < leastCovered) {
                leastCovered = cost;
                best = box;
                clear = covered == 0;
            }
            if (leastCovered == 0)
                break;
        }
        // A name that has no room is left out: the symbol says it, as in the diagram's box.
        if (!clear)
            return;
        p_.fillRect(best.adjusted(-pad, -pad, pad, pad), Qt::white);
        type_.DrawIn(best, name, U(MarkNameSize), false, Palette::Black, false);
        taken.push_back(best);
    }

    void Legend(int i)
    {
        const Plot& plot = c_.plots[i];
        const QRectF& r = l_.plots[i];
        const bool shortForm = LegendWidth(type_, plot, false, l_.unit) > r.width();
        double x = r.left();
        const double y = r.top() - U(LineGap);
        for (const Curve& curve : plot.curves) {
            const QString& text = shortForm ? curve.shortLegend : curve.legend;
            const QRectF box = type_.Measure(QPointF(x + U(LegendSample + LabelGap), y), text, U(LegendSize),
                                             Qt::AlignLeft | Qt::AlignBottom);
            QPen pen = CurvePen(curve.quantity, l_.unit);
            pen.setWidthF(pen.widthF() * 1.3);
            p_.setPen(pen);
            p_.drawLine(QPointF(x, box.center().y()), QPointF(x + U(LegendSample), box.center().y()));
            type_.DrawIn(box, text, U(LegendSize), false, Palette::Black, false);
            x = box.right() + U(LegendSpacing);
        }
    }

    QPainter& p_;
    Typesetter type_;
    const CurveSet& c_;
    const CurvesLayout& l_;
    QRectF slipTitle_;
};

// ---- The page ----

constexpr double PageMarginMm = 10;
constexpr double PageInset = 4;    // mm inside the frame
constexpr double HeaderHeight = 9; // mm
constexpr double TableSize = 2.4;  // mm, the table's text
constexpr double MinTableSize = 1.6;
constexpr double TableShare = 0.5; // of the frame's width at most
constexpr double ColumnGap = 3.2;
constexpr double MaxRowPitch = 6.4;
constexpr double CurvesUnit = 1.0;
const QString PageTitle = QStringLiteral("Provozní charakteristiky asynchronního motoru");
const QString TableTitle = QStringLiteral("Provozní charakteristiky");

std::vector<double> ColumnWidths(Typesetter& type, const WideGridRows& table, double size)
{
    std::vector<double> widths;
    for (const WideGridRow& row : table)
        for (std::size_t col = 0; col < row.size(); ++col) {
            if (widths.size() <= col)
                widths.resize(col + 1, 0);
            const QString text = QString::fromStdString(row[col]);
            widths[col] = std::max(widths[col],
                                   type.Measure({}, text, size, Qt::AlignLeft, &row == &table.front()).width());
        }
    return widths;
}

double Sum(const std::vector<double>& v, double each)
{
    double total = 0;
    for (double x : v)
        total += x + each;
    return total;
}

// The operating table, right-aligned numbers under their captions, in `r`.
void PaintTable(QPainter& p, const WideGridRows& table, const QRectF& r, double size)
{
    Typesetter type(p, false);
    const std::vector<double> widths = ColumnWidths(type, table, size);
    const double width = Sum(widths, ColumnGap) - ColumnGap;
    const double pitch = std::min(MaxRowPitch, (r.height() - 2 * size) / std::max<std::size_t>(table.size() + 1, 1));
    const double left = r.right() - width;
    type.Draw(QPointF(left, r.top()), TableTitle, size * 1.1, Qt::AlignLeft | Qt::AlignTop, true);
    double y = r.top() + 2 * size + pitch;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t row = 0; row < table.size(); ++row) {
        const bool header = row == 0;
        double x = left;
        for (std::size_t col = 0; col < table[row].size() && col < widths.size(); ++col) {
            x += widths[col];
            type.Draw(QPointF(x, y), QString::fromStdString(table[row][col]), size, Qt::AlignRight | Qt::AlignBottom,
                      header);
            x += ColumnGap;
        }
        // A rule under the captions and after every fifth row.
        if (header || row % 5 == 0) {
            p.setPen(QPen(header ? Palette::Black : FrameColour, header ? 0.25 : 0.12));
            p.drawLine(QPointF(left, y + pitch * 0.3), QPointF(left + width, y + pitch * 0.3));
        }
        y += pitch;
    }
    p.restore();
}

} // namespace

QColor CurveColour(Quantity q)
{
    // The colour of the quantity's characteristic point on the diagram; the current as the circle.
    switch (q) {
    case Quantity::Torque: return SymbolColour(Symbol::Triangle);
    case Quantity::Current: return Palette::Blue;
    case Quantity::Output: return SymbolColour(Symbol::Square);
    case Quantity::PowerFactor: return SymbolColour(Symbol::Diamond);
    case Quantity::Efficiency: break;
    }
    return SymbolColour(Symbol::Circle);
}

double CurvesLayout::XOf(double s) const
{
    const QRectF& r = plots.front();
    return r.left() + s * r.width();
}

QPointF CurvesLayout::PointOf(int plot, double s, double value) const
{
    const QRectF& r = plots[plot];
    return {XOf(s), r.bottom() - axes[plot].Along(value, r.height())};
}

std::optional<double> CurvesLayout::SlipAt(double x) const
{
    const QRectF& r = plots.front();
    const double reach = 2 * unit; // the pointer need not hit the ends exactly
    if (!(r.width() > 0) || x < r.left() - reach || x > r.right() + reach)
        return std::nullopt;
    return std::clamp((x - r.left()) / r.width(), 0.0, 1.0);
}

CurvesLayout LayOutCurves(QPainter& p, const CurveSet& c, const QRectF& area, double unit, bool screen)
{
    CurvesLayout l;
    l.unit = unit;
    l.screen = screen;
    Typesetter type(p, screen);
    auto u = [unit](double mm) { return mm * unit; };
    const double tickHeight = type.Measure({}, QStringLiteral("0"), u(TickLabelSize), Qt::AlignLeft).height();
    const double titleHeight = type.Measure({}, SpeedTitle, u(TitleSize), Qt::AlignLeft).height();
    const double legendHeight = type.Measure({}, SlipTitle, u(LegendSize), Qt::AlignLeft).height();

    const double below = u(TickLength + LabelGap) + tickHeight + u(2 * LabelGap) + u(TickLength + LabelGap) +
        tickHeight + u(LabelGap) + titleHeight;
    const double perPlot = legendHeight + u(LineGap);
    const double height = std::max(
        0.0, (area.height() - below - PlotCount * perPlot - (PlotCount - 1) * u(PlotGap)) / PlotCount);

    for (int i = 0; i < PlotCount; ++i)
        l.axes[i] = ValueAxis(
            c.plots[i], height,
            std::clamp(height / LabelsPerPlot, MinLabelSpacing * tickHeight, MaxLabelSpacing * tickHeight));
    double labels = 0;
    for (int i = 0; i < PlotCount; ++i)
        for (double v : l.axes[i].ticks)
            labels = std::max(labels,
                              type.Measure({}, TickText(v, l.axes[i].step), u(TickLabelSize), Qt::AlignLeft).width());
    const double left = area.left() + labels + u(LabelGap + TickLength) + u(Halo);
    // The last slip and speed labels are centred on the right end.
    const double right = area.right() - std::max(u(RightPadding), tickHeight);
    const double width = std::max(0.0, right - left);

    double top = area.top();
    for (int i = 0; i < PlotCount; ++i) {
        top += perPlot;
        l.plots[i] = QRectF(left, top, width, height);
        top += height + u(PlotGap);
    }
    l.slipLabels = l.plots.back().bottom() + u(TickLength + LabelGap);
    l.speedLine = l.slipLabels + tickHeight + u(2 * LabelGap);
    l.speedLabels = l.speedLine + u(TickLength + LabelGap);
    l.titles = l.speedLabels + tickHeight + u(LabelGap);
    const double slipLabel = type.Measure({}, QStringLiteral("0,5"), u(TickLabelSize), Qt::AlignLeft).width();
    l.slip = SlipAxis(width, MinLabelSpacing * slipLabel);
    const double speedLabel =
        type.Measure({}, TickText(c.synchronousSpeed, Series{1, 0}), u(TickLabelSize), Qt::AlignLeft).width();
    l.speed = SpeedAxis(c.synchronousSpeed, width, SpeedLabelSpacing * speedLabel);
    return l;
}

void PaintCurves(QPainter& p, const CurveSet& c, const CurvesLayout& l)
{
    if (!(l.plots.front().width() > 0) || !(l.plots.front().height() > 0))
        return;
    CurvesPainting(p, c, l).Run();
}

void PaintCurvesMarker(QPainter& p, const CurveSet& c, const CurvesLayout& l, const OperatingPoint& at)
{
    if (!at.slip || !(*at.slip >= 0 && *at.slip <= 1))
        return;
    const double s = static_cast<double>(*at.slip);
    const double x = l.XOf(s);
    const double u = l.unit;
    const QRectF column = l.Column();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (l.screen) {
        p.fillRect(QRectF(std::floor(x), column.top(), 1, column.height()), Palette::Black);
    } else {
        p.setPen(QPen(Palette::Black, MarkerWidth * u));
        p.drawLine(QPointF(x, column.top()), QPointF(x, column.bottom()));
    }
    for (int i = 0; i < PlotCount; ++i)
        for (const Curve& curve : c.plots[i].curves)
            if (const std::optional<double> v = ValueOf(at, curve.quantity)) {
                p.setPen(QPen(Qt::white, 0.3 * u));
                p.setBrush(CurveColour(curve.quantity));
                p.drawEllipse(l.PointOf(i, s, *v), MarkerDot * u / 2, MarkerDot * u / 2);
            }
    p.setBrush(Qt::NoBrush);

    // The slip over the slip scale's labels, the speed over the speed scale's.
    Typesetter type(p, l.screen);
    const QString slipText = QStringLiteral("s = ") + ValueText(at.slip);
    const QString speedText = QStringLiteral("n = ") + TickText((1 - s) * c.synchronousSpeed, Series{1, 0});
    const double size = TickLabelSize * u;
    const double pad = 2 * Halo * u;
    auto boxed = [&](QPointF anchor, const QString& text) {
        QRectF box = type.Measure(anchor, text, size, Qt::AlignHCenter | Qt::AlignTop);
        box.moveLeft(std::clamp(box.left(), column.left() - box.width() / 2, column.right() - box.width() / 2));
        p.setPen(QPen(Palette::Black, 0.15 * u));
        p.setBrush(Qt::white);
        p.drawRect(box.adjusted(-pad, -pad / 2, pad, pad / 2));
        type.DrawIn(box, text, size, false, Palette::Black, false);
    };
    boxed(QPointF(x, l.slipLabels), slipText);
    boxed(QPointF(x, l.speedLabels), speedText);
    p.restore();
}

void PaintCurvesPage(QPainter& p, const CurveSet& c, const WideGridRows& table, QSizeF pageMm)
{
    const QRectF frame(QPointF(PageMarginMm, PageMarginMm), pageMm - QSizeF(2 * PageMarginMm, 2 * PageMarginMm));
    p.fillRect(QRectF(QPointF(0, 0), pageMm), Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::Black, 0.35));
    p.drawRect(frame);
    p.setPen(QPen(Palette::Black, 0.18));
    p.drawLine(frame.topLeft() + QPointF(0, HeaderHeight), frame.topRight() + QPointF(0, HeaderHeight));
    p.restore();
    Typesetter type(p, false);
    type.Draw(frame.topLeft() + QPointF(3, HeaderHeight / 2), PageTitle, 3.4, Qt::AlignLeft | Qt::AlignVCenter, true);

    const QRectF body = frame.adjusted(PageInset, HeaderHeight + PageInset, -PageInset, -PageInset);
    double size = TableSize;
    double tableWidth = Sum(ColumnWidths(type, table, size), ColumnGap) - ColumnGap;
    if (tableWidth > TableShare * body.width()) {
        size = std::max(MinTableSize, size * TableShare * body.width() / tableWidth);
        tableWidth = Sum(ColumnWidths(type, table, size), ColumnGap) - ColumnGap;
    }
    const QRectF tableArea(body.right() - tableWidth, body.top(), tableWidth, body.height());
    PaintTable(p, table, tableArea, size);

    const QRectF curvesArea(body.left(), body.top(), body.width() - tableWidth - 2 * PageInset, body.height());
    const CurvesLayout l = LayOutCurves(p, c, curvesArea, CurvesUnit, false);
    PaintCurves(p, c, l);
}

} // namespace diagram
