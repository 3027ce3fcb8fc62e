// The diagram page in PDF, SVG and PNG files, at true scale, never leaving a half-written file behind.
#include "DiagramExport.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "CurvesPainter.h"
#include "DrawingConstants.h"
#include "GridTexts.h"
#include "ReplaceFile.h"

namespace diagram {

namespace {

constexpr int PdfResolution = VectorDpi;
constexpr int PngBestDpi = 300;
constexpr double PngMaxPixels = 16e6;
// SVG: 10 device units per mm, so that the integer size states the page to 0.1 mm.
constexpr int SvgUnitsPerMm = 10;

QPageLayout PdfPageLayout(QSizeF sizeMm)
{
    const bool landscape = sizeMm.width() > sizeMm.height();
    const QSizeF portrait = landscape ? sizeMm.transposed() : sizeMm;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// Where memory runs out while painting, ending the painting (as the painter's destructor would) needs
// memory again, and an exception out of a destructor ends the program: an active painter and its device
// are then left unfinished, a small leak in a rare failure, while the exception goes on to be reported.
template <class Device>
void Abandon(std::unique_ptr<QPainter> painter, std::unique_ptr<Device> device)
{
    if (painter->isActive()) {
        static_cast<void>(painter.release());
        static_cast<void>(device.release());
    }
}

} // namespace

std::optional<FileFormat> FormatOfFileName(const QString& fileName)
{
    return FormatOfFileName(std::string_view(fileName.toUtf8().toStdString()));
}

std::vector<DocumentPage> DiagramDocument(const Diagram& d)
{
    return DiagramDocument(d, d.page, CurvesPageSize);
}

std::vector<DocumentPage> DiagramDocument(const Diagram& d, const PageLayout& page, QSizeF curvesMm)
{
    return {
        {page.page, [&d, &page](QPainter& p) { PaintPage(p, d, page); }},
        {curvesMm,
         [&d, curvesMm](QPainter& p) {
             PaintCurvesPage(p, d.curves.slip, OperatingRows(d.points), d.texts.inputsLine, curvesMm, PointOf(d));
         }},
        {curvesMm,
         [&d, curvesMm](QPainter& p) {
             PaintOutputCurvesPage(p, d.curves.output, d.texts.inputsLine, curvesMm, PointOf(d));
         }},
    };
}

bool WritePdf(QIODevice& device, const std::vector<DocumentPage>& pages)
{
    auto writer = std::make_unique<QPdfWriter>(&device);
    writer->setResolution(PdfResolution);
    writer->setTitle(DiagramTitle);
    writer->setCreator(QStringLiteral("Orbitek"));
    auto painter = std::make_unique<QPainter>();
    try {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            // A new layout takes effect with the next page.
            const bool started = writer->setPageLayout(PdfPageLayout(pages[i].sizeMm)) &&
                (i == 0 ? painter->begin(writer.get()) : writer->newPage());
            if (!started) {
                if (painter->isActive())
                    painter->end();
                return false;
            }
            painter->resetTransform();
            painter->scale(PdfResolution / MmPerInch, PdfResolution / MmPerInch);
            pages[i].paint(*painter);
        }
        return painter->isActive() && painter->end();
    } catch (const std::bad_alloc&) {
        Abandon(std::move(painter), std::move(writer));
        throw;
    }
}

bool WriteSvg(QIODevice& device, const Diagram& d)
{
    const QSizeF mm = d.page.page;
    auto generator = std::make_unique<QSvgGenerator>();
    generator->setOutputDevice(&device);
    generator->setSize(QSize(qRound(mm.width() * SvgUnitsPerMm), qRound(mm.height() * SvgUnitsPerMm)));
    generator->setResolution(qRound(SvgUnitsPerMm * MmPerInch));
    generator->setViewBox(QRectF(QPointF(0, 0), mm)); // what is painted is written as it is: millimetres
    generator->setTitle(DiagramTitle);
    generator->setDescription(QStringLiteral("Orbitek"));
    auto painter = std::make_unique<QPainter>();
    try {
        if (!painter->begin(generator.get()))
            return false;
        PaintPage(*painter, d, d.page);
        return painter->end();
    } catch (const std::bad_alloc&) {
        Abandon(std::move(painter), std::move(generator));
        throw;
    }
}

PngSize PngSizeOf(QSizeF pageMm)
{
    auto pixels = [&pageMm](int dpi) {
        return QSize(qRound(pageMm.width() / MmPerInch * dpi), qRound(pageMm.height() / MmPerInch * dpi));
    };
    int dpi = PngBestDpi;
    while (dpi > 1 && double(pixels(dpi).width()) * pixels(dpi).height() > PngMaxPixels)
        --dpi;
    return {pixels(dpi), dpi};
}

QImage PageImage(const Diagram& d, int dpi)
{
    const QSizeF mm = d.page.page;
    QImage image(QSize(qRound(mm.width() / MmPerInch * dpi), qRound(mm.height() / MmPerInch * dpi)),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / MmPerInch * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double pixelsPerMm = dpi / MmPerInch;
    painter.scale(pixelsPerMm, pixelsPerMm);
    PaintPage(painter, d, d.page, pixelsPerMm);
    painter.end();
    return image;
}

bool WritePng(QIODevice& device, const Diagram& d)
{
    QImageWriter writer(&device, "png");
    return writer.write(PageImage(d, PngSizeOf(d.page.page).dpi));
}

QString SystemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

EncodedFile EncodePdf(const std::vector<DocumentPage>& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!WritePdf(buffer, pages))
        return {{}, SystemErrorText(ENOMEM)}; // into memory, nothing else fails
    return {buffer.data(), std::nullopt};
}

EncodedFile EncodeDiagram(FileFormat format, const Diagram& d)
{
    if (format == FileFormat::Pdf)
        return EncodePdf(DiagramDocument(d));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == FileFormat::Svg) {
        if (!WriteSvg(buffer, d))
            return {{}, SystemErrorText(ENOMEM)};
        return {buffer.data(), std::nullopt};
    }
    const QImage image = PageImage(d, PngSizeOf(d.page.page).dpi);
    if (image.isNull())
        return {{}, SystemErrorText(ENOMEM)}; // no room for the pixels
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        return {{}, writer.errorString()};
    return {buffer.data(), std::nullopt};
}

std::optional<QString> WriteWholeFile(const QByteArray& path, const QByteArray& bytes)
{
    const std::optional<std::string> error = ReplaceFile(
        path.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return error ? std::optional(QString::fromStdString(*error)) : std::nullopt;
}

std::optional<QString> SaveDiagram(const QByteArray& path, const Diagram& d)
{
    const std::optional<FileFormat> format = FormatOfFileName(QFile::decodeName(path));
    if (!format)
        return Tr(QT_TRANSLATE_NOOP("DiagramTexts", "neznámý typ souboru, použijte .pdf, .svg nebo .png"));
    try {
        const EncodedFile file = EncodeDiagram(*format, d);
        if (file.error)
            return file.error;
        return WriteWholeFile(path, file.bytes);
    } catch (const std::bad_alloc&) {
        return SystemErrorText(ENOMEM);
    }
}

std::optional<QString> SaveDiagram(const QString& fileName, const Diagram& d)
{
    return SaveDiagram(QFile::encodeName(fileName), d);
}

} // namespace diagram
