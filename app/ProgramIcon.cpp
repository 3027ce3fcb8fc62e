// The program icon, rendered from the one SVG drawing that the desktop's icon files come from too.
#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace {
const QString IconDrawing = QStringLiteral(":/icons/icon.svg");
constexpr int AboutPictureSide = 32;
constexpr std::array WindowIconSides{16, 22, 24, 32, 48, 64};
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

namespace {

// Draws the window icon at the size that is asked for, when it is asked for: creating the windows
// renders nothing that no title bar or task bar shows.
class DrawingIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(IconDrawing).render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(RenderProgramIcon(std::min(size.width(), size.height())));
    }

    // The sizes a window system copies into its title bars and switchers; larger ones are drawn on request.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : WindowIconSides)
            sizes << QSize(side, side);
        return sizes;
    }

    QIconEngine* clone() const override { return new DrawingIconEngine; }
};

} // namespace

QIcon ProgramIconSet()
{
    return QIcon(new DrawingIconEngine);
}
