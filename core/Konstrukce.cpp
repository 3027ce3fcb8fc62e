// The process-wide motor data record.
#include "Konstrukce.h"

TKonstrukce Konstrukce; // every field zero at start

namespace {

// The count a text writes in decimal, without sign or leading zero as the tables' counts are written;
// -1 for any other text.
int CountOf(std::string_view text)
{
    constexpr std::size_t MaxDigits = 3;
    if (text.empty() || text.size() > MaxDigits || text[0] == '0')
        return -1;
    int count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        count = count * 10 + (c - '0');
    }
    return count;
}

template <class Choice, std::size_t N>
int IndexOf(const std::array<Choice, N>& table, int Choice::*count, std::string_view text)
{
    const int wanted = CountOf(text);
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].*count == wanted)
            return static_cast<int>(i);
    return -1;
}

} // namespace

int PhaseIndex(std::string_view phases)
{
    return IndexOf(PhaseTable, &PhaseChoice::phases, phases);
}

int PoleIndex(std::string_view poles)
{
    return IndexOf(SpeedTable, &SpeedChoice::poles, poles);
}
