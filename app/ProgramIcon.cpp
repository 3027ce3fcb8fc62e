// The program's 32 × 32 icon: a circle diagram drawn at run time.
#include "ProgramIcon.h"

#include <QPainter>

namespace {
constexpr int IconSide = 32;
}

QPixmap ProgramIconPixmap()
{
    QPixmap pixmap(IconSide, IconSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // White paper with a dark border.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0.5, 0.5, IconSide - 1, IconSide - 1));

    // Axes: reactive current to the right, active current upwards, origin at the lower left.
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawLine(QPointF(4, 28), QPointF(29, 28));
    painter.drawLine(QPointF(4, 28), QPointF(4, 3));

    // The current locus: a half circle over the reactive axis.
    painter.setPen(QPen(QColor(0, 0, 160), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(7, 10, 20, 20), 0, 180 * 16);

    // The power line from the no-load point to the short-circuit point.
    painter.setPen(QPen(QColor(192, 0, 0), 1.5));
    painter.drawLine(QPointF(7, 20), QPointF(21, 12));
    painter.setBrush(QColor(192, 0, 0));
    painter.drawEllipse(QPointF(7, 20), 1.5, 1.5);
    painter.drawEllipse(QPointF(21, 12), 1.5, 1.5);
    return pixmap;
}
