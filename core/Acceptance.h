// Acceptance of the typed motor data: conversion, checks in fixed order, derived resistances, construction.
#pragma once

#include <optional>
#include <string>

#include "Konstrukce.h"

// The six typed fields in the order they are converted.
enum class InputField { PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f };

struct TypedInput {
    std::string PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f;
    int Spotrebic = 1;    // radio index: 0 → 1 phase, 1 → 3 phases
    int SynchrOtacky = 3; // radio index 0..9 into SpeedTable
};

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
