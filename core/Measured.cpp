// The readings of the no-load and locked-rotor tests turned into the record's six inputs: phase values,
// power factors from the watts, the locked-rotor current scaled to rated voltage, R1f from what was
// measured, and the synchronous speed from the pole count and the frequency.
#include "Measured.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "CheckedMath.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

// Every text the user can see from this unit, in Czech, looked up where it is used. "%1" … stand for
// the parts put in: captions, and numbers in the locale's form.
namespace text {
// The readings that are numbers, as messages name them.
constexpr std::pair<Reading, const char*> Caption[]{
    {Reading::Un, ORBITEK_TR_NOOP("Measured", "Jmenovité napětí")},
    {Reading::U0, ORBITEK_TR_NOOP("Measured", "Napětí naprázdno")},
    {Reading::I0, ORBITEK_TR_NOOP("Measured", "Proud naprázdno")},
    {Reading::P0, ORBITEK_TR_NOOP("Measured", "Příkon naprázdno")},
    {Reading::Uk, ORBITEK_TR_NOOP("Measured", "Napětí nakrátko")},
    {Reading::Ik, ORBITEK_TR_NOOP("Measured", "Proud nakrátko")},
    {Reading::Pk, ORBITEK_TR_NOOP("Measured", "Příkon nakrátko")},
    {Reading::R1Factor, ORBITEK_TR_NOOP("Measured", "Součinitel odporu")},
    {Reading::Pf0, ORBITEK_TR_NOOP("Measured", "Účiník naprázdno")},
    {Reading::Pfk, ORBITEK_TR_NOOP("Measured", "Účiník nakrátko")},
    {Reading::Turns, ORBITEK_TR_NOOP("Measured", "Převod a")},
};
constexpr const char* ResistancePerPhase = ORBITEK_TR_NOOP("Measured", "Odpor statoru na fázi");
constexpr const char* ResistanceBetweenTerminals = ORBITEK_TR_NOOP("Measured", "Odpor mezi svorkami");
constexpr const char* RotorShare = ORBITEK_TR_NOOP("Measured", "Podíl rotoru na ztrátách nakrátko");
constexpr const char* StatorOfPair = ORBITEK_TR_NOOP("Measured", "Odpor statoru R1");
constexpr const char* RotorReferred = ORBITEK_TR_NOOP("Measured", "Odpor rotoru R2'");
constexpr const char* RotorOwnSide = ORBITEK_TR_NOOP("Measured", "Odpor rotoru R2");
constexpr const char* RotorStatorRatio = ORBITEK_TR_NOOP("Measured", "Poměr ztrát rotoru a statoru");

constexpr const char* BothGiven = ORBITEK_TR_NOOP("Measured", "Zadejte jen jedno z: %1, %2.");
constexpr const char* PowerFactorAboveOne = ORBITEK_TR_NOOP("Measured", "%1 %2 je větší než 1.");
// After a refusal where the value looks typed as the other reading of its test.
constexpr const char* GiveAsPower = ORBITEK_TR_NOOP("Measured", "Je-li to příkon ve W, zadejte jej jako „%1“.");
constexpr const char* GiveAsPowerFactor = ORBITEK_TR_NOOP("Measured", "Je-li to účiník, zadejte jej jako „%1“.");
constexpr const char* RotorOnlyInPair = ORBITEK_TR_NOOP(
    "Measured", "Odpor rotoru a převod patří jen k dvojici odporů R1 a R2' (druh pair).");
constexpr const char* TurnsWithoutR2 = ORBITEK_TR_NOOP("Measured", "Převod a patří jen k odporu rotoru R2.");
constexpr const char* PairSumOff = ORBITEK_TR_NOOP(
    "Measured", "Součet R1 + R2' %1 Ω se od odporu nakrátko Rf %2 Ω liší o více než 10 %; použit je poměr R1 : R2'.");

constexpr const char* NotAboveZero = ORBITEK_TR_NOOP("Measured", "%1 musí být větší než nula.");
constexpr const char* ShareOutside = ORBITEK_TR_NOOP("Measured", "%1 musí ležet mezi 0 a 1.");
constexpr const char* NoLoadPowerTooHigh = ORBITEK_TR_NOOP("Measured", "Příkon naprázdno je větší než m · U · I.");
constexpr const char* LockedPowerTooHigh = ORBITEK_TR_NOOP("Measured", "Příkon nakrátko je větší než m · U · I.");
constexpr const char* OutOfRange = ORBITEK_TR_NOOP("Measured", "%1 %2%3 je mimo rozsah %4 až %5%6.");
constexpr const char* R1NotBelowRf = ORBITEK_TR_NOOP("Measured",
                                                     "Odpor R1f %1 Ω není menší než odpor nakrátko Rf %2 Ω.");

// The derived values: in range messages, then in the grid with its units.
constexpr const char* NoLoadCurrent = ORBITEK_TR_NOOP("Measured", "Proud naprázdno");
constexpr const char* NoLoadPowerFactor = ORBITEK_TR_NOOP("Measured", "Účiník naprázdno");
constexpr const char* LockedCurrent = ORBITEK_TR_NOOP("Measured", "Proud nakrátko");
constexpr const char* LockedCurrentAtRated = ORBITEK_TR_NOOP("Measured", "Proud nakrátko při jmenovitém napětí");
constexpr const char* LockedPowerFactor = ORBITEK_TR_NOOP("Measured", "Účiník nakrátko");
constexpr const char* PhaseVoltage = ORBITEK_TR_NOOP("Measured", "Fázové napětí");
constexpr const char* StatorResistance = ORBITEK_TR_NOOP("Measured", "Odpor R1f");
constexpr const char* SynchronousSpeed = ORBITEK_TR_NOOP("Measured", "Synchronní otáčky");
constexpr const char* PerPhaseAmperes = ORBITEK_TR_NOOP("Measured", " A (na fázi)");
constexpr const char* Amperes = " A";
constexpr const char* Volts = " V";
constexpr const char* Ohms = " Ω";

constexpr const char* DerivedTitle = ORBITEK_TR_NOOP("Measured", "Hodnoty odvozené z měření");
constexpr const char* DerivedValue = ORBITEK_TR_NOOP("Measured", "Hodnota");
constexpr const char* DerivedUnit = ORBITEK_TR_NOOP("Measured", "Jedn.");
constexpr const char* GridAmperes = "A";
constexpr const char* GridVolts = "V";
constexpr const char* GridOhms = ORBITEK_TR_NOOP("Measured", "Ohmů"); // as the values table writes it
constexpr const char* GridSpeed = "1/min";

constexpr const char* BadPhases = ORBITEK_TR_NOOP("Measured", "počet fází musí být 1 nebo 3, ne '%1'");
constexpr const char* BadConnection = ORBITEK_TR_NOOP("Measured", "spojení musí být star nebo delta, ne '%1'");
constexpr const char* BadFrequency = ORBITEK_TR_NOOP("Measured", "kmitočet musí být 50 nebo 60, ne '%1'");
constexpr const char* BadPoles = ORBITEK_TR_NOOP("Measured", "počet pólů musí být sudé číslo od 2 do 20, ne '%1'");
constexpr const char* BadResistanceKind = ORBITEK_TR_NOOP(
    "Measured", "druh odporu musí být phase, terminals, share, pair nebo ratio, ne '%1'");

constexpr const char* NoLoadVoltageOff = ORBITEK_TR_NOOP(
    "Measured",
    "Napětí naprázdno se od jmenovitého liší o více než 5 %; proud naprázdno je použit tak, jak byl naměřen.");
constexpr const char* LockedCurrentLow = ORBITEK_TR_NOOP(
    "Measured", "Proud nakrátko přepočtený na jmenovité napětí %1 A je menší než trojnásobek proudu naprázdno %2 A.");
constexpr const char* NoLoadPowerFactorHigh = ORBITEK_TR_NOOP("Measured", "Účiník naprázdno %1 je větší než %2.");
constexpr const char* LockedVoltageHigh = ORBITEK_TR_NOOP("Measured", "Napětí nakrátko je vyšší než jmenovité napětí.");
constexpr const char* PolesNotGiven = ORBITEK_TR_NOOP(
    "Measured", "Počet pólů nezadán: momenty v N·m platí pro 2p = %1 (%2 1/min); synchronní watty platí vždy.");
} // namespace text

