// The program icon, rendered from the one SVG drawing that the desktop's icon files come from too.
#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace {
const QString IconDrawing = QStringLiteral(":/icons/icon.svg");
constexpr int AboutPictureSide = 32;
constexpr std::array WindowIconSides{16, 22, 24, 32, 48, 64, 128, 256};
} // namespace

QImage RenderProgramIcon(int side)
{
    QSvgRenderer drawing(IconDrawing);
    if (!drawing.isValid())
        return {};
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    return image;
}

QPixmap ProgramIconPixmap()
{
    const int side = qRound(AboutPictureSide * qGuiApp->devicePixelRatio());
    QPixmap pixmap = QPixmap::fromImage(RenderProgramIcon(side));
    pixmap.setDevicePixelRatio(static_cast<qreal>(side) / AboutPictureSide);
    return pixmap;
}

QIcon ProgramIconSet()
{
    QIcon icon;
    for (const int side : WindowIconSides)
        icon.addPixmap(QPixmap::fromImage(RenderProgramIcon(side)));
    return icon;
}
