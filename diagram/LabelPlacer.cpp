// One placer for every label of a drawing, the diagram's and the curves'.
#include "LabelPlacer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "DrawingConstants.h"

namespace diagram {

namespace {

QPointF Turned(QPointF v, double degrees)
{
    const double a = degrees * Pi / 180;
    return {v.x() * std::cos(a) - v.y() * std::sin(a), v.x() * std::sin(a) + v.y() * std::cos(a)};
}

} // namespace

void LabelPlacer::Block(const QRectF& box)
{
    blocked_.push_back(box);
}

void LabelPlacer::BlockLine(const QLineF& line)
{
    if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2()) ||
        !std::isfinite(line.y2()))
        return;
    lines_.push_back(line);
    lineBounds_.push_back(QRectF(line.p1(), line.p2()).normalized());
}

void LabelPlacer::BlockPolyline(const std::vector<QPointF>& points)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        BlockLine(QLineF(points[i - 1], points[i]));
}

bool LabelPlacer::Free(const QRectF& box) const
{
    if (!box.isValid() || !bounds_.contains(box))
        return false;
    for (const QRectF& r : labels_)
        if (r.intersects(box))
            return false;
    for (const QRectF& r : blocked_)
        if (r.intersects(box))
            return false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const QRectF& b = lineBounds_[i];
        // A horizontal or vertical line's bounds are empty: compare the coordinates themselves.
        if (b.right() < box.left() || b.left() > box.right() || b.bottom() < box.top() || b.top() > box.bottom())
            continue;
        if (SegmentCrossesBox(lines_[i].p1(), lines_[i].p2(), box))
            return false;
    }
    return true;
}

bool LabelPlacer::LeaderFree(const QLineF& line) const
{
    // A thin line may cross another line; it must not run under a label or through a mark.
    for (const QRectF& r : labels_)
        if (SegmentCrossesBox(line.p1(), line.p2(), r))
            return false;
    for (const QRectF& r : blocked_)
        if (SegmentCrossesBox(line.p1(), line.p2(), r))
            return false;
    return true;
}

double LabelPlacer::DistanceToLines(const QRectF& box) const
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const QLineF& l : lines_)
        nearest = std::min(nearest, SegmentBoxDistance(l, box));
    return nearest;
}

bool SegmentCrossesBox(QPointF a, QPointF b, const QRectF& box)
{
    auto inside = [&box](QPointF p) {
        return p.x() >= box.left() && p.x() <= box.right() && p.y() >= box.top() && p.y() <= box.bottom();
    };
    if (inside(a) || inside(b))
        return true;
    const QLineF l(a, b);
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        if (l.intersects(QLineF(corners[i], corners[(i + 1) % 4])) == QLineF::BoundedIntersection)
            return true;
    return false;
}

namespace {

double PointSegmentDistance(QPointF p, const QLineF& l)
{
    const QPointF d = l.p2() - l.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t = length2 > 0 ? std::clamp(QPointF::dotProduct(p - l.p1(), d) / length2, 0.0, 1.0) : 0.0;
    const QPointF q = l.p1() + d * t - p;
    return std::hypot(q.x(), q.y());
}

double PointBoxDistance(QPointF p, const QRectF& box)
{
    const double dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
    const double dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
    return std::hypot(dx, dy);
}

} // namespace

double SegmentBoxDistance(const QLineF& line, const QRectF& box)
{
    if (SegmentCrossesBox(line.p1(), line.p2(), box))
        return 0;
    double d = std::min(PointBoxDistance(line.p1(), box), PointBoxDistance(line.p2(), box));
    for (QPointF c : {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()})
        d = std::min(d, PointSegmentDistance(c, line));
    return d;
}

std::optional<QRectF> LabelPlacer::Place(const std::vector<QRectF>& candidates)
{
    for (const QRectF& box : candidates)
        if (Free(box)) {
            labels_.push_back(box);
            return box;
        }
    return std::nullopt;
}

QRectF Aligned(QPointF anchor, QSizeF size, Qt::Alignment align)
{
    double x = anchor.x() - size.width() / 2;
    if (align & Qt::AlignLeft)
        x = anchor.x();
    else if (align & Qt::AlignRight)
        x = anchor.x() - size.width();
    double y = anchor.y() - size.height() / 2;
    if (align & Qt::AlignTop)
        y = anchor.y();
    else if (align & Qt::AlignBottom)
        y = anchor.y() - size.height();
    return {QPointF(x, y), size};
}

Qt::Alignment AlignFor(QPointF direction)
{
    constexpr double Slant = 0.35;
    Qt::Alignment a = direction.x() > Slant ? Qt::AlignLeft
        : direction.x() < -Slant            ? Qt::AlignRight
                                            : Qt::AlignHCenter;
    a |= direction.y() > Slant ? Qt::AlignTop : direction.y() < -Slant ? Qt::AlignBottom : Qt::AlignVCenter;
    return a;
}

std::vector<QRectF> AroundPoint(QPointF anchor, QSizeF size, QPointF direction, double gap)
{
    // Degrees from the wanted side: the eighths first, then between them, where lines crowd the point.
    static constexpr double Turns[] = {0,    45,    -45,  90,    -90,   135,    -135,  180,
                                       22.5, -22.5, 67.5, -67.5, 112.5, -112.5, 157.5, -157.5};
    constexpr double FartherOut = 2.5;
    std::vector<QRectF> boxes;
    const QPointF wanted = Unit(direction, QPointF(1, 0));
    for (double distance : {gap, FartherOut * gap, gap + size.height(), gap + FartherOut * size.height()})
        for (double degrees : Turns) {
            const QPointF d = Turned(wanted, degrees);
            boxes.push_back(Aligned(anchor + d * distance, size, AlignFor(d)));
        }
    return boxes;
}

std::vector<QRectF> BesideLine(QPointF a, QPointF b, QSizeF size, double gap)
{
    static constexpr double Along[] = {0.5, 0.38, 0.62, 0.26, 0.74, 0.14, 0.86};
    std::vector<QRectF> boxes;
    const QPointF d = b - a;
    if (!(std::hypot(d.x(), d.y()) > 0))
        return boxes;
    const QPointF n = Unit(QPointF(-d.y(), d.x()), QPointF(1, 0));
    // The centre's distance from the line at which the box just touches it, plus the gap.
    const double clear = std::abs(n.x()) * size.width() / 2 + std::abs(n.y()) * size.height() / 2 + gap;
    for (double t : Along)
        for (double side : {1.0, -1.0}) {
            const QPointF centre = a + d * t + n * (side * clear);
            boxes.push_back(QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size));
        }
    return boxes;
}

} // namespace diagram
