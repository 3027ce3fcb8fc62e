// What the circle diagram consists of and where it goes on paper, in amperes and millimetres; no pixels.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "Characteristic.h"
#include "CircuitLocus.h"
#include "Konstrukce.h"
#include "OperatingPointDrawing.h"
#include "PageChoices.h"

namespace diagram {

// A box in the diagram's own coordinates (amperes, y up), or in millimetres with y up.
struct Extent {
    double left = 0, bottom = 0, right = 0, top = 0;

    static Extent Around(QPointF p) { return {p.x(), p.y(), p.x(), p.y()}; }
    void Include(QPointF p);
    void Include(const Extent& e);
    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    QPointF Centre() const { return {(left + right) / 2, (bottom + top) / 2}; }
    bool Contains(QPointF p) const { return p.x() >= left && p.x() <= right && p.y() >= bottom && p.y() <= top; }
};

// The construction's named points, in the order the diagram labels them.
enum class Named { O, Ao, Ak, T, M, S, AInf };
constexpr int NamedCount = 7;

struct LabelledPoint {
    QString name;
    QPointF at;             // A
    QPointF labelDirection; // unit vector from the point to where its name stands
};

// The characteristic points, each with a symbol of its own.
enum class Symbol { Triangle, Square, Diamond, Circle, InvertedTriangle };
// The name a characteristic point is labelled with: "Mmax", "P2max", "cos φmax", "ηmax", "P1max".
QString SymbolName(Symbol symbol);

struct CharacteristicMark {
    Symbol symbol;
    QPointF at;
    double slip;
    std::optional<QLineF> construction; // its tangent, or the line from O or T′ that finds it
};

// Everything the diagram draws, in amperes, straight from the record and the characteristic points.
struct Scene {
    std::array<LabelledPoint, NamedCount> points;
    QPointF centre; // S
    double radius = 0;
    // The arc from Ao (angle π about S, counter-clockwise from the x axis) clockwise through Ak to A∞.
    double arcEnd = 0;                                  // the angle of A∞, in (−π, π)
    QLineF diameter;                                    // the horizontal diameter from Ao through S
    QLineF powerLine;                                   // Ao–Ak
    std::optional<QPointF> efficiencyPole;              // T′, where the power line meets the x axis
    QLineF bisector;                                    // the perpendicular bisector of Ao–Ak, from beyond M to S
    QLineF torqueLine;                                  // Ao–A∞
    QLineF slipLine;                                    // P (slip 0) – Q (slip 1)
    std::array<QPointF, SlipCount + 1> divisions;       // the slip line's divisions: P, then the record's 1..20
    std::array<QPointF, SlipCount + 1> operatingPoints; // the table's points on the circle; entry 0 unused
    std::vector<CharacteristicMark> characteristic;
    std::optional<PointConstruction> operatingPoint; // the point asked for, if any
    std::optional<CircuitLocus> circuit;             // the equivalent circuit's locus, when shown
    std::vector<QPointF> loadPoints;                 // the load test's points, A
    // What the page must hold: the whole construction. O, Ao, Ak, T, S, A∞, the slip line, the
    // operating points, the arc from Ao through Ak to A∞ and every characteristic point on it.
    Extent workingRegion;

    const LabelledPoint& Point(Named n) const { return points[static_cast<int>(n)]; }
};

// The scene of record `k` with the characteristic points `c` and, where given, an operating point solved
// on it (it lies in the working region already: on the arc, below it and on the slip scale).
Scene BuildScene(const TKonstrukce& k, const CharacteristicPoints& c,
                 const std::optional<PointValues>& point = std::nullopt);

// A record's point in amperes, and whether a point has both coordinates finite.
QPointF At(const ::Point& p);
bool Finite(QPointF p);

// The point of the circle at `angle` (radians about the centre, y up).
QPointF OnCircle(const Scene& s, double angle);
QPointF OnCircle(QPointF centre, double radius, double angle);

// ---- Paper ----

QSizeF PortraitSizeMm(Paper paper);
QString PaperName(Paper paper);

constexpr double PageMargin = 10;                  // mm round the frame
constexpr QSizeF TitleBlockSize(182, 62);          // mm, in the frame's bottom-right corner
constexpr QSizeF NarrowTitleBlockSize(112, 116.5); // mm: the same content in one column
// On small paper (A5, Letter) a compact block, one column without the characteristic values (the
// second page has them): the inputs, the scales, the torque line, the paper and scale, the fields.
constexpr QSizeF CompactTitleBlockSize(112, 78.5);
bool CompactPaper(std::optional<Paper> paper);
// The block "Pracovní bod" of an operating point joins the title block: a column on its left, or else
// a band on its top in three columns of four values (the narrow form: two of six).
constexpr double PointColumnWidth = 58;               // mm
constexpr double PointBlockHeight = 22;               // mm
constexpr double NarrowPointBlockHeight = 30;         // mm
constexpr double TitleBlockGap = 4;                   // mm between the drawing and the title block
constexpr double MinimumAcross = 100;                 // mm the working region spans at least on paper
constexpr double PaddingLeft = 16, PaddingRight = 12; // mm beside the working region: tick labels,
constexpr double PaddingTop = 10, PaddingBottom = 14; // axis titles, arrows and point names

// Where the diagram stands on one page, in millimetres from the page's top-left corner (y down).
struct PageLayout {
    QSizeF page;                // mm, as it lies (landscape: wider than high)
    std::optional<Paper> paper; // ISO size, when it is one
    bool landscape = false;
    Scale scale;
    QRectF frame;                     // the page inside its margins: the drawing is clipped to it
    QRectF titleBlock;                // kept free of the drawing; with the operating point's block where there is one
    std::optional<QRectF> pointBlock; // that block: the left or the top part of titleBlock
    QRectF drawing;                   // the working region with room for its axes and labels
    QPointF origin;                   // O

