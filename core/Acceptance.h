// Acceptance of the typed motor data: conversion, checks in fixed order, derived resistances, construction.
#pragma once

#include <optional>
#include <string>

#include "Konstrukce.h"
#include "SpoctiKonstrukci.h"

// The six typed fields in the order they are converted.
enum class InputField { PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f };

// The radio items the input dialog selects when it opens: three phases, 2p = 8 (750 1/min).
constexpr int DefaultPhaseIndex = 1;
constexpr int DefaultSpeedIndex = 3;

struct TypedInput {
    std::string PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f;
    int Spotrebic = DefaultPhaseIndex;    // radio index into PhaseTable
    int SynchrOtacky = DefaultSpeedIndex; // radio index into SpeedTable
};

// What the input dialog shows when it opens: "15", "0,11", "177", "0,41", "220", "0,25" with the
// current DecimalSeparator in place of the comma, so that they are accepted as they stand, and the
// default radio items.
TypedInput DefaultInput();

// A rejected input: the message to show and the field at fault.
struct Rejection {
    std::string message;
    InputField field;
};

// A text that failed to convert; the message is TextToNumber's own, `field` names the field.
class EFieldConvertError : public EConvertError {
public:
    EFieldConvertError(const EConvertError& e, InputField field) : EConvertError(e), field(field) {}
    InputField field;
};

// Accepts the input into `target` (normally Konstrukce). Returns nothing when `target` now holds one whole
// new calculation, the rejection otherwise. Raises EFieldConvertError or EMathError. On any
// rejection or error `target` is left exactly as it was.
std::optional<Rejection> AcceptInput(const TypedInput& z, TKonstrukce& target = Konstrukce);

// The same in `k` itself, without a copy, for a caller that throws the record away after a rejection
// or an error (a batch): `k` then holds a part of the new values. `rows` as in CompleteConstruction.
std::optional<Rejection> AcceptInPlace(const TypedInput& z, TKonstrukce& k,
                                       ConstructionRows rows = ConstructionRows::All);
