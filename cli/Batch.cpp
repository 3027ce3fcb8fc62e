// Batch mode: reads a motor per line, accepts and computes it as the input dialog would, and writes
// its row in the file's order. Lines go in blocks to worker threads, at most a few blocks at a time,
// so that memory stays the same however many motors the file holds.
#include "Batch.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cfenv>
#include <charconv>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include <cstdio>
#include <unistd.h>

#include "Acceptance.h"
#include "Characteristic.h"
#include "ExitStatus.h"
#include "InputFile.h"
#include "Measured.h"
#include "Render.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

// The text a motor's row typed for one of the six inputs.
const std::string& TypedText(const TypedInput& input, InputField field)
{
    switch (field) {
    case InputField::PrNapr: return input.PrNapr;
    case InputField::UcNapr: return input.UcNapr;
    case InputField::PrNakr: return input.PrNakr;
    case InputField::UcNakr: return input.UcNakr;
    case InputField::FazoveNapeti: return input.FazoveNapeti;
    case InputField::R1f: break;
    }
    return input.R1f;
}

// A motor line is a few dozen bytes; a line this long is no motor, and the bound keeps memory fixed.
constexpr std::size_t MaxLineBytes = 64 * 1024;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
// A block is a few hundred kilobytes of rows: big enough that handing it to a thread costs nothing
// next to computing it, small enough that the blocks in flight stay small.
constexpr std::size_t BlockLines = 1024;
constexpr std::size_t BlockBytes = 64 * 1024;
// Blocks read ahead per thread, so that no thread waits for the reader or for the writer.
constexpr std::size_t BlocksPerJob = 2;

// Lines of a stream without their line ends, read through one fixed buffer.
class LineReader {
public:
    enum class Status { Line, End, TooLong, ReadError };

    // Room for the longest line and its CR LF.
    explicit LineReader(std::FILE* in) : in_(in), buffer_(MaxLineBytes + 2) {}

    // The next line, valid until the next call; a CR before the LF is taken off.
    Status Next(std::string_view& line)
    {
        for (;;) {
            const char* begin = buffer_.data() + begin_;
            if (const void* lf = std::memchr(begin, '\n', end_ - begin_)) {
                const std::size_t length = static_cast<const char*>(lf) - begin;
                begin_ += length + 1;
                line = Trimmed({begin, length});
                return line.size() <= MaxLineBytes ? Status::Line : Status::TooLong;
            }
            if (atEnd_) {
                if (begin_ == end_)
                    return Status::End;
                line = Trimmed({begin, end_ - begin_});
                begin_ = end_;
                return line.size() <= MaxLineBytes ? Status::Line : Status::TooLong;
            }
            std::memmove(buffer_.data(), begin, end_ - begin_);
            end_ -= begin_;
            begin_ = 0;
            if (end_ == buffer_.size())
                return Status::TooLong;
            const std::size_t read = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, in_);
            end_ += read;
            if (read == 0) {
                if (std::ferror(in_))
                    return Status::ReadError;
                atEnd_ = true;
            }
        }
    }

private:
    static std::string_view Trimmed(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    std::FILE* in_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
};

