// The characteristic curves against the torque table and the characteristic points, over the defaults
// and seeded random motors; and the PDF's second page, read back with poppler.
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "Curves.h"
#include "DiagramExport.h"
#include "GridTexts.h"
#include "RandomMotors.h"

using namespace diagram;

namespace {

constexpr int RandomMotorCount = 500;
constexpr std::uint64_t Seed = 20260317;
constexpr double Close = 1e-9; // of a curve's largest value: the table's point and the sampled one

struct Separators {
    char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    Separators(char32_t d, char32_t t)
    {
        DecimalSeparator = d;
        ThousandSeparator = t;
    }
    ~Separators()
    {
        DecimalSeparator = decimal;
        ThousandSeparator = thousand;
    }
};

struct Motor {
    std::string name;
    TKonstrukce k;
    CharacteristicPoints c;
};

// The defaults, then accepted random motors (about a third with the maximum torque beyond slip 1).
const std::vector<Motor>& Motors()
{
    static const std::vector<Motor> motors = [] {
        const Separators comma(U',', U' ');
        std::vector<Motor> list;
        auto add = [&list](const TypedInput& z) {
            TKonstrukce k{};
            if (!AcceptInput(z, k))
                list.push_back(
                    {z.PrNapr + " " + z.UcNapr + " " + z.PrNakr + " " + z.UcNakr + " " + z.FazoveNapeti + " " + z.R1f,
                     k, ReadCharacteristicPoints(k)});
        };
        add({"15", "0,11", "177", "0,41", "220", "0,25", 1, 3});
        std::mt19937_64 random(Seed);
        while (list.size() < RandomMotorCount + 1)
            add(random_motors::RandomMotor(random));
        return list;
    }();
    return motors;
}

double Value(const OptionalValue& v)
{
    return v ? static_cast<double>(*v) : NAN;
}

double Largest(const Curve& curve)
{
    double m = 0;
    for (const std::optional<double>& v : curve.values)
        m = std::max(m, v ? std::abs(*v) : 0);
    return m;
}

// Every tenth sample is a table row: slip i · 0.05, and the row's values; the first is Ao.
TEST(Curves, SamplesAtTheTableSlipsAreTheTableRows)
{
    const struct {
        int plot, curve;
        std::function<double(const TKonstrukce&, const OperatingPoint&, int)> row;
    } curves[] = {
        {TorquePlot, 0, [](const TKonstrukce& k, const OperatingPoint&, int i) { return double(k.MomentSkluzu[i]); }},
        {CurrentPlot, 0, [](const TKonstrukce&, const OperatingPoint& o, int) { return Value(o.current); }},
        {OutputPlot, 0, [](const TKonstrukce&, const OperatingPoint& o, int) { return Value(o.output) / 1000; }},
        {RatioPlot, 0, [](const TKonstrukce&, const OperatingPoint& o, int) { return Value(o.powerFactor); }},
        {RatioPlot, 1, [](const TKonstrukce&, const OperatingPoint& o, int) { return Value(o.efficiency); }},
    };
    for (const Motor& m : Motors()) {
        SCOPED_TRACE(m.name);
        const CurveSet set = MakeCurves(m.k, m.c);
        ASSERT_EQ(set.slips.size(), CurveIntervals + 1u);
        ASSERT_GE(CurveIntervals, 200);
        const int perRow = CurveIntervals / SlipCount;
        for (const auto& expected : curves) {
            const Curve& curve = set.plots[expected.plot].curves.at(expected.curve);
            ASSERT_EQ(curve.values.size(), set.slips.size());
            const double tolerance = Close * Largest(curve);
            for (int i = 1; i <= SlipCount; ++i) {
                EXPECT_NEAR(set.slips[i * perRow], i * 0.05, 1e-15);
                ASSERT_TRUE(curve.values[i * perRow]);
                EXPECT_NEAR(*curve.values[i * perRow], expected.row(m.k, m.c.operating[i], i), tolerance)
                    << "row " << i << ", plot " << expected.plot << ", curve " << expected.curve;
            }
        }
        // Slip 0 is Ao: no torque, no output, the no-load current.
        EXPECT_NEAR(*set.plots[TorquePlot].curves[0].values[0], 0, Close * Largest(set.plots[TorquePlot].curves[0]));
        EXPECT_NEAR(*set.plots[OutputPlot].curves[0].values[0], 0, Close * Largest(set.plots[OutputPlot].curves[0]));
        EXPECT_NEAR(*set.plots[CurrentPlot].curves[0].values[0], std::hypot(double(m.k.Ao.x), double(m.k.Ao.y)),
                    Close * Largest(set.plots[CurrentPlot].curves[0]));
    }
}

// Each curve's sampled maximum stands within one sampling step of the characteristic point marked on
// it, and never above it; a maximum torque beyond slip 1 is an arrow, the torque rising to slip 1.
TEST(Curves, MaximaAreTheCharacteristicPointsWithinTheSamplingStep)
{
    const struct {
        int plot, curve;
        Symbol symbol;
        std::optional<OperatingPoint> CharacteristicPoints::*point;
        OptionalValue OperatingPoint::*value;
        double unit;
    } maxima[] = {
        {TorquePlot, 0, Symbol::Triangle, &CharacteristicPoints::maxTorque, &OperatingPoint::torque, 1},
        {OutputPlot, 0, Symbol::Square, &CharacteristicPoints::maxOutput, &OperatingPoint::output, 1000},
        {RatioPlot, 0, Symbol::Diamond, &CharacteristicPoints::maxPowerFactor, &OperatingPoint::powerFactor, 1},
        {RatioPlot, 1, Symbol::Circle, &CharacteristicPoints::maxEfficiency, &OperatingPoint::efficiency, 1},
    };
    const double step = 1.0 / CurveIntervals;
    int beyond = 0;
    for (const Motor& m : Motors()) {
        SCOPED_TRACE(m.name);
        const CurveSet set = MakeCurves(m.k, m.c);
        for (const auto& expected : maxima) {
            const Plot& plot = set.plots[expected.plot];
            const Curve& curve = plot.curves.at(expected.curve);
            const OperatingPoint& point = *(m.c.*expected.point);
            const double slip = Value(point.slip), value = Value(point.*expected.value) / expected.unit;
            std::size_t top = 0;
            for (std::size_t i = 0; i < curve.values.size(); ++i)
                if (*curve.values[i] > *curve.values[top])
                    top = i;
            const auto mark = std::find_if(plot.marks.begin(), plot.marks.end(),
                                           [&](const CurveMark& cm) { return cm.symbol == expected.symbol; });
            EXPECT_LE(*curve.values[top], value + Close * std::abs(value));
            if (slip > 1) {
                ++beyond;
                EXPECT_EQ(mark, plot.marks.end());
                ASSERT_TRUE(plot.beyond);
                EXPECT_EQ(plot.beyond->symbol, expected.symbol);
                EXPECT_EQ(plot.beyond->value, value);
                EXPECT_EQ(top, curve.values.size() - 1);
                // The axis holds what is drawn between slip 0 and 1, not the maximum beyond it.
                EXPECT_NEAR(plot.highest, *curve.values[top], Close * std::abs(value));
                continue;
            }
            ASSERT_NE(mark, plot.marks.end());
            EXPECT_EQ(mark->at, QPointF(slip, value));
            EXPECT_LE(std::abs(set.slips[top] - slip), step + 1e-12) << "symbol " << int(expected.symbol);
        }
        EXPECT_EQ(set.plots[TorquePlot].beyond.has_value(), Value(m.c.maxTorque->slip) > 1);
    }
    EXPECT_GT(beyond, RandomMotorCount / 10); // the arrow was tested
}

// What a poppler tool prints.
QString Output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Two pages, the second A4 landscape whatever the first is, and on it every cell of the operating
// table as the calculator prints it.
TEST(Curves, PdfSecondPageHoldsTheCurvesAndTheOperatingTable)
{
    const Separators czech(U',', U'.'); // grouped numbers stay one word
    const Motor& defaults = Motors().front();
    const struct {
        const char* name;
        PageChoice page;
    } cases[] = {{"A4 first page", {}}, {"larger first page", {Paper::A2, Scale{5, -1}}}};
    QTemporaryDir directory;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Diagram> d = MakeDiagram(defaults.k, defaults.c, c.page);
        ASSERT_TRUE(d);
        const QString pdf = directory.filePath(QStringLiteral("kruhovy-diagram.pdf"));
        ASSERT_EQ(SaveDiagram(pdf, *d), std::nullopt);

        const QString info = Output(
            QStringLiteral(PDFINFO),
            {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2"), pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+2\n)")))) << info.toStdString();
        const QRegularExpressionMatch second =
            QRegularExpression(QStringLiteral(R"(Page\s+2 size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
        ASSERT_TRUE(second.hasMatch()) << info.toStdString();
        EXPECT_NEAR(second.captured(1).toDouble(), 297 / 25.4 * 72, 0.5);
        EXPECT_NEAR(second.captured(2).toDouble(), 210 / 25.4 * 72, 0.5);
        EXPECT_EQ(d->page.paper, c.page.paper);

        const QStringList words = Output(QStringLiteral(PDFTOTEXT),
                                         {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                          QStringLiteral("2"), pdf, QStringLiteral("-")})
                                      .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const WideGridRows table = OperatingRows(defaults.c);
        ASSERT_EQ(table.size(), SlipCount + 1u);
        for (const WideGridRow& row : table)
            for (const std::string& cell : row)
                for (const QString& word : QString::fromStdString(cell).split(u' ', Qt::SkipEmptyParts))
                    EXPECT_TRUE(words.contains(word)) << cell;
        for (const char* title : {"Moment", "Proud", "Výkon", "Účiník", "Účinnost", "Skluz", "Otáčky"})
            EXPECT_TRUE(words.contains(QString::fromUtf8(title))) << title;
    }
}

} // namespace
