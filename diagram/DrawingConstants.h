// The facts every drawing shares, written once: the diagram, the curves, the view and the files.
#pragma once

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace diagram {

constexpr double Pi = std::numbers::pi;
constexpr double MmPerInch = 25.4;

// Vector output (PDF and SVG) stands for paper at this resolution, in device pixels per inch and per mm.
constexpr int VectorDpi = 1200;
constexpr double VectorPixelsPerMm = VectorDpi / MmPerInch;

// On screen, lines up to this many device pixels wide are drawn one pixel wide.
constexpr double HairlinePixels = 1.5;

// On screen, text, lines and symbols keep their size in pixels whatever the zoom: at least this many
// pixels per millimetre of paper, about their paper size on a 96-dpi screen.
constexpr double LeastScreenPixelsPerMm = 3.8;
// The drawings' body text on paper (tick labels, the characteristic points' names), in mm. On screen it
// is set at the desktop font's size, so that a larger desktop font gives larger drawings' text.
constexpr double BodyTextMm = 2.4;

// Sizes on paper, in mm, that the circle diagram and the operating point drawn on it share.
constexpr double NameMm = 3.2;     // the named points' names: Ao, Ak, …, X
constexpr double ArrowMm = 2.2;    // the axes' and the phasors' arrowheads
constexpr double LabelGapMm = 1.6; // between a point and its name
// A characteristic point's symbol, on the diagram and on the curves, and how far its corners reach, of
// half its size.
constexpr double SymbolMm = 2.6;
constexpr double SymbolReach = 1.15;

// Screen pixels per millimetre of paper for text, lines and symbols, when the desktop's body text is
// `fontPixels` high.
inline double ScreenPixelsPerMm(double fontPixels)
{
    return std::max(LeastScreenPixelsPerMm, fontPixels / BodyTextMm);
}

// `v` scaled to length 1; `none` for a vector of no length.
inline QPointF Unit(QPointF v, QPointF none = QPointF(0, 0))
{
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : none;
}

} // namespace diagram
