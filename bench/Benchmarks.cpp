// Speed of the conversions against the C library and the former grouped text, of one acceptance, of converting
// measured readings against acceptance, of reading the characteristic points off it, of one operating point at a
// given value against one at a slip, of the equivalent circuit and its maxima against acceptance, of creating the
// windows, of painting and exporting the diagram against filling the image and writing an empty PDF page, and of the
// curves panel and the linked cursor against filling the image and painting both panels.
#include <benchmark/benchmark.h>

#include <charconv>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QSplitter>
#include <QWheelEvent>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "Acceptance.h"
#include "Characteristic.h"
#include "Circuit.h"
#include "CurvesView.h"
#include "DiagramExport.h"
#include "DiagramView.h"
#include "DrawingConstants.h"
#include "Fonts.h"
#include "GroupedTextReference.h"
#include "Main.h"
#include "Measured.h"
#include "NumText.h"
#include "OperatingPointSolver.h"

namespace {

// Texts and values of the sizes the program meets: typed motor data and construction results.
const std::vector<std::string> Texts = {"15", "0.11", "177", "0.41", "220", "0.25", "1234.5678", "-0.000123e5"};
const std::vector<long double> Values = {14.909005L, 1.65L,      161.43907L, 72.57L, 0.50960452L,
                                         162.79054L, 603.93317L, 78.539816L, 0.0L,   12345.678L};

void BM_TextToNumber(benchmark::State& state)
{
    DecimalSeparator = U'.';
    for (auto _ : state)
        for (const std::string& t : Texts)
            benchmark::DoNotOptimize(TextToNumber(t));
}

void BM_strtold(benchmark::State& state)
{
    for (auto _ : state)
        for (const std::string& t : Texts)
            benchmark::DoNotOptimize(std::strtold(t.c_str(), nullptr));
}

void BM_NumberToGroupedText(benchmark::State& state)
{
    DecimalSeparator = U'.';
    ThousandSeparator = U',';
    for (auto _ : state)
        for (long double v : Values)
            benchmark::DoNotOptimize(NumberToGroupedText(v));
}

// The batch's way: appended to a reused row.
void BM_AppendGroupedText(benchmark::State& state)
{
    DecimalSeparator = U'.';
    ThousandSeparator = U',';
    std::string row;
    for (auto _ : state) {
        row.clear();
        for (long double v : Values)
            AppendGroupedText(row, v);
        benchmark::DoNotOptimize(row.data());
    }
}

// The same text written digit by digit from the whole expansion, as before: the baseline of the
// faster grouped text.
void BM_GroupedTextDigitByDigit(benchmark::State& state)
{
    DecimalSeparator = U'.';
    ThousandSeparator = U',';
    for (auto _ : state)
        for (long double v : Values)
            benchmark::DoNotOptimize(reference::GroupedText(v));
}

// JSON's 21 significant digits: ours against the C++ library's to_chars, into a reused row.
void BM_RoundTripText(benchmark::State& state)
{
    std::string row;
    for (auto _ : state) {
        row.clear();
        for (long double v : Values)
            AppendRoundTripText(row, v);
        benchmark::DoNotOptimize(row.data());
    }
}

void BM_to_chars21(benchmark::State& state)
{
    std::string row;
    char buffer[64];
    for (auto _ : state) {
        row.clear();
        for (long double v : Values)
            row.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 21).ptr);
        benchmark::DoNotOptimize(row.data());
    }
}

// The C library's baseline for a formatter: the same values through `format`.
void BM_snprintf(benchmark::State& state, const char* format)
{
    char buffer[64];
    for (auto _ : state)
        for (long double v : Values) {
            std::snprintf(buffer, sizeof buffer, format, v);
            benchmark::DoNotOptimize(std::string(buffer));
        }
}

void BM_NumberToFixedText(benchmark::State& state)
{
    for (auto _ : state)
        for (long double v : Values)
            benchmark::DoNotOptimize(NumberToFixedText(v, 3, 3));
}

void BM_AcceptanceAndConstruction(benchmark::State& state)
{
    DecimalSeparator = U',';
    const TypedInput z = DefaultInput();
    TKonstrukce k;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AcceptInput(z, k));
        benchmark::ClobberMemory();
    }
}

