// Acceptance of the typed motor data: conversion, the checks in their fixed order, the derived
// resistances and the construction, committed to the record only when all of it succeeded.
#include "Acceptance.h"

#include <cmath>
#include <stdexcept>
#include <string_view>

#include "CheckedMath.h"
#include "SpoctiKonstrukci.h"
#include "Translation.h"

using namespace fpcheck;
using namespace limits;

namespace {

constexpr long double Hundredth = 0.01L; // the least gap Ak.x − Ao.x per A of Ao.x

// A default as the dialog shows it where the decimal separator is a comma, in the current separator.
std::string WithDecimalSeparator(std::string_view commaText)
{
    std::string text;
    for (const char c : commaText)
        text += c == ',' ? SeparatorText(DecimalSeparator) : std::string(1, c);
    return text;
}

bool InRange(long double v, long double low, long double high)
{
    return v >= low && v <= high;
}

long double Convert(const std::string& text, InputField field)
{
    try {
        return TextToNumber(text);
    } catch (const EConvertError& e) {
        throw EFieldConvertError(e, field);
    }
}

// The checks in their fixed order; the first failure is the one reported. Stores Rf and R21f, and
// Ao and Ak for the last check.
std::optional<Rejection> Check(TKonstrukce& k, const RangeLimits& r = InputLimits)
{
    if (!InRange(k.PrNapr, r.minCurrent, r.maxCurrent))
        return Rejection{ORBITEK_TR("Acceptance", "Chybné zadání proudu naprázdno."), InputField::PrNapr};
    if (!InRange(k.UcNapr, MinPowerFactor, MaxPowerFactor))
        return Rejection{ORBITEK_TR("Acceptance", "Chybné zadání účiníku naprázdno."), InputField::UcNapr};
    if (!(InRange(k.PrNakr, r.minCurrent, r.maxCurrent) && k.PrNapr < k.PrNakr))
        return Rejection{ORBITEK_TR("Acceptance", "Chybné zadání proudu nakrátko."), InputField::PrNakr};
    if (!(InRange(k.UcNakr, MinPowerFactor, MaxPowerFactor) && k.UcNapr < k.UcNakr))
        return Rejection{ORBITEK_TR("Acceptance", "Chybné zadání účiníku nakrátko."), InputField::UcNakr};
    if (!InRange(k.FazoveNapeti, r.minVoltage, r.maxVoltage))
        return Rejection{ORBITEK_TR("Acceptance", "Chybné zadání fázového napětí."), InputField::FazoveNapeti};

    k.Rf = X(k.FazoveNapeti) / k.PrNakr * k.UcNakr; // division first
    k.R21f = X(k.Rf) - k.R1f;
    if (!(InRange(k.R1f, MinR1f, MaxR1f) && k.R21f > 0))
        return Rejection{ORBITEK_TR("Acceptance", "R1f ? R21f ? Rf ?"), InputField::R1f};

    // With Ak not clearly right of Ao the circle's centre is undefined or far off and the diagram
    // meaningless (or a division by zero): refuse it like any other bad input. The construction
    // goes on from these very points.
    ComputeTestPoints(k);
    const long double gap = X(k.Ak.x) - k.Ao.x;
    const long double leastGap = X(Hundredth) * k.Ao.x;
    if (!(gap > leastGap))
        return Rejection{ORBITEK_TR("Acceptance", "Bod nakrátko Ak musí ležet zřetelně vpravo od bodu naprázdno Ao."),
                         InputField::PrNakr};
    return std::nullopt;
}

// The checks on the inputs `k` now holds, then the construction; `target` takes the record only whole.
std::optional<Rejection> CheckAndCommit(TKonstrukce& k, TKonstrukce& target, const RangeLimits& ranges = InputLimits)
{
    if (std::optional<Rejection> rejection = Check(k, ranges))
        return rejection;
    CompleteConstruction(k);
    target = k;
    return std::nullopt;
}

} // namespace

TypedInput DefaultInput()
{
    TypedInput z;
    z.PrNapr = WithDecimalSeparator("15");
    z.UcNapr = WithDecimalSeparator("0,11");
    z.PrNakr = WithDecimalSeparator("177");
    z.UcNakr = WithDecimalSeparator("0,41");
    z.FazoveNapeti = WithDecimalSeparator("220");
    z.R1f = WithDecimalSeparator("0,25");
    return z;
}

std::optional<Rejection> AcceptInPlace(const TypedInput& z, TKonstrukce& k, ConstructionRows rows)
{
    const FaultScope faultScope; // the caller's floating-point flags come back as they were

    k.PrNapr = Convert(z.PrNapr, InputField::PrNapr);
    k.UcNapr = Convert(z.UcNapr, InputField::UcNapr);
    k.PrNakr = Convert(z.PrNakr, InputField::PrNakr);
    k.UcNakr = Convert(z.UcNakr, InputField::UcNakr);
    k.FazoveNapeti = Convert(z.FazoveNapeti, InputField::FazoveNapeti);
    k.R1f = Convert(z.R1f, InputField::R1f);

    // An index outside a table leaves the stored value as it was.
    if (z.SpotrebicIndex >= 0 && z.SpotrebicIndex < PhaseCount)
        k.Spotrebic = PhaseTable[z.SpotrebicIndex].phases;
    if (z.SynchrOtackyIndex >= 0 && z.SynchrOtackyIndex < SpeedCount)
        k.SynchrOtacky = SpeedTable[z.SynchrOtackyIndex].speed;

    if (std::optional<Rejection> rejection = Check(k))
        return rejection;

    CompleteConstruction(k, rows);
    return std::nullopt;
}

std::optional<Rejection> AcceptInput(const TypedInput& z, TKonstrukce& target)
{
    // Everything happens on a copy: a rejection or an error leaves `target` exactly as it was.
    TKonstrukce k = target;
    if (std::optional<Rejection> rejection = AcceptInPlace(z, k))
        return rejection;
    target = k;
    return std::nullopt;
}

std::optional<Rejection> AcceptValues(const MotorValues& v, TKonstrukce& target)
{
    return AcceptValues(v, target, InputLimits);
}

std::optional<Rejection> AcceptValues(const MotorValues& v, TKonstrukce& target, const RangeLimits& ranges)
{
    if ((v.Spotrebic != 1 && v.Spotrebic != 3) || !(v.SynchrOtacky > 0) || !std::isfinite(v.SynchrOtacky))
        throw std::invalid_argument("AcceptValues: phases must be 1 or 3 and the speed above zero");
    const FaultScope faultScope;
    TKonstrukce k = target;
    k.PrNapr = v.PrNapr;
    k.UcNapr = v.UcNapr;
    k.PrNakr = v.PrNakr;
    k.UcNakr = v.UcNakr;
    k.FazoveNapeti = v.FazoveNapeti;
    k.R1f = v.R1f;
    k.Spotrebic = v.Spotrebic;
    k.SynchrOtacky = v.SynchrOtacky;
    return CheckAndCommit(k, target, ranges);
}
