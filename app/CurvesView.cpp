// The panel beside the diagram: the characteristic curves of the last accepted calculation, with a
// cursor linked to the diagram's.
#include "CurvesView.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int Margin = 6; // px round the plots and their scales

} // namespace

CurvesView::CurvesView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CurvesView"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CurvesView::SetCalculation(const TKonstrukce& k, const CharacteristicPoints& c)
{
    SetPointerSlip(std::nullopt);
    SetMarker(std::nullopt, false);
    record_ = k;
    curves_ = diagram::MakeCurves(k, c);
    layout_.reset();
    picture_ = QPixmap();
    update();
}

std::optional<double> CurvesView::MarkedSlip() const
{
    if (!marker_ || !marker_->slip)
        return std::nullopt;
    return static_cast<double>(*marker_->slip);
}

const diagram::CurvesLayout& CurvesView::Layout()
{
    if (!layout_) {
        // Text is measured on a device of the screen's resolution.
        QPixmap probe(1, 1);
        probe.setDevicePixelRatio(devicePixelRatioF());
        QPainter p(&probe);
        layout_ = diagram::LayOutCurves(p, *curves_, QRectF(rect()).adjusted(Margin, Margin, -Margin, -Margin),
                                        PixelsPerStyleMm, true);
    }
    return *layout_;
}

double CurvesView::PixelOfSlip(double slip)
{
    return curves_ ? Layout().XOf(slip) : 0;
}

std::optional<double> CurvesView::SlipAt(QPointF pixel)
{
    if (!curves_ || !rect().contains(pixel.toPoint()))
        return std::nullopt;
    return Layout().SlipAt(pixel.x());
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
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull()) {
        picture_ = QPixmap(size() * ratio);
        picture_.setDevicePixelRatio(ratio);
        picture_.fill(Qt::white);
        QPainter cached(&picture_);
        diagram::PaintCurves(cached, *curves_, Layout());
    }
    p.drawPixmap(0, 0, picture_);
    if (marker_)
        diagram::PaintCurvesMarker(p, *curves_, Layout(), *marker_);
}

void CurvesView::resizeEvent(QResizeEvent* event)
{
    layout_.reset();
    picture_ = QPixmap();
    QWidget::resizeEvent(event);
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
