// What the circle diagram consists of and where it goes on paper, in amperes and millimetres; no pixels.
#include "DiagramGeometry.h"

#include <algorithm>
#include <cmath>

#include "DrawingConstants.h"

namespace diagram {

QPointF At(const ::Point& p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

bool Finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

namespace {

constexpr double Tolerance = 1e-9; // relative: rounding of the record's own values
constexpr int ExponentLimit = SeriesExponentLimit;
constexpr double TangentHalfLength = 0.3; // of the radius, each side of a tangent point

double Length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

// The line through `p` along `direction`, `half` long each side.
QLineF Through(QPointF p, QPointF direction, double half)
{
    const QPointF d = Unit(direction) * half;
    return {p - d, p + d};
}

// Liang–Barsky: the parameter range of p0 + t·d (t in [t0, t1]) inside the box; false when none.
bool ClipRange(QPointF p0, QPointF d, const Extent& box, double& t0, double& t1)
{
    const double p[4] = {-d.x(), d.x(), -d.y(), d.y()};
    const double q[4] = {p0.x() - box.left, box.right - p0.x(), p0.y() - box.bottom, box.top - p0.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1)
            return false;
    }
    return true;
}

bool StrictlyInside(QPointF p, const Extent& e)
{
    return p.x() > e.left && p.x() < e.right && p.y() > e.bottom && p.y() < e.top;
}

// Angles where the circle crosses the lines that carry the box's edges.
void EdgeCrossings(QPointF c, double r, const Extent& box, std::vector<double>& angles)
{
    for (double x : {box.left, box.right}) {
        const double cosine = (x - c.x()) / r;
        if (std::abs(cosine) <= 1) {
            angles.push_back(std::acos(cosine));
            angles.push_back(-std::acos(cosine));
        }
    }
    for (double y : {box.bottom, box.top}) {
        const double sine = (y - c.y()) / r;
        if (std::abs(sine) <= 1) {
            angles.push_back(std::asin(sine));
            angles.push_back(Pi - std::asin(sine));
        }
    }
}

std::optional<Paper> PaperOfSize(QSizeF mm)
{
    constexpr double Slack = 1; // mm: printer drivers round paper sizes
    for (Paper p : AllPapers) {
        const QSizeF size = PortraitSizeMm(p);
        for (const QSizeF s : {size, size.transposed()})
            if (std::abs(s.width() - mm.width()) <= Slack && std::abs(s.height() - mm.height()) <= Slack)
                return p;
    }
    return std::nullopt;
}

// The operating point's block joined to the title block where the frame has room for it clear of the
// drawing: a column on its left, else a band on its top; false where neither fits.
bool PlacePointBlock(PageLayout& l)
{
    const QRectF& t = l.titleBlock;
    const double shrink = t.width() < NarrowTitleBlockSize.width() ? t.width() / NarrowTitleBlockSize.width() : 1;
    const double band = (t.width() >= TitleBlockSize.width() ? PointBlockHeight : NarrowPointBlockHeight) * shrink;
    const QRectF column(t.left() - PointColumnWidth, t.top(), PointColumnWidth, t.height());
    const QRectF top(t.left(), t.top() - band, t.width(), band);
    const QRectF clear = l.drawing.adjusted(0, 0, TitleBlockGap, TitleBlockGap);
    for (const QRectF& block : {column, top})
        if (l.frame.contains(block) && !block.intersects(clear)) {
            l.pointBlock = block;
            l.titleBlock = t.united(block);
            return true;
        }
    return false;
}

// The default scale and the finer ones a small working region needs.
Scale StartingScale(const Scene& s)
{
    Scale scale;
    const double across = std::max(s.workingRegion.Width(), s.workingRegion.Height());
    while (across / scale.Value() < MinimumAcross && scale.exponent > -ExponentLimit)
        scale = scale.Previous();
    return scale;
}

// The page rule on one orientation of the paper.
std::optional<PageLayout> OnPaper(const Scene& s, QSizeF pageMm, std::optional<Scale> forced)
{
    if (forced)
        return FitOnPage(s, *forced, pageMm);
    for (Scale scale = StartingScale(s); scale.exponent <= ExponentLimit; scale = scale.Next())
        if (std::optional<PageLayout> l = FitOnPage(s, scale, pageMm))
            return l;
    return std::nullopt;
}

} // namespace

// ---- Extent ----

void Extent::Include(QPointF p)
{
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    bottom = std::min(bottom, p.y());
    top = std::max(top, p.y());
}

void Extent::Include(const Extent& e)
{
    Include(QPointF(e.left, e.bottom));
    Include(QPointF(e.right, e.top));
}

// ---- Scene ----

Scene BuildScene(const TKonstrukce& k, const CharacteristicPoints& c, const std::optional<PointValues>& point)
{
    Scene s;
    const QPointF ao = At(k.Ao);
    const QPointF ak = At(k.Ak);
    const QPointF t = At(k.BodPomeru);
    const QPointF m = At(k.StredPrimky);
    s.centre = QPointF(static_cast<double>(k.StredKruznice.x), ao.y());
    s.radius = static_cast<double>(k.Polomer);
    const QPointF aInf = At(k.AInf);

    const QPointF powerDirection = Unit(ak - ao);
    const QPointF beyondM = Unit(m - s.centre); // the bisector, from S out through M
    auto radial = [&s](QPointF p) { return Unit(p - s.centre); };
    s.points = {{
        {QStringLiteral("O"), QPointF(0, 0), Unit(QPointF(-1, -1))},
        {QStringLiteral("Ao"), ao, Unit(QPointF(-0.8, 0.6))},
        {QStringLiteral("Ak"), ak, radial(ak)},
        {QStringLiteral("T"), t, QPointF(1, 0)},
        {QStringLiteral("M"), m, Unit(powerDirection + beyondM)}, // between the power line and the bisector
        {QStringLiteral("S"), s.centre, Unit(QPointF(0.7, 0.7))}, // above the diameter, right of the bisector
        {QStringLiteral("A∞"), aInf, radial(aInf)},
    }};

    s.arcEnd = std::atan2(aInf.y() - s.centre.y(), aInf.x() - s.centre.x());
    s.diameter = QLineF(ao, s.centre + QPointF(s.radius, 0));
    s.powerLine = QLineF(ao, ak);
    if (c.efficiencyPole && Finite(At(*c.efficiencyPole)))
        s.efficiencyPole = At(*c.efficiencyPole);
    s.bisector = QLineF(s.centre, m + (m - s.centre) * 0.25);
    s.torqueLine = QLineF(ao, aInf);
    s.slipLine = QLineF(At(k.PrimkaSkluzu.zacatek), At(k.PrimkaSkluzu.konec));

    s.divisions[0] = s.slipLine.p1();
    for (int i = 1; i <= SlipCount; ++i) {
        s.divisions[i] = QPointF(static_cast<double>(k.SkluzX[i]), static_cast<double>(k.SkluzY[i]));
        s.operatingPoints[i] = QPointF(static_cast<double>(k.KruzniceX[i]), static_cast<double>(k.KruzniceY[i]));
    }

    // Classical constructions: a tangent parallel to the torque or power line, the tangent from O
    // (power factor) or from T′ (efficiency), the horizontal tangent at the top (input).
    const double half = TangentHalfLength * s.radius;
    auto mark = [&](const std::optional<OperatingPoint>& p, Symbol symbol, std::optional<QLineF> construction) {
        if (!p || !p->slip || !Finite(At(p->point)))
            return;
        s.characteristic.push_back({symbol, At(p->point), static_cast<double>(*p->slip), construction});
    };
    auto from = [](QPointF start, QPointF p) { return QLineF(start, p + (p - start) * 0.1); };
    if (c.maxTorque)
        mark(c.maxTorque, Symbol::Triangle, Through(At(c.maxTorque->point), aInf - ao, half));
    if (c.maxOutput)
        mark(c.maxOutput, Symbol::Square, Through(At(c.maxOutput->point), ak - ao, half));
    if (c.maxPowerFactor)
        mark(c.maxPowerFactor, Symbol::Diamond, from(QPointF(0, 0), At(c.maxPowerFactor->point)));
    if (c.maxEfficiency)
        mark(c.maxEfficiency, Symbol::Circle,
             s.efficiencyPole ? std::optional(from(*s.efficiencyPole, At(c.maxEfficiency->point))) : std::nullopt);
    if (c.maxInput) {
        const QPointF top = s.centre + QPointF(0, s.radius);
        const bool atTop = Length(At(c.maxInput->point) - top) <= Tolerance * s.radius;
        mark(c.maxInput, Symbol::InvertedTriangle,
             atTop ? std::optional(Through(top, QPointF(1, 0), half)) : std::nullopt);
    }

    Extent& w = s.workingRegion;
    w = Extent::Around(QPointF(0, 0));
    for (QPointF p : {ao, ak, t, s.centre, s.slipLine.p1(), s.slipLine.p2()})
        w.Include(p);
    if (Finite(aInf))
        w.Include(aInf);
    for (int i = 1; i <= SlipCount; ++i) {
        w.Include(s.divisions[i]);
        w.Include(s.operatingPoints[i]);
    }
    // The arc runs clockwise from Ao (angle π) to A∞: it holds the circle's top, right and bottom
    // points that lie before its end.
    for (double angle : {Pi / 2, 0.0, -Pi / 2})
        if (angle >= s.arcEnd)
            w.Include(OnCircle(s, angle));
    for (const CharacteristicMark& cm : s.characteristic)
        w.Include(cm.at);
    if (point)
        s.operatingPoint = MakePointConstruction(k, *point);
    return s;
}

QString SymbolName(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Triangle: return QStringLiteral("Mmax");
    case Symbol::Square: return QStringLiteral("P2max");
    case Symbol::Diamond: return QStringLiteral("cos φmax");
    case Symbol::Circle: return QStringLiteral("ηmax");
    case Symbol::InvertedTriangle: break;
    }
    return QStringLiteral("P1max");
}