// The length of the well-formed UTF-8 sequence at the start of `s` (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
std::size_t Utf8Sequence(std::string_view s)
{
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = byte(0);
    if (b < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the bounds of the second byte
    if (b >= 0xC2 && b <= 0xDF)
        length = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        low = b == 0xE0 ? 0xA0 : 0x80;
        high = b == 0xED ? 0x9F : 0xBF;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        low = b == 0xF0 ? 0x90 : 0x80;
        high = b == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || s.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    return length;
}

// `line` as valid UTF-8: as it is, or with each byte that begins no well-formed sequence replaced by
// U+FFFD in `repaired`, so that every output format stays valid text.
std::string_view ValidUtf8(std::string_view line, std::string& repaired)
{
    std::size_t i = 0;
    while (i < line.size() && static_cast<unsigned char>(line[i]) < 0x80)
        ++i; // a motor line is plain ASCII
    if (i == line.size())
        return line;
    repaired.assign(line.substr(0, i));
    while (i < line.size()) {
        const std::size_t length = Utf8Sequence(line.substr(i));
        if (length == 0) {
            repaired += "\xEF\xBF\xBD";
            ++i;
        } else {
            repaired += line.substr(i, length);
            i += length;
        }
    }
    return repaired;
}

// How one line ended up.
enum class RowKind { Accepted, NotAccepted, Malformed };

// What a thread keeps from one line to the next, so that a line allocates nothing: nothing of it
// outlives the line.
struct Scratch {
    explicit Scratch(TorqueLine line) { k.torqueLine = line; } // acceptance keeps it from one motor to the next

    TKonstrukce k{};
    std::vector<std::string_view> fields; // of the line, as typed
    TypedInput input;
    MeasuredReadings readings;
    std::string cell;
    std::string repaired; // a line made valid UTF-8; the fields point into it
};

// Writes the cells of one output row into a reused string, in one of the three formats.
class RowWriter {
public:
    RowWriter(OutputFormat format, const std::vector<std::string_view>& columns)
        : format_(format), accepted_(ORBITEK_TR("Batch", "OK"))
    {
        // A grouped text holds digits, '-', 'E' and the two separators: only these may need quotes.
        std::string separators = SeparatorText(DecimalSeparator) + SeparatorText(ThousandSeparator);
        std::string quoted;
        AppendCsvField(quoted, separators);
        numbersMayNeedQuotes_ = quoted != separators;
        for (std::string_view column : columns) {
            std::string prefix = ", ";
            AppendJsonString(prefix, column);
            memberPrefixes_.push_back(prefix + ": ");
        }
    }

    void Header(std::string& out, const std::vector<std::string_view>& columns) const
    {
        if (format_ == OutputFormat::Json) {
            out += "{\"columns\": [";
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (i > 0)
                    out += ", ";
                AppendJsonString(out, columns[i]);
            }
            out += "]}\n";
            return;
        }
        for (std::size_t i = 0; i < columns.size(); ++i)
            Text(out, i, columns[i]);
        End(out);
    }

    // The first cell of a row: its line number.
    void Start(std::string& out, long long lineNumber) const
    {
        char digits[24];
        const std::string_view number(digits, std::to_chars(digits, digits + sizeof digits, lineNumber).ptr - digits);
        if (format_ == OutputFormat::Json) {
            out += "{\"line\": ";
            out += number;
        } else {
            out += number;
        }
    }

    // A text cell: a field as typed, a status.
    void Text(std::string& out, std::size_t column, std::string_view text) const
    {
        switch (format_) {
        case OutputFormat::Json:
            out += memberPrefixes_[column];
            AppendJsonString(out, text);
            return;
        case OutputFormat::Csv:
            if (column > 0)
                out += ',';
            AppendCsvField(out, text);
            return;
        case OutputFormat::Text:
            if (column > 0)
                out += '\t';
            out += text;
            return;
        }
    }

    // A result cell: the grouped text in text and CSV, all 21 digits in JSON; empty or null for none.
    void Number(std::string& out, std::size_t column, const OptionalValue& v, std::string& cell) const
    {
        switch (format_) {
        case OutputFormat::Json:
            out += memberPrefixes_[column];
            AppendJsonNumber(out, v);
            return;
        case OutputFormat::Csv:
            out += ',';
            if (!v)
                return;
            if (!numbersMayNeedQuotes_) {
                AppendGroupedText(out, *v);
                return;
            }
            cell.clear(); // a separator such as ',' needs quotes
            AppendGroupedText(cell, *v);
            AppendCsvField(out, cell);
            return;
        case OutputFormat::Text:
            out += '\t';
            if (v)
                AppendGroupedText(out, *v);
            return;
        }
    }

    // The status of an accepted motor, looked up once for the whole file.
    std::string_view AcceptedStatus() const { return accepted_; }

    void End(std::string& out) const
    {
        switch (format_) {
        case OutputFormat::Json: out += "}\n"; return;
        case OutputFormat::Csv: out += "\r\n"; return;
        case OutputFormat::Text: out += '\n'; return;
        }
    }

private:
    OutputFormat format_;
    std::string accepted_;
    bool numbersMayNeedQuotes_ = true;
    std::vector<std::string> memberPrefixes_; // ", \"name\": " for every column, escaped once
};

// One input form of the batch: the header line that selects it, its output columns, and the one
// function that reads a line of it, computes the motor and appends its output row. Rows are computed
// on several threads at once, so the function keeps its state in the thread's Scratch.
struct BatchForm;
using RowFunction = RowKind (*)(const BatchForm& form, std::string_view line, long long lineNumber,
                                const RowWriter& writer, Scratch& s, std::string& out, std::string& reason);