// The characteristic points and the 20 rows of operating values, per motor, over motors of every
// kind; the baseline is acceptance plus construction of the same motors.
const std::vector<TypedInput> Motors = {
    {"15", "0,11", "177", "0,41", "220", "0,25", 1, 3},       {"100", "0,3", "177", "0,41", "220", "0,05", 1, 3},
    {"1", "0,01", "1000", "0,99", "220", "0,1", 1, 3},        {"61,359", "0,12", "388", "0,42", "719", "0,352", 1, 6},
    {"230,129", "0,57", "623", "0,58", "837", "0,545", 0, 6}, {"30,908", "0,31", "72", "0,50", "472", "1,808", 0, 6},
};

void BM_AcceptanceAndConstructionPerMotor(benchmark::State& state)
{
    DecimalSeparator = U',';
    TKonstrukce k;
    for (auto _ : state)
        for (const TypedInput& z : Motors) {
            benchmark::DoNotOptimize(AcceptInput(z, k));
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Motors.size()));
}

// Readings of every form the conversion knows: star, delta, one phase, 60 Hz, R between terminals,
// the rotor's share, a factor; the baseline is acceptance plus construction per motor.
const std::vector<MeasuredReadings> Readings = {
    {"200", "star", "50", "4", "3", "200", "5", "350", "100", "26", "1700", "0,5", "share", ""},
    {"415", "delta", "50", "4", "3", "415", "21", "1250", "100", "45", "2730", "0,5", "share", ""},
    {"220", "delta", "50", "4", "3", "220", "7,2", "420", "72", "14", "674", "1,165", "phase", ""},
    {"400", "star", "60", "6", "3", "380", "9", "1250", "150", "38", "4000", "0,8", "terminals", "1,1"},
    {"230", "", "50", "2", "1", "230", "3", "150", "60", "8", "300", "2", "terminals", ""},
    {"415", "delta", "60", "14", "3", "415", "21", "1250", "100", "45", "2730", "0,4", "terminals", "1,1"},
};

void BM_ConvertReadingsPerMotor(benchmark::State& state)
{
    DecimalSeparator = U',';
    for (const MeasuredReadings& r : Readings)
        if (ConvertReadings(r).error)
            state.SkipWithError("benchmark readings were refused");
    for (auto _ : state)
        for (const MeasuredReadings& r : Readings)
            benchmark::DoNotOptimize(ConvertReadings(r));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Readings.size()));
}

// What a batch row needs, acceptance in place up to the construction's last row, against the same
// in place with all 20 rows.
void AcceptInPlacePerMotor(benchmark::State& state, ConstructionRows rows)
{
    DecimalSeparator = U',';
    TKonstrukce k;
    for (auto _ : state)
        for (const TypedInput& z : Motors) {
            benchmark::DoNotOptimize(AcceptInPlace(z, k, rows));
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Motors.size()));
}

void BM_AcceptInPlaceLastRowPerMotor(benchmark::State& state)
{
    AcceptInPlacePerMotor(state, ConstructionRows::LastOnly);
}

void BM_AcceptInPlaceAllRowsPerMotor(benchmark::State& state)
{
    AcceptInPlacePerMotor(state, ConstructionRows::All);
}

void BM_ReadCharacteristicPointsPerMotor(benchmark::State& state)
{
    DecimalSeparator = U',';
    std::vector<TKonstrukce> records(Motors.size());
    for (std::size_t i = 0; i < Motors.size(); ++i)
        if (AcceptInput(Motors[i], records[i]))
            state.SkipWithError("a benchmark motor was rejected");
    for (auto _ : state)
        for (const TKonstrukce& k : records)
            benchmark::DoNotOptimize(ReadCharacteristicPoints(k));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}

void BM_CreateSixWindows(benchmark::State& state)
{
    for (auto _ : state) {
        CreateWindows();
        benchmark::DoNotOptimize(MainForm);
        DestroyWindows();
    }
}

// The defaults' diagram, as the main window gets it after F2 and Enter.
diagram::Diagram DefaultDiagram()
{
    DecimalSeparator = U',';
    TKonstrukce k;
    AcceptInput(DefaultInput(), k);
    return *diagram::MakeDiagram(k, ReadCharacteristicPoints(k));
}

const QSize ViewSize(1280, 1024);

// Baseline: only filling the image the view paints into.
void BM_FillImage1280x1024(benchmark::State& state)
{
    QImage image(ViewSize, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image.bits());
    }
}