QPointF OnCircle(QPointF centre, double radius, double angle)
{
    return centre + radius * QPointF(std::cos(angle), std::sin(angle));
}

QPointF OnCircle(const Scene& s, double angle)
{
    return OnCircle(s.centre, s.radius, angle);
}

// ---- Paper ----

QSizeF PortraitSizeMm(Paper paper)
{
    switch (paper) {
    case Paper::A4: return {210, 297};
    case Paper::A3: return {297, 420};
    case Paper::A2: return {420, 594};
    case Paper::A1: return {594, 841};
    case Paper::A5: return {148, 210};
    case Paper::Letter: return {215.9, 279.4};
    case Paper::Legal: return {215.9, 355.6};
    case Paper::A0: break;
    }
    return {841, 1189};
}

QString PaperName(Paper paper)
{
    return QString::fromLatin1(PaperCode(paper));
}

QPointF PageLayout::ToPage(QPointF amps) const
{
    const double a = scale.Value();
    return origin + QPointF(amps.x() / a, -amps.y() / a);
}

QPointF PageLayout::ToAmps(QPointF mm) const
{
    const double a = scale.Value();
    return {(mm.x() - origin.x()) * a, (origin.y() - mm.y()) * a};
}

Extent PageLayout::InAmps(const QRectF& mm) const
{
    const QPointF topLeft = ToAmps(mm.topLeft());
    const QPointF bottomRight = ToAmps(mm.bottomRight());
    return {topLeft.x(), bottomRight.y(), bottomRight.x(), topLeft.y()};
}