struct BatchForm {
    std::string_view header;
    std::vector<std::string_view> columns;
    // Appends the row of `line` to `out` and says how it ended; for a malformed line, sets `reason`
    // and appends nothing.
    RowFunction row;
    // The readings form's optional columns the header names after its own, in their order.
    std::vector<const ReadingColumn*> optional{};
};

// ---- The motor form: the input dialog's eight values ----

constexpr std::size_t MotorColumns = 8;
constexpr std::size_t ResultColumns = 14;

// Splits `line` into `columns` TAB-separated fields; the reason, in the current language, when it has another count or
// a control character, nothing otherwise.
std::string SplitFields(std::string_view line, std::size_t columns, Scratch& s)
{
    s.fields.resize(columns);
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t tab = line.find('\t', start);
        if (count < columns)
            s.fields[count] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    ++count;
    if (count != columns)
        return translation::Fill(ORBITEK_TR("Batch", "očekáváno %1 sloupců oddělených tabulátorem, nalezeno %2"),
                                 {std::to_string(columns), std::to_string(count)});
    for (char ch : line)
        if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t')
            return ORBITEK_TR("Batch", "řídicí znak uvnitř řádku");
    return {};
}

// The reason a line is no motor, in the current language, or nothing when it is one.
std::string ParseMotor(std::string_view line, Scratch& s)
{
    if (std::string reason = SplitFields(line, MotorColumns, s); !reason.empty())
        return reason;
    const auto& f = s.fields;
    TypedInput& z = s.input;
    z.PrNapr.assign(f[0]);
    z.UcNapr.assign(f[1]);
    z.PrNakr.assign(f[2]);
    z.UcNakr.assign(f[3]);
    z.FazoveNapeti.assign(f[4]);
    z.R1f.assign(f[5]);
    z.SpotrebicIndex = PhaseIndex(f[6]);
    if (z.SpotrebicIndex < 0)
        return translation::Fill(ORBITEK_TR("Batch", "počet fází musí být 1 nebo 3, ne '%1'"), {f[6]});
    z.SynchrOtackyIndex = PoleIndex(f[7]);
    if (z.SynchrOtackyIndex < 0)
        return translation::Fill(ORBITEK_TR("Batch", "počet pólů musí být sudé číslo od 2 do 20, ne '%1'"), {f[7]});
    return {};
}

// The results of one accepted motor, in the order of the last columns.
std::array<OptionalValue, ResultColumns> Results(const TKonstrukce& k)
{
    const PrintedCharacteristic c = ReadPrintedCharacteristic(k);
    return {k.Ao.x,           k.Ao.y,      k.Ak.x,           k.Ak.y,         k.StredKruznice.x,
            k.Polomer,        k.AInf.x,    k.AInf.y,         c.maxTorque,    c.maxTorqueSlip,
            c.startingTorque, c.maxOutput, c.maxPowerFactor, c.maxEfficiency};
}

RowKind MotorRow(const BatchForm&, std::string_view line, long long lineNumber, const RowWriter& writer, Scratch& s,
                 std::string& out, std::string& reason)
{
    reason = ParseMotor(line, s);
    if (!reason.empty())
        return RowKind::Malformed;

    // A batch prints none of the characteristic's rows but the last: only that one is computed. The
    // record is the thread's own and is thrown away after a rejection.
    std::string_view status = writer.AcceptedStatus();
    std::string rejection;
    try {
        if (const std::optional<Rejection> r = AcceptInPlace(s.input, s.k, ConstructionRows::LastOnly))
            rejection = r->message;
    } catch (const EFieldConvertError& e) { // a text that is no number
        rejection = TooLongToQuote(e) ? RejectedNumberText(e, TypedText(s.input, e.field)) : e.what();
    } catch (const OrbitekError& e) { // a fault of the construction
        rejection = e.what();
    }
    if (!rejection.empty())
        status = rejection;

    std::size_t column = 0;
    writer.Start(out, lineNumber);
    for (std::string_view field : s.fields)
        writer.Text(out, ++column, field);
    writer.Text(out, ++column, status);
    if (rejection.empty()) {
        for (const OptionalValue& v : Results(s.k))
            writer.Number(out, ++column, v, s.cell);
    } else {
        for (std::size_t i = 0; i < ResultColumns; ++i)
            writer.Number(out, ++column, std::nullopt, s.cell);
    }
    writer.End(out);
    return rejection.empty() ? RowKind::Accepted : RowKind::NotAccepted;
}

