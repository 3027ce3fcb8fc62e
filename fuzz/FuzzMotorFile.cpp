// Any bytes as a motor file: never a crash or a leak; either an error naming the file, or a motor that
// acceptance takes whole or refuses leaving the record as it was, and that comes back the same once written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "MotorFile.h"
#include "RecordBits.h"

namespace {

constexpr std::string_view FileName = "fuzz.orbitek";

// A record that already holds the default motor's calculation, so that "untouched" is not just "all zero".
TKonstrukce PreviousCalculation()
{
    TKonstrukce k;
    DecimalSeparator = U',';
    AcceptInput(DefaultInput(), k);
    return k;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TKonstrukce previous = PreviousCalculation();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DecimalSeparator = size > 0 && (data[size - 1] & 1) ? U'.' : U',';

    MotorFile motor;
    try {
        motor = ParseMotorFile(bytes, FileName);
    } catch (const EMotorFileError& e) {
        if (std::string_view(e.what()).find(FileName) == std::string_view::npos)
            std::abort();
        return 0;
    }

    TKonstrukce record = previous;
    std::optional<std::string> refused;
    try {
        refused = AcceptMotor(motor, record);
    } catch (const EMathError&) {
        refused = "";
    }
    if (refused) {
        if (!SameBits(record, previous))
            std::abort();
        return 0;
    }
    // Written and read again: the same motor and, accepted, the same record.
    const MotorFile again = ParseMotorFile(MotorFileText(motor), FileName);
    TKonstrukce recomputed = previous;
    if (!(again == motor) || AcceptMotor(again, recomputed) || !SameBits(recomputed, record))
        std::abort();
    return 0;
}