bool CompactPaper(std::optional<Paper> paper)
{
    return paper == Paper::A5 || paper == Paper::Letter;
}

QSizeF TitleBlockSizeFor(double frameWidth)
{
    if (frameWidth >= TitleBlockSize.width())
        return TitleBlockSize;
    if (frameWidth >= NarrowTitleBlockSize.width())
        return NarrowTitleBlockSize;
    return NarrowTitleBlockSize * std::max(frameWidth, 0.0) / NarrowTitleBlockSize.width();
}

std::optional<PageLayout> FitOnPage(const Scene& s, Scale scale, QSizeF pageMm)
{
    const Extent& w = s.workingRegion;
    const double a = scale.Value();
    const QSizeF drawing(w.Width() / a + PaddingLeft + PaddingRight, w.Height() / a + PaddingTop + PaddingBottom);
    const QRectF frame(PageMargin, PageMargin, pageMm.width() - 2 * PageMargin, pageMm.height() - 2 * PageMargin);
    if (drawing.width() > frame.width() || drawing.height() > frame.height())
        return std::nullopt;
    const std::optional<Paper> paper = PaperOfSize(pageMm);
    const QSizeF block = CompactPaper(paper) && frame.width() >= CompactTitleBlockSize.width()
        ? CompactTitleBlockSize
        : TitleBlockSizeFor(frame.width());
    const bool beside = drawing.width() + TitleBlockGap + block.width() <= frame.width();
    const bool below = drawing.height() + TitleBlockGap + block.height() <= frame.height();
    if (!beside && !below)
        return std::nullopt;

    PageLayout l;
    l.page = pageMm;
    l.landscape = pageMm.width() > pageMm.height();
    l.paper = paper;
    l.scale = scale;
    l.frame = frame;
    l.titleBlock = QRectF(QPointF(frame.right() - block.width(), frame.bottom() - block.height()), block);
    // Top left, so that the room left over goes to the circle's lower half and right part.
    l.drawing = QRectF(frame.topLeft(), drawing);
    l.origin = QPointF(l.drawing.left() + PaddingLeft - w.left / a, l.drawing.top() + PaddingTop + w.top / a);

    // O on a bold (10 mm) line of the paper if there is room, else on a medium or a fine one.
    const QRectF keepOff = l.titleBlock.adjusted(-TitleBlockGap, -TitleBlockGap, 0, 0);
    for (double step : {10.0, 5.0, 1.0}) {
        const QPointF snapped(std::ceil(l.origin.x() / step) * step, std::ceil(l.origin.y() / step) * step);
        const QRectF moved = l.drawing.translated(snapped - l.origin);
        const bool clear = moved.right() <= keepOff.left() || moved.bottom() <= keepOff.top();
        if (frame.contains(moved) && clear) {
            l.drawing = moved;
            l.origin = snapped;
            break;
        }
    }
    if (s.operatingPoint && !PlacePointBlock(l))
        return std::nullopt;
    return l;
}

