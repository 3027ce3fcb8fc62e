// Arbitrary 80-bit patterns into the formatters: never a crash or a hang, always a bounded text; the
// fast grouped text as the digit-by-digit one writes it, the 21-digit text as the C library does.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "GroupedTextReference.h"
#include "NumText.h"

namespace {

constexpr std::size_t ExtendedBytes = 10;
// The width cap; the longest body ("-", 37 integer digits, ".", 216 decimals) is as long.
constexpr std::size_t MaxFixedText = 255;

void CheckLength(const std::string& text, std::size_t limit)
{
    if (text.empty() || text.size() > limit)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < ExtendedBytes)
        return 0;
    long double value = 0;
    std::memcpy(&value, data, ExtendedBytes);
    const int width = size > ExtendedBytes ? static_cast<std::int8_t>(data[ExtendedBytes]) * 3 : 1;
    const int decimals = size > ExtendedBytes + 1 ? static_cast<std::int8_t>(data[ExtendedBytes + 1]) * 2 : 3;
    DecimalSeparator = (data[0] & 1) ? U',' : U'.';
    ThousandSeparator = (data[0] & 1) ? U'\u00A0' : U',';

    const std::string grouped = NumberToGroupedText(value);
    CheckLength(grouped, 40);
    if (grouped != reference::GroupedText(value))
        std::abort();
    std::string roundTrip;
    AppendRoundTripText(roundTrip, value);
    char library[64];
    const auto [end, ec] = std::to_chars(library, library + sizeof library, value, std::chars_format::general, 21);
    if (ec != std::errc{} || roundTrip != std::string_view(library, end - library))
        std::abort();
    CheckLength(NumberToFixedText(value, 1, 3), MaxFixedText);
    CheckLength(NumberToFixedText(value, 1, 2), MaxFixedText);
    CheckLength(NumberToFixedText(value, 3, 3), MaxFixedText);
    CheckLength(NumberToFixedText(value, width, decimals), MaxFixedText);
    return 0;
}
