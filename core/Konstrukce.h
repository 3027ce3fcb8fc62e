// The motor data record: inputs, derived resistances, the circle-diagram construction and the torque characteristic.
#pragma once

#include <array>
#include <string_view>

#include "NumText.h"
#include "Translation.h"

// A point of the diagram in amperes: x reactive (horizontal), y active (vertical).
struct Point {
    long double x = 0;
    long double y = 0;
};

// The circle centre keeps only its abscissa; its ordinate is always Ao.y.
struct Abscissa {
    long double x = 0;
};

struct Segment {
    Point zacatek;
    Point konec;
};

constexpr int SlipCount = 20;
// The slip between neighbouring entries of the characteristic, and the share of the slip line
// between neighbouring division points.
constexpr long double SlipStep = 0.05L;
// Index 1..20 stands for slip i · SlipStep; index 0 is never used.
using SlipValues = std::array<long double, SlipCount + 1>;

// Where the ratio point T of the torque line lies on Ak's vertical: dividing the ordinate from the x
// axis in the ratio R1f : Rf (the program's own construction, the default), or dividing the part of it
// above the no-load line, Ak.y − Ao.y, as most textbooks draw the torque line.
enum class TorqueLine { Axis, NoLoadLine };

struct TKonstrukce {
    // Inputs as last accepted.
    long double PrNapr = 0;       // I0, A
    long double UcNapr = 0;       // cos φ0
    long double PrNakr = 0;       // Ik, A
    long double UcNakr = 0;       // cos φk
    long double FazoveNapeti = 0; // Uf, V
    long double R1f = 0;          // Ω
    long double Spotrebic = 0;    // phases, 1 or 3
    long double SynchrOtacky = 0; // 1/min

    long double Rf = 0;
    long double R21f = 0;

    Point Ao;
    Point Ak;
    Point PrimkaVykonu; // (dX, dY)
    long double DelkaPrimky = 0;
    Point StredPrimky;
    Abscissa StredKruznice;
    long double Polomer = 0;
    long double PolomerPomociAk = 0;
    Point BodPomeru;
    Point AInf;
    Segment PrimkaSkluzu;
    Point KrokSkluzu;
    long double OmegaSynchr = 0;
    long double MeritkoMomentu = 0;

    SlipValues SkluzX{};
    SlipValues SkluzY{};
    SlipValues KruzniceX{};
    SlipValues KruzniceY{};
    SlipValues MomentSkluzu{};
    SlipValues OmegaSkluzu{};

    // Chosen before the construction, which then places T by it; the only field that is no number,
    // kept last so that the values before it form one block.
    TorqueLine torqueLine = TorqueLine::Axis;
};

// The one record of the process; zero at start.
extern TKonstrukce Konstrukce;

// The input dialog's radio groups: what each item shows and what choosing it stores.
struct PhaseChoice {
    const char* caption; // Czech, looked up in context "Konstrukce" where it is shown
    int phases;          // Spotrebic
};

struct SpeedChoice {
    int poles; // 2p
    const char* caption;
    long double speed; // SynchrOtacky, 1/min
};

constexpr int PhaseCount = 2;
constexpr int SpeedCount = 10;

constexpr std::array<PhaseChoice, PhaseCount> PhaseTable{
    {{ORBITEK_TR_NOOP("Konstrukce", "1-fázový"), 1}, {ORBITEK_TR_NOOP("Konstrukce", "3-fázový"), 3}}};

// 2p = 14 stores 428.5 and 2p = 18 the decimal 333.333, not 1000/3, whatever their captions show.
// The captions carry two blanks on each side of the "»".
constexpr std::array<SpeedChoice, SpeedCount> SpeedTable{{
    {2, "2p=2  »  3000", 3000},
    {4, "2p=4  »  1500", 1500},
    {6, "2p=6  »  1000", 1000},
    {8, "2p=8  »  750", 750},
    {10, "2p=10  »  600", 600},
    {12, "2p=12  »  500", 500},
    {14, "2p=14  »  428", 428.5L},
    {16, "2p=16  »  375", 375},
    {18, "2p=18  »  333", 333.333L},
    {20, "2p=20  »  300", 300},
}};

// The entry of a table by the count typed for it: phases "1" or "3", poles "2" … "20"; -1 for any other text.
int PhaseIndex(std::string_view phases);
int PoleIndex(std::string_view poles);
