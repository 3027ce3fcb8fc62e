// Seeded random motors typed as a user would type them, spread over the ranges acceptance takes.
// Shared by the golden record generator and the property tests; the sequence must not change, or the
// golden records would no longer come from this generator.
#pragma once

#include <random>
#include <string>

#include "Acceptance.h"

namespace random_motors {

// A decimal text with `decimals` digits after the comma, e.g. Text(1234, 2) = "12,34".
inline std::string Text(long long scaled, int decimals)
{
    long long unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    std::string text = std::to_string(scaled / unit);
    if (decimals > 0) {
        const std::string fraction = std::to_string(unit + scaled % unit); // leading 1 keeps the zeros
        text += "," + fraction.substr(1);
    }
    return text;
}

// Inputs spread over the accepted ranges, typed with up to three decimals and a decimal comma.
inline TypedInput RandomMotor(std::mt19937_64& random)
{
    auto uniform = [&random](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    TypedInput z;
    const long long i0 = uniform(1000, 300000);        // 1 … 300 A, in mA
    const long long cos0 = uniform(1, 60);             // 0,01 … 0,60
    const long long ik = uniform(i0 / 1000 + 1, 1000); // above I0, in A
    const long long cosk = uniform(cos0 + 1, 99);
    const long long uf = uniform(10, 1000);
    const long long r1 = uniform(50, 5000); // 0,050 … 5,000 Ω
    z.PrNapr = Text(i0, 3);
    z.UcNapr = Text(cos0, 2);
    z.PrNakr = Text(ik, 0);
    z.UcNakr = Text(cosk, 2);
    z.FazoveNapeti = Text(uf, 0);
    z.R1f = Text(r1, 3);
    z.SpotrebicIndex = static_cast<int>(uniform(0, PhaseCount - 1));
    z.SynchrOtackyIndex = static_cast<int>(uniform(0, SpeedCount - 1));
    return z;
}

} // namespace random_motors