const char* CaptionOf(Reading reading)
{
    for (const auto& [r, caption] : text::Caption)
        if (r == reading)
            return caption;
    return "";
}

// One derived value's allowed range, as its message states it.
struct RangeCheck {
    Reading field;
    const char* caption;
    const char* unitOfValue; // after the value
    const char* unitOfRange; // after the range
    long double low, high;
    int decimals; // of the value, at least
};

using namespace limits;
// The currents and the voltage in the measured form's wide ranges; the other limits are the input dialog's.
constexpr RangeCheck CurrentRange0{
    Reading::I0, text::NoLoadCurrent, text::PerPhaseAmperes, text::Amperes, MeasuredMinCurrent, MeasuredMaxCurrent, 2};
constexpr RangeCheck PowerFactorRange0{Reading::P0, text::NoLoadPowerFactor, "", "", MinPowerFactor, MaxPowerFactor, 3};
constexpr RangeCheck CurrentRangeK{Reading::Ik,
                                   text::LockedCurrentAtRated,
                                   text::PerPhaseAmperes,
                                   text::Amperes,
                                   MeasuredMinCurrent,
                                   MeasuredMaxCurrent,
                                   2};
constexpr RangeCheck PowerFactorRangeK{Reading::Pk, text::LockedPowerFactor, "", "", MinPowerFactor, MaxPowerFactor, 3};
constexpr RangeCheck VoltageRange{
    Reading::Un, text::PhaseVoltage, text::Volts, text::Volts, MeasuredMinVoltage, MeasuredMaxVoltage, 2};
