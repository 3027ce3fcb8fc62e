// The panel beside the diagram: the characteristic curves of the last accepted calculation, with a
// cursor linked to the diagram's.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>

#include "CurvesPainter.h"
#include "Diagram.h"

class CurvesView : public QWidget {
    Q_OBJECT
public:
    explicit CurvesView(QWidget* parent = nullptr);

    // Shows the curves of an accepted calculation, as its diagram has them.
    void SetCalculation(const diagram::Diagram& d);
    // Against slip (as at start) or against output.
    void SetAxis(diagram::CurvesAxis axis);
    diagram::CurvesAxis Axis() const { return axis_; }
    // The operating point asked for: a dashed line at it over the curves; nothing: none.
    void SetOperatingPoint(std::optional<OperatingPoint> point);
    const std::optional<OperatingPoint>& PointShown() const { return point_; }
    // The curves shown, on the present axis; none before a calculation.
    const diagram::CurveSet* CurrentCurves() const { return curves_; }
    // The slip the cursor marks, from the pointer here or from the diagram; nothing when none.
    std::optional<double> MarkedSlip() const;

    // Where the panel shows slip `slip`, in its own pixels (the plots' horizontal position; -1 where the
    // output axis has no such point), and the slip under a pixel.
    double PixelOfSlip(double slip);
    std::optional<double> SlipAt(QPointF pixel);

public slots:
    // The diagram's pointer: a vertical marker at that slip (nothing, or a slip beyond 1: none).
    void MarkSlip(std::optional<double> slip);

signals:
    // The slip under the pointer, or nothing when the pointer is off the plots.
    void SlipUnderPointer(std::optional<double> slip);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void SetPointerSlip(std::optional<double> slip);
    void SetMarker(std::optional<double> slip, bool fromPointer);
    const diagram::CurvesLayout& Layout();
    // Forgets the layout and the picture: the size, the font or the pixel ratio changed.
    void Invalidate();

    std::optional<TKonstrukce> record_;
    std::optional<diagram::DiagramCurves> sets_; // against slip and against output
    diagram::CurvesAxis axis_ = diagram::CurvesAxis::Slip;
    std::optional<OperatingPoint> point_;
    const diagram::CurveSet* curves_ = nullptr;   // the one of `sets_` on the present axis
    std::optional<diagram::CurvesLayout> layout_; // for the present size
    QPixmap picture_;                             // the curves without the marker, for the present size
    qreal layoutRatio_ = 0;                       // the device pixel ratio they were made for
    std::optional<OperatingPoint> marker_;
    bool markerFromPointer_ = false;
};
