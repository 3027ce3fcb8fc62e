// Batch mode: reads a motor per line, accepts and computes it as the input dialog would, and writes
// its row at once, so that memory stays the same however many motors the file holds.
#include "Batch.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <vector>

#include "Acceptance.h"
#include "Characteristic.h"
#include "ExitStatus.h"
#include "Render.h"

namespace {

constexpr std::string_view BatchHeader = "i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles";
constexpr std::size_t InputColumns = 8;
// A motor line is a few dozen bytes; a line this long is no motor, and the bound keeps memory fixed.
constexpr std::size_t MaxLineBytes = 64 * 1024;
constexpr std::size_t OutputBufferBytes = 64 * 1024;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// The output columns; the JSON member names are the same.
// clang-format off
constexpr std::array<const char*, 24> Columns{
    "line", "i0", "cos0", "ik", "cosk", "uf", "r1", "phases", "poles", "status",
    "Ao.x", "Ao.y", "Ak.x", "Ak.y", "S.x", "R", "AInf.x", "AInf.y",
    "MaxTorque", "MaxTorqueSlip", "StartingTorque", "MaxOutput", "MaxPowerFactor", "MaxEfficiency"};
// clang-format on
constexpr std::size_t ResultColumns = 14;

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

// One motor line: its eight fields as typed, and the radio indices of the last two.
struct MotorLine {
    std::array<std::string_view, InputColumns> fields;
    TypedInput input;
};

// The Czech reason a line is no motor, or nothing when it is one.
std::string Parse(std::string_view line, MotorLine& motor)
{
    std::size_t count = 0;
    for (std::size_t start = 0;; ++count) {
        const std::size_t tab = line.find('\t', start);
        if (count < InputColumns)
            motor.fields[count] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    ++count;
    if (count != InputColumns)
        return "očekáváno " + std::to_string(InputColumns) + " sloupců oddělených tabulátorem, nalezeno " +
            std::to_string(count);
    for (char ch : line)
        if (static_cast<unsigned char>(ch) < 0x20 && ch != '\t')
            return "řídicí znak uvnitř řádku";
    const auto& f = motor.fields;
    TypedInput& z = motor.input;
    z.PrNapr.assign(f[0]);
    z.UcNapr.assign(f[1]);
    z.PrNakr.assign(f[2]);
    z.UcNakr.assign(f[3]);
    z.FazoveNapeti.assign(f[4]);
    z.R1f.assign(f[5]);
    z.Spotrebic = PhaseIndex(f[6]);
    if (z.Spotrebic < 0)
        return "počet fází musí být 1 nebo 3, ne '" + std::string(f[6]) + "'";
    z.SynchrOtacky = PoleIndex(f[7]);
    if (z.SynchrOtacky < 0)
        return "počet pólů musí být sudé číslo od 2 do 20, ne '" + std::string(f[7]) + "'";
    return {};
}

// The results of one accepted motor, in the order of the last columns.
std::array<OptionalValue, ResultColumns> Results(const TKonstrukce& k, const CharacteristicPoints& c)
{
    auto at = [](const std::optional<OperatingPoint>& o, OptionalValue OperatingPoint::*value) {
        return o ? (*o).*value : OptionalValue();
    };
    return {k.Ao.x,
            k.Ao.y,
            k.Ak.x,
            k.Ak.y,
            k.StredKruznice.x,
            k.Polomer,
            k.AInf.x,
            k.AInf.y,
            at(c.maxTorque, &OperatingPoint::torque),
            at(c.maxTorque, &OperatingPoint::slip),
            c.startingTorque,
            at(c.maxOutput, &OperatingPoint::output),
            at(c.maxPowerFactor, &OperatingPoint::powerFactor),
            at(c.maxEfficiency, &OperatingPoint::efficiency)};
}

// Writes rows in one of the three formats into a reused string.
class RowWriter {
public:
    explicit RowWriter(OutputFormat format) : format_(format) {}

    void Header(std::string& out) const
    {
        out.clear();
        if (format_ == OutputFormat::Json) {
            out += "{\"columns\": [";
            for (std::size_t i = 0; i < Columns.size(); ++i)
                out += (i ? ", " : "") + JsonString(Columns[i]);
            out += "]}\n";
            return;
        }
        for (std::size_t i = 0; i < Columns.size(); ++i)
            Cell(out, i, Columns[i]);
        out += LineEnd();
    }

    // A row: the line number, the typed fields, the status and the results (none for a rejected motor).
    void Row(std::string& out, long long lineNumber, const MotorLine& motor, const std::string& status,
             const std::array<OptionalValue, ResultColumns>* results) const
    {
        out.clear();
        std::size_t column = 0;
        if (format_ == OutputFormat::Json) {
            out += "{\"line\": " + std::to_string(lineNumber);
            for (std::string_view field : motor.fields)
                Member(out, ++column, JsonString(std::string(field)));
            Member(out, ++column, JsonString(status));
            for (std::size_t i = 0; i < ResultColumns; ++i)
                Member(out, ++column, results ? JsonNumber((*results)[i]) : "null");
            out += "}\n";
            return;
        }
        Cell(out, column++, std::to_string(lineNumber));
        for (std::string_view field : motor.fields)
            Cell(out, column++, field);
        Cell(out, column++, status);
        for (std::size_t i = 0; i < ResultColumns; ++i) {
            const OptionalValue v = results ? (*results)[i] : OptionalValue();
            Cell(out, column++, v ? NumberToGroupedText(*v) : std::string());
        }
        out += LineEnd();
    }

private:
    const char* LineEnd() const { return format_ == OutputFormat::Csv ? "\r\n" : "\n"; }

    void Cell(std::string& out, std::size_t column, std::string_view text) const
    {
        if (column > 0)
            out += format_ == OutputFormat::Csv ? ',' : '\t';
        if (format_ == OutputFormat::Csv)
            AppendCsvField(out, text);
        else
            out += text;
    }

    void Member(std::string& out, std::size_t column, const std::string& json) const
    {
        out += memberPrefixes_[column];
        out += json;
    }

    // ", \"name\": " for every column, escaped once.
    static std::array<std::string, Columns.size()> MemberPrefixes()
    {
        std::array<std::string, Columns.size()> prefixes;
        for (std::size_t i = 0; i < Columns.size(); ++i)
            prefixes[i] = ", " + JsonString(Columns[i]) + ": ";
        return prefixes;
    }

    OutputFormat format_;
    std::array<std::string, Columns.size()> memberPrefixes_ = MemberPrefixes();
};

} // namespace

int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, OutputFormat format, const std::string& name)
{
    const RowWriter writer(format);
    std::string row;
    auto write = [&] { return std::fwrite(row.data(), 1, row.size(), out) == row.size(); };
    auto cannotWrite = [&] {
        std::fputs("orbitek-calc: cannot write the output\n", err);
        return ExitCannotWrite;
    };
    // The rows before a malformed line stay written: they go out before its message.
    auto malformed = [&](long long lineNumber, const std::string& reason) {
        const bool flushed = std::fflush(out) == 0 && !std::ferror(out);
        std::fprintf(err, "řádek %lld: %s\n", lineNumber, reason.c_str());
        return flushed ? ExitMalformedInput : cannotWrite();
    };

    LineReader reader(in);
    std::string_view line;
    long long lineNumber = 0;
    long long motors = 0, notAccepted = 0;
    MotorLine motor;
    TKonstrukce k{};
    std::string repaired; // a line made valid UTF-8; the fields point into it
    for (;;) {
        const LineReader::Status status = reader.Next(line);
        ++lineNumber;
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::ReadError) {
            const int error = errno;
            std::fflush(out);
            std::fprintf(err, "orbitek-calc: cannot read '%s': %s\n", name.c_str(), std::strerror(error));
            return ExitCannotWrite; // 74 is the convention's input/output error, reading included
        }
        if (status == LineReader::Status::TooLong)
            return malformed(lineNumber, "řádek je delší než " + std::to_string(MaxLineBytes) + " bajtů");
        line = ValidUtf8(line, repaired);
        if (lineNumber == 1) {
            if (line.substr(0, Utf8Bom.size()) == Utf8Bom)
                line.remove_prefix(Utf8Bom.size());
            if (line != BatchHeader)
                return malformed(lineNumber,
                                 "první řádek musí být hlavička i0<TAB>cos0<TAB>ik<TAB>cosk<TAB>uf<TAB>r1<TAB>"
                                 "phases<TAB>poles");
            writer.Header(row);
            if (!write())
                return cannotWrite();
            continue;
        }
        if (line.empty())
            continue;
        if (const std::string reason = Parse(line, motor); !reason.empty())
            return malformed(lineNumber, reason);

        ++motors;
        std::string rejection;
        try {
            if (const std::optional<Rejection> r = AcceptInput(motor.input, k))
                rejection = r->message;
        } catch (const OrbitekError& e) { // a text that is no number, or a fault of the construction
            rejection = e.what();
        }
        if (rejection.empty()) {
            const std::array<OptionalValue, ResultColumns> results = Results(
                k, ReadCharacteristicPoints(k, OperatingRows::LastOnly));
            writer.Row(row, lineNumber, motor, "OK", &results);
        } else {
            ++notAccepted;
            writer.Row(row, lineNumber, motor, rejection, nullptr);
        }
        if (!write())
            return cannotWrite();
    }
    if (lineNumber == 1)
        return malformed(1, "soubor je prázdný, chybí hlavička");
    if (std::fflush(out) != 0 || std::ferror(out))
        return cannotWrite();
    if (notAccepted > 0) {
        std::fprintf(err, "orbitek-calc: nepřijato %lld z %lld motorů\n", notAccepted, motors);
        return ExitRejected;
    }
    return 0;
}

int RunBatch(const std::string& path, OutputFormat format)
{
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    // A folder opens for reading but is no file of motors.
    struct stat st {};
    if (in && in != stdin && fstat(fileno(in), &st) == 0 && S_ISDIR(st.st_mode)) {
        std::fclose(in);
        in = nullptr;
        errno = EISDIR;
    }
    if (!in) {
        std::fprintf(stderr, "orbitek-calc: cannot open '%s': %s\n", path.c_str(), std::strerror(errno));
        return ExitNoInput;
    }
    static std::array<char, OutputBufferBytes> outputBuffer;
    std::setvbuf(stdout, outputBuffer.data(), _IOFBF, outputBuffer.size());
    const int status = RunBatch(in, stdout, stderr, format, path == "-" ? "standard input" : path);
    if (in != stdin)
        std::fclose(in);
    return status;
}