constexpr RangeCheck ResistanceRange{Reading::R1, text::StatorResistance, text::Ohms, text::Ohms, MinR1f, MaxR1f, 4};

// The tolerances and ratios the warnings use.
constexpr long double VoltageTolerance = 0.05L;
constexpr long double PairSumTolerance = 0.1L;
constexpr long double LeastCurrentRatio = 3;
constexpr long double HighNoLoadPowerFactor = 0.5L;
constexpr int MaxMessageDecimals = 12;

// √3 and the speed rule at 60 Hz: 60 s/min · 60 Hz / p = 7200 / 2p.
constexpr long double Sqrt3 = 1.732050807568877293527446341505872366943L;
constexpr long double SixtyHertzSpeedNumerator = 7200;

bool InRange(long double v, long double low, long double high)
{
    return v >= low && v <= high;
}

// A text of this unit in the current language.
std::string Tr(const char* text)
{
    return translation::Text("Measured", text);
}

// A message in the current language: its template looked up, the parts put in.
std::string Message(const char* pattern, std::initializer_list<std::string_view> parts)
{
    return translation::Fill(Tr(pattern), parts);
}

// A number for a message: `decimals` decimals with the locale's separator, no grouping.
std::string MessageNumber(long double v, int decimals)
{
    std::string out;
    for (const char c : NumberToFixedText(v, 1, decimals))
        out += c == '.' ? SeparatorText(DecimalSeparator) : std::string(1, c);
    return out;
}

// A value outside [low, high], with as many more decimals as it takes not to look like a value inside.
std::string OutsideNumber(long double v, long double low, long double high, int decimals)
{
    std::string shown = MessageNumber(v, decimals);
    while (decimals < MaxMessageDecimals && std::isfinite(v)) {
        try {
            if (!InRange(TextToNumber(shown), low, high))
                break;
        } catch (const EConvertError&) {
            break;
        }
        shown = MessageNumber(v, ++decimals);
    }
    return shown;
}

// A bound with no more decimals than it has: 1, 0,05.
std::string BoundNumber(long double v)
{
    int decimals = 0;
    std::string shown = MessageNumber(v, decimals);
    while (decimals < MaxMessageDecimals && TextToNumber(shown) != v)
        shown = MessageNumber(v, ++decimals);
    return shown;
}

enum class Connection { Star, Delta };
enum class ResistanceKind { PerPhase, Terminals, Share, Pair, Ratio };

