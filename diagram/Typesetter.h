// Text set in the painter's own units (millimetres on paper), the same width on every device.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <deque>

#include "DevicePolicy.h"
#include "LabelPlacer.h"
#include "Palette.h"

namespace diagram {

constexpr double LabelPad = 0.35; // white round a label

// Text is laid out at this many units per mm and scaled down, so that its width depends neither on
// the device's resolution nor on hinting: the PDF, the PNG and the screen agree.
constexpr double TextUnits = 100;

inline QFont TextFont(const QPaintDevice* device, double sizeMm, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    const int dpi = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    font.setPointSizeF(sizeMm * TextUnits * 72 / dpi);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Sets text in millimetres on one painter; each size's font and metrics are made once. On paper the
// text is laid out large and scaled down (TextUnits); where the device policy asks for it, it is set in
// whole device pixels, so that each zoom step does not load the fonts anew.
class Typesetter {
public:
    Typesetter(QPainter& p, const DevicePolicy& device)
        : p_(p),
          screen_(device.pixelText),
          unitsPerMm_(device.pixelText ? std::max(p.transform().m11(), 1e-9) : TextUnits)
    {}

    // The size of `text` set at `sizeMm`.
    QSizeF Size(const QString& text, double sizeMm, bool bold = false)
    {
        const Face& face = FaceOf(sizeMm, bold);
        return {face.metrics.horizontalAdvance(text) / unitsPerMm_,
                (face.metrics.ascent() + face.metrics.descent()) / unitsPerMm_};
    }

    // The box of `text` when the side `align` names touches `anchor` (AlignLeft: the text starts
    // there, AlignTop: it hangs below it, AlignVCenter: it is centred on it).
    QRectF Measure(QPointF anchor, const QString& text, double sizeMm, Qt::Alignment align, bool bold = false)
    {
        return Aligned(anchor, Size(text, sizeMm, bold), align);
    }

    QRectF Draw(QPointF anchor, const QString& text, double sizeMm, Qt::Alignment align, bool bold = false,
                const QColor& colour = Palette::Black, bool halo = false)
    {
        const QRectF box = Measure(anchor, text, sizeMm, align, bold);
        DrawIn(box, text, sizeMm, bold, colour, halo);
        return box;
    }

    // `text` in the box Measure gave it, on white where `halo` asks for it.
    void DrawIn(const QRectF& box, const QString& text, double sizeMm, bool bold, const QColor& colour, bool halo)
    {
        const Face& face = FaceOf(sizeMm, bold);
        if (halo)
            p_.fillRect(box.adjusted(-LabelPad, -LabelPad, LabelPad, LabelPad), Qt::white);
        const QPointF baseline(box.left(), box.top() + face.metrics.ascent() / unitsPerMm_);
        p_.save();
        if (screen_) {
            const QPointF device = p_.transform().map(baseline);
            p_.resetTransform();
            p_.translate(device);
        } else {
            p_.translate(baseline);
            p_.scale(1 / TextUnits, 1 / TextUnits);
        }
        p_.setFont(face.font);
        p_.setPen(colour);
        p_.drawText(QPointF(0, 0), text);
        p_.restore();
    }

private:
    struct Face {
        double size;
        bool bold;
        QFont font;
        QFontMetricsF metrics;
    };

    const Face& FaceOf(double sizeMm, bool bold)
    {
        for (const Face& f : faces_)
            if (f.size == sizeMm && f.bold == bold)
                return f;
        QFont font = TextFont(p_.device(), sizeMm, bold);
        if (screen_)
            font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizeMm * unitsPerMm_))));
        return faces_.emplace_back(Face{sizeMm, bold, font, QFontMetricsF(font, p_.device())});
    }

    QPainter& p_;
    bool screen_;
    double unitsPerMm_;      // text units (device pixels on screen) per millimetre
    std::deque<Face> faces_; // references stay valid as faces are added
};

} // namespace diagram
