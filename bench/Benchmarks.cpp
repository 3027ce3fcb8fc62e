// Speed of the conversions against the C library, of one acceptance, of reading the characteristic
// points off it, and of creating the windows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "Acceptance.h"
#include "Characteristic.h"
#include "Fonts.h"
#include "Main.h"
#include "NumText.h"

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

BENCHMARK(BM_TextToNumber);
BENCHMARK(BM_strtold);
BENCHMARK(BM_NumberToGroupedText);
BENCHMARK_CAPTURE(BM_snprintf, 4Lf, "%.4Lf");
BENCHMARK(BM_NumberToFixedText);
BENCHMARK_CAPTURE(BM_snprintf, 3Lf, "%.3Lf");
BENCHMARK(BM_AcceptanceAndConstruction)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AcceptanceAndConstructionPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadCharacteristicPointsPerMotor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CreateSixWindows)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so the ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime() * Scale(run.time_unit);
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

void PrintRatio(const RatioReporter& r, const char* ours, const char* baseline)
{
    const auto a = r.nanoseconds.find(ours);
    const auto b = r.nanoseconds.find(baseline);
    if (a != r.nanoseconds.end() && b != r.nanoseconds.end() && b->second > 0)
        std::printf("ratio %-24s / %-18s = %.3f (target <= 1.0)\n", ours, baseline, a->second / b->second);
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
    PrintRatio(reporter, "BM_NumberToFixedText", "BM_snprintf/3Lf");
    const auto acceptance = reporter.nanoseconds.find("BM_AcceptanceAndConstruction");
    if (acceptance != reporter.nanoseconds.end())
        std::printf("acceptance plus construction: %.3f us per motor (target < 5 us)\n", acceptance->second / 1000);
    PrintRatio(reporter, "BM_ReadCharacteristicPointsPerMotor", "BM_AcceptanceAndConstructionPerMotor");
    const auto characteristic = reporter.nanoseconds.find("BM_ReadCharacteristicPointsPerMotor");
    if (characteristic != reporter.nanoseconds.end())
        std::printf("characteristic points and operating values: %.3f us per motor (target < 2 us)\n",
                    characteristic->second / 1000 / static_cast<double>(Motors.size()));
    benchmark::Shutdown();
    return 0;
}