// ---- The readings form: the tests as measured ----

constexpr std::size_t DerivedColumns = 7;

// The row's values between the status and the first form's results.
std::array<OptionalValue, DerivedColumns> DerivedValues(const DerivedInputs& d)
{
    return {d.PrNapr, d.UcNapr, d.PrNakr, d.UcNakr, d.FazoveNapeti, d.R1f, d.SynchrOtacky};
}

// The readings converted and accepted as the measured values dialog does it; the row holds the readings
// as typed, the status, the derived values, the first form's results and the warnings.
RowKind ReadingsRow(const BatchForm& form, std::string_view line, long long lineNumber, const RowWriter& writer,
                    Scratch& s, std::string& out, std::string& reason)
{
    reason = SplitFields(line, BatchReadingCount + form.optional.size(), s);
    if (!reason.empty())
        return RowKind::Malformed;
    for (std::size_t i = 0; i < BatchReadingCount; ++i)
        (s.readings.*(ReadingColumns[i].text)).assign(s.fields[i]);
    for (std::size_t i = 0; i < form.optional.size(); ++i)
        (s.readings.*(form.optional[i]->text)).assign(s.fields[BatchReadingCount + i]);
    if (const std::optional<MeasuredRejection> e = ChoiceError(s.readings)) {
        reason = e->message;
        return RowKind::Malformed;
    }

    DerivedInputs derived;
    std::vector<std::string> warnings;
    std::optional<MeasuredRejection> rejection;
    try {
        // Only the last row, as in the first form: the row prints nothing else of the table.
        MeasuredOutcome outcome = AcceptMeasured(s.readings, s.k, ConstructionRows::LastOnly);
        derived = outcome.conversion.derived;
        warnings = std::move(outcome.conversion.warnings);
        rejection = std::move(outcome.rejection);
    } catch (const OrbitekError& e) { // a fault of the construction
        derived = ConvertReadings(s.readings).derived;
        rejection = MeasuredRejection{e.what(), Reading::Un};
    }

    std::size_t column = 0;
    writer.Start(out, lineNumber);
    for (std::string_view field : s.fields)
        writer.Text(out, ++column, field);
    writer.Text(out, ++column, rejection ? std::string_view(rejection->message) : writer.AcceptedStatus());
    for (const OptionalValue& v : DerivedValues(derived))
        writer.Number(out, ++column, v, s.cell);
    if (!rejection) {
        for (const OptionalValue& v : Results(s.k))
            writer.Number(out, ++column, v, s.cell);
    } else {
        for (std::size_t i = 0; i < ResultColumns; ++i)
            writer.Number(out, ++column, std::nullopt, s.cell);
    }
    std::string joined;
    for (const std::string& w : warnings)
        joined += (joined.empty() ? "" : "; ") + w;
    writer.Text(out, ++column, joined);
    writer.End(out);
    return rejection ? RowKind::NotAccepted : RowKind::Accepted;
}

// The forms a batch file may take, told apart by the header line.
const std::vector<BatchForm>& Forms()
{
    // clang-format off
    static const std::vector<BatchForm> forms{
        {"i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles",
         {"line", "i0", "cos0", "ik", "cosk", "uf", "r1", "phases", "poles", "status",
          "Ao.x", "Ao.y", "Ak.x", "Ak.y", "S.x", "R", "AInf.x", "AInf.y",
          "MaxTorque", "MaxTorqueSlip", "StartingTorque", "MaxOutput", "MaxPowerFactor", "MaxEfficiency"},
         MotorRow},
        {MeasuredBatchHeader,
         {"line", "un", "connection", "f", "poles", "phases", "u0", "i0", "p0", "uk", "ik", "pk", "r1", "r1kind",
          "status", "PrNapr", "UcNapr", "PrNakr", "UcNakr", "FazoveNapeti", "R1f", "SynchrOtacky",
          "Ao.x", "Ao.y", "Ak.x", "Ak.y", "S.x", "R", "AInf.x", "AInf.y",
          "MaxTorque", "MaxTorqueSlip", "StartingTorque", "MaxOutput", "MaxPowerFactor", "MaxEfficiency",
          "warnings"},
         ReadingsRow},
    };
    // clang-format on
    return forms;
}

