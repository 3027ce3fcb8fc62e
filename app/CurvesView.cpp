// The panel beside the diagram: the characteristic curves of the last accepted calculation, with a
// cursor linked to the diagram's.
#include "CurvesView.h"

#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>

#include "DrawingConstants.h"
#include "Fonts.h"
#include "OperatingPointSolver.h"

namespace {

constexpr int Margin = 6; // px round the plots and their scales

} // namespace

CurvesView::CurvesView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CurvesView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(ScreenTextFont());
}

void CurvesView::SetCalculation(const diagram::Diagram& d)
{
    SetPointerSlip(std::nullopt);
    SetMarker(std::nullopt, false);
    record_ = d.record;
    sets_ = d.curves;
    curves_ = &sets_->Against(axis_);
    Invalidate();
}

void CurvesView::SetAxis(diagram::CurvesAxis axis)
{
    if (axis == axis_)
        return;
    axis_ = axis;
    if (sets_) {
        curves_ = &sets_->Against(axis_);
        layout_.reset();
        picture_ = QPixmap();
    }
    update();
}

void CurvesView::SetOperatingPoint(std::optional<OperatingPoint> point)
{
    point_ = std::move(point);
    update();
}

std::optional<double> CurvesView::MarkedSlip() const
{
    if (!marker_ || !marker_->slip)
        return std::nullopt;
    return static_cast<double>(*marker_->slip);
}

void CurvesView::Invalidate()
{
    layout_.reset();
    picture_ = QPixmap();
    update();
}

const diagram::CurvesLayout& CurvesView::Layout()
{
    // Moved to a screen of another pixel ratio: text is measured and rules laid anew.
    if (layoutRatio_ != devicePixelRatioF())
        layout_.reset();
    if (!layout_) {
        layoutRatio_ = devicePixelRatioF();
        picture_ = QPixmap();
        // Text is measured on a device of the screen's resolution.
        QPixmap probe(1, 1);
        probe.setDevicePixelRatio(devicePixelRatioF());
        QPainter p(&probe);
        layout_ = diagram::LayOutCurves(
            p, *curves_, QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin),
            diagram::DevicePolicy::Screen(diagram::ScreenPixelsPerMm(QFontInfo(font()).pixelSize())));
    }
    return *layout_;
}

double CurvesView::PixelOfSlip(double slip)
{
    if (!curves_ || !record_)
        return 0;
    if (axis_ == diagram::CurvesAxis::Slip)
        return Layout().XOf(slip);
    const std::optional<OperatingPoint> p = OperatingPointAtSlip(*record_, slip);
    const std::optional<double> x = p ? diagram::XOfPoint(*curves_, *p) : std::nullopt;
    return x ? Layout().XOf(*x) : -1;
}

std::optional<double> CurvesView::SlipAt(QPointF pixel)
{
    if (!curves_ || !rect().contains(pixel.toPoint()))
        return std::nullopt;
    const std::optional<double> x = Layout().XAt(pixel.x());
    if (!x || axis_ == diagram::CurvesAxis::Slip)
        return x;
    if (*x >= curves_->xTo)
        return curves_->lastSlip; // the maximum output, which the axis ends with
    // The output under the pointer, on the stable side where the curves are.
    const OperatingPointSolution s = SolveOperatingPoint(*record_, OperatingQuantity::Output,
                                                         static_cast<long double>(*x) * 1000);
    if (!s.point || !s.point->values.slip)
        return std::nullopt;
    return static_cast<double>(*s.point->values.slip);
}

void CurvesView::MarkSlip(std::optional<double> slip)
{
    if (markerFromPointer_)
        return; // the pointer is here, not over the diagram
    SetMarker(slip, false);
}

void CurvesView::SetMarker(std::optional<double> slip, bool fromPointer)
{
    const bool had = marker_.has_value();
    marker_.reset();
    markerFromPointer_ = false;
    if (slip && record_ && *slip >= 0 && *slip <= 1)
        marker_ = OperatingPointAtSlip(*record_, *slip);
    if (marker_)
        markerFromPointer_ = fromPointer;
    if (had || marker_)
        update();
}

void CurvesView::SetPointerSlip(std::optional<double> slip)
{
    const std::optional<double> before = markerFromPointer_ ? MarkedSlip() : std::nullopt;
    if (slip)
        SetMarker(slip, true);
    else if (markerFromPointer_)
        SetMarker(std::nullopt, false);
    const std::optional<double> now = markerFromPointer_ ? MarkedSlip() : std::nullopt;
    if (before != now)
        emit SlipUnderPointer(now);
}

void CurvesView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!curves_) {
        p.fillRect(rect(), Qt::white);
        return;
    }
    const diagram::CurvesLayout& layout = Layout();
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull()) {
        picture_ = QPixmap(size() * ratio);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::white);
        QPainter cached(&picture_);
        diagram::PaintCurves(cached, *curves_, layout);
    }
    p.drawPixmap(0, 0, picture_);
    if (point_)
        diagram::PaintCurvesPoint(p, *curves_, Layout(), *point_);
    if (marker_)
        diagram::PaintCurvesMarker(p, *curves_, layout, *marker_);
}

void CurvesView::resizeEvent(QResizeEvent* event)
{
    Invalidate();
    QWidget::resizeEvent(event);
}

void CurvesView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ThemeChange)
        setFont(ScreenTextFont()); // the desktop's font changed: the curves' text follows it
    if (event->type() == QEvent::FontChange)
        Invalidate();
    QWidget::changeEvent(event);
}

void CurvesView::mouseMoveEvent(QMouseEvent* event)
{
    SetPointerSlip(SlipAt(event->position()));
    event->accept();
}

void CurvesView::leaveEvent(QEvent* event)
{
    SetPointerSlip(std::nullopt);
    QWidget::leaveEvent(event);
}
