// The batch file's second form: one motor per line given as its tests' readings.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Characteristic.h"
#include "Measured.h"
#include "OutputFormat.h"

constexpr std::string_view MeasuredBatchHeader = "un\tconnection\tf\tpoles\tphases\tu0\ti0\tp0\tuk\tik\tpk\tr1\tr1kind";

// Reads, accepts and writes the lines of the second form, one at a time, in constant memory. Its row:
// the line number, the thirteen readings as typed, the status, the seven derived values, the result
// columns the first form writes (named by the caller), and the warnings joined by "; ".
class MeasuredBatchRows {
public:
    MeasuredBatchRows(OutputFormat format, std::span<const char* const> resultColumns);

    // The header row, into `out`.
    void Header(std::string& out) const;

    // Takes one line (valid until Row has written it). Returns the reason it is no motor, or empty.
    std::string Read(std::string_view line);
    // Converts and accepts the motor read into `k`; false when it is refused (its row says why).
    bool Accept(TKonstrukce& k);
    // The motor's row, into `out`; `results` empty for a refused motor.
    void Row(std::string& out, long long lineNumber, std::span<const OptionalValue> results) const;

private:
    void Cell(std::string& out, std::size_t column, std::string_view text) const;

    OutputFormat format_;
    std::vector<std::string> columns_;
    std::vector<std::string> memberPrefixes_; // JSON: ", \"name\": " for each column, escaped once
    std::array<std::string_view, BatchReadingCount> fields_;
    MeasuredReadings readings_;
    std::string status_;
    DerivedInputs derived_;
    std::vector<std::string> warnings_;
};