// The choices as read; each stays empty while its text is wrong.
struct Choices {
    int phases = 0;
    std::optional<Connection> connection; // only with three phases
    std::optional<int> frequency, poleIndex;
    std::optional<ResistanceKind> kind;
    bool polesGiven = true;
};

// Reads every choice it can; the first one written wrong is the error.
std::optional<MeasuredRejection> ReadChoices(const MeasuredReadings& r, Choices& c)
{
    std::optional<MeasuredRejection> error;
    auto fail = [&error](Reading field, const char* pattern, const std::string& typed) {
        if (!error)
            error = MeasuredRejection{Message(pattern, {typed}), field};
    };
    if (const int index = PhaseIndex(r.phases); index >= 0)
        c.phases = PhaseTable[index].phases;
    if (c.phases == 3) {
        if (r.connection == choice::Star)
            c.connection = Connection::Star;
        else if (r.connection == choice::Delta)
            c.connection = Connection::Delta;
    }
    if (r.f == choice::Hz50)
        c.frequency = 50;
    else if (r.f == choice::Hz60)
        c.frequency = 60;
    if (r.poles.empty()) {
        c.poleIndex = DefaultSpeedIndex; // computed as before, with a warning
        c.polesGiven = false;
    } else if (const int index = PoleIndex(r.poles); index >= 0) {
        c.poleIndex = index;
    }
    if (r.r1kind == choice::PerPhase)
        c.kind = ResistanceKind::PerPhase;
    else if (r.r1kind == choice::Terminals)
        c.kind = ResistanceKind::Terminals;
    else if (r.r1kind == choice::Share)
        c.kind = ResistanceKind::Share;
    else if (r.r1kind == choice::Pair)
        c.kind = ResistanceKind::Pair;
    else if (r.r1kind == choice::Ratio)
        c.kind = ResistanceKind::Ratio;

    // Reported in the order of the batch columns.
    if (c.phases == 3 && !c.connection)
        fail(Reading::Connection, text::BadConnection, r.connection);
    if (!c.frequency)
        fail(Reading::F, text::BadFrequency, r.f);
    if (!c.poleIndex)
        fail(Reading::Poles, text::BadPoles, r.poles);
    if (c.phases == 0)
        fail(Reading::Phases, text::BadPhases, r.phases);
    if (!c.kind)
        fail(Reading::R1Kind, text::BadResistanceKind, r.r1kind);
    if (c.kind && c.kind != ResistanceKind::Pair && !(r.r2.empty() && r.turns.empty()) && !error)
        error = MeasuredRejection{Tr(text::RotorOnlyInPair), r.r2.empty() ? Reading::Turns : Reading::R2};
    if (c.kind == ResistanceKind::Pair && r.r2.empty() && !r.turns.empty() && !error)
        error = MeasuredRejection{Tr(text::TurnsWithoutR2), Reading::Turns};
    for (const auto& [power, factor] : {std::pair{&MeasuredReadings::p0, &MeasuredReadings::pf0},
                                        std::pair{&MeasuredReadings::pk, &MeasuredReadings::pfk}})
        if (!(r.*power).empty() && !(r.*factor).empty() && !error) {
            const bool noLoad = power == &MeasuredReadings::p0;
            error = MeasuredRejection{Message(text::BothGiven,
                                              {Tr(CaptionOf(noLoad ? Reading::P0 : Reading::Pk)),
                                               Tr(CaptionOf(noLoad ? Reading::Pf0 : Reading::Pfk))}),
                                      noLoad ? Reading::Pf0 : Reading::Pfk};
        }
    return error;
}

// Names the reading a value looks typed in place of.
std::string OtherKindHint(Reading other)
{
    const bool powerFactor = other == Reading::Pf0 || other == Reading::Pfk;
    return Message(powerFactor ? text::GiveAsPowerFactor : text::GiveAsPower, {Tr(CaptionOf(other))});
}

// The order of the errors: the first stage that fails is reported, within it the first reading.
enum class Stage { Choice, Conversion, NotPositive, PowerAboveProduct, Range, ResistanceNotBelowRf, None };

