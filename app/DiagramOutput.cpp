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
#include <cerrno>
#include <new>

#include "CurvesPainter.h"
#include "DiagramExport.h"
#include "DiagramTexts.h"
#include "DrawingConstants.h"
#include "ErrorDisplay.h"
#include "GridTexts.h"
#include "PageChoiceDialog.h"
#include "Settings.h"

namespace {

QString Tr(const char* source)
{
    return QCoreApplication::translate("DiagramOutput", source);
}

// The file name offered, in the language of the window ("circle-diagram.pdf" in English).
constexpr const char* DefaultFileName = QT_TRANSLATE_NOOP("DiagramOutput", "kruhovy-diagram.pdf");
constexpr const char* PrintFailed = QT_TRANSLATE_NOOP("DiagramOutput", "Diagram se nepodařilo vytisknout.");
constexpr int ClipboardDpi = 150; // enough for a report, small enough to paste quickly

struct FileType {
    const char* filter;
    QString suffix;
};
const FileType FileTypes[] = {
    {QT_TRANSLATE_NOOP("DiagramOutput", "Dokument PDF (*.pdf)"), QStringLiteral("pdf")},
    {QT_TRANSLATE_NOOP("DiagramOutput", "Obrázek SVG (*.svg)"), QStringLiteral("svg")},
    {QT_TRANSLATE_NOOP("DiagramOutput", "Obrázek PNG (*.png)"), QStringLiteral("png")},
};

QString SuffixOfFilter(const QString& filter)
{
    for (const FileType& t : FileTypes)
        if (Tr(t.filter) == filter)
            return t.suffix;
    return FileTypes[0].suffix;
}

// The paper and scale last chosen in this run, for saving and for printing (no paper: the printer's).
struct LastChoice {
    std::optional<diagram::Paper> paper;
    std::optional<diagram::Scale> scale;
};

LastChoice& LastSaveChoice()
{
    static LastChoice choice{diagram::Paper::A4, std::nullopt};
    return choice;
}

LastChoice& LastPrintChoice()
{
    static LastChoice choice;
    return choice;
}

// The panel for paper and scale; false when the user leaves it.
bool AskForPage(QWidget* parent, const diagram::Diagram& d, bool printing, LastChoice& choice)
{
    PageChoiceDialog panel(parent, d.scene, printing);
    panel.SetChoice(choice.paper, choice.scale);
    if (panel.exec() != QDialog::Accepted)
        return false;
    choice = {panel.Paper(), panel.Scale()};
    return true;
}

QSizeF Landscape(QSizeF mm)
{
    return mm.width() >= mm.height() ? mm : mm.transposed();
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
    return Tr(QT_TRANSLATE_NOOP("DiagramOutput", "Diagram se nepodařilo uložit: %1 (%2)"))
        .arg(QDir::toNativeSeparators(fileName), reason);
}

void SaveDiagramAs(QWidget* parent, const diagram::Diagram& d)
{
    LastChoice& choice = LastSaveChoice();
    if (!AskForPage(parent, d, false, choice))
        return;
    diagram::Diagram chosen = d;
    const std::optional<diagram::PageLayout> page = diagram::ChoosePage(
        d.scene, {choice.paper.value_or(diagram::Paper::A4), choice.scale});
    if (!page)
        return ShowOwnErrorMessage(DoesNotFit()); // the panel lets no such choice through
    chosen.page = *page;

    QFileDialog dialog(parent, Tr(QT_TRANSLATE_NOOP("DiagramOutput", "Uložit kruhový diagram")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileType& t : FileTypes)
        filters << Tr(t.filter);
    dialog.setNameFilters(filters);
    dialog.setDirectory(settings::LastFolder(settings::FileDialog::SaveDiagram));
    dialog.selectFile(Tr(DefaultFileName));
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
        error = diagram::SaveDiagram(file, chosen);
    }
    if (error)
        ShowOwnErrorMessage(SaveErrorText(file, *error));
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
    LastChoice& choice = LastPrintChoice();
    if (!AskForPage(parent, d, true, choice))
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(diagram::DiagramTitle);
    printer.setFullPage(true); // our own 10 mm margins, measured from the paper's edge
    // The paper chosen in the panel, as the page rule lays it; else the printer's own.
    if (choice.paper) {
        if (const std::optional<diagram::PageLayout> l = diagram::ChoosePage(d.scene, {*choice.paper, choice.scale})) {
            const QSizeF page = l->page;
            printer.setPageSize(QPageSize(l->landscape ? page.transposed() : page, QPageSize::Millimeter));
            printer.setPageOrientation(l->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        }
    }
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::optional<QString> error;
    {
        const WaitCursor wait;
        error = PrintOn(printer, d, choice.scale);
    }
    if (error)
        ShowOwnErrorMessage(*error);
}

std::optional<QString> PrintOn(QPrinter& printer, const diagram::Diagram& d, std::optional<diagram::Scale> scale)
{
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const std::optional<diagram::PageLayout> layout = diagram::LayoutOnPaper(d.scene, paper, scale);
    if (!layout)
        return DoesNotFit();
    // Into a file: the same pages as a PDF in memory first, so that the file is whole or not there.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString file = printer.outputFileName();
        try {
            const diagram::EncodedFile pdf = diagram::EncodePdf(diagram::DiagramDocument(d, *layout, Landscape(paper)));
            std::optional<QString> error = pdf.error;
            if (!error)
                error = diagram::WriteWholeFile(QFile::encodeName(file), pdf.bytes);
            if (error)
                return SaveErrorText(file, *error);
        } catch (const std::bad_alloc&) {
            return SaveErrorText(file, diagram::SystemErrorText(ENOMEM));
        }
        return std::nullopt;
    }

    printer.setPageOrientation(layout->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        return Tr(PrintFailed);
    const double pixelsPerMm = printer.resolution() / diagram::MmPerInch;
    painter.scale(pixelsPerMm, pixelsPerMm);
    diagram::PaintPage(painter, d, *layout, pixelsPerMm);
    // The curves on the same paper turned landscape.
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!printer.newPage()) {
        painter.end();
        return Tr(PrintFailed);
    }
    const QSizeF landscape = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    painter.resetTransform();
    painter.scale(pixelsPerMm, pixelsPerMm);
    diagram::PaintCurvesPage(painter, d.curves.slip, OperatingRows(d.points), d.texts.inputsLine, landscape,
                             diagram::PointOf(d));
    // And the working characteristics against output.
    if (!printer.newPage()) {
        painter.end();
        return Tr(PrintFailed);
    }
    painter.resetTransform();
    painter.scale(pixelsPerMm, pixelsPerMm);
    diagram::PaintOutputCurvesPage(painter, d.curves.output, d.texts.inputsLine, landscape, diagram::PointOf(d));
    if (!painter.end())
        return Tr(PrintFailed);
    return std::nullopt;
}
