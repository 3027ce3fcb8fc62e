// Saving the diagram page to a file and printing it, through Qt's file and print dialogs.
#include "DiagramOutput.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImageWriter>
#include <QMimeData>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "CurvesPainter.h"
#include "DiagramExport.h"
#include "ErrorDisplay.h"
#include "GridTexts.h"
#include "Settings.h"

namespace {

const QString DefaultFileName = QStringLiteral("kruhovy-diagram.pdf");
const QString DocumentName = QStringLiteral("Kruhový diagram asynchronního motoru");
constexpr int ClipboardDpi = 150; // enough for a report, small enough to paste quickly

struct FileType {
    QString filter;
    QString suffix;
};
const FileType FileTypes[] = {
    {QStringLiteral("Dokument PDF (*.pdf)"), QStringLiteral("pdf")},
    {QStringLiteral("Obrázek SVG (*.svg)"), QStringLiteral("svg")},
    {QStringLiteral("Obrázek PNG (*.png)"), QStringLiteral("png")},
};

QString SuffixOfFilter(const QString& filter)
{
    for (const FileType& t : FileTypes)
        if (t.filter == filter)
            return t.suffix;
    return FileTypes[0].suffix;
}

// While a long write runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

QString SaveErrorText(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Diagram se nepodařilo uložit: %1 (%2)").arg(QDir::toNativeSeparators(fileName), reason);
}

void SaveDiagramAs(QWidget* parent, const diagram::Diagram& d)
{
    QFileDialog dialog(parent, QStringLiteral("Uložit kruhový diagram"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileType& t : FileTypes)
        filters << t.filter;
    dialog.setNameFilters(filters);
    dialog.setDirectory(settings::LastFolder(settings::FileDialog::SaveDiagram));
    dialog.selectFile(DefaultFileName);
    dialog.setDefaultSuffix(FileTypes[0].suffix);
    // Another type chosen: the name follows it.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QString suffix = SuffixOfFilter(filter);
        dialog.setDefaultSuffix(suffix);
        const QFileInfo chosen(dialog.selectedFiles().value(0));
        if (diagram::FormatOfFileName(chosen.fileName()))
            dialog.selectFile(chosen.completeBaseName() + u'.' + suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    QString file = dialog.selectedFiles().constFirst();
    if (!diagram::FormatOfFileName(file))
        file += u'.' + SuffixOfFilter(dialog.selectedNameFilter());
    settings::SetLastFolder(settings::FileDialog::SaveDiagram, QFileInfo(file).absolutePath());

    std::optional<QString> error;
    {
        const WaitCursor wait;
        error = diagram::SaveDiagram(file, d);
    }
    if (error)
        ShowErrorMessage(SaveErrorText(file, *error));
}

void CopyDiagram(const diagram::Diagram& d)
{
    const WaitCursor wait;
    auto* data = new QMimeData;
    QBuffer svg;
    if (svg.open(QIODevice::WriteOnly) && diagram::WriteSvg(svg, d))
        data->setData(QStringLiteral("image/svg+xml"), svg.data());
    const QImage image = diagram::PageImage(d, std::min(ClipboardDpi, diagram::PngSizeOf(d.page.page).dpi));
    QBuffer png;
    if (png.open(QIODevice::WriteOnly) && QImageWriter(&png, "png").write(image))
        data->setData(QStringLiteral("image/png"), png.data()); // keeps the resolution for the report
    data->setImageData(image);
    QApplication::clipboard()->setMimeData(data);
}

void PrintDiagram(QWidget* parent, const diagram::Diagram& d)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(DocumentName);
    printer.setFullPage(true); // our own 10 mm margins, measured from the paper's edge
    // The paper the default layout chose, unless the user picks another.
    const QSizeF page = d.page.page;
    const bool landscape = page.width() > page.height();
    printer.setPageSize(QPageSize(landscape ? page.transposed() : page, QPageSize::Millimeter));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const std::optional<QString> error = PrintOn(printer, d))
        ShowErrorMessage(*error);
}

std::optional<QString> PrintOn(QPrinter& printer, const diagram::Diagram& d)
{
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const std::optional<diagram::PageLayout> layout = diagram::LayoutOnPaper(d.scene, paper);
    if (!layout)
        return QStringLiteral("Diagram se na zvolený papír nevejde.");
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("Diagram se nepodařilo vytisknout.");
    const double pixelsPerMm = printer.resolution() / 25.4;
    painter.scale(pixelsPerMm, pixelsPerMm);
    diagram::PaintPage(painter, d, *layout, pixelsPerMm);
    // The curves on the same paper turned landscape.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!printer.newPage())
        return QStringLiteral("Diagram se nepodařilo vytisknout.");
    const QSizeF landscape = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const double curvesPixelsPerMm = printer.resolution() / 25.4;
    painter.resetTransform();
    painter.scale(curvesPixelsPerMm, curvesPixelsPerMm);
    diagram::PaintCurvesPage(painter, diagram::MakeCurves(d.record, d.points), OperatingRows(d.points), landscape);
    if (!painter.end())
        return QStringLiteral("Diagram se nepodařilo vytisknout.");
    return std::nullopt;
}
