// The motor data record: inputs, derived resistances, the circle-diagram construction and the torque characteristic.
#pragma once

#include <array>

#include "NumText.h"

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
// Index 1..20 stands for slip i · 0.05; index 0 is never used.
using SlipValues = std::array<long double, SlipCount + 1>;

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
};

// The one record of the process; zero at start.
extern TKonstrukce Konstrukce;

// Radio-group index → value tables.
constexpr int PhaseCount = 2;
constexpr int SpeedCount = 10;
extern const std::array<long double, PhaseCount> PhaseTable; // 1, 3
extern const std::array<long double, SpeedCount> SpeedTable; // 3000 … 300 (428.5, 333.333)
