// One painting routine for the characteristic curves: the panel beside the diagram, the PDF's second
// page with the operating table and its third with the working characteristics against output.
#include "CurvesPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "DevicePixels.h"
#include "DiagramTexts.h"
#include "DrawingPrimitives.h"
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
constexpr double SymbolSize = SymbolMm;
constexpr double ArrowLength = 2.4;
constexpr double MarkerDot = 1.7;
constexpr double MarkerWidth = 0.25;
constexpr double Halo = 0.3;
// How far a curve on screen may stray from its samples: well below what the eye tells apart.
constexpr double ScreenTolerancePixels = 0.2;
constexpr double NameSpacing = 0.5;
constexpr double FartherOut = 2.2;     // a name's second ring of places, of the first one's distance
constexpr double CoveringWeight = 1e6; // per square unit a name covers of another
// Value labels: about eight to a plot, but at least 1.6 and at most 3 times their height apart.
constexpr double LabelsPerPlot = 8, MinLabelSpacing = 1.6, MaxLabelSpacing = 3;
constexpr double SpeedLabelSpacing = 2.5; // times the widest speed label: the scale under the slip scale stays quiet

const QColor GridColour(0xE2, 0xE6, 0xEA);
const QColor FrameColour(0x8C, 0x8C, 0x8C);

const TranslatedText SlipTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Skluz s")};
const TranslatedText SpeedTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Otáčky n (1/min)")};
const TranslatedText OutputTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Výkon P2 (kW)")};

// The asked operating point's line across the plots, apart from the pointer's solid cursor.
constexpr double PointLineWidth = 0.3;
const QList<qreal> PointLineDashes{4, 3};

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
    CurvesPainting(QPainter& p, const CurveSet& c, const CurvesLayout& l)
        : p_(p),
          type_(p, l.device),
          c_(c),
          l_(l),
          placers_{LabelPlacer(l.plots[0]), LabelPlacer(l.plots[1]), LabelPlacer(l.plots[2]), LabelPlacer(l.plots[3])}
    {}

    void Run()
    {
        Place();
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < PlotCount; ++i)
            Grid(i);
        XScale();
        SpeedScale();
        for (const PlacedLabel& label : l_.scaleLabels)
            type_.DrawIn(label.TextBox(), label.text, label.size, label.bold, label.colour, false);
        for (int i = 0; i < PlotCount; ++i) {
            Curves(i);
            Marks(i);
            Legend(i);
        }
        for (const PlacedLabel& label : names_) {
            p_.fillRect(label.box, Qt::white);
            type_.DrawIn(label.TextBox(), label.text, label.size, label.bold, label.colour, false);
        }
        p_.restore();
    }

    // Each plot's names and arrow values, in its own placer: the symbols and the table's points are
    // taken first, then the arrow's value, then the names from left to right.
    const std::array<LabelPlacer, PlotCount>& Place()
    {
        for (int i = 0; i < PlotCount; ++i) {
            // A name's white stays inside the plot's frame: the placed box is wider than the white by the
            // spacing beside it.
            const double beside = std::max(0.0, U(NameSpacing) - U(Halo));
            LabelPlacer& placer = placers_[i] = LabelPlacer(l_.plots[i].adjusted(-beside, 0, beside, 0));
            for (const PlacedLabel& label : l_.scaleLabels)
                placer.Block(label.box);
            for (const QRectF& legend : l_.legends)
                placer.Block(legend);
            const double half = U(SymbolSize) / 2;
            for (QPointF m : c_.plots[i].rowMarks)
                placer.Block(Square(l_.PointOf(i, m.x(), m.y()), U(RowMark)));
            for (const CurveMark& m : c_.plots[i].marks)
                placer.Block(Square(l_.PointOf(i, m.at.x(), m.at.y()), 2 * half * SymbolReach));
            if (c_.plots[i].beyond) {
                placer.Block(ArrowBox(i));
                BeyondTexts(i);
            }
            // Left to right, so that a name sits after the one before it.
            std::vector<CurveMark> marks = c_.plots[i].marks;
            std::sort(marks.begin(), marks.end(),
                      [](const CurveMark& a, const CurveMark& b) { return a.at.x() < b.at.x(); });
            for (const CurveMark& m : marks)
                MarkName(i, l_.PointOf(i, m.at.x(), m.at.y()), SymbolName(m.symbol));
        }
        return placers_;
    }

