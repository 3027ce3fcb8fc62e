// The facts every drawing shares, written once: the diagram, the curves, the view and the files.
#pragma once

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace diagram {

constexpr double Pi = std::numbers::pi;
constexpr double MmPerInch = 25.4;

// On screen, text, lines and symbols keep their size in pixels whatever the zoom: at least this many
// pixels per millimetre of paper, about their paper size on a 96-dpi screen.
constexpr double LeastScreenPixelsPerMm = 3.8;
// The drawings' body text on paper (tick labels, the characteristic points' names), in mm. On screen it
// is set at the desktop font's size, so that a larger desktop font gives larger drawings' text.
constexpr double BodyTextMm = 2.4;

// Screen pixels per millimetre of paper for text, lines and symbols, when the desktop's body text is
// `fontPixels` high.
inline double ScreenPixelsPerMm(double fontPixels)
{
    return std::max(LeastScreenPixelsPerMm, fontPixels / BodyTextMm);
}

} // namespace diagram
