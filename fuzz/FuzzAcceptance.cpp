// Six arbitrary texts and two arbitrary indices into acceptance: never a crash, never a half-updated record,
// and the batch's construction up to the last row with the same outcome and the same bits but rows 1..19.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Acceptance.h"
#include "RecordBits.h"
#include "SpoctiKonstrukci.h"

namespace {

// A record that already holds the default motor's calculation, so that "untouched" is not just "all zero".
TKonstrukce PreviousCalculation()
{
    TKonstrukce k;
    DecimalSeparator = U',';
    AcceptInput(DefaultInput(), k);
    return k;
}

// Splits the input at '\n' into six texts; the first two bytes are the radio indices.
TypedInput Split(const std::uint8_t* data, std::size_t size)
{
    TypedInput z;
    z.SpotrebicIndex = static_cast<std::int8_t>(data[0]);
    z.SynchrOtackyIndex = static_cast<std::int8_t>(data[1]);
    std::string* fields[] = {&z.PrNapr, &z.UcNapr, &z.PrNakr, &z.UcNakr, &z.FazoveNapeti, &z.R1f};
    std::size_t field = 0;
    for (std::size_t i = 2; i < size; ++i) {
        if (data[i] == '\n' && field + 1 < std::size(fields))
            ++field;
        else
            fields[field]->push_back(static_cast<char>(data[i]));
    }
    return z;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const TKonstrukce previous = PreviousCalculation();
    if (size < 2)
        return 0;
    DecimalSeparator = (data[0] & 0x80) ? U'.' : U',';

    const TypedInput input = Split(data, size);
    TKonstrukce record = previous;
    bool accepted = false;
    std::string outcome = "accepted";
    try {
        if (const auto rejection = AcceptInput(input, record))
            outcome = rejection->message;
        else
            accepted = true;
    } catch (const OrbitekError& e) {
        outcome = e.what();
    }

    TKonstrukce lastRow = previous;
    std::string lastRowOutcome = "accepted";
    try {
        if (const auto rejection = AcceptInPlace(input, lastRow, ConstructionRows::LastOnly))
            lastRowOutcome = rejection->message;
    } catch (const OrbitekError& e) {
        lastRowOutcome = e.what();
    }
    if (lastRowOutcome != outcome)
        std::abort();
    if (accepted) {
        // Rows 1..19 are the only values the batch's construction leaves out.
        for (SlipValues TKonstrukce::*row :
             {&TKonstrukce::SkluzX, &TKonstrukce::SkluzY, &TKonstrukce::KruzniceX, &TKonstrukce::KruzniceY,
              &TKonstrukce::MomentSkluzu, &TKonstrukce::OmegaSkluzu})
            for (int i = 1; i < SlipCount; ++i)
                (lastRow.*row)[i] = (record.*row)[i];
        if (!SameBits(lastRow, record))
            std::abort();
    }

    if (!accepted) {
        if (!SameBits(record, previous))
            std::abort();
        return 0;
    }
    // One whole new calculation: the construction run again on the new inputs gives the same record.
    TKonstrukce again = record;
    SpoctiKonstrukci(again);
    if (!SameBits(again, record))
        std::abort();
    return 0;
}
