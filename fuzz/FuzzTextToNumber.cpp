// Arbitrary bytes into TextToNumber: a value or the conversion error, never a crash, the FP environment kept.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FpEnvironment.h"
#include "NumText.h"
#include "TextToNumberPaths.h"

namespace {

// Our own fixed text uses '.'; with a ',' separator it must be translated before it is read back.
std::string WithSeparator(std::string text, char separator)
{
    for (char& c : text)
        if (c == '.')
            c = separator;
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    DecimalSeparator = static_cast<char32_t>(separator);
    ThousandSeparator = separator == ',' ? U'\u00A0' : U',';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const FpEnvironment before = FpEnvironment::Capture();
    long double value = 0;
    bool accepted = true;
    try {
        value = TextToNumber(text);
    } catch (const EConvertError&) {
        accepted = false;
    }
    if (!(FpEnvironment::Capture() == before))
        std::abort();
    // Where the value is computed in integers, the x87 steps must give the same bits.
    numtext::ParsedNumber number;
    long double integer = 0, x87 = 0;
    if (numtext::ParseNumberText(text, number) && numtext::ValueInOneRounding(number, integer) &&
        (!numtext::ValueOnX87(number, x87) || std::memcmp(&integer, &x87, 10) != 0))
        std::abort();
    if (!accepted)
        return 0;
    if (!std::isfinite(value))
        std::abort();

    const std::string back = WithSeparator(NumberToFixedText(value, 1, 3), separator);
    try {
        if (!std::isfinite(TextToNumber(back)))
            std::abort();
    } catch (const EConvertError&) {
        // Two significant digits round the largest values past the format's end; nothing else may fail.
        if (std::fabs(value) < 1e4931L)
            std::abort();
    }
    return 0;
}