// The main window's view painting the whole fitted diagram, paper, corner box and all.
void BM_PaintDiagram1280x1024(benchmark::State& state)
{
    DiagramView view;
    view.resize(ViewSize);
    view.SetDiagram(DefaultDiagram());
    QImage image(ViewSize, QImage::Format_RGB32);
    // The view keeps its drawing until the view changes: a wheel notch in, then out again, makes it
    // paint the whole diagram anew every time, as zooming does.
    const QPointF centre(ViewSize.width() / 2.0, ViewSize.height() / 2.0);
    int notch = 0;
    for (auto _ : state) {
        const int delta = notch++ % 2 == 0 ? 120 : -120;
        QWheelEvent wheel(centre, view.mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        view.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}

// Baseline: an empty A4 page written as PDF.
void BM_EmptyPdfPage(benchmark::State& state)
{
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        painter.end();
        benchmark::DoNotOptimize(buffer.data().size());
    }
}

void BM_ExportPdfDefaults(benchmark::State& state)
{
    const diagram::Diagram d = DefaultDiagram();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        benchmark::DoNotOptimize(diagram::WritePdf(buffer, diagram::DiagramDocument(d)));
    }
}

// The curves panel painted whole at 1280 × 1024 as the panel paints it (its cached picture aside).
void PaintCurvesPanel(QImage& image, const diagram::CurveSet& curves)
{
    image.fill(Qt::white);
    QPainter p(&image);
    const diagram::CurvesLayout l = diagram::LayOutCurves(
        p, curves, QRectF(QPointF(0, 0), QSizeF(ViewSize)),
        diagram::DevicePolicy::Screen(diagram::LeastScreenPixelsPerMm));
    diagram::PaintCurves(p, curves, l);
    p.end();
    benchmark::DoNotOptimize(image.bits());
}

// Against slip, 201 samples a curve.
void BM_PaintCurves1280x1024(benchmark::State& state)
{
    const diagram::Diagram d = DefaultDiagram();
    const diagram::CurveSet curves = diagram::MakeCurves(d.record, d.points);
    QImage image(ViewSize, QImage::Format_RGB32);
    for (auto _ : state)
        PaintCurvesPanel(image, curves);
}

// Against output, the curves made from the record as switching the axis makes them: what the working
// characteristics add to the panel's paint.
void BM_PaintOutputCurves1280x1024(benchmark::State& state)
{
    const diagram::Diagram d = DefaultDiagram();
    QImage image(ViewSize, QImage::Format_RGB32);
    for (auto _ : state)
        PaintCurvesPanel(image, diagram::MakeOutputCurves(d.record, d.points));
}

// The main window at 1280 × 1024 after the defaults, its client area painted: both panels.
class BothPanels {
public:
    BothPanels() : image_(ViewSize, QImage::Format_RGB32)
    {
        form_.resize(ViewSize);
        form_.show();
        const diagram::Diagram d = DefaultDiagram();
        form_.Curves->SetCalculation(d);
        form_.Diagram->SetDiagram(d);
        QApplication::processEvents();
    }
    TMainForm& Form() { return form_; }
    void Repaint()
    {
        form_.ClientArea->render(&image_);
        benchmark::DoNotOptimize(image_.bits());
    }

private:
    TMainForm form_;
    QImage image_;
};

// Baseline: both panels repainted, nothing moved.
void BM_RepaintBothPanels1280x1024(benchmark::State& state)
{
    BothPanels panels;
    for (auto _ : state)
        panels.Repaint();
}