class Converter {
public:
    explicit Converter(const MeasuredReadings& r) : r_(r) {}

    MeasuredConversion Run();

private:
    void Fail(Stage stage, Reading field, std::string message, std::optional<Reading> otherKind = {})
    {
        if (stage < stage_) {
            stage_ = stage;
            out_.error = MeasuredRejection{std::move(message), field, otherKind};
        }
    }

    std::optional<long double> Number(Reading field, const std::string& typed, const char* caption);
    void ReadNumbers();
    void Derive();
    void CheckRange(const RangeCheck& c, const std::optional<long double>& v, std::optional<Reading> field = {},
                    std::optional<Reading> otherKind = {});
    void CheckDerived();
    void Warn();

    // Line to phase values; the line value is divided by the extended √3 where the connection asks.
    long double PhaseVoltage(long double line) const
    {
        return c_.phases == 3 && c_.connection == Connection::Star ? line / Sqrt3 : line;
    }
    long double PhaseCurrent(long double line) const
    {
        return c_.phases == 3 && c_.connection == Connection::Delta ? line / Sqrt3 : line;
    }

    const MeasuredReadings& r_;
    MeasuredConversion out_;
    Stage stage_ = Stage::None;

    Choices c_;
    std::optional<long double> un_, u0_, i0_, p0_, uk_, ik_, pk_, r1_;
    std::optional<long double> pf0_, pfk_, r2_, turns_;
    std::optional<long double> pairSum_; // R1 + R2' of the pair, as multiplied by the factor
    long double factor_ = 1;
    std::optional<long double> rf_;
};

// A reading above zero, or nothing (and the error) when its text is no number or the value is not.
std::optional<long double> Converter::Number(Reading field, const std::string& typed, const char* caption)
{
    long double v = 0;
    try {
        v = TextToNumber(typed);
    } catch (const EConvertError& e) {
        // A text too long for the conversion's message is named by its start and length.
        Fail(Stage::Conversion, field,
             Tr(caption) + ": " + (TooLongToQuote(e) ? RejectedNumberText(e, typed) : e.what()));
        return std::nullopt;
    }
    if (!(v > 0)) {
        Fail(Stage::NotPositive, field, Message(text::NotAboveZero, {Tr(caption)}));
        return std::nullopt;
    }
    return v;
}

void Converter::ReadNumbers()
{
    auto number = [this](Reading field, const std::string& typed) { return Number(field, typed, CaptionOf(field)); };
    un_ = number(Reading::Un, r_.un);
    u0_ = number(Reading::U0, r_.u0);
    i0_ = number(Reading::I0, r_.i0);
    // A test's power factor, where given, stands in for its power.
    if (r_.pf0.empty())
        p0_ = number(Reading::P0, r_.p0);
    else
        pf0_ = number(Reading::Pf0, r_.pf0);
    uk_ = number(Reading::Uk, r_.uk);
    ik_ = number(Reading::Ik, r_.ik);
    if (r_.pfk.empty())
        pk_ = number(Reading::Pk, r_.pk);
    else
        pfk_ = number(Reading::Pfk, r_.pfk);
    if (c_.kind == ResistanceKind::Share) {
        r1_ = Number(Reading::R1, r_.r1, text::RotorShare);
        if (r1_ && !(*r1_ < 1)) {
            Fail(Stage::NotPositive, Reading::R1, Message(text::ShareOutside, {Tr(text::RotorShare)}));
            r1_.reset();
        }
    } else if (c_.kind == ResistanceKind::Ratio) {
        r1_ = Number(Reading::R1, r_.r1, text::RotorStatorRatio);
    } else {
        const bool pair = c_.kind == ResistanceKind::Pair;
        r1_ = Number(Reading::R1, r_.r1,
                     pair                                       ? text::StatorOfPair
                         : c_.kind == ResistanceKind::Terminals ? text::ResistanceBetweenTerminals
                                                                : text::ResistancePerPhase);
        if (pair) {
            r2_ = Number(Reading::R2, r_.r2, r_.turns.empty() ? text::RotorReferred : text::RotorOwnSide);
            if (!r_.turns.empty())
                turns_ = number(Reading::Turns, r_.turns);
            if (!r2_ || (!r_.turns.empty() && !turns_))
                r1_.reset();
        }
        if (!r_.r1factor.empty()) {
            const std::optional<long double> factor = number(Reading::R1Factor, r_.r1factor);
            if (!factor)
                r1_.reset();
            else
                factor_ = *factor;
        }
    }
}

