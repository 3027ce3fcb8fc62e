// One placer for every label of a drawing, the diagram's and the curves': a label takes the first of
// its candidate places that lies inside the drawing and clear of everything placed or blocked before it,
// and is left out when there is none.
#pragma once

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <initializer_list>
#include <optional>
#include <vector>

namespace diagram {

// A label as placed: its text, the box it covers (the white round its text included) and its type.
struct PlacedLabel {
    QString text;
    QRectF box;
    double pad = 0;  // white between the box's edge and the text
    double size = 0; // the text's height, in the painter's units
    bool bold = false;
    QColor colour = Qt::black;

    QRectF TextBox() const { return box.adjusted(pad, pad, -pad, -pad); }
};

class LabelPlacer {
public:
    // Labels must lie inside `bounds`.
    explicit LabelPlacer(const QRectF& bounds) : bounds_(bounds) {}

    // A box no label may cover: a point, a symbol, a block drawn over the drawing.
    void Block(const QRectF& box);
    // A line no label's white may cross: a construction line, an axis, a curve, a scale, a frame.
    void BlockLine(const QLineF& line);
    void BlockPolyline(const std::vector<QPointF>& points);
    // Whether a label could stand in `box`: inside the bounds, over nothing placed or blocked.
    bool Free(const QRectF& box) const;
    // Whether `line` (a leader) runs under no label and through no blocked box.
    bool LeaderFree(const QLineF& line) const;
    // The distance from `box` to the nearest blocked line.
    double DistanceToLines(const QRectF& box) const;
    // The first free candidate, now taken; nothing when none is free.
    std::optional<QRectF> Place(const std::vector<QRectF>& candidates);
    std::optional<QRectF> Place(std::initializer_list<QRectF> candidates)
    {
        return Place(std::vector<QRectF>(candidates));
    }

    const QRectF& Bounds() const { return bounds_; }
    // The labels as placed, in order, and the blocked boxes.
    const std::vector<QRectF>& Labels() const { return labels_; }
    const std::vector<QRectF>& Blocked() const { return blocked_; }
    const std::vector<QLineF>& BlockedLines() const { return lines_; }

private:
    QRectF bounds_;
    std::vector<QRectF> labels_;
    std::vector<QRectF> blocked_;
    std::vector<QLineF> lines_;
    std::vector<QRectF> lineBounds_; // each line's bounding box, to pass most lines by at once
};

// Whether the segment from `a` to `b` passes through `box`.
bool SegmentCrossesBox(QPointF a, QPointF b, const QRectF& box);
// The distance between a segment and a box; zero where they meet.
double SegmentBoxDistance(const QLineF& line, const QRectF& box);

// The box of `size` whose side `align` names touches `anchor` (AlignLeft: it starts there, AlignTop: it
// hangs below it, a centring flag: it is centred on it that way).
QRectF Aligned(QPointF anchor, QSizeF size, Qt::Alignment align);

// Which sides of a label standing in `direction` (y down) from its anchor touch it.
Qt::Alignment AlignFor(QPointF direction);

// Places for a label of `size` round a point at `anchor`: `gap` away on the side `direction` (y down)
// points to, then turning from it both ways an eighth of a turn at a time, then a sixteenth between
// those, then all of that again two and a half times as far out, and one and two and a half label
// heights farther.
std::vector<QRectF> AroundPoint(QPointF anchor, QSizeF size, QPointF direction, double gap);

// Places for a label of `size` beside the segment from `a` to `b`, `gap` clear of the line: the middle
// first, then farther towards either end, each on both sides.
std::vector<QRectF> BesideLine(QPointF a, QPointF b, QSizeF size, double gap);

} // namespace diagram
