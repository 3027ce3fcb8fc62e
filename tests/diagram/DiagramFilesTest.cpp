// The files at true scale: the defaults' PDF read back with pdftotext, the SVG's size and viewBox, the
// PNG's size and resolution; and every file written completely or not at all when the disk fills up.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "Characteristic.h"
#include "DiagramExport.h"
#include "FileSizeLimit.h"

using namespace diagram;

namespace {

constexpr double MmPerPoint = 25.4 / 72;

Diagram DefaultDiagram()
{
    const char32_t saved = DecimalSeparator;
    DecimalSeparator = U',';
    TKonstrukce k{};
    EXPECT_FALSE(AcceptInput(DefaultInput(), k).has_value());
    DecimalSeparator = saved;
    const std::optional<Diagram> d = MakeDiagram(k, ReadCharacteristicPoints(k));
    EXPECT_TRUE(d.has_value());
    return *d;
}

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax; // pt from the page's top-left
};

struct PdfText {
    QSizeF page; // pt
    std::vector<Word> words;
};

// pdftotext -bbox: the first page's size and every word with its box.
PdfText ReadBack(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral(PDFTOTEXT),
                  {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PdfText text;
    const QRegularExpressionMatch page =
        QRegularExpression(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re")).match(html);
    EXPECT_TRUE(page.hasMatch());
    text.page = QSizeF(page.captured(1).toDouble(), page.captured(2).toDouble());
    const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        text.words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                              m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return text;
}

class DiagramFiles : public ::testing::Test {
protected:
    QTemporaryDir directory;
    QString Path(const char* name) const { return directory.filePath(QString::fromLatin1(name)); }
};

// The defaults' page is A4 and the horizontal axis's labels "50" and "100" stand 50 mm apart.
TEST_F(DiagramFiles, PdfIsTrueToScale)
{
    const QString pdf = Path("kruhovy-diagram.pdf");
    ASSERT_EQ(SaveDiagram(pdf, DefaultDiagram()), std::nullopt);
    const PdfText text = ReadBack(pdf);

    const QSizeF a4(210, 297);
    const QSizeF page = text.page * MmPerPoint;
    const QSizeF portrait = page.width() < page.height() ? page : page.transposed();
    EXPECT_NEAR(portrait.width(), a4.width(), 0.1);
    EXPECT_NEAR(portrait.height(), a4.height(), 0.1);

    // The horizontal axis's labels are the row with the most numbers.
    std::map<double, std::map<QString, double>> rows; // yMin → text → centre x
    for (const Word& w : text.words)
        if (QRegularExpression(QStringLiteral(R"re(^\d+$)re")).match(w.text).hasMatch())
            rows[std::round(w.yMin * 10) / 10][w.text] = (w.xMin + w.xMax) / 2;
    const auto axis = std::max_element(rows.begin(), rows.end(),
                                       [](const auto& a, const auto& b) { return a.second.size() < b.second.size(); });
    ASSERT_NE(axis, rows.end());
    ASSERT_TRUE(axis->second.count(QStringLiteral("50")) && axis->second.count(QStringLiteral("100")));
    const double apart = (axis->second.at(QStringLiteral("100")) - axis->second.at(QStringLiteral("50"))) * MmPerPoint;
    EXPECT_NEAR(apart, 50.0, 0.05);
}

// width and height in mm, and a viewBox of the same numbers: one user unit is one millimetre.
TEST_F(DiagramFiles, SvgStatesItsSizeInMillimetres)
{
    const Diagram d = DefaultDiagram();
    const QString svg = Path("kruhovy-diagram.svg");
    ASSERT_EQ(SaveDiagram(svg, d), std::nullopt);
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QRegularExpressionMatch m =
        QRegularExpression(
            QStringLiteral(R"re(<svg\s+width="([\d.]+)mm"\s+height="([\d.]+)mm"\s+viewBox="0 0 ([\d.]+) ([\d.]+)")re"))
            .match(text);
    ASSERT_TRUE(m.hasMatch()) << text.left(400).toStdString();
    EXPECT_EQ(QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), d.page.page);
    EXPECT_EQ(QSizeF(m.captured(3).toDouble(), m.captured(4).toDouble()), d.page.page);
}

// A hairline is one device pixel wide at any zoom: the view's, never paper's, where it would print as the
// printer's thinnest line. The same diagram painted as the view paints it at its fitted size has them.
TEST_F(DiagramFiles, HairlinesOnlyWhereTheDeviceDrawsThem)
{
    const Diagram d = DefaultDiagram();
    const struct {
        const char* name;
        DevicePolicy device;
        double pixelsPerMm;
        bool hairlines;
    } cases[] = {
        {"paper of a coarse printer", DevicePolicy::Paper(), 96 / MmPerInch, false},
        {"screen", DevicePolicy::Screen(LeastScreenPixelsPerMm / 2), 2, true},
    };
    for (const auto& c : cases) {
        QBuffer svg;
        svg.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setViewBox(QRectF(QPointF(0, 0), d.page.page));
        QPainter p(&generator);
        PaintTarget target;
        target.visible = d.page.frame;
        target.hole = d.page.titleBlock;
        target.pixelsPerMm = c.pixelsPerMm;
        target.device = c.device;
        PaintPaper(p, d.page.frame, target);
        PaintDiagram(p, d.scene, d.page, target);
        p.end();
        EXPECT_EQ(svg.data().contains("non-scaling-stroke"), c.hairlines) << c.name;
    }
    QBuffer page;
    page.open(QIODevice::WriteOnly);
    ASSERT_TRUE(WriteSvg(page, d));
    EXPECT_FALSE(page.data().contains("non-scaling-stroke"));
}

// 300 dpi where the page stays within 16 megapixels, else the highest resolution that does.
TEST_F(DiagramFiles, PngResolutionKeepsWithinSixteenMegapixels)
{
    const struct {
        Paper paper;
        int dpi;
    } cases[] = {{Paper::A4, 300}, {Paper::A3, 287}, {Paper::A0, 101}};
    for (const auto& c : cases) {
        const PngSize size = PngSizeOf(PortraitSizeMm(c.paper));
        EXPECT_EQ(size.dpi, c.dpi) << PaperName(c.paper).toStdString();
        EXPECT_LE(double(size.pixels.width()) * size.pixels.height(), 16e6);
        EXPECT_NEAR(size.pixels.width(), PortraitSizeMm(c.paper).width() / 25.4 * c.dpi, 0.5);
    }
    const Diagram d = DefaultDiagram();
    const QString png = Path("kruhovy-diagram.png");
    ASSERT_EQ(SaveDiagram(png, d), std::nullopt);
    const QImage image(png);
    EXPECT_EQ(image.size(), PngSizeOf(d.page.page).pixels);
    EXPECT_NEAR(image.dotsPerMeterX(), 300 / 0.0254, 1);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each format's file, written over an older one with the disk full after 0, 4, 8, … KiB: a failure
// that names its reason and leaves the older file whole and no temporary file, until the limit holds
// the whole file, which then is there byte for byte.
TEST_F(DiagramFiles, FullDiskLeavesTheOlderFileWhole)
{
    constexpr rlim_t Step = 4096;
    const Diagram d = DefaultDiagram();
    const QByteArray older = "the drawing saved the day before";
    for (const auto& [format, name] : {std::pair(FileFormat::Pdf, "x.pdf"), std::pair(FileFormat::Svg, "x.svg"),
                                       std::pair(FileFormat::Png, "x.png")}) {
        SCOPED_TRACE(name);
        const EncodedFile file = EncodeDiagram(format, d);
        ASSERT_FALSE(file.error);
        ASSERT_GT(file.bytes.size(), 4 * static_cast<qsizetype>(Step));
        const QString path = Path(name);
        for (rlim_t limit = 0;; limit += Step) {
            {
                QFile old(path);
                ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write(older) == older.size());
            }
            std::optional<QString> error;
            {
                const FileSizeLimit full(limit);
                error = WriteWholeFile(QFile::encodeName(path), file.bytes);
            }
            const bool fits = limit >= static_cast<rlim_t>(file.bytes.size());
            EXPECT_EQ(error.has_value(), !fits) << limit;
            EXPECT_EQ(Contents(path), fits ? file.bytes : older) << limit;
            for (const QString& left : QDir(directory.path()).entryList(QDir::Files | QDir::Hidden))
                EXPECT_TRUE(QStringList({"x.pdf", "x.svg", "x.png"}).contains(left)) << left.toStdString();
            if (fits)
                break;
        }
        // The whole road from the diagram to the file fails the same way.
        const FileSizeLimit full(16 * 1024);
        const std::optional<QString> error = SaveDiagram(path, d);
        ASSERT_TRUE(error.has_value());
        EXPECT_FALSE(error->isEmpty());
        EXPECT_EQ(Contents(path), file.bytes);
    }
}

// The address sanitizer reserves the address space a limit would take away: no such test in its build.
#if !defined(__SANITIZE_ADDRESS__)
// The process's address space now, in bytes.
rlim_t AddressSpace()
{
    long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Running out of memory while drawing is a failure like any other: reported, nothing written.
TEST_F(DiagramFiles, OutOfMemoryIsReported)
{
    const std::optional<Diagram> d = [] {
        const Diagram defaults = DefaultDiagram();
        return MakeDiagram(defaults.record, defaults.points, {Paper::A0, Scale{2, -1}});
    }();
    ASSERT_TRUE(d.has_value());
    const QString path = Path("a0.png");
    ASSERT_EQ(SaveDiagram(Path("warm.pdf"), *d), std::nullopt); // fonts and caches loaded beforehand
    rlimit saved{};
    getrlimit(RLIMIT_AS, &saved);
    rlimit limit = saved;
    limit.rlim_cur = AddressSpace() + 16 * 1024 * 1024; // far below the page's 64 MB of pixels
    setrlimit(RLIMIT_AS, &limit);
    const std::optional<QString> error = SaveDiagram(path, *d);
    setrlimit(RLIMIT_AS, &saved);
    EXPECT_EQ(error, SystemErrorText(ENOMEM));
    EXPECT_FALSE(QFile::exists(path));
}
#endif

} // namespace
