// Bit-for-bit comparison of two motor records, value bytes only (an extended value's padding is undefined).
#pragma once

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "Konstrukce.h"

// The position of the first extended value of the record that differs between the two, or -1; the
// torque-line choice after the last value counts as one more position.
inline int DifferingValue(const TKonstrukce& a, const TKonstrukce& b)
{
    // The record is extended values laid out one after another, then the choice of the torque line.
    static_assert(std::is_standard_layout_v<TKonstrukce>);
    constexpr std::size_t valuesEnd = offsetof(TKonstrukce, torqueLine);
    static_assert(valuesEnd % sizeof(long double) == 0);
    constexpr std::size_t valueBytes = 10;
    const auto* pa = reinterpret_cast<const unsigned char*>(&a);
    const auto* pb = reinterpret_cast<const unsigned char*>(&b);
    for (std::size_t i = 0; i < valuesEnd; i += sizeof(long double))
        if (std::memcmp(pa + i, pb + i, valueBytes) != 0)
            return static_cast<int>(i / sizeof(long double));
    if (a.torqueLine != b.torqueLine)
        return static_cast<int>(valuesEnd / sizeof(long double));
    return -1;
}

inline bool SameBits(const TKonstrukce& a, const TKonstrukce& b)
{
    return DifferingValue(a, b) < 0;
}