// The readings form with optional columns after its own (pf0, pfk, r2, turns, each at most once, in
// any order): they come after the readings in the output too. Nothing for any other header.
std::optional<BatchForm> WithOptionalColumns(std::string_view header)
{
    const BatchForm& measured = Forms()[1];
    if (header.size() <= measured.header.size() || header.substr(0, measured.header.size()) != measured.header ||
        header[measured.header.size()] != '\t')
        return std::nullopt;
    BatchForm form = measured;
    std::string_view rest = header.substr(measured.header.size() + 1);
    auto insertAt = std::find(form.columns.begin(), form.columns.end(), "r1kind") + 1;
    for (;;) {
        const std::size_t tab = rest.find('\t');
        const std::string_view name = rest.substr(0, tab);
        const auto found = std::find_if(ReadingColumns.begin() + FirstOptionalReading, ReadingColumns.end(),
                                        [name](const ReadingColumn& c) { return name == c.name; });
        if (found == ReadingColumns.end())
            return std::nullopt;
        const ReadingColumn* column = &*found;
        if (std::find(form.optional.begin(), form.optional.end(), column) != form.optional.end())
            return std::nullopt;
        form.optional.push_back(column);
        insertAt = form.columns.insert(insertAt, column->name) + 1;
        if (tab == std::string_view::npos)
            return form;
        rest.remove_prefix(tab + 1);
    }
}

// ---- Blocks of lines, computed in parallel and written in order ----

// What ends the reading: the end of the file, a line too long, or a read error.
enum class Stop { None, TooLong, ReadError };

struct Block {
    long long firstLine = 0;
    std::string text;                // the lines, one after another
    std::vector<std::size_t> starts; // where each line starts in `text`; one more entry marks the end

    // Filled when it is computed.
    std::string rows;
    long long accepted = 0, notAccepted = 0;
    long long malformedLine = 0; // 0 for none: every line of the block has its row
    std::string reason;

    // After its lines: why reading stopped there, and the error number of a read error.
    Stop stop = Stop::None;
    long long stopLine = 0;
    int readErrno = 0;

    bool done = false;
    std::exception_ptr error; // what computing it threw

    // Ready for the next lines, keeping the buffers' room: blocks go round, so that the steady state
    // allocates nothing and touches no new pages.
    void Reset()
    {
        firstLine = 0;
        text.clear();
        starts.clear();
        rows.clear();
        accepted = notAccepted = 0;
        malformedLine = 0;
        reason.clear();
        stop = Stop::None;
        stopLine = 0;
        readErrno = 0;
        done = false;
        error = nullptr;
    }
};

void Compute(const BatchForm& form, const RowWriter& writer, Block& b, Scratch& s)
{
    for (std::size_t i = 0; i + 1 < b.starts.size(); ++i) {
        std::string_view line(b.text.data() + b.starts[i], b.starts[i + 1] - b.starts[i]);
        if (line.empty())
            continue;
        line = ValidUtf8(line, s.repaired);
        const long long lineNumber = b.firstLine + static_cast<long long>(i);
        switch (form.row(form, line, lineNumber, writer, s, b.rows, b.reason)) {
        case RowKind::Accepted: ++b.accepted; break;
        case RowKind::NotAccepted: ++b.notAccepted; break;
        case RowKind::Malformed: b.malformedLine = lineNumber; return;
        }
    }
}

// Reads the next block: up to BlockLines lines, or fewer when the bytes fill up or reading stops.
// False at the end of the file with nothing read.
bool ReadBlock(LineReader& reader, long long& lineNumber, Block& b)
{
    b.firstLine = lineNumber + 1;
    b.starts.assign(1, 0);
    while (b.starts.size() <= BlockLines && b.text.size() < BlockBytes) {
        std::string_view line;
        const LineReader::Status status = reader.Next(line);
        if (status == LineReader::Status::End)
            break;
        ++lineNumber;
        if (status != LineReader::Status::Line) {
            b.stop = status == LineReader::Status::TooLong ? Stop::TooLong : Stop::ReadError;
            b.readErrno = errno;
            b.stopLine = lineNumber;
            break;
        }
        b.text += line;
        b.starts.push_back(b.text.size());
    }
    return b.starts.size() > 1 || b.stop != Stop::None;
}