// The fixed order of the steps, each rounded on its own: phase values, then the inputs in the record's
// order, the stator resistance last but one since the share needs Rf, the speed last.
void Converter::Derive()
{
    DerivedInputs& d = out_.derived;
    if (c_.phases == 0 || (c_.phases == 3 && !c_.connection))
        return;
    d.Spotrebic = c_.phases;
    const long double m = c_.phases;
    if (i0_)
        d.PrNapr = PhaseCurrent(*i0_);
    if (p0_ && u0_ && i0_)
        d.UcNapr = *p0_ / (m * PhaseVoltage(*u0_) * PhaseCurrent(*i0_));
    else if (pf0_)
        d.UcNapr = *pf0_;
    if (ik_ && un_ && uk_)
        d.PrNakr = PhaseCurrent(*ik_) * *un_ / *uk_;
    if (pk_ && uk_ && ik_)
        d.UcNakr = *pk_ / (m * PhaseVoltage(*uk_) * PhaseCurrent(*ik_));
    else if (pfk_)
        d.UcNakr = *pfk_;
    if (un_)
        d.FazoveNapeti = PhaseVoltage(*un_);
    if (d.FazoveNapeti && d.PrNakr && d.UcNakr)
        rf_ = *d.FazoveNapeti / *d.PrNakr * *d.UcNakr; // as acceptance computes Rf: division first
    if (r1_ && c_.kind) {
        switch (*c_.kind) {
        case ResistanceKind::PerPhase: d.R1f = *r1_ * factor_; break;
        case ResistanceKind::Terminals: {
            // Star: two phases in series; delta: one phase parallel to two, R = 2/3 Rf.
            long double perPhase = *r1_;
            if (c_.phases == 3)
                perPhase = c_.connection == Connection::Star ? *r1_ / 2 : 3 * *r1_ / 2;
            d.R1f = perPhase * factor_;
            break;
        }
        case ResistanceKind::Share:
            if (rf_)
                d.R1f = *rf_ * (1 - *r1_);
            break;
        case ResistanceKind::Ratio:
            // q = r / (1 + r), then as the share.
            if (rf_)
                d.R1f = *rf_ * (1 - *r1_ / (1 + *r1_));
            break;
        case ResistanceKind::Pair: {
            // The torque line keeps the book's ratio R1 : R2'; their sum need not be Rf.
            const long double r1 = *r1_ * factor_;
            long double r2 = *r2_;
            if (turns_) {
                r2 = *turns_ * *turns_ * r2;
                d.TurnsRatio = turns_;
            }
            r2 = r2 * factor_;
            pairSum_ = r1 + r2;
            if (rf_)
                d.R1f = *rf_ * r1 / *pairSum_;
            break;
        }
        }
    }
    if (c_.frequency == 50 && c_.poleIndex)
        d.SynchrOtacky = SpeedTable[*c_.poleIndex].speed; // the same record as the input dialog's choice
    else if (c_.frequency == 60 && c_.poleIndex)
        d.SynchrOtacky = SixtyHertzSpeedNumerator / SpeedTable[*c_.poleIndex].poles;
}

void Converter::CheckRange(const RangeCheck& c, const std::optional<long double>& v, std::optional<Reading> field,
                           std::optional<Reading> otherKind)
{
    if (!v || InRange(*v, c.low, c.high))
        return;
    // Small values keep three significant digits: a laboratory motor's milliamperes are not "0,00".
    int decimals = c.decimals;
    if (std::isfinite(*v) && *v > 0 && *v < 1)
        decimals = std::max(decimals, 2 - static_cast<int>(std::floor(std::log10(*v))));
    std::string message = Message(text::OutOfRange,
                                  {Tr(c.caption), OutsideNumber(*v, c.low, c.high, decimals), Tr(c.unitOfValue),
                                   BoundNumber(c.low), BoundNumber(c.high), Tr(c.unitOfRange)});
    // A power factor from watts far below the range is most likely a power factor typed as watts.
    if (otherKind && *v < c.low)
        message += " " + OtherKindHint(*otherKind);
    else
        otherKind.reset();
    Fail(Stage::Range, field.value_or(c.field), std::move(message), otherKind);
}