private:
    double U(double mm) const { return l_.device.Size(mm); }

    // A horizontal or vertical line `widthMm` wide; a hairline is a row or column of whole device pixels,
    // which fills many times faster than a stroked one.
    void Rule(QPointF a, QPointF b, const QColor& colour, double widthMm)
    {
        if (l_.device.pixelRules && l_.device.Hairline(U(widthMm) * p_.deviceTransform().m11())) {
            const InDevicePixels device(p_);
            const QPointF da = device.Map(a), db = device.Map(b);
            const QPointF from(std::floor(std::min(da.x(), db.x())), std::floor(std::min(da.y(), db.y())));
            const QPointF to(std::floor(std::max(da.x(), db.x())) + 1, std::floor(std::max(da.y(), db.y())) + 1);
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
        for (double x : l_.x.ticks)
            if (x > l_.x.from && x < l_.x.to)
                Rule(QPointF(l_.XOf(x), r.top()), QPointF(l_.XOf(x), r.bottom()), GridColour, GridWidth);
        for (double v : axis.ticks) {
            const double y = r.bottom() - axis.Along(v, r.height());
            if (v != axis.from && v != axis.to)
                Rule(QPointF(r.left(), y), QPointF(r.right(), y), v == 0 ? FrameColour : GridColour, GridWidth);
            Rule(QPointF(r.left() - U(TickLength), y), QPointF(r.left(), y), FrameColour, GridWidth);
        }
        Rule(r.topLeft(), r.topRight(), FrameColour, FrameWidth);
        Rule(r.bottomLeft(), r.bottomRight(), FrameColour, FrameWidth);
        Rule(r.topLeft(), r.bottomLeft(), FrameColour, FrameWidth);
        Rule(r.topRight(), r.bottomRight(), FrameColour, FrameWidth);
    }

    void XScale()
    {
        const QRectF& r = l_.plots.back();
        for (double v : l_.x.ticks) {
            const double x = l_.XOf(v);
            Rule(QPointF(x, r.bottom()), QPointF(x, r.bottom() + U(TickLength)), FrameColour, GridWidth);
        }
    }

    // The speed along the slip axis: its own line under the slip scale.
    void SpeedScale()
    {
        if (!l_.speedScale)
            return;
        const QRectF& r = l_.plots.back();
        Rule(QPointF(r.left(), l_.speedLine), QPointF(r.right(), l_.speedLine), FrameColour, GridWidth);
        for (double n : l_.speed.ticks) {
            const double x = l_.XOf(SlipOfSpeed(n, c_.synchronousSpeed));
            Rule(QPointF(x, l_.speedLine), QPointF(x, l_.speedLine + U(TickLength)), FrameColour, GridWidth);
        }
    }

    void Curves(int i)
    {
        const Plot& plot = c_.plots[i];
        p_.save();
        p_.setClipRect(l_.plots[i].adjusted(-U(CurveWidth), -U(CurveWidth), U(CurveWidth), U(CurveWidth)),
                       Qt::IntersectClip);
        for (const Curve& curve : plot.curves) {
            QPen pen = CurvePen(curve.quantity, l_.device.styleScale);
            // Each unbroken run of samples as one line.
            std::vector<QPolygonF> runs(1);
            for (std::size_t k = 0; k < curve.values.size(); ++k) {
                if (curve.values[k])
                    runs.back() << l_.PointOf(i, c_.xs[k], *curve.values[k]);
                else if (!runs.back().isEmpty())
                    runs.emplace_back();
            }
            for (const QPolygonF& run : runs) {
                if (!l_.device.splitStrokes) {
                    p_.setPen(pen);
                    p_.drawPolyline(run);
                    continue;
                }
                // A wide line is stroked far faster as short separate strokes, the dashes laid out
                // here; square ends close the joints.
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
        p_.setPen(QPen(Palette::Black, U(0.15)));
        p_.setBrush(Qt::white);
        for (QPointF m : plot.rowMarks)
            p_.drawEllipse(l_.PointOf(i, m.x(), m.y()), U(RowMark) / 2, U(RowMark) / 2);
        p_.setPen(Qt::NoPen);
        p_.setBrush(Palette::Vermillion);
        for (QPointF m : plot.measured)
            if (m.x() >= 0 && m.x() <= c_.xTo && m.y() >= plot.lowest && m.y() <= plot.highest)
                p_.drawEllipse(l_.PointOf(i, m.x(), m.y()), U(RowMark) * 0.8, U(RowMark) * 0.8);
        p_.setBrush(Qt::NoBrush);

        for (const CurveMark& m : plot.marks)
            PaintSymbol(p_, m.symbol, l_.PointOf(i, m.at.x(), m.at.y()), U(SymbolSize));
        if (plot.beyond) {
            const QRectF arrow = ArrowBox(i);
            const QPointF tip(arrow.right(), arrow.center().y());
            const QPointF back(U(ArrowLength), 0), side(0, U(ArrowLength) * 0.45);
            p_.setPen(QPen(Palette::Black, U(0.12)));
            p_.setBrush(SymbolColour(plot.beyond->symbol));
            p_.drawPolygon(QPolygonF{tip, tip - back + side, tip - back - side});
            p_.setBrush(Qt::NoBrush);
        }
    }

    // The arrow of a maximum beyond the x axis' end: at the plot's right edge at its value, or at the top where
    // the value lies above what the plot shows.
    QRectF ArrowBox(int i) const
    {
        const QRectF& r = l_.plots[i];
        const double y = std::clamp(r.bottom() - l_.axes[i].Along(c_.plots[i].beyond->value, r.height()), r.top(),
                                    r.bottom());
        const double half = U(ArrowLength) * 0.45;
        return {QPointF(r.right() - U(ArrowLength), y - half), QPointF(r.right(), y + half)};
    }

    // The value and slip of a maximum beyond the x axis' end, two lines left of its arrow: beside it, or as near
    // above or below it as leaves the curves clear; left out where nothing does.
    void BeyondTexts(int i)
    {
        const BeyondMark& b = *c_.plots[i].beyond;
        const QRectF& r = l_.plots[i];
        const QRectF arrow = ArrowBox(i);
        const double size = U(MarkNameSize), pad = U(Halo);
        const QSizeF value = type_.Size(b.valueText, size), slip = type_.Size(b.slipText, size);
        const QSizeF box(std::max(value.width(), slip.width()) + 2 * pad, value.height() + slip.height() + 2 * pad);
        const double right = arrow.left() - U(0.8) + pad;
        std::vector<QRectF> candidates;
        const double middle = arrow.center().y();
        candidates.push_back(QRectF(QPointF(right - box.width(), middle - box.height() / 2), box));
        for (double step = value.height() / 2; step < r.height(); step += value.height() / 2) {
            candidates.push_back(QRectF(QPointF(right - box.width(), arrow.bottom() + step - value.height()), box));
            candidates.push_back(
                QRectF(QPointF(right - box.width(), arrow.top() - step - box.height() + value.height()), box));
        }
        std::vector<QRectF> clear;
        for (const QRectF& c : candidates)
            if (!CrossesCurves(i, c))
                clear.push_back(c);
        const std::optional<QRectF> placed = placers_[i].Place(clear);
        if (!placed)
            return;
        const QRectF inner = placed->adjusted(pad, pad, -pad, -pad);
        const QRectF first(QPointF(inner.right() - value.width(), inner.top()), value);
        const QRectF second(QPointF(inner.right() - slip.width(), first.bottom()), slip);
        names_.push_back({b.valueText, first.adjusted(-pad, -pad, pad, 0), pad, size, false, Palette::Black});
        names_.push_back({b.slipText, second.adjusted(-pad, 0, pad, pad), 0, size, false, Palette::Black});
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
                const QPointF at = l_.PointOf(i, c_.xs[k], *curve.values[k]);
                // The samples run left to right: a stroke that ends left of the box misses it, and none
                // after one that starts right of it can reach it.
                if (previous && previous->x() > e.right)
                    break;
                if (previous && at.x() >= e.left && ClipLine(QLineF(*previous, at), e))
                    return true;
                previous = at;
            }
        }
        return false;
    }

    // A symbol's name beside it, inside its plot, clear of the names and symbols there; nearer its own
    // symbol than any other, and clear of the curves where there is such a place.
    void MarkName(int i, QPointF at, const QString& name)
    {
        const double off = U(SymbolSize / 2 + 2 * Halo);
        const double pad = U(Halo);
        const double space = U(NameSpacing); // two names side by side must not read as one
        static constexpr struct {
            int x, y; // -1 left or above, 0 centred, 1 right or below
        } sides[] = {{1, -1}, {0, -1}, {-1, -1}, {1, 1}, {0, 1}, {-1, 1}};
        std::vector<QRectF> clear;
        for (double distance : {off, FartherOut * off})
            for (const auto& side : sides) {
                const Qt::Alignment align = (side.x > 0       ? Qt::AlignLeft
                                                 : side.x < 0 ? Qt::AlignRight
                                                              : Qt::AlignHCenter) |
                    (side.y > 0 ? Qt::AlignTop : Qt::AlignBottom);
                const QRectF text = type_.Measure(at + QPointF(side.x * distance, side.y * distance), name,
                                                  U(MarkNameSize), align);
                const QRectF box = text.adjusted(-space, -pad, space, pad);
                // A name nearer another symbol than its own would name that one.
                const double own = QLineF(text.center(), at).length();
                bool nearest = true;
                for (const CurveMark& m : c_.plots[i].marks) {
                    const QPointF other = l_.PointOf(i, m.at.x(), m.at.y());
                    if (other != at && QLineF(text.center(), other).length() < own)
                        nearest = false;
                }
                if (!nearest)
                    continue;
                if (!CrossesCurves(i, text.adjusted(-pad, -pad, pad, pad)))
                    clear.push_back(box);
            }
        // Never over a curve: a name that has no room clear of them is left out, the symbol says it, as
        // in the diagram's box.
        std::optional<QRectF> placed = placers_[i].Place(clear);
        if (placed)
            names_.push_back(
                {name, placed->adjusted(space - pad, 0, pad - space, 0), pad, U(MarkNameSize), false, Palette::Black});
    }

    void Legend(int i)
    {
        const Plot& plot = c_.plots[i];
        const QRectF& r = l_.plots[i];
        const bool shortForm = LegendWidth(type_, plot, false, l_.device.styleScale) > r.width();
        double x = r.left();
        const double y = r.top() - U(LineGap);
        for (const Curve& curve : plot.curves) {
            const QString& text = shortForm ? curve.shortLegend : curve.legend;
            const QRectF box = type_.Measure(QPointF(x + U(LegendSample + LabelGap), y), text, U(LegendSize),
                                             Qt::AlignLeft | Qt::AlignBottom);
            QPen pen = CurvePen(curve.quantity, l_.device.styleScale);
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
    std::array<LabelPlacer, PlotCount> placers_;
    std::vector<PlacedLabel> names_; // the symbols' names and the arrows' values
};

// ---- The page ----

constexpr double PageMarginMm = 10;
constexpr double PageInset = 4;    // mm inside the frame
constexpr double HeaderHeight = 9; // mm
constexpr double InputsHeight = 6; // mm, the band with the motor's inputs under the header
constexpr double TableSize = 2.4;  // mm, the table's text
constexpr double MinTableSize = 1.6;
constexpr double TableShare = 0.5; // of the frame's width at most
constexpr double ColumnGap = 3.2;
constexpr double MaxRowPitch = 6.4;
constexpr double CurvesUnit = 1.0;
const TranslatedText PageTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Provozní charakteristiky asynchronního motoru")};
const TranslatedText TableTitle{QT_TRANSLATE_NOOP("DiagramTexts", "Provozní charakteristiky")};
const TranslatedText OutputPageTitle{
    QT_TRANSLATE_NOOP("DiagramTexts", "Pracovní charakteristiky asynchronního motoru")};

// The widths of the table's columns; its header row and the row `bold` are set in bold.
std::vector<double> ColumnWidths(Typesetter& type, const WideGridRows& table, double size, std::size_t bold)
{
    std::vector<double> widths;
    for (std::size_t r = 0; r < table.size(); ++r)
        for (std::size_t col = 0; col < table[r].size(); ++col) {
            if (widths.size() <= col)
                widths.resize(col + 1, 0);
            const QString text = QString::fromStdString(table[r][col]);
            widths[col] = std::max(widths[col],
                                   type.Measure({}, text, size, Qt::AlignLeft, r == 0 || r == bold).width());
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

// The operating table, right-aligned numbers under their captions, in `r`; the row `bold` in bold.
void PaintTable(QPainter& p, const WideGridRows& table, const QRectF& r, double size, std::size_t bold)
{
    Typesetter type(p, DevicePolicy::Paper());
    const std::vector<double> widths = ColumnWidths(type, table, size, bold);
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
                      header || row == bold);
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
    // The colour of the quantity's characteristic point on the diagram; the current as the circle, the
    // slip as the slip scale.
    switch (q) {
    case Quantity::Torque: return SymbolColour(Symbol::Triangle);
    case Quantity::Current: return Palette::Blue;
    case Quantity::Slip: return Palette::Orange;
    case Quantity::Output: return SymbolColour(Symbol::Square);
    case Quantity::PowerFactor: return SymbolColour(Symbol::Diamond);
    case Quantity::Efficiency: break;
    }
    return SymbolColour(Symbol::Circle);
}

double CurvesLayout::XOf(double v) const
{
    const QRectF& r = plots.front();
    return r.left() + x.Along(v, r.width());
}

QPointF CurvesLayout::PointOf(int plot, double v, double value) const
{
    const QRectF& r = plots[plot];
    return {XOf(v), r.bottom() - axes[plot].Along(value, r.height())};
}

std::optional<double> CurvesLayout::XAt(double px) const
{
    const QRectF& r = plots.front();
    const double reach = 2 * device.styleScale; // the pointer need not hit the ends exactly
    if (!(r.width() > 0) || px < r.left() - reach || px > r.right() + reach)
        return std::nullopt;
    return x.from + std::clamp((px - r.left()) / r.width(), 0.0, 1.0) * (x.to - x.from);
}

CurvesLayout LayOutCurves(QPainter& p, const CurveSet& c, const QRectF& area, const DevicePolicy& device)
{
    CurvesLayout l;
    l.device = device;
    const double unit = device.styleScale;
    Typesetter type(p, device);
    auto u = [unit](double mm) { return mm * unit; };
    const double tickHeight = type.Measure({}, QStringLiteral("0"), u(TickLabelSize), Qt::AlignLeft).height();
    const double titleHeight = type.Measure({}, SpeedTitle, u(TitleSize), Qt::AlignLeft).height();
    const double legendHeight = type.Measure({}, SlipTitle, u(LegendSize), Qt::AlignLeft).height();

    // Against slip the speed has a scale of its own under the slip's.
    l.speedScale = c.axis == CurvesAxis::Slip;
    const double speedRows = l.speedScale ? u(2 * LabelGap) + u(TickLength + LabelGap) + tickHeight : 0;
    const double below = u(TickLength + LabelGap) + tickHeight + speedRows + u(LabelGap) + titleHeight;
    const double perPlot = legendHeight + u(LineGap);
    const double height = std::max(
        0.0, (area.height() - below - PlotCount * perPlot - (PlotCount - 1) * u(PlotGap)) / PlotCount);

    // Labels closer together, down to one label's height apart, where a low plot would have fewer than
    // three.
    constexpr std::size_t MinimumTicks = 3;
    constexpr double Closer = 0.1;
    for (int i = 0; i < PlotCount; ++i)
        for (double spacing = MinLabelSpacing; spacing > 1 - Closer / 2; spacing -= Closer) {
            l.axes[i] = ValueAxis(
                c.plots[i], height,
                std::clamp(height / LabelsPerPlot, spacing * tickHeight, MaxLabelSpacing * tickHeight));
            if (l.axes[i].ticks.size() >= MinimumTicks)
                break;
        }
    double labels = 0;
    for (int i = 0; i < PlotCount; ++i)
        for (double v : l.axes[i].ticks)
            labels = std::max(labels,
                              type.Measure({}, TickText(v, l.axes[i].step), u(TickLabelSize), Qt::AlignLeft).width());
    const double left = area.left() + labels + u(LabelGap + TickLength) + u(Halo);
    // The last x and speed labels are centred on the right end.
    const double right = area.right() - std::max(u(RightPadding), tickHeight);
    const double width = std::max(0.0, right - left);

    double top = area.top();
    for (int i = 0; i < PlotCount; ++i) {
        top += perPlot;
        l.plots[i] = QRectF(left, top, width, height);
        top += height + u(PlotGap);
    }
    l.xLabels = l.plots.back().bottom() + u(TickLength + LabelGap);
    l.speedLine = l.xLabels + tickHeight + u(2 * LabelGap);
    l.speedLabels = l.speedLine + u(TickLength + LabelGap);
    l.titles = (l.speedScale ? l.speedLabels : l.xLabels) + tickHeight + u(LabelGap);
    if (l.speedScale) {
        const double slipLabel = type.Measure({}, QStringLiteral("0,5"), u(TickLabelSize), Qt::AlignLeft).width();
        l.x = SlipAxis(width, MinLabelSpacing * slipLabel);
        const double speedLabel =
            type.Measure({}, TickText(c.synchronousSpeed, Series{1, 0}), u(TickLabelSize), Qt::AlignLeft).width();
        l.speed = SpeedAxis(c.synchronousSpeed, width, SpeedLabelSpacing * speedLabel);
    } else {
        const double outputLabel =
            type.Measure({}, TickText(c.xTo, Series{1, -1}), u(TickLabelSize), Qt::AlignLeft).width();
        l.x = OutputAxis(c.xTo, width, SpeedLabelSpacing * outputLabel);
    }

    // The scales' texts where the painting sets them.
    auto label = [&](QPointF anchor, const QString& text, double size, Qt::Alignment align) {
        const QRectF box = type.Measure(anchor, text, size, align);
        l.scaleLabels.push_back({text, box, 0, size, false, Palette::Black});
        return box;
    };
    for (int i = 0; i < PlotCount; ++i) {
        const QRectF& r = l.plots[i];
        for (double v : l.axes[i].ticks)
            label(QPointF(r.left() - u(TickLength + LabelGap), r.bottom() - l.axes[i].Along(v, r.height())),
                  TickText(v, l.axes[i].step), u(TickLabelSize), Qt::AlignRight | Qt::AlignVCenter);
        const bool shortForm = LegendWidth(type, c.plots[i], false, unit) > r.width();
        l.legends[i] = QRectF(r.left(), r.top() - u(LineGap) - legendHeight,
                              LegendWidth(type, c.plots[i], shortForm, unit), legendHeight);
    }
    for (double v : l.x.ticks)
        label(QPointF(l.XOf(v), l.xLabels),
              l.speedScale ? SlipDivisionText(static_cast<int>(std::lround(v * SlipCount))) : TickText(v, l.x.step),
              u(TickLabelSize), Qt::AlignHCenter | Qt::AlignTop);
    if (!l.speedScale) {
        label(QPointF(left, l.titles), OutputTitle, u(TitleSize), Qt::AlignLeft | Qt::AlignTop);
        return l;
    }
    for (double n : l.speed.ticks)
        label(QPointF(l.XOf(SlipOfSpeed(n, c.synchronousSpeed)), l.speedLabels), TickText(n, l.speed.step),
              u(TickLabelSize), Qt::AlignHCenter | Qt::AlignTop);
    const QRectF slipTitle = label(QPointF(left, l.titles), SlipTitle, u(TitleSize), Qt::AlignLeft | Qt::AlignTop);
    // In a very narrow panel the slip's title alone.
    const QRectF speedTitle = type.Measure(QPointF(left + width, l.titles), SpeedTitle, u(TitleSize),
                                           Qt::AlignRight | Qt::AlignTop);
    if (speedTitle.left() > slipTitle.right() + u(LegendSpacing))
        label(speedTitle.topRight(), SpeedTitle, u(TitleSize), Qt::AlignRight | Qt::AlignTop);
    return l;
}

std::array<LabelPlacer, PlotCount> PlaceCurvesLabels(QPainter& p, const CurveSet& c, const CurvesLayout& l)
{
    return CurvesPainting(p, c, l).Place();
}

void PaintCurves(QPainter& p, const CurveSet& c, const CurvesLayout& l)
{
    if (!(l.plots.front().width() > 0) || !(l.plots.front().height() > 0))
        return;
    CurvesPainting(p, c, l).Run();
}

void PaintCurvesMarker(QPainter& p, const CurveSet& c, const CurvesLayout& l, const OperatingPoint& at)
{
    const std::optional<double> along = XOfPoint(c, at);
    if (!along)
        return;
    const double s = static_cast<double>(*at.slip);
    const double x = l.XOf(*along);
    const double u = l.device.styleScale;
    const QRectF column = l.Column();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (l.device.pixelRules) {
        const InDevicePixels device(p);
        const QRectF line = device.Map(QRectF(x, column.top(), 0, column.height()));
        p.fillRect(QRectF(std::floor(line.left()), line.top(), 1, line.height()), Palette::Black);
    } else {
        p.setPen(QPen(Palette::Black, MarkerWidth * u));
        p.drawLine(QPointF(x, column.top()), QPointF(x, column.bottom()));
    }
    for (int i = 0; i < PlotCount; ++i)
        for (const Curve& curve : c.plots[i].curves)
            if (const std::optional<double> v = ValueOf(at, curve.quantity)) {
                p.setPen(QPen(Qt::white, 0.3 * u));
                p.setBrush(CurveColour(curve.quantity));
                p.drawEllipse(l.PointOf(i, *along, *v), MarkerDot * u / 2, MarkerDot * u / 2);
            }
    p.setBrush(Qt::NoBrush);

    // The slip and the speed (against output: the output and the slip) in one box on the titles' row,
    // or over the plots, where it covers none of the scales' texts.
    Typesetter type(p, l.device);
    const QString text = c.axis == CurvesAxis::Slip
        ? QStringLiteral("s = ") + ValueText(at.slip) + QStringLiteral("; n = ") +
            TickText((1 - s) * c.synchronousSpeed, Series{1, 0}) + QStringLiteral(" 1/min")
        : QStringLiteral("P2 = ") + ValueText(at.output, "W") + QStringLiteral("; s = ") + ValueText(at.slip);
    const double size = TickLabelSize * u;
    const double pad = 2 * Halo * u;
    const QSizeF box = type.Size(text, size) + QSizeF(2 * pad, pad);
    QRectF area = column.united(QRectF(column.left(), l.titles, column.width(), box.height()));
    for (const PlacedLabel& label : l.scaleLabels)
        area = area.united(label.box);
    for (const QRectF& legend : l.legends)
        area = area.united(legend);
    LabelPlacer placer(area);
    for (const PlacedLabel& label : l.scaleLabels)
        placer.Block(label.box);
    for (const QRectF& legend : l.legends)
        placer.Block(legend);
    std::vector<QRectF> candidates;
    const double slide = u;
    for (double top : {l.titles, l.legends.front().top()})
        for (double k = 0; k * slide < column.width(); ++k)
            for (double sign : {-1.0, 1.0}) {
                const double left = std::clamp(x - box.width() / 2 + sign * k * slide, column.left(),
                                               column.right() - box.width());
                candidates.push_back(QRectF(QPointF(left, top), box));
            }
    if (const std::optional<QRectF> placed = placer.Place(candidates)) {
        p.setPen(QPen(Palette::Black, 0.15 * u));
        p.setBrush(Qt::white);
        p.drawRect(*placed);
        type.DrawIn(placed->adjusted(pad, pad / 2, -pad, -pad / 2), text, size, false, Palette::Black, false);
    }
    p.restore();
}

void PaintCurvesPoint(QPainter& p, const CurveSet& c, const CurvesLayout& l, const OperatingPoint& at)
{
    const std::optional<double> along = XOfPoint(c, at);
    if (!along)
        return;
    const double x = l.XOf(*along);
    const double u = l.device.styleScale;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Palette::Black, l.device.pixelRules ? 1.0 : PointLineWidth * u);
    pen.setDashPattern(PointLineDashes);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    // A one-pixel line on the middle of a pixel, so that it stays sharp.
    const double at_x = l.device.pixelRules ? std::floor(x) + 0.5 : x;
    for (const QRectF& plot : l.plots)
        p.drawLine(QPointF(at_x, plot.top()), QPointF(at_x, plot.bottom()));
    p.setPen(QPen(Palette::Black, 0.25 * u));
    p.setBrush(Qt::white);
    for (int i = 0; i < PlotCount; ++i)
        for (const Curve& curve : c.plots[i].curves)
            if (const std::optional<double> v = ValueOf(at, curve.quantity))
                p.drawEllipse(l.PointOf(i, *along, *v), MarkerDot * u / 2, MarkerDot * u / 2);
    p.restore();
}

namespace {

// The frame, the title and the inputs' line of a curves page; the area left under them.
QRectF PaintPageFrame(QPainter& p, const QString& title, const QString& inputs, QSizeF pageMm)
{
    const QRectF frame(QPointF(PageMarginMm, PageMarginMm), pageMm - QSizeF(2 * PageMarginMm, 2 * PageMarginMm));
    const double header = HeaderHeight + InputsHeight;
    p.fillRect(QRectF(QPointF(0, 0), pageMm), Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::Black, 0.35));
    p.drawRect(frame);
    p.setPen(QPen(Palette::Black, 0.18));
    p.drawLine(frame.topLeft() + QPointF(0, HeaderHeight), frame.topRight() + QPointF(0, HeaderHeight));
    p.drawLine(frame.topLeft() + QPointF(0, header), frame.topRight() + QPointF(0, header));
    p.restore();
    Typesetter type(p, DevicePolicy::Paper());
    type.Draw(frame.topLeft() + QPointF(3, HeaderHeight / 2), title, 3.4, Qt::AlignLeft | Qt::AlignVCenter, true);
    // The motor's inputs on one line, smaller where the paper is narrow.
    const QString line = Tr(QT_TRANSLATE_NOOP("DiagramTexts", "Vstupní hodnoty: %1")).arg(inputs);
    const double room = frame.width() - 6;
    const double inputsSize = std::min(TableSize, TableSize * room / type.Size(line, TableSize).width());
    type.Draw(frame.topLeft() + QPointF(3, HeaderHeight + InputsHeight / 2), line, inputsSize,
              Qt::AlignLeft | Qt::AlignVCenter);
    return frame.adjusted(PageInset, header + PageInset, -PageInset, -PageInset);
}

} // namespace

void PaintOutputCurvesPage(QPainter& p, const CurveSet& c, const QString& inputs, QSizeF pageMm,
                           const std::optional<OperatingPoint>& point)
{
    const QRectF body = PaintPageFrame(p, OutputPageTitle, inputs, pageMm);
    const CurvesLayout l = LayOutCurves(p, c, body, DevicePolicy::Paper(CurvesUnit));
    PaintCurves(p, c, l);
    if (point)
        PaintCurvesPoint(p, c, l, *point);
}

void PaintCurvesPage(QPainter& p, const CurveSet& c, const WideGridRows& table, const QString& inputs, QSizeF pageMm,
                     const std::optional<OperatingPoint>& point)
{
    const QRectF body = PaintPageFrame(p, PageTitle, inputs, pageMm);
    WideGridRows rows = table;
    if (point)
        rows.push_back(OperatingRow(*point));
    const std::size_t bold = point ? rows.size() - 1 : 0; // the header's row is bold anyway
    Typesetter type(p, DevicePolicy::Paper());
    double size = TableSize;
    double tableWidth = Sum(ColumnWidths(type, rows, size, bold), ColumnGap) - ColumnGap;
    if (tableWidth > TableShare * body.width()) {
        size = std::max(MinTableSize, size * TableShare * body.width() / tableWidth);
        tableWidth = Sum(ColumnWidths(type, rows, size, bold), ColumnGap) - ColumnGap;
    }
    const QRectF tableArea(body.right() - tableWidth, body.top(), tableWidth, body.height());
    PaintTable(p, rows, tableArea, size, bold);

    const QRectF curvesArea(body.left(), body.top(), body.width() - tableWidth - 2 * PageInset, body.height());
    const CurvesLayout l = LayOutCurves(p, c, curvesArea, DevicePolicy::Paper(CurvesUnit));
    PaintCurves(p, c, l);
    if (point)
        PaintCurvesPoint(p, c, l, *point);
}

} // namespace diagram
