// Writes the golden record file: fixed edge motors and 200 seeded random accepted motors.
// Run it only when a value changes on purpose, and say why in the commit that updates the file:
//   build/tests/core/make_golden_records > tests/core/golden/records.txt
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "GoldenRecords.h"
#include "RandomMotors.h"

namespace {

constexpr int RandomMotors = 200;
constexpr std::uint64_t Seed = 20261207;

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
    onePhase.SpotrebicIndex = 0;
    motors.push_back(onePhase);
    for (int speed = 0; speed < SpeedCount; ++speed) {
        TypedInput z = defaults;
        z.SynchrOtackyIndex = speed;
        if (speed != defaults.SynchrOtackyIndex)
            motors.push_back(z);
    }
    return motors;
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
        const TypedInput z = random_motors::RandomMotor(random);
        TKonstrukce k{};
        if (AcceptInput(z, k))
            continue;
        std::fputs(golden::Block(z, k).c_str(), stdout);
        ++accepted;
    }
    return 0;
}
