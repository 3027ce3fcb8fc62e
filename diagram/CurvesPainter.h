// One painting routine for the characteristic curves: the panel beside the diagram, the PDF's second
// page with the operating table and its third with the working characteristics against output.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <optional>

#include "Characteristic.h"
#include "Curves.h"
#include "DevicePolicy.h"
#include "GridTexts.h"
#include "LabelPlacer.h"

class QPainter;

namespace diagram {

// Where the plots stand in an area, in the painter's units.
struct CurvesLayout {
    DevicePolicy device; // how the target draws; its style scale: painter units per millimetre of paper
    std::array<QRectF, PlotCount> plots;
    std::array<Axis, PlotCount> axes;
    Axis x, speed; // the slip or output axis; the speed scale along the slip axis
    bool speedScale = false;
    // Below the plots: the x axis' labels, the speed scale's line and labels, the scales' titles.
    double xLabels = 0, speedLine = 0, speedLabels = 0, titles = 0;
    // The scales' texts (the value, slip and speed labels, the scales' titles) and each plot's legend
    // row: what the symbols' names, the arrows' values and the cursor's readout keep clear of.
    std::vector<PlacedLabel> scaleLabels;
    std::array<QRectF, PlotCount> legends;

    // Where `x` (slip or output in kW) stands across the plots, and a value on plot `plot` there.
    double XOf(double x) const;
    QPointF PointOf(int plot, double x, double value) const;
    // The slip or output under `px`, held to the axis a little past the plots' ends; nothing farther out.
    std::optional<double> XAt(double px) const;
    // The column of plots from the top of the first to the bottom of the last.
    QRectF Column() const { return plots.front().united(plots.back()); }
};

// Lays the plots out in `area` (painter units) for a target that draws as `device` says.
CurvesLayout LayOutCurves(QPainter& p, const CurveSet& c, const QRectF& area, const DevicePolicy& device);
// The plots, their axes, legends, curves and marks.
void PaintCurves(QPainter& p, const CurveSet& c, const CurvesLayout& l);
// The linked cursor: a vertical line at `at`, its values on the curves, and its slip and speed (its
// output and slip against output) in a box clear of the scales' texts.
void PaintCurvesMarker(QPainter& p, const CurveSet& c, const CurvesLayout& l, const OperatingPoint& at);
// The operating point asked for: a dashed vertical line at it and a ring on each curve; nothing where
// it lies off the x axis.
void PaintCurvesPoint(QPainter& p, const CurveSet& c, const CurvesLayout& l, const OperatingPoint& at);
// Where PaintCurves puts the symbols' names and the values of maxima beyond slip 1, per plot: each
// inside its plot, clear of the symbols, the table's points and each other.
std::array<LabelPlacer, PlotCount> PlaceCurvesLabels(QPainter& p, const CurveSet& c, const CurvesLayout& l);

QColor CurveColour(Quantity q);

// The curves page: A4 landscape whatever the diagram's page is.
constexpr QSizeF CurvesPageSize(297, 210);
// The curves beside the operating table (`table`: its header row, then one row per slip), under a
// line with the motor's inputs, on a page of `pageMm`, painted in millimetres from its top-left corner.
// With `point`, its line across the curves and its row in bold after the table's.
void PaintCurvesPage(QPainter& p, const CurveSet& c, const WideGridRows& table, const QString& inputs, QSizeF pageMm,
                     const std::optional<OperatingPoint>& point = std::nullopt);
// The working characteristics against output (`c` made by MakeOutputCurves) across the page, under the
// same line of inputs; with `point`, its line across them.
void PaintOutputCurvesPage(QPainter& p, const CurveSet& c, const QString& inputs, QSizeF pageMm,
                           const std::optional<OperatingPoint>& point = std::nullopt);

} // namespace diagram
