// Acceptance of the typed motor data: conversion, checks in fixed order, derived resistances, construction.
#pragma once

#include <optional>
#include <string>

#include "Konstrukce.h"

// The six typed fields in the order they are converted.
enum class Vstup { PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f };

struct ZadaneHodnoty {
    std::string PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f;
    int Spotrebic = 1;    // radio index: 0 → 1 phase, 1 → 3 phases
    int SynchrOtacky = 3; // radio index 0..9 into TabulkaOtacek
};

// A rejected input: the message to show and the field at fault.
struct Odmitnuti {
    std::string zprava;
    Vstup pole;
};

// A text that failed to convert; the message is TextToNumber's own, `pole` names the field.
class EFieldConvertError : public EConvertError {
public:
    EFieldConvertError(const EConvertError& e, Vstup pole) : EConvertError(e), pole(pole) {}
    Vstup pole;
};

// Accepts the input into `cil` (normally Konstrukce). Returns nothing when `cil` now holds one whole
// new calculation, the rejection otherwise. Raises EFieldConvertError or EMathError. On any
// rejection or error `cil` is left exactly as it was.
std::optional<Odmitnuti> PrijmiZadani(const ZadaneHodnoty& z, TKonstrukce& cil = Konstrukce);