std::optional<PageLayout> LayoutOnPaper(const Scene& s, QSizeF paperMm, std::optional<Scale> forced)
{
    const QSizeF portrait = paperMm.width() <= paperMm.height() ? paperMm : paperMm.transposed();
    const std::optional<PageLayout> landscape = OnPaper(s, portrait.transposed(), forced);
    const std::optional<PageLayout> upright = OnPaper(s, portrait, forced);
    if (upright && (!landscape || upright->scale.Value() < landscape->scale.Value()))
        return upright;
    return landscape;
}

std::optional<PageLayout> ChoosePage(const Scene& s, const PageChoice& choice)
{
    return LayoutOnPaper(s, PortraitSizeMm(choice.paper), choice.scale);
}

// ---- Clipping ----

std::optional<QLineF> ClipLine(const QLineF& line, const Extent& box)
{
    double t0 = 0, t1 = 1;
    const QPointF d = line.p2() - line.p1();
    if (!ClipRange(line.p1(), d, box, t0, t1))
        return std::nullopt;
    return QLineF(line.p1() + t0 * d, line.p1() + t1 * d);
}

bool Visible(QPointF p, const Extent& box, const std::optional<Extent>& hole)
{
    return box.Contains(p) && !(hole && StrictlyInside(p, *hole));
}

