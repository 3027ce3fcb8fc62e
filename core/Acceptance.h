// Acceptance of the typed motor data: conversion, checks in fixed order, derived resistances, construction.
#pragma once

#include <optional>
#include <string>

#include "Konstrukce.h"
#include "SpoctiKonstrukci.h"

// The six typed fields in the order they are converted.
enum class InputField { PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f };

// The ranges the checks accept, bounds included; shared with the readings' conversion, whose messages
// quote them. The power-factor and resistance bounds are extended constants, so that a typed 0,01,
// 0,99 or 0,05 passes.
namespace limits {
constexpr long double MinCurrent = 1, MaxCurrent = 1000; // A
constexpr long double MinPowerFactor = 0.01L, MaxPowerFactor = 0.99L;
constexpr long double MinVoltage = 10, MaxVoltage = 1000; // V
constexpr long double MinR1f = 0.05L, MaxR1f = 100;       // Ω
// A motor given as measured may be a high-voltage motor or a laboratory one.
constexpr long double MeasuredMinCurrent = 0.001L, MeasuredMaxCurrent = 100000; // A
constexpr long double MeasuredMinVoltage = 1, MeasuredMaxVoltage = 30000;       // V
} // namespace limits

// The ranges of the currents and the phase voltage acceptance checks.
struct RangeLimits {
    long double minCurrent, maxCurrent, minVoltage, maxVoltage;
};
constexpr RangeLimits InputLimits{limits::MinCurrent, limits::MaxCurrent, limits::MinVoltage, limits::MaxVoltage};
constexpr RangeLimits MeasuredLimits{limits::MeasuredMinCurrent, limits::MeasuredMaxCurrent, limits::MeasuredMinVoltage,
                                     limits::MeasuredMaxVoltage};

// The radio items the input dialog selects when it opens: three phases, 2p = 8 (750 1/min).
constexpr int DefaultPhaseIndex = 1;
constexpr int DefaultSpeedIndex = 3;

struct TypedInput {
    std::string PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f;
    int SpotrebicIndex = DefaultPhaseIndex;    // radio index into PhaseTable (the record holds the phase count)
    int SynchrOtackyIndex = DefaultSpeedIndex; // radio index into SpeedTable (the record holds the speed)
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

// The same inputs as numbers: the six values, the phase count (1 or 3) and any synchronous speed above
// zero in 1/min, which need not come from the speed table.
struct MotorValues {
    long double PrNapr = 0, UcNapr = 0, PrNakr = 0, UcNakr = 0, FazoveNapeti = 0, R1f = 0;
    int Spotrebic = 3;
    long double SynchrOtacky = 0;
};

// AcceptInput without the conversion: the same checks, messages and commit. Raises EMathError, and
// std::invalid_argument for a phase count or speed no caller may pass.
std::optional<Rejection> AcceptValues(const MotorValues& v, TKonstrukce& target = Konstrukce);
// The same with other ranges of the currents and the voltage (the measured form's wide ones).
std::optional<Rejection> AcceptValues(const MotorValues& v, TKonstrukce& target, const RangeLimits& ranges);
