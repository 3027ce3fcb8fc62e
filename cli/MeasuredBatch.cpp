// The batch file's second form: each line's readings converted and accepted as the measured values
// dialog does it, and written with what they gave.
#include "MeasuredBatch.h"

#include "NumText.h"
#include "Render.h"

namespace {

// Why a line is no motor, as the batch's other reasons say it.
namespace text {
constexpr const char* ColumnsExpected = "očekáváno ";
constexpr const char* ColumnsFound = " sloupců oddělených tabulátorem, nalezeno ";
constexpr const char* ControlCharacter = "řídicí znak uvnitř řádku";
} // namespace text

// The row's own columns; the first form's result columns go between the derived ones and the warnings.
constexpr const char* LineColumn = "line";
constexpr const char* StatusColumn = "status";
constexpr std::array<const char*, 7> DerivedColumns{"PrNapr",       "UcNapr", "PrNakr",      "UcNakr",
                                                    "FazoveNapeti", "R1f",    "SynchrOtacky"};
constexpr const char* WarningsColumn = "warnings";
constexpr std::string_view WarningSeparator = "; ";
constexpr const char* Accepted = "OK";

std::array<OptionalValue, DerivedColumns.size()> DerivedValues(const DerivedInputs& d)
{
    return {d.PrNapr, d.UcNapr, d.PrNakr, d.UcNakr, d.FazoveNapeti, d.R1f, d.SynchrOtacky};
}

} // namespace

MeasuredBatchRows::MeasuredBatchRows(OutputFormat format, std::span<const char* const> resultColumns) : format_(format)
{
    columns_.emplace_back(LineColumn);
    for (std::size_t i = 0; i < BatchReadingCount; ++i)
        columns_.emplace_back(ReadingColumns[i].name);
    columns_.emplace_back(StatusColumn);
    columns_.insert(columns_.end(), DerivedColumns.begin(), DerivedColumns.end());
    columns_.insert(columns_.end(), resultColumns.begin(), resultColumns.end());
    columns_.emplace_back(WarningsColumn);
    for (const std::string& name : columns_)
        memberPrefixes_.push_back(", " + JsonString(name) + ": ");
}

void MeasuredBatchRows::Header(std::string& out) const
{
    out.clear();
    if (format_ == OutputFormat::Json) {
        out += "{\"columns\": [";
        for (std::size_t i = 0; i < columns_.size(); ++i)
            out += (i ? ", " : "") + JsonString(columns_[i]);
        out += "]}\n";
        return;
    }
    for (std::size_t i = 0; i < columns_.size(); ++i)
        Cell(out, i, columns_[i]);
    out += format_ == OutputFormat::Csv ? "\r\n" : "\n";
}

std::string MeasuredBatchRows::Read(std::string_view line)
{
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t tab = line.find('\t', start);
        if (count < BatchReadingCount)
            fields_[count] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    ++count;
    if (count != BatchReadingCount)
        return text::ColumnsExpected + std::to_string(BatchReadingCount) + text::ColumnsFound + std::to_string(count);
    for (const char ch : line)
        if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t')
            return text::ControlCharacter;
    for (std::size_t i = 0; i < BatchReadingCount; ++i)
        (readings_.*(ReadingColumns[i].text)).assign(fields_[i]);
    if (const std::optional<MeasuredRejection> e = ChoiceError(readings_))
        return e->message;
    return {};
}

bool MeasuredBatchRows::Accept(TKonstrukce& k)
{
    std::optional<MeasuredRejection> rejection;
    try {
        MeasuredOutcome outcome = AcceptMeasured(readings_, k);
        derived_ = outcome.conversion.derived;
        warnings_ = std::move(outcome.conversion.warnings);
        rejection = std::move(outcome.rejection);
    } catch (const OrbitekError& e) { // a fault of the construction
        derived_ = ConvertReadings(readings_).derived;
        warnings_.clear();
        rejection = MeasuredRejection{e.what(), Reading::Un};
    }
    status_ = rejection ? rejection->message : Accepted;
    return !rejection;
}

void MeasuredBatchRows::Row(std::string& out, long long lineNumber, std::span<const OptionalValue> results) const
{
    out.clear();
    std::string warnings;
    for (const std::string& w : warnings_)
        warnings += (warnings.empty() ? "" : std::string(WarningSeparator)) + w;
    const std::size_t resultCount = columns_.size() - 1 - BatchReadingCount - 1 - DerivedColumns.size() - 1;
    auto result = [&](std::size_t i) { return i < results.size() ? results[i] : OptionalValue(); };

    std::size_t column = 0;
    if (format_ == OutputFormat::Json) {
        auto member = [&](const std::string& json) { out += memberPrefixes_[++column] + json; };
        out += "{\"line\": " + std::to_string(lineNumber);
        for (std::string_view field : fields_)
            member(JsonString(std::string(field)));
        member(JsonString(status_));
        for (const OptionalValue& v : DerivedValues(derived_))
            member(JsonNumber(v));
        for (std::size_t i = 0; i < resultCount; ++i)
            member(JsonNumber(result(i)));
        member(JsonString(warnings));
        out += "}\n";
        return;
    }
    auto number = [](const OptionalValue& v) { return v ? NumberToGroupedText(*v) : std::string(); };
    Cell(out, column++, std::to_string(lineNumber));
    for (std::string_view field : fields_)
        Cell(out, column++, field);
    Cell(out, column++, status_);
    for (const OptionalValue& v : DerivedValues(derived_))
        Cell(out, column++, number(v));
    for (std::size_t i = 0; i < resultCount; ++i)
        Cell(out, column++, number(result(i)));
    Cell(out, column++, warnings);
    out += format_ == OutputFormat::Csv ? "\r\n" : "\n";
}

void MeasuredBatchRows::Cell(std::string& out, std::size_t column, std::string_view text) const
{
    if (column > 0)
        out += format_ == OutputFormat::Csv ? ',' : '\t';
    if (format_ == OutputFormat::Csv)
        AppendCsvField(out, text);
    else
        out += text;
}
