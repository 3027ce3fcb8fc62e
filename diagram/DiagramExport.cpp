// The diagram page in PDF, SVG and PNG files, at true scale, never leaving a half-written file behind.
#include "DiagramExport.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

#include "CurvesPainter.h"
#include "GridTexts.h"

namespace diagram {

namespace {

constexpr double MmPerInch = 25.4;
constexpr int PdfResolution = 1200;
constexpr int PngBestDpi = 300;
constexpr double PngMaxPixels = 16e6;
// SVG: 10 device units per mm, so that the integer size states the page to 0.1 mm.
constexpr int SvgUnitsPerMm = 10;

const QString DocumentTitle = QStringLiteral("Kruhový diagram asynchronního motoru");

QPageLayout PdfPageLayout(QSizeF sizeMm)
{
    const bool landscape = sizeMm.width() > sizeMm.height();
    const QSizeF portrait = landscape ? sizeMm.transposed() : sizeMm;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

} // namespace

std::optional<FileFormat> FormatOfFileName(const QString& fileName)
{
    return FormatOfFileName(std::string_view(fileName.toUtf8().toStdString()));
}

std::vector<DocumentPage> DiagramDocument(const Diagram& d)
{
    return {
        {d.page.page, [&d](QPainter& p) { PaintPage(p, d, d.page); }},
        {CurvesPageSize,
         [&d](QPainter& p) {
             PaintCurvesPage(p, MakeCurves(d.record, d.points), OperatingRows(d.points), CurvesPageSize);
         }},
    };
}

bool WritePdf(QIODevice& device, const std::vector<DocumentPage>& pages)
{
    QPdfWriter writer(&device);
    writer.setResolution(PdfResolution);
    writer.setTitle(DocumentTitle);
    writer.setCreator(QStringLiteral("Orbitek"));
    QPainter painter;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        // A new layout takes effect with the next page.
        if (!writer.setPageLayout(PdfPageLayout(pages[i].sizeMm)))
            return false;
        if (i == 0 ? !painter.begin(&writer) : !writer.newPage())
            return false;
        painter.resetTransform();
        painter.scale(PdfResolution / MmPerInch, PdfResolution / MmPerInch);
        pages[i].paint(painter);
    }
    return painter.isActive() && painter.end();
}

bool WriteSvg(QIODevice& device, const Diagram& d)
{
    const QSizeF mm = d.page.page;
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(QSize(qRound(mm.width() * SvgUnitsPerMm), qRound(mm.height() * SvgUnitsPerMm)));
    generator.setResolution(qRound(SvgUnitsPerMm * MmPerInch));
    generator.setViewBox(QRectF(QPointF(0, 0), mm)); // what is painted is written as it is: millimetres
    generator.setTitle(DocumentTitle);
    generator.setDescription(QStringLiteral("Orbitek"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    PaintPage(painter, d, d.page);
    return painter.end();
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

std::optional<QString> SaveDiagram(const QString& fileName, const Diagram& d)
{
    const std::optional<FileFormat> format = FormatOfFileName(fileName);
    if (!format)
        return QStringLiteral("neznámý typ souboru, použijte .pdf, .svg nebo .png");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    bool painted = false;
    switch (*format) {
    case FileFormat::Pdf: painted = WritePdf(file, DiagramDocument(d)); break;
    case FileFormat::Svg: painted = WriteSvg(file, d); break;
    case FileFormat::Png: painted = WritePng(file, d); break;
    }
    // A failed write is remembered by the file: commit() then refuses and removes what was written.
    if (!painted)
        file.cancelWriting();
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace diagram