std::vector<std::pair<double, double>> VisibleArcs(QPointF centre, double radius, double from, double to,
                                                   const Extent& box, const std::optional<Extent>& hole)
{
    std::vector<std::pair<double, double>> arcs;
    const double span = to - from;
    if (!(radius > 0) || span == 0 || !std::isfinite(span))
        return arcs;
    std::vector<double> angles;
    EdgeCrossings(centre, radius, box, angles);
    if (hole)
        EdgeCrossings(centre, radius, *hole, angles);

    // Crossings as fractions of the arc, which may run either way round.
    std::vector<double> cuts{0, 1};
    for (double angle : angles) {
        double d = std::fmod(span > 0 ? angle - from : from - angle, 2 * Pi);
        if (d < 0)
            d += 2 * Pi;
        const double t = d / std::abs(span);
        if (t > 0 && t < 1)
            cuts.push_back(t);
    }
    std::sort(cuts.begin(), cuts.end());
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const double t0 = cuts[i], t1 = cuts[i + 1];
        if (t1 <= t0)
            continue;
        const double middle = from + span * (t0 + t1) / 2;
        if (!Visible(centre + radius * QPointF(std::cos(middle), std::sin(middle)), box, hole))
            continue;
        const double a = from + span * t0, b = from + span * t1;
        if (!arcs.empty() && arcs.back().second == a)
            arcs.back().second = b;
        else
            arcs.emplace_back(a, b);
    }
    return arcs;
}

QPointF EdgePoint(QPointF inside, QPointF p, const Extent& box, const std::optional<Extent>& hole)
{
    const QPointF d = p - inside;
    double t0 = 0, t1 = 1;
    double end = ClipRange(inside, d, box, t0, t1) ? t1 : 0;
    if (hole) {
        double h0 = 0, h1 = 1;
        if (ClipRange(inside, d, *hole, h0, h1))
            end = std::min(end, h0);
    }
    return inside + end * d;
}

// ---- Axes ----

Series TickStep(Scale scale, double minimumMm)
{
    return SeriesAtLeast(scale.Value() * minimumMm);
}

std::vector<double> Ticks(double from, double to, Series step)
{
    constexpr double MaxTicks = 1000; // a view zoomed far out draws no forest of labels
    std::vector<double> ticks;
    const double v = step.Value();
    const double first = std::ceil(from / v - Tolerance), last = std::floor(to / v + Tolerance);
    if (!(last - first < MaxTicks))
        return ticks;
    for (double i = first; i <= last; ++i)
        if (i != 0)
            ticks.push_back(i * v);
    return ticks;
}

Extent AxisExtent(const Scene& s, const Extent& visible, const std::optional<Extent>& hole)
{
    Extent e = s.workingRegion;
    std::vector<QPointF> beside{s.Point(Named::S).at, s.Point(Named::AInf).at};
    if (s.efficiencyPole)
        beside.push_back(*s.efficiencyPole);
    for (QPointF p : beside)
        if (Visible(p, visible, hole))
            e.Include(p);
    return e;
}

// ---- Screen ----

