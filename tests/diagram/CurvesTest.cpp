// The characteristic curves against the torque table and the characteristic points, and against output,
// over the defaults and seeded random motors; and the PDF's second and third pages, read back with
// poppler.
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
#include "OperatingPointSolver.h"
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
        ASSERT_EQ(set.xs.size(), CurveIntervals + 1u);
        ASSERT_GE(CurveIntervals, 200);
        const int perRow = CurveIntervals / SlipCount;
        for (const auto& expected : curves) {
            const Curve& curve = set.plots[expected.plot].curves.at(expected.curve);
            ASSERT_EQ(curve.values.size(), set.xs.size());
            const double tolerance = Close * Largest(curve);
            for (int i = 1; i <= SlipCount; ++i) {
                EXPECT_NEAR(set.xs[i * perRow], i * 0.05, 1e-15);
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
            EXPECT_LE(std::abs(set.xs[top] - slip), step + 1e-12) << "symbol " << int(expected.symbol);
        }
        EXPECT_EQ(set.plots[TorquePlot].beyond.has_value(), Value(m.c.maxTorque->slip) > 1);
    }
    EXPECT_GT(beyond, RandomMotorCount / 10); // the arrow was tested
}

// Against output: from no load (Ao, slip 0) to the maximum output, every sample the point of that output
// (read back with the any-slip function), the slip rising all the way; the table's rows and the
// characteristic points of that stretch marked on it, the others pointed at beyond its end.
TEST(Curves, AgainstOutputRunFromNoLoadToTheMaximumOutput)
{
    int beyond = 0;
    for (const Motor& m : Motors()) {
        SCOPED_TRACE(m.name);
        const CurveSet set = MakeOutputCurves(m.k, m.c);
        const double top = Value(m.c.maxOutput->output) / 1000, topSlip = Value(m.c.maxOutput->slip);
        ASSERT_EQ(set.axis, CurvesAxis::Output);
        ASSERT_EQ(set.xs.size(), CurveIntervals + 1u);
        EXPECT_EQ(set.xs.front(), 0);
        EXPECT_EQ(set.xs.back(), top);
        EXPECT_EQ(set.xTo, top);
        EXPECT_EQ(set.lastSlip, topSlip);
        const Curve& slip = set.plots[SlipPlot].curves.at(0);
        ASSERT_EQ(slip.quantity, Quantity::Slip);
        EXPECT_EQ(*slip.values.front(), 0);
        for (std::size_t i = 0; i < set.xs.size(); ++i) {
            ASSERT_TRUE(slip.values[i]);
            if (i > 0) {
                EXPECT_GE(*slip.values[i], *slip.values[i - 1]) << i;
            }
            const std::optional<OperatingPoint> p = OperatingPointAtSlip(m.k, *slip.values[i]);
            ASSERT_TRUE(p);
            EXPECT_NEAR(Value(p->output) / 1000, set.xs[i], 1e-9 * top) << i;
        }
        std::size_t rows = 0;
        for (int i = 1; i <= SlipCount; ++i)
            rows += Value(m.c.operating[i].slip) <= topSlip;
        EXPECT_EQ(set.plots[TorquePlot].rowMarks.size(), rows);
        const std::vector<CurveMark>& marks = set.plots[SlipPlot].marks;
        ASSERT_EQ(marks.size(), 1u);
        EXPECT_EQ(marks[0].symbol, Symbol::Square);
        EXPECT_EQ(marks[0].at, QPointF(top, topSlip));
        const bool torqueBeyond = Value(m.c.maxTorque->slip) > topSlip;
        beyond += torqueBeyond;
        EXPECT_EQ(set.plots[TorquePlot].beyond.has_value(), torqueBeyond);
        EXPECT_EQ(XOfPoint(set, *m.c.maxTorque).has_value(), !torqueBeyond);
    }
    EXPECT_GT(beyond, RandomMotorCount / 2); // the maximum torque lies past the maximum output
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

// Three pages, the second and third A4 landscape whatever the first is; on the second every cell of the
// operating table as the calculator prints it, and the operating point's row where there is one; on the
// third the working characteristics against output.
TEST(Curves, PdfPagesHoldTheCurvesAndTheOperatingTable)
{
    const Separators czech(U',', U'.'); // grouped numbers stay one word
    const Motor& defaults = Motors().front();
    const struct {
        const char* name;
        PageChoice page;
        bool point;
    } cases[] = {{"A4 first page", {}, false},
                 {"larger first page", {Paper::A2, Scale{5, -1}}, false},
                 {"an operating point", {}, true}};
    QTemporaryDir directory;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<AskedPoint> asked;
        if (c.point)
            asked = AskedPoint{OperatingQuantity::Output, 15000,
                               SolveOperatingPoint(defaults.k, OperatingQuantity::Output, 15000), false, std::nullopt};
        const std::optional<Diagram> d = MakeDiagram(defaults.k, defaults.c, c.page, asked);
        ASSERT_TRUE(d);
        const QString pdf = directory.filePath(QStringLiteral("kruhovy-diagram.pdf"));
        ASSERT_EQ(SaveDiagram(pdf, *d), std::nullopt);

        const QString info = Output(
            QStringLiteral(PDFINFO),
            {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("3"), pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+3\n)")))) << info.toStdString();
        for (const char* page : {"2", "3"}) {
            const QRegularExpressionMatch size =
                QRegularExpression(QStringLiteral(R"(Page\s+%1 size:\s+([\d.]+) x ([\d.]+) pts)").arg(page))
                    .match(info);
            ASSERT_TRUE(size.hasMatch()) << info.toStdString();
            EXPECT_NEAR(size.captured(1).toDouble(), 297 / 25.4 * 72, 0.5);
            EXPECT_NEAR(size.captured(2).toDouble(), 210 / 25.4 * 72, 0.5);
        }
        EXPECT_EQ(d->page.paper, c.page.paper);

        auto words = [&pdf](const char* page) {
            return Output(QStringLiteral(PDFTOTEXT),
                          {QStringLiteral("-f"), QString::fromUtf8(page), QStringLiteral("-l"), QString::fromUtf8(page),
                           pdf, QStringLiteral("-")})
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        };
        const QStringList second = words("2"), third = words("3");
        WideGridRows table = OperatingRows(defaults.c);
        ASSERT_EQ(table.size(), SlipCount + 1u);
        if (c.point)
            table.push_back(OperatingRow(asked->solution.point->values));
        for (const WideGridRow& row : table)
            for (const std::string& cell : row)
                for (const QString& word : QString::fromStdString(cell).split(u' ', Qt::SkipEmptyParts))
                    EXPECT_TRUE(second.contains(word)) << cell;
        EXPECT_EQ(second.contains(QStringLiteral("0,0357")), c.point); // the point's slip
        for (const char* title : {"Moment", "proud", "Výkon", "Účiník", "Účinnost", "Skluz", "Otáčky"})
            EXPECT_TRUE(second.contains(QString::fromUtf8(title))) << title;
        for (const char* title : {"Pracovní", "Moment", "proud", "Skluz", "Účiník", "Účinnost", "Výkon", "P2", "(kW)"})
            EXPECT_TRUE(third.contains(QString::fromUtf8(title))) << title;
        EXPECT_FALSE(third.contains(QStringLiteral("Otáčky")));
    }
}

} // namespace