// One pointer move over the curves: the marker there, the operating point and its readout on the
// circle, both panels repainted.
void BM_PointerMoveBothPanels1280x1024(benchmark::State& state)
{
    BothPanels panels;
    CurvesView* curves = panels.Form().Curves;
    int move = 0;
    for (auto _ : state) {
        const QPointF at(curves->PixelOfSlip(0.2 + 0.01 * (move++ % 50)), curves->height() / 2.0);
        QMouseEvent event(QEvent::MouseMove, at, curves->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(curves, &event);
        panels.Repaint();
    }
}

// One operating point at a given value, over every quantity at values across its range, on motors of
// every kind; the baseline is the operating point at a slip, which the slider and the curves use.
struct AskedValue {
    const TKonstrukce* record;
    OperatingQuantity quantity;
    long double value;
};

std::vector<TKonstrukce> AcceptedMotors()
{
    DecimalSeparator = U',';
    std::vector<TKonstrukce> records(Motors.size());
    for (std::size_t i = 0; i < Motors.size(); ++i)
        AcceptInput(Motors[i], records[i]);
    return records;
}

void BM_SolveOperatingPoint(benchmark::State& state)
{
    static const std::vector<TKonstrukce> records = AcceptedMotors();
    std::vector<AskedValue> asked;
    for (const TKonstrukce& k : records)
        for (const OperatingQuantityTexts& t : OperatingQuantities) {
            const QuantityRange r = SolveOperatingPoint(k, t.quantity, 0).reachable.value_or(QuantityRange{});
            for (long double f : {0.1L, 0.5L, 0.9L})
                asked.push_back({&k, t.quantity, r.min + f * (r.max - r.min)});
        }
    for (auto _ : state)
        for (const AskedValue& a : asked)
            benchmark::DoNotOptimize(SolveOperatingPoint(*a.record, a.quantity, a.value));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(asked.size()));
}

void BM_OperatingPointAtSlip(benchmark::State& state)
{
    static const std::vector<TKonstrukce> records = AcceptedMotors();
    for (auto _ : state)
        for (const TKonstrukce& k : records)
            for (long double s : {0.1L, 0.5L, 0.9L})
                benchmark::DoNotOptimize(OperatingPointAtSlip(k, s));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size() * 3));
}

// The equivalent circuit and its characteristic values (the Thévenin maxima, the locus and its
// tangent), per motor, against half of acceptance plus construction of the same motors.
void BM_CircuitAndMaximaPerMotor(benchmark::State& state)
{
    static const std::vector<TKonstrukce> records = AcceptedMotors();
    for (const TKonstrukce& k : records)
        if (!BuildCircuit(k, {}).circuit)
            state.SkipWithError("a benchmark motor gives no circuit");
    for (auto _ : state)
        for (const TKonstrukce& k : records) {
            const CircuitOutcome outcome = BuildCircuit(k, {});
            benchmark::DoNotOptimize(CircuitCharacteristicOf(*outcome.circuit));
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}

BENCHMARK(BM_TextToNumber);
BENCHMARK(BM_strtold);
BENCHMARK(BM_NumberToGroupedText);
BENCHMARK(BM_AppendGroupedText);
BENCHMARK(BM_GroupedTextDigitByDigit);
BENCHMARK_CAPTURE(BM_snprintf, 4Lf, "%.4Lf");
BENCHMARK(BM_RoundTripText);
BENCHMARK(BM_to_chars21);
BENCHMARK(BM_NumberToFixedText);
BENCHMARK_CAPTURE(BM_snprintf, 3Lf, "%.3Lf");
BENCHMARK(BM_AcceptanceAndConstruction)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AcceptanceAndConstructionPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AcceptInPlaceLastRowPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AcceptInPlaceAllRowsPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadCharacteristicPointsPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveOperatingPoint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OperatingPointAtSlip)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CircuitAndMaximaPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ConvertReadingsPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateSixWindows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillImage1280x1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintDiagram1280x1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EmptyPdfPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportPdfDefaults)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCurves1280x1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintOutputCurves1280x1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintBothPanels1280x1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PointerMoveBothPanels1280x1024)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so the ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        // Keyed by the plain name: with repetitions the median, reported last, replaces the repetitions.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                nanoseconds[run.run_name.str()] = run.GetAdjustedRealTime() * Scale(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

private:
    static double Scale(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1;
        }
    }
};

// Our time in ms against its baseline's, and the target for ours.
void PrintAgainst(const RatioReporter& r, const char* ours, const char* baseline, double targetMs)
{
    const auto a = r.nanoseconds.find(ours);
    const auto b = r.nanoseconds.find(baseline);
    if (a != r.nanoseconds.end() && b != r.nanoseconds.end() && b->second > 0)
        std::printf("%-24s %.3f ms = %.1f x %s (%.3f ms); target < %.0f ms\n", ours, a->second / 1e6,
                    a->second / b->second, baseline, b->second / 1e6, targetMs);
}

