// Writes the golden record file: fixed edge motors and 200 seeded random accepted motors.
// Run it only when a value changes on purpose, and say why in the commit that updates the file:
//   build/tests/core/make_golden_records > tests/core/golden/records.txt
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "GoldenRecords.h"

namespace {

constexpr int RandomMotors = 200;
constexpr std::uint64_t Seed = 20261207;

// A decimal text with `decimals` digits after the comma, e.g. Text(1234, 2) = "12,34".
std::string Text(long long scaled, int decimals)
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

std::vector<TypedInput> EdgeMotors()
{
    const TypedInput defaults = DefaultInput();
    std::vector<TypedInput> motors{
        defaults,
        // T below Ao: a descending slip line, and the first rows where the 1 % rule takes the farther root.
        {"100", "0,3", "177", "0,41", "220", "0,05", 1, 3},
        // Six integer digits in the coordinates, and eight-digit grouped values.
        {"139,6", "0,01", "1000", "0,99", "220", "0,1", 1, 3},
        {"1", "0,14", "1000", "0,99", "220", "0,1", 1, 3},
        // The inclusive bounds.
        {"1", "0,01", "1000", "0,99", "1000", "0,05", 1, 3},
        {"1", "0,98", "1000", "0,99", "1000", "0,05", 0, 0},
    };
    TypedInput onePhase = defaults;
    onePhase.Spotrebic = 0;
    motors.push_back(onePhase);
    for (int speed = 0; speed < SpeedCount; ++speed) {
        TypedInput z = defaults;
        z.SynchrOtacky = speed;
        if (speed != defaults.SynchrOtacky)
            motors.push_back(z);
    }
    return motors;
}

// Inputs spread over the accepted ranges, typed with up to three decimals.
TypedInput RandomMotor(std::mt19937_64& random)
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
    z.Spotrebic = static_cast<int>(uniform(0, PhaseCount - 1));
    z.SynchrOtacky = static_cast<int>(uniform(0, SpeedCount - 1));
    return z;
}

} // namespace

int main()
{
    DecimalSeparator = U',';
    for (const TypedInput& z : EdgeMotors()) {
        TKonstrukce k{};
        if (AcceptInput(z, k)) {
            std::fprintf(stderr, "edge motor rejected: %s", golden::InputLine(z).c_str());
            return 1;
        }
        std::fputs(golden::Block(z, k).c_str(), stdout);
    }
    std::mt19937_64 random(Seed);
    for (int accepted = 0; accepted < RandomMotors;) {
        const TypedInput z = RandomMotor(random);
        TKonstrukce k{};
        if (AcceptInput(z, k))
            continue;
        std::fputs(golden::Block(z, k).c_str(), stdout);
        ++accepted;
    }
    return 0;
}
