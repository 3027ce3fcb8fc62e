// What the three conversions share: the separators and the scaling by a power of ten.
#include "NumText.h"

#include <limits>

#include "NumTextParts.h"

char32_t DecimalSeparator = U'.';
char32_t ThousandSeparator = U',';

namespace numtext {

SeparatorBytes EncodeMultibyte(char32_t separator)
{
    char32_t c = separator;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD; // not a character: never write broken UTF-8
    if (c < 0x80)
        return {{static_cast<char>(c)}, 1};
    if (c < 0x800)
        return {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))}, 2};
    if (c < 0x10000)
        return {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (c & 0x3F))},
                3};
    return {{static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
             static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))},
            4};
}

} // namespace numtext

std::string SeparatorText(char32_t separator)
{
    const numtext::SeparatorBytes s = numtext::Encode(separator);
    return std::string(s.bytes, s.size);
}

long double ScaleByPowerOfTen(long double value, int n)
{
    using namespace numtext;
    if (n == 0)
        return value;
    if (n >= ScaleLimit)
        return std::numeric_limits<long double>::infinity();
    if (n <= -ScaleLimit)
        return 0.0L;
    const bool up = n > 0;
    const int m = up ? n : -n;
    // Units, then tens, then hundreds: each step rounded on its own, in this order.
    long double v = up ? value * UnitsTable[m % 32] : value / UnitsTable[m % 32];
    if (const int j = (m / 32) % 16; j != 0)
        v = up ? v * TensTable[j] : v / TensTable[j];
    if (const int k = m / 512; k != 0)
        v = up ? v * HundredsTable[k] : v / HundredsTable[k];
    return v;
}
