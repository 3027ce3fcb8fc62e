// One placer for every label of a drawing, the diagram's and the curves'.
#include "LabelPlacer.h"

#include <cmath>

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
    return true;
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
    static constexpr double Turns[] = {0, 45, -45, 90, -90, 135, -135, 180}; // degrees from the wanted side
    constexpr double FartherOut = 2.5;
    std::vector<QRectF> boxes;
    const QPointF wanted = Unit(direction, QPointF(1, 0));
    for (double distance : {gap, FartherOut * gap})
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
