// Acceptance of the typed motor data: conversion, the checks in their fixed order, the derived
// resistances and the construction, committed to the record only when all of it succeeded.
#include "Prijeti.h"

#include "CheckedMath.h"
#include "SpoctiKonstrukci.h"

using namespace fpcheck;

namespace {

constexpr long double MinCurrent = 1;
constexpr long double MaxCurrent = 1000;
// Extended constants compared in extended precision, so that a typed 0,01, 0,99 or 0,05 passes.
constexpr long double Hundredth = 0.01L; // least power factor; also the least gap Ak.x − Ao.x per A of Ao.x
constexpr long double MaxPowerFactor = 0.99L;
constexpr long double MinVoltage = 10;
constexpr long double MaxVoltage = 1000;
constexpr long double MinR1f = 0.05L;
constexpr long double MaxR1f = 100;

bool InRange(long double v, long double low, long double high)
{
    return v >= low && v <= high;
}

long double Convert(const std::string& text, Vstup pole)
{
    try {
        return TextToNumber(text);
    } catch (const EConvertError& e) {
        throw EFieldConvertError(e, pole);
    }
}

// The checks in their fixed order; the first failure is the one reported. Stores Rf and R21f, and
// Ao and Ak for the last check.
std::optional<Odmitnuti> Check(TKonstrukce& k)
{
    if (!InRange(k.PrNapr, MinCurrent, MaxCurrent))
        return Odmitnuti{"Chybné zadání proudu naprázdno.", Vstup::PrNapr};
    if (!InRange(k.UcNapr, Hundredth, MaxPowerFactor))
        return Odmitnuti{"Chybné zadání účiníku naprázdno.", Vstup::UcNapr};
    if (!(InRange(k.PrNakr, MinCurrent, MaxCurrent) && k.PrNapr < k.PrNakr))
        return Odmitnuti{"Chybné zadání proudu nakrátko.", Vstup::PrNakr};
    if (!(InRange(k.UcNakr, Hundredth, MaxPowerFactor) && k.UcNapr < k.UcNakr))
        return Odmitnuti{"Chybné zadání účiníku nakrátko.", Vstup::UcNakr};
    if (!InRange(k.FazoveNapeti, MinVoltage, MaxVoltage))
        return Odmitnuti{"Chybné zadání fázového napětí.", Vstup::FazoveNapeti};

    k.Rf = X(k.FazoveNapeti) / k.PrNakr * k.UcNakr; // division first
    k.R21f = X(k.Rf) - k.R1f;
    if (!(InRange(k.R1f, MinR1f, MaxR1f) && k.R21f > 0))
        return Odmitnuti{"R1f ? R21f ? Rf ?", Vstup::R1f};

    // With Ak not clearly right of Ao the circle's centre is undefined or far off and the diagram
    // meaningless (or a division by zero): refuse it like any other bad input. The construction
    // goes on from these very points.
    SpoctiBodyAoAk(k);
    const long double mezera = X(k.Ak.x) - k.Ao.x;
    const long double nejmensiMezera = X(Hundredth) * k.Ao.x;
    if (!(mezera > nejmensiMezera))
        return Odmitnuti{"Bod nakrátko Ak musí ležet zřetelně vpravo od bodu naprázdno Ao.", Vstup::PrNakr};
    return std::nullopt;
}

} // namespace

std::optional<Odmitnuti> PrijmiZadani(const ZadaneHodnoty& z, TKonstrukce& cil)
{
    const FaultScope faultScope; // the caller's floating-point flags come back as they were
    // Everything happens on a copy: a rejection or an error leaves `cil` exactly as it was.
    TKonstrukce k = cil;

    k.PrNapr = Convert(z.PrNapr, Vstup::PrNapr);
    k.UcNapr = Convert(z.UcNapr, Vstup::UcNapr);
    k.PrNakr = Convert(z.PrNakr, Vstup::PrNakr);
    k.UcNakr = Convert(z.UcNakr, Vstup::UcNakr);
    k.FazoveNapeti = Convert(z.FazoveNapeti, Vstup::FazoveNapeti);
    k.R1f = Convert(z.R1f, Vstup::R1f);

    // An index outside a table leaves the stored value as it was.
    if (z.Spotrebic >= 0 && z.Spotrebic < PocetFazi)
        k.Spotrebic = TabulkaFazi[z.Spotrebic];
    if (z.SynchrOtacky >= 0 && z.SynchrOtacky < PocetOtacek)
        k.SynchrOtacky = TabulkaOtacek[z.SynchrOtacky];

    if (std::optional<Odmitnuti> odmitnuti = Check(k))
        return odmitnuti;

    DokonciKonstrukci(k);
    cil = k;
    return std::nullopt;
}