namespace {

// The largest pixels per millimetre at which the drawing, `marginPx` inside the view, clears every box
// in `boxes`, and the drawing's top-left pixel there, as near the view's centre as the boxes allow;
// nothing when there is no room.
std::optional<std::pair<double, QPointF>> LargestClearFit(QSizeF view, QSizeF d, const std::vector<QRectF>& boxes,
                                                          double marginPx)
{
    const QRectF inside(QPointF(marginPx, marginPx), view - QSizeF(2 * marginPx, 2 * marginPx));
    if (inside.isEmpty() || d.isEmpty())
        return std::nullopt;
    const double gap = marginPx / 2;
    auto place = [&](double z) -> std::optional<QPointF> {
        const QSizeF size = d * z;
        std::vector<double> xs{inside.left(), inside.right() - size.width(), (view.width() - size.width()) / 2};
        std::vector<double> ys{inside.top(), inside.bottom() - size.height(), (view.height() - size.height()) / 2};
        for (const QRectF& b : boxes) {
            xs.insert(xs.end(), {b.right() + gap, b.left() - gap - size.width()});
            ys.insert(ys.end(), {b.bottom() + gap, b.top() - gap - size.height()});
        }
        const QPointF centred((view.width() - size.width()) / 2, (view.height() - size.height()) / 2);
        std::optional<QPointF> best;
        constexpr double Slack = 1e-9;
        for (double x : xs)
            for (double y : ys) {
                const QRectF r(QPointF(x, y), size);
                if (r.left() < inside.left() - Slack || r.top() < inside.top() - Slack ||
                    r.right() > inside.right() + Slack || r.bottom() > inside.bottom() + Slack)
                    continue;
                if (std::any_of(boxes.begin(), boxes.end(), [&r](const QRectF& b) { return b.intersects(r); }))
                    continue;
                const QPointF off = QPointF(x, y) - centred;
                if (!best || QPointF::dotProduct(off, off) < QPointF::dotProduct(*best - centred, *best - centred))
                    best = QPointF(x, y);
            }
        return best;
    };
    double low = 0, high = std::min(inside.width() / d.width(), inside.height() / d.height());
    if (const std::optional<QPointF> all = place(high))
        return std::pair(high, *all);
    constexpr int Halvings = 40;
    for (int i = 0; i < Halvings; ++i) {
        const double mid = (low + high) / 2;
        (place(mid) ? low : high) = mid;
    }
    if (!(low > 0))
        return std::nullopt;
    return std::pair(low, *place(low));
}

} // namespace

ViewArrangement ArrangeView(QSizeF viewPx, const QRectF& drawingMm, const std::vector<CornerBox>& boxes,
                            double marginPx, double boxMarginPx)
{
    const std::size_t n = boxes.size();
    auto rectsFor = [&](const std::vector<bool>& expanded) {
        std::vector<QRectF> rects;
        for (std::size_t i = 0; i < n; ++i) {
            const QSizeF size = expanded[i] ? boxes[i].full : boxes[i].title;
            rects.push_back(boxes[i].corner == ViewCorner::TopLeft
                                ? QRectF(QPointF(boxMarginPx, boxMarginPx), size)
                                : QRectF(QPointF(viewPx.width() - boxMarginPx - size.width(),
                                                 viewPx.height() - boxMarginPx - size.height()),
                                         size));
        }
        return rects;
    };
    // Every choice of which boxes the user wants expanded stay so; the one with the most expanded that
    // still leaves the drawing its share, the larger drawing among equals.
    std::vector<bool> base(n);
    for (std::size_t i = 0; i < n; ++i)
        base[i] = boxes[i].expanded && boxes[i].forced;
    auto baseFit = LargestClearFit(viewPx, drawingMm.size(), rectsFor(base), marginPx);
    if (!baseFit) { // no room for a box expanded by force: collapsed after all
        base.assign(n, false);
        baseFit = LargestClearFit(viewPx, drawingMm.size(), rectsFor(base), marginPx);
    }
    std::vector<bool> chosen = base;
    auto chosenFit = baseFit;
    int chosenCount = -1;
    for (unsigned mask = 0; mask < (1u << n); ++mask) {
        std::vector<bool> expanded = base;
        int count = 0;
        bool possible = true;
        for (std::size_t i = 0; i < n; ++i)
            if (mask & (1u << i)) {
                possible = possible && boxes[i].expanded;
                expanded[i] = true;
                ++count;
            }
        if (!possible)
            continue;
        const auto fit = LargestClearFit(viewPx, drawingMm.size(), rectsFor(expanded), marginPx);
        if (!fit || (baseFit && fit->first < MinimumShareOfFit * baseFit->first))
            continue;
        if (count > chosenCount || (count == chosenCount && fit->first > chosenFit->first)) {
            chosen = expanded;
            chosenFit = fit;
            chosenCount = count;
        }
    }
    ViewArrangement a;
    a.expanded = chosen;
    a.boxes = rectsFor(chosen);
    if (!chosenFit) {
        // A view too small for the drawing beside even the title lines: the drawing fills it.
        a.crowded = true;
        const QSizeF available = viewPx - QSizeF(2 * marginPx, 2 * marginPx);
        const QSizeF d = drawingMm.size();
        if (available.width() <= 0 || available.height() <= 0 || d.isEmpty()) {
            a.fit = {1, drawingMm.topLeft()};
        } else {
            const double z = std::min(available.width() / d.width(), available.height() / d.height());
            a.fit = {z, drawingMm.center() - QPointF(viewPx.width(), viewPx.height()) / 2 / z};
        }
    } else {
        a.fit = {chosenFit->first, drawingMm.topLeft() - chosenFit->second / chosenFit->first};
    }
    a.drawingPx = QRectF((drawingMm.topLeft() - a.fit.topLeftMm) * a.fit.pixelsPerMm,
                         drawingMm.size() * a.fit.pixelsPerMm);
    return a;
}