// Both per iteration; `perItem` divides each by its count of motors.
void PrintRatio(const RatioReporter& r, const char* ours, const char* baseline, double target = 1.0,
                double oursPerItem = 1, double baselinePerItem = 1)
{
    const auto a = r.nanoseconds.find(ours);
    const auto b = r.nanoseconds.find(baseline);
    if (a != r.nanoseconds.end() && b != r.nanoseconds.end() && b->second > 0)
        std::printf("ratio %-24s / %-18s = %.3f (target <= %.2f)\n", ours, baseline,
                    (a->second / oursPerItem) / (b->second / baselinePerItem), target);
}

} // namespace

int main(int argc, char** argv)
{
    // The windows need a GUI application; offscreen unless the caller chose a platform.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    InstallFontSubstitutes();

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter, "BM_TextToNumber", "BM_strtold");
    PrintRatio(reporter, "BM_NumberToGroupedText", "BM_snprintf/4Lf");
    PrintRatio(reporter, "BM_NumberToGroupedText", "BM_GroupedTextDigitByDigit", 0.5);
    PrintRatio(reporter, "BM_AppendGroupedText", "BM_GroupedTextDigitByDigit", 0.5);
    PrintRatio(reporter, "BM_RoundTripText", "BM_to_chars21");
    PrintRatio(reporter, "BM_AcceptInPlaceLastRowPerMotor", "BM_AcceptInPlaceAllRowsPerMotor");
    PrintRatio(reporter, "BM_NumberToFixedText", "BM_snprintf/3Lf");
    const auto acceptance = reporter.nanoseconds.find("BM_AcceptanceAndConstruction");
    if (acceptance != reporter.nanoseconds.end())
        std::printf("acceptance plus construction: %.3f us per motor (target < 5 us)\n", acceptance->second / 1000);
    PrintRatio(reporter, "BM_ReadCharacteristicPointsPerMotor", "BM_AcceptanceAndConstructionPerMotor");
    const auto characteristic = reporter.nanoseconds.find("BM_ReadCharacteristicPointsPerMotor");
    if (characteristic != reporter.nanoseconds.end())
        std::printf("characteristic points and operating values: %.3f us per motor (target < 2 us)\n",
                    characteristic->second / 1000 / static_cast<double>(Motors.size()));
    const auto solve = reporter.nanoseconds.find("BM_SolveOperatingPoint");
    const auto atSlip = reporter.nanoseconds.find("BM_OperatingPointAtSlip");
    if (solve != reporter.nanoseconds.end() && atSlip != reporter.nanoseconds.end() && atSlip->second > 0) {
        const double perSolve = solve->second / static_cast<double>(Motors.size() * OperatingQuantities.size() * 3);
        const double perSlip = atSlip->second / static_cast<double>(Motors.size() * 3);
        std::printf("one operating point solve: %.3f us = %.1f x BM_OperatingPointAtSlip (%.3f us); target < 1 us\n",
                    perSolve / 1000, perSolve / perSlip, perSlip / 1000);
    }
    PrintRatio(reporter, "BM_CircuitAndMaximaPerMotor", "BM_AcceptanceAndConstructionPerMotor", 0.5);
    PrintRatio(reporter, "BM_ConvertReadingsPerMotor", "BM_AcceptanceAndConstructionPerMotor", 0.1,
               static_cast<double>(Readings.size()), static_cast<double>(Motors.size()));
    PrintAgainst(reporter, "BM_PaintDiagram1280x1024", "BM_FillImage1280x1024", 5);
    PrintAgainst(reporter, "BM_ExportPdfDefaults", "BM_EmptyPdfPage", 50);
    PrintAgainst(reporter, "BM_PaintCurves1280x1024", "BM_FillImage1280x1024", 3);
    const auto slipCurves = reporter.nanoseconds.find("BM_PaintCurves1280x1024");
    const auto outputCurves = reporter.nanoseconds.find("BM_PaintOutputCurves1280x1024");
    if (slipCurves != reporter.nanoseconds.end() && outputCurves != reporter.nanoseconds.end() &&
        slipCurves->second > 0)
        std::printf("curves against output, made and painted: %.3f ms = %.2f x against slip (%.3f ms), adding %.3f ms; "
                    "target < 1 ms added\n",
                    outputCurves->second / 1e6, outputCurves->second / slipCurves->second, slipCurves->second / 1e6,
                    (outputCurves->second - slipCurves->second) / 1e6);
    PrintAgainst(reporter, "BM_PointerMoveBothPanels1280x1024", "BM_RepaintBothPanels1280x1024", 5);
    benchmark::Shutdown();
    return 0;
}
