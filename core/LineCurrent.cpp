#include "LineCurrent.h"

namespace {

// The same extended √3 the readings are converted with, so that a reading's line current gives its
// very phase current.
constexpr long double Sqrt3 = 1.732050807568877293527446341505872366943L;

} // namespace

std::optional<long double> LineCurrentFactor(const MeasuredReadings& readings)
{
    if (readings.phases == "1")
        return 1.0L;
    if (readings.phases != "3")
        return std::nullopt;
    if (readings.connection == choice::Star)
        return 1.0L;
    if (readings.connection == choice::Delta)
        return Sqrt3;
    return std::nullopt;
}

long double PhaseCurrentOfLine(long double line, long double factor)
{
    return factor == 1 ? line : line / factor;
}