void Converter::CheckDerived()
{
    const DerivedInputs& d = out_.derived;
    // Each test's third reading: a power above m · U · I, or a power factor above 1, names the other kind.
    auto checkThird = [this](const std::optional<long double>& pf, const std::optional<long double>& typedPf,
                             Reading power, Reading factor, const char* powerTooHigh) {
        if (typedPf && *typedPf > 1)
            Fail(Stage::PowerAboveProduct, factor,
                 Message(text::PowerFactorAboveOne, {Tr(CaptionOf(factor)), MessageNumber(*typedPf, 3)}) + " " +
                     OtherKindHint(power),
                 power);
        else if (!typedPf && pf && !(*pf < 1))
            Fail(Stage::PowerAboveProduct, power, Tr(powerTooHigh) + " " + OtherKindHint(factor), factor);
    };
    checkThird(d.UcNapr, pf0_, Reading::P0, Reading::Pf0, text::NoLoadPowerTooHigh);
    checkThird(d.UcNakr, pfk_, Reading::Pk, Reading::Pfk, text::LockedPowerTooHigh);
    CheckRange(CurrentRange0, d.PrNapr);
    if (pf0_)
        CheckRange(PowerFactorRange0, d.UcNapr, Reading::Pf0);
    else
        CheckRange(PowerFactorRange0, d.UcNapr, std::nullopt, Reading::Pf0);
    CheckRange(CurrentRangeK, d.PrNakr);
    if (pfk_)
        CheckRange(PowerFactorRangeK, d.UcNakr, Reading::Pfk);
    else
        CheckRange(PowerFactorRangeK, d.UcNakr, std::nullopt, Reading::Pfk);
    CheckRange(VoltageRange, d.FazoveNapeti);
    CheckRange(ResistanceRange, d.R1f);
    if (d.R1f && rf_ && !(*d.R1f < *rf_))
        Fail(Stage::ResistanceNotBelowRf, Reading::R1,
             Message(text::R1NotBelowRf,
                     {MessageNumber(*d.R1f, ResistanceRange.decimals), MessageNumber(*rf_, ResistanceRange.decimals)}));
}

void Converter::Warn()
{
    const DerivedInputs& d = out_.derived;
    std::vector<std::string>& w = out_.warnings;
    if (u0_ && un_ && std::fabs(*u0_ - *un_) > VoltageTolerance * *un_)
        w.push_back(Tr(text::NoLoadVoltageOff));
    if (d.PrNakr && d.PrNapr && *d.PrNakr < LeastCurrentRatio * *d.PrNapr)
        w.push_back(Message(text::LockedCurrentLow, {MessageNumber(*d.PrNakr, 2), MessageNumber(*d.PrNapr, 2)}));
    if (d.UcNapr && *d.UcNapr > HighNoLoadPowerFactor && *d.UcNapr < 1)
        w.push_back(Message(text::NoLoadPowerFactorHigh, {MessageNumber(*d.UcNapr, 3), MessageNumber(0.5L, 1)}));
    if (uk_ && un_ && *uk_ > *un_)
        w.push_back(Tr(text::LockedVoltageHigh));
    if (!c_.polesGiven && d.SynchrOtacky)
        w.push_back(Message(text::PolesNotGiven,
                            {std::to_string(SpeedTable[*c_.poleIndex].poles), MessageNumber(*d.SynchrOtacky, 0)}));
    if (pairSum_ && rf_ && std::fabs(*pairSum_ - *rf_) > PairSumTolerance * *rf_)
        w.push_back(Message(
            text::PairSumOff,
            {MessageNumber(*pairSum_, ResistanceRange.decimals), MessageNumber(*rf_, ResistanceRange.decimals)}));
}

