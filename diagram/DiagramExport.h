// The diagram page in PDF, SVG and PNG files, at true scale, never leaving a half-written file behind.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "DiagramPainter.h"

class QIODevice;
class QPainter;

namespace diagram {

// The format a file name's extension names (.pdf, .svg, .png, in any case), or nothing.
std::optional<FileFormat> FormatOfFileName(const QString& fileName);

// One page of a PDF document: its size as it lies, and how to paint it in millimetres from its
// top-left corner.
struct DocumentPage {
    QSizeF sizeMm;
    std::function<void(QPainter&)> paint;
};

// The pages of the PDF document of a diagram: the diagram page at its true scale, then the
// characteristic curves with the operating table on A4 landscape, then the working characteristics
// against output on another; or the page at `page` and the curves on pages of `curvesMm` (printing).
// The operating point, where the diagram has one, is on every page. The pages paint from `d` and
// `page`: keep them.
std::vector<DocumentPage> DiagramDocument(const Diagram& d);
std::vector<DocumentPage> DiagramDocument(const Diagram& d, const PageLayout& page, QSizeF curvesMm);

// The pages as one PDF document; false when painting or the device failed.
bool WritePdf(QIODevice& device, const std::vector<DocumentPage>& pages);
// The page as SVG: width and height in mm, a viewBox whose user unit is 1 mm.
bool WriteSvg(QIODevice& device, const Diagram& d);
// The page as PNG at PngSizeOf's resolution.
bool WritePng(QIODevice& device, const Diagram& d);
// The page as an image at `dpi`, the resolution stored in it.
QImage PageImage(const Diagram& d, int dpi);

// A page's PNG: 300 dpi, or the highest whole dpi below that keeps it within 16 megapixels.
struct PngSize {
    QSize pixels;
    int dpi = 0;
};
PngSize PngSizeOf(QSizeF pageMm);

// The whole file of `format` in memory, or the reason it could not be made.
struct EncodedFile {
    QByteArray bytes;
    std::optional<QString> error;
};
EncodedFile EncodeDiagram(FileFormat format, const Diagram& d);
EncodedFile EncodePdf(const std::vector<DocumentPage>& pages);

// Writes `bytes` as the file `path` (the system's bytes of its name, as the command line has them):
// as every save of the program does (ReplaceFile: links followed, only a regular file replaced, the old
// file whole on any failure). The reason of a failure, or nothing.
std::optional<QString> WriteWholeFile(const QByteArray& path, const QByteArray& bytes);

// Writes `fileName` in the format its extension names, completely or not at all. The reason of a
// failure, or nothing; running out of memory is one such reason.
std::optional<QString> SaveDiagram(const QByteArray& path, const Diagram& d);
std::optional<QString> SaveDiagram(const QString& fileName, const Diagram& d);

// The reason the system gives for an error number, in the user's language where it has one.
QString SystemErrorText(int error);

} // namespace diagram