// The threads that compute blocks; the caller reads and writes, in order.
class Workers {
public:
    Workers(int count, const BatchForm& form, const RowWriter& writer, TorqueLine line)
        : form_(form), writer_(writer), line_(line)
    {
        std::fegetenv(&environment_);
        for (int i = 0; i < count; ++i)
            threads_.emplace_back([this] { Run(); });
    }
    ~Workers()
    {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        wake_.notify_all();
        for (std::thread& t : threads_)
            t.join();
    }
    Workers(const Workers&) = delete;
    Workers& operator=(const Workers&) = delete;

    void Submit(const std::shared_ptr<Block>& b)
    {
        {
            const std::lock_guard lock(mutex_);
            waiting_.push_back(b);
        }
        wake_.notify_one();
    }

    void WaitFor(const Block& b)
    {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [&b] { return b.done; });
    }

private:
    void Run()
    {
        std::fesetenv(&environment_); // the same floating-point mode as the thread that reads
        Scratch scratch(line_);
        for (;;) {
            std::shared_ptr<Block> b;
            {
                std::unique_lock lock(mutex_);
                wake_.wait(lock, [this] { return closing_ || !waiting_.empty(); });
                if (closing_)
                    return;
                b = std::move(waiting_.front());
                waiting_.pop_front();
            }
            std::exception_ptr error;
            try {
                Compute(form_, writer_, *b, scratch);
            } catch (...) { // out of memory: reported by the writer, in order, as the reading thread would
                error = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex_);
                b->error = error;
                b->done = true;
            }
            finished_.notify_all();
        }
    }

    const BatchForm& form_;
    const RowWriter& writer_;
    TorqueLine line_;
    std::fenv_t environment_;
    std::mutex mutex_;
    std::condition_variable wake_, finished_;
    std::deque<std::shared_ptr<Block>> waiting_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

} // namespace

