// Painting in whole pixels of the device, whatever its pixel ratio: on a screen at 150 % a row one
// logical pixel high would cover one device pixel here and two there.
#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QTransform>

namespace diagram {

// While it lives, the painter's units are the device's pixels; Map gives where the painter's former
// units put a point or a box.
class InDevicePixels {
public:
    explicit InDevicePixels(QPainter& p) : p_(p), toDevice_(p.deviceTransform())
    {
        p.save();
        const qreal ratio = p.device() != nullptr ? p.device()->devicePixelRatio() : 1;
        p.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    }
    ~InDevicePixels() { p_.restore(); }
    InDevicePixels(const InDevicePixels&) = delete;
    InDevicePixels& operator=(const InDevicePixels&) = delete;

    QPointF Map(QPointF p) const { return toDevice_.map(p); }
    QRectF Map(const QRectF& r) const { return toDevice_.mapRect(r); }
    // Device pixels per unit of the painter's former units.
    double Scale() const { return toDevice_.m11(); }

private:
    QPainter& p_;
    QTransform toDevice_;
};

} // namespace diagram
