// A motor entered as its tests were measured: line readings in, the six inputs of the record out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "Acceptance.h"
#include "GridTexts.h"

// The readings as typed, one text each. The first thirteen are the columns of the batch file's second
// header, in its order; the choices are written as there ("star", "50", "4", "3", "terminals").
struct MeasuredReadings {
    std::string un;         // rated line voltage U_N, V
    std::string connection; // "star" or "delta"; ignored with one phase
    std::string f;          // "50" or "60" Hz
    std::string poles;      // 2p, "2" … "20"
    std::string phases;     // "1" or "3"
    std::string u0, i0, p0; // no-load test: line voltage V, line current A, power of all phases W
    std::string uk, ik, pk; // locked-rotor test, the same
    std::string r1;         // the stator resistance as `r1kind` says: Ω, or the rotor's share q
    std::string r1kind;     // "phase", "terminals" or "share"
    std::string r1factor;   // multiplies a measured resistance; empty for 1; not used with "share"
    // Optional: each test's power factor in place of its power (exactly one of p0/pf0 and of pk/pfk),
    // and with `r1kind` "pair" the rotor's resistance R2' referred to the stator, or R2 on the rotor's
    // side with the turns ratio a (R2' = a² R2).
    std::string pf0{}, pfk{};
    std::string r2{}, turns{};
};

// The readings in the order they are read and checked.
enum class Reading {
    Un,
    Connection,
    F,
    Poles,
    Phases,
    U0,
    I0,
    P0,
    Uk,
    Ik,
    Pk,
    R1,
    R1Kind,
    R1Factor,
    Pf0,
    Pfk,
    R2,
    Turns
};

struct ReadingColumn {
    Reading reading;
    const char* name; // the batch header's name
    std::string MeasuredReadings::*text;
};

constexpr std::size_t BatchReadingCount = 13;
// The batch header's optional columns follow r1factor, in the order a file may give them.
constexpr std::size_t OptionalReadingCount = 4;
constexpr std::array<ReadingColumn, BatchReadingCount + 1 + OptionalReadingCount> ReadingColumns{{
    {Reading::Un, "un", &MeasuredReadings::un},
    {Reading::Connection, "connection", &MeasuredReadings::connection},
    {Reading::F, "f", &MeasuredReadings::f},
    {Reading::Poles, "poles", &MeasuredReadings::poles},
    {Reading::Phases, "phases", &MeasuredReadings::phases},
    {Reading::U0, "u0", &MeasuredReadings::u0},
    {Reading::I0, "i0", &MeasuredReadings::i0},
    {Reading::P0, "p0", &MeasuredReadings::p0},
    {Reading::Uk, "uk", &MeasuredReadings::uk},
    {Reading::Ik, "ik", &MeasuredReadings::ik},
    {Reading::Pk, "pk", &MeasuredReadings::pk},
    {Reading::R1, "r1", &MeasuredReadings::r1},
    {Reading::R1Kind, "r1kind", &MeasuredReadings::r1kind},
    {Reading::R1Factor, "r1factor", &MeasuredReadings::r1factor}, // not a batch column
    {Reading::Pf0, "pf0", &MeasuredReadings::pf0},
    {Reading::Pfk, "pfk", &MeasuredReadings::pfk},
    {Reading::R2, "r2", &MeasuredReadings::r2},
    {Reading::Turns, "turns", &MeasuredReadings::turns},
}};
constexpr std::size_t FirstOptionalReading = BatchReadingCount + 1;

// Whether a reading may be left empty: the optional ones, which are then not given.
constexpr bool IsOptionalReading(Reading r)
{
    return r == Reading::R1Factor || r == Reading::Pf0 || r == Reading::Pfk || r == Reading::R2 || r == Reading::Turns;
}

// The words the choices are written with.
namespace choice {
constexpr const char* Star = "star";
constexpr const char* Delta = "delta";
constexpr const char* Hz50 = "50";
constexpr const char* Hz60 = "60";
constexpr const char* PerPhase = "phase";
constexpr const char* Terminals = "terminals";
constexpr const char* Share = "share";
constexpr const char* Pair = "pair";   // R1 and R2' as a book prints them
constexpr const char* Ratio = "ratio"; // the rotor : stator copper-loss ratio r
} // namespace choice

// What the readings give: each of the record's inputs once the readings it comes from are numbers
// (also when it is then refused), the first error in the fixed order, and the warnings.
struct DerivedInputs {
    std::optional<long double> PrNapr, UcNapr, PrNakr, UcNakr, FazoveNapeti, R1f, SynchrOtacky;
    int Spotrebic = 0;                     // 0 while the phase count is not known
    std::optional<long double> TurnsRatio; // a, where R2 was given on the rotor's side
};

struct MeasuredRejection {
    std::string message;
    Reading field; // the reading to correct
    // Where the value looks typed as the other kind of its test's third reading (a power factor as
    // watts, or watts as a power factor): that other reading, which the calculator names as its option.
    std::optional<Reading> otherKind = std::nullopt;
};

struct MeasuredConversion {
    DerivedInputs derived;
    std::optional<MeasuredRejection> error;
    std::vector<std::string> warnings;
};

// The conversion alone, for showing what the readings give as they are typed. Never throws.
MeasuredConversion ConvertReadings(const MeasuredReadings& readings);

struct MeasuredOutcome {
    MeasuredConversion conversion;
    std::optional<MeasuredRejection> rejection; // the conversion's error or acceptance's refusal
};

// Converts the readings, then accepts the derived inputs through AcceptValues into `target`, whole
// or not at all. Raises EMathError from the construction.
MeasuredOutcome AcceptMeasured(const MeasuredReadings& readings, TKonstrukce& target = Konstrukce);

// The reason a choice is written wrong ("connection" is checked only with three phases), or nothing.
// The calculator treats such a text as a usage error and the batch as a line that is no motor.
std::optional<MeasuredRejection> ChoiceError(const MeasuredReadings& readings);

// The grid "Hodnoty odvozené z měření": the six inputs and the synchronous speed with their units;
// a value not derived is an empty cell.
GridRows DerivedRows(const DerivedInputs& d);