int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, OutputFormat format, const std::string& name, int jobs,
             TorqueLine line)
{
    auto write = [out](const std::string& text) {
        return std::fwrite(text.data(), 1, text.size(), out) == text.size();
    };
    // The reason is the one of the write that failed: errno is taken before anything else can change it.
    auto cannotWrite = [err](int error) {
        std::fprintf(err, "orbitek-calc: cannot write the output: %s\n", std::strerror(error != 0 ? error : EIO));
        return ExitCannotWrite;
    };
    // The rows before a malformed line stay written: they go out before its message.
    auto malformed = [&](long long lineNumber, const std::string& reason) {
        const bool flushed = std::fflush(out) == 0 && !std::ferror(out);
        const int flushError = errno;
        const std::string message = translation::Fill(ORBITEK_TR("Batch", "řádek %1: %2"),
                                                      {std::to_string(lineNumber), reason});
        std::fprintf(err, "%s\n", message.c_str());
        return flushed ? ExitMalformedInput : cannotWrite(flushError);
    };
    auto tooLong = [&](long long lineNumber) {
        return malformed(
            lineNumber,
            translation::Fill(ORBITEK_TR("Batch", "řádek je delší než %1 bajtů"), {std::to_string(MaxLineBytes)}));
    };
    auto cannotRead = [&](int error) {
        std::fflush(out);
        std::fprintf(err, "orbitek-calc: cannot read '%s': %s\n", name.c_str(), std::strerror(error));
        return ExitCannotWrite; // 74 is the convention's input/output error, reading included
    };

    // The header line chooses the form.
    LineReader reader(in);
    std::string_view header;
    switch (reader.Next(header)) {
    case LineReader::Status::End: return malformed(1, ORBITEK_TR("Batch", "soubor je prázdný, chybí hlavička"));
    case LineReader::Status::TooLong: return tooLong(1);
    case LineReader::Status::ReadError: return cannotRead(errno);
    case LineReader::Status::Line: break;
    }
    if (header.substr(0, Utf8Bom.size()) == Utf8Bom)
        header.remove_prefix(Utf8Bom.size());
    const BatchForm* form = nullptr;
    for (const BatchForm& f : Forms())
        if (header == f.header)
            form = &f;
    const std::optional<BatchForm> extended = WithOptionalColumns(header);
    if (extended)
        form = &*extended;
    if (!form)
        return malformed(1,
                         ORBITEK_TR("Batch",
                                    "první řádek musí být hlavička i0<TAB>cos0<TAB>ik<TAB>cosk<TAB>uf<TAB>r1<TAB>"
                                    "phases<TAB>poles nebo un<TAB>connection<TAB>f<TAB>poles<TAB>phases<TAB>u0<TAB>"
                                    "i0<TAB>p0<TAB>uk<TAB>ik<TAB>pk<TAB>r1<TAB>r1kind"));
    const RowWriter writer(format, form->columns);
    std::string headerRow;
    writer.Header(headerRow, form->columns);
    if (!write(headerRow))
        return cannotWrite(errno);

    // With one job the reading thread computes each block itself; with more, the workers do, and
    // the reading thread keeps up to BlocksPerJob blocks per worker in flight and writes them in order.
    std::unique_ptr<Workers> workers;
    if (jobs > 1)
        workers = std::make_unique<Workers>(jobs, *form, writer, line);
    const std::size_t inFlightLimit = jobs > 1 ? BlocksPerJob * static_cast<std::size_t>(jobs) : 1;
    Scratch scratch(line);
    std::deque<std::shared_ptr<Block>> inFlight;
    std::vector<std::shared_ptr<Block>> spare; // written blocks, for the next lines
    long long lineNumber = 1;
    long long motors = 0, notAccepted = 0;
    bool reading = true;
    for (;;) {
        while (reading && inFlight.size() < inFlightLimit) {
            std::shared_ptr<Block> b;
            if (spare.empty()) {
                b = std::make_shared<Block>();
            } else {
                b = std::move(spare.back());
                spare.pop_back();
                b->Reset();
            }
            if (!ReadBlock(reader, lineNumber, *b)) {
                reading = false;
                break;
            }
            reading = b->stop == Stop::None;
            if (workers) {
                workers->Submit(b);
            } else {
                Compute(*form, writer, *b, scratch);
                b->done = true;
            }
            inFlight.push_back(std::move(b));
        }
        if (inFlight.empty())
            break;
        const std::shared_ptr<Block> b = std::move(inFlight.front());
        inFlight.pop_front();
        if (workers)
            workers->WaitFor(*b);
        if (b->error)
            std::rethrow_exception(b->error);
        if (!write(b->rows))
            return cannotWrite(errno);
        motors += b->accepted + b->notAccepted;
        notAccepted += b->notAccepted;
        if (b->malformedLine != 0)
            return malformed(b->malformedLine, b->reason);
        if (b->stop == Stop::TooLong)
            return tooLong(b->stopLine);
        if (b->stop == Stop::ReadError)
            return cannotRead(b->readErrno);
        spare.push_back(b);
    }
    if (std::fflush(out) != 0 || std::ferror(out))
        return cannotWrite(errno);
    if (notAccepted > 0) {
        const std::string message = translation::Fill(ORBITEK_TR("Batch", "nepřijato %1 z %2 motorů"),
                                                      {std::to_string(notAccepted), std::to_string(motors)});
        std::fprintf(err, "orbitek-calc: %s\n", message.c_str());
        return ExitRejected;
    }
    return 0;
}

int RunBatch(const std::string& path, OutputFormat format, int jobs, TorqueLine line)
{
    std::FILE* in = stdin;
    if (path != "-") {
        // A FIFO that no process writes to is refused after a while instead of waited for forever.
        InputFile file = OpenInputFile(path);
        in = file.fd >= 0 ? fdopen(file.fd, "rb") : nullptr;
        if (!in && file.fd >= 0) {
            file.error = errno;
            close(file.fd);
        }
        if (in && !file.taken.empty())
            std::ungetc(static_cast<unsigned char>(file.taken.front()), in);
        if (!in) {
            std::fprintf(stderr, "orbitek-calc: cannot open '%s': %s\n", path.c_str(),
                         file.error == NoWriterError
                             ? ORBITEK_TR("Batch", "do FIFO ani zařízení nikdo nezapisuje").c_str()
                             : std::strerror(file.error));
            return ExitNoInput;
        }
    }
    if (jobs <= 0)
        jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int status = RunBatch(in, stdout, stderr, format, path == "-" ? "standard input" : path, jobs, line);
    if (in != stdin)
        std::fclose(in);
    return status;
}