QRectF InkRectMm(const Scene& s, const PageLayout& l)
{
    double left = l.drawing.left(), top = l.drawing.top(), right = l.drawing.right(), bottom = l.drawing.bottom();
    for (const std::vector<QPointF>& line : ConstructionInk(s))
        for (QPointF p : line) {
            const QPointF mm = l.ToPage(p);
            left = std::min(left, mm.x());
            right = std::max(right, mm.x());
            top = std::min(top, mm.y());
            bottom = std::max(bottom, mm.y());
        }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

std::vector<std::vector<QPointF>> ConstructionInk(const Scene& s)
{
    std::vector<std::vector<QPointF>> ink;
    auto line = [&ink](const QLineF& l) {
        if (Finite(l.p1()) && Finite(l.p2()))
            ink.push_back({l.p1(), l.p2()});
    };
    // A cross a hundredth of the radius across: the point and its symbol's middle.
    const double arm = s.radius / 100;
    auto point = [&](QPointF p) {
        if (!Finite(p))
            return;
        ink.push_back({p - QPointF(arm, 0), p + QPointF(arm, 0)});
        ink.push_back({p - QPointF(0, arm), p + QPointF(0, arm)});
    };
    constexpr int ArcSteps = 180;
    std::vector<QPointF> arc;
    for (int i = 0; i <= ArcSteps; ++i)
        arc.push_back(OnCircle(s, Pi + (s.arcEnd - Pi) * i / ArcSteps));
    ink.push_back(std::move(arc));
    for (const QLineF& l : {s.diameter, s.powerLine, s.bisector, s.torqueLine, s.slipLine})
        line(l);
    for (const LabelledPoint& p : s.points)
        point(p.at);
    for (const QPointF& p : s.divisions)
        point(p);
    for (const CharacteristicMark& m : s.characteristic) {
        point(m.at);
        if (m.construction)
            line(*m.construction);
    }
    if (s.operatingPoint) {
        const PointConstruction& c = *s.operatingPoint;
        line(QLineF(s.Point(Named::O).at, c.x));
        line(QLineF(c.x, QPointF(c.x.x(), 0)));
        line(QLineF(c.ao, c.slipPoint));
        point(c.x);
        point(c.slipPoint);
    }
    return ink;
}

} // namespace diagram