    QPointF ToPage(QPointF amps) const;
    QPointF ToAmps(QPointF mm) const;
    Extent InAmps(const QRectF& mm) const;
    Extent FrameInAmps() const { return InAmps(frame); }
    Extent TitleBlockInAmps() const { return InAmps(titleBlock); }
};

// The title block on a frame `frameWidth` wide: the wide form where it fits, else the narrow one,
// shrunk where even that is too wide.
QSizeF TitleBlockSizeFor(double frameWidth);

// The layout on a page of `pageMm` (as it lies) at `scale`, or nothing when the working region and the
// title block do not both fit inside the margins. The scene's operating point does not change the
// layout: its block takes room the drawing leaves beside the title block, and only where there is
// none does this scale fail.
std::optional<PageLayout> FitOnPage(const Scene& s, Scale scale, QSizeF pageMm);

// What the user asks of the page: the paper and a scale, or the automatic one.
struct PageChoice {
    Paper paper = Paper::A4;
    std::optional<Scale> scale;
    friend bool operator==(const PageChoice&, const PageChoice&) = default;
};

// The page rule on paper of `paperMm` (either way round): 1 A = 1 mm where the working region and the
// title block fit, otherwise the finest scale of the 1-2-5 series that fits; finer than 1 A = 1 mm
// while the working region would be under 100 mm across. Landscape unless portrait gives a finer
// scale. With `forced`, that scale, landscape where it fits. Nothing when the paper cannot hold it.
std::optional<PageLayout> LayoutOnPaper(const Scene& s, QSizeF paperMm, std::optional<Scale> forced = std::nullopt);

// The same rule on the ISO paper of `choice`; the default page is A4 at the automatic scale.
std::optional<PageLayout> ChoosePage(const Scene& s, const PageChoice& choice = {});

// ---- Clipping ----

// The part of `line` inside `box`, or nothing.
std::optional<QLineF> ClipLine(const QLineF& line, const Extent& box);

// The parts of the arc from angle `from` to angle `to` (either direction) of the circle that lie
// inside `box` and outside `hole`, as angle pairs in the arc's direction.
std::vector<std::pair<double, double>> VisibleArcs(QPointF centre, double radius, double from, double to,
                                                   const Extent& box, const std::optional<Extent>& hole);

// True when `p` is inside `box` and not inside `hole`.
bool Visible(QPointF p, const Extent& box, const std::optional<Extent>& hole);

// Where the ray from `inside` towards `p` leaves the visible area (inside `box`, outside `hole`): the
// place of the name of a point that lies off the page. `inside` must itself be visible.
QPointF EdgePoint(QPointF inside, QPointF p, const Extent& box, const std::optional<Extent>& hole);

// ---- Axes ----

// The 1-2-5 step of the axes' tick labels that stands at least `minimumMm` apart at `scale`.
Series TickStep(Scale scale, double minimumMm);

// The ticks of one axis from `from` to `to` (A): multiples of `step`, zero left out.
std::vector<double> Ticks(double from, double to, Series step);

// The span of both axes: the working region with the points drawn beside it (S, A∞, T′) that lie in
// `visible`, and O.
Extent AxisExtent(const Scene& s, const Extent& visible, const std::optional<Extent>& hole);

// ---- Screen ----

// How a drawing of `drawingMm` fits a view: pixels per millimetre and the millimetre point at the
// view's top-left.
struct ViewFit {
    double pixelsPerMm = 1;
    QPointF topLeftMm;
};

// A box the view draws in one of its corners over the drawing: its full size and its title line alone.
enum class ViewCorner { TopLeft, BottomRight };
struct CornerBox {
    ViewCorner corner = ViewCorner::BottomRight;
    QSizeF full;          // px, expanded
    QSizeF title;         // px, collapsed to its title line
    bool expanded = true; // as the user wants it
    bool forced = false;  // expanded by the user at a size where it does not fit: kept expanded
};

// The drawing fitted into what the view's corner boxes leave free, and the boxes as they stand: a box
// the user wants expanded collapses to its title line where the drawing would otherwise shrink below
// `MinimumShareOfFit` of the size it has with that box collapsed.
struct ViewArrangement {
    ViewFit fit;
    std::vector<QRectF> boxes; // px, in the order given
    std::vector<bool> expanded;
    QRectF drawingPx;     // where the fitted drawing stands
    bool crowded = false; // no room beside even the title lines: the drawing fills the view under them
};
constexpr double MinimumShareOfFit = 0.7;
ViewArrangement ArrangeView(QSizeF viewPx, const QRectF& drawingMm, const std::vector<CornerBox>& boxes,
                            double marginPx, double boxMarginPx);

// The construction as polylines in amperes: the arc from Ao through Ak to A∞, its lines, the slip scale,
// the characteristic points' constructions and a small cross at each named and characteristic point; what
// no readout box may cover.
std::vector<std::vector<QPointF>> ConstructionInk(const Scene& s);
// What a view keeps clear of its boxes, in page millimetres: the drawing with its labels' room, and
// whatever of the construction reaches beyond it (a long diameter, a tangent).
QRectF InkRectMm(const Scene& s, const PageLayout& l);

} // namespace diagram