MeasuredConversion Converter::Run()
{
    // Huge readings may overflow to infinity, which the range checks refuse; the caller's flags stay.
    const fpcheck::FaultScope faultScope;
    if (std::optional<MeasuredRejection> error = ReadChoices(r_, c_))
        Fail(Stage::Choice, error->field, std::move(error->message));
    ReadNumbers();
    Derive();
    CheckDerived();
    Warn();
    return std::move(out_);
}

// Acceptance's field at fault as the reading the user corrects.
Reading ReadingOf(InputField field)
{
    switch (field) {
    case InputField::PrNapr: return Reading::I0;
    case InputField::UcNapr: return Reading::P0;
    case InputField::PrNakr: return Reading::Ik;
    case InputField::UcNakr: return Reading::Pk;
    case InputField::FazoveNapeti: return Reading::Un;
    case InputField::R1f: return Reading::R1;
    }
    return Reading::Un;
}

} // namespace

MeasuredConversion ConvertReadings(const MeasuredReadings& readings)
{
    return Converter(readings).Run();
}

MeasuredOutcome AcceptMeasured(const MeasuredReadings& readings, TKonstrukce& target, ConstructionRows rows)
{
    MeasuredOutcome outcome{ConvertReadings(readings), std::nullopt};
    if (outcome.conversion.error) {
        outcome.rejection = outcome.conversion.error;
        return outcome;
    }
    const DerivedInputs& d = outcome.conversion.derived;
    const MotorValues values{*d.PrNapr,       *d.UcNapr, *d.PrNakr,   *d.UcNakr,
                             *d.FazoveNapeti, *d.R1f,    d.Spotrebic, *d.SynchrOtacky};
    if (const std::optional<Rejection> r = AcceptValues(values, target, MeasuredLimits, rows)) {
        Reading field = ReadingOf(r->field);
        if (field == Reading::P0 && !readings.pf0.empty())
            field = Reading::Pf0;
        else if (field == Reading::Pk && !readings.pfk.empty())
            field = Reading::Pfk;
        outcome.rejection = MeasuredRejection{r->message, field};
        // From readings the two power factors are not typed: the rule and both values say what to check.
        if (r->field == InputField::UcNakr && !(*d.UcNapr < *d.UcNakr)) {
            int decimals = 2;
            while (decimals < 6 && MessageNumber(*d.UcNakr, decimals) == MessageNumber(*d.UcNapr, decimals) &&
                   *d.UcNakr != *d.UcNapr)
                ++decimals;
            outcome.rejection->message = Message(
                ORBITEK_TR_NOOP("Measured", "cos φk %1 musí být větší než cos φ0 %2."),
                {MessageNumber(*d.UcNakr, decimals), MessageNumber(*d.UcNapr, decimals)});
        }
    }
    return outcome;
}

std::optional<MeasuredRejection> ChoiceError(const MeasuredReadings& readings)
{
    Choices c;
    return ReadChoices(readings, c);
}

GridRows DerivedRows(const DerivedInputs& d)
{
    auto row = [](const char* caption, const std::optional<long double>& v, const char* unit) {
        return GridRow{Tr(caption), v ? NumberToGroupedText(*v) : std::string(), Tr(unit)};
    };
    return {
        {Tr(text::DerivedTitle), Tr(text::DerivedValue), Tr(text::DerivedUnit)},
        // The currents are phase values, the locked-rotor one brought to the rated voltage.
        row(ORBITEK_TR_NOOP("Measured", "Proud naprázdno na fázi"), d.PrNapr, text::GridAmperes),
        row(text::NoLoadPowerFactor, d.UcNapr, ""),
        row(ORBITEK_TR_NOOP("Measured", "Proud nakrátko na fázi, při jmenovitém napětí"), d.PrNakr, text::GridAmperes),
        row(text::LockedPowerFactor, d.UcNakr, ""),
        row(text::PhaseVoltage, d.FazoveNapeti, text::GridVolts),
        row(text::StatorResistance, d.R1f, text::GridOhms),
        row(text::SynchronousSpeed, d.SynchrOtacky, text::GridSpeed),
    };
}
