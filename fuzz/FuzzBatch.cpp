// Arbitrary batch files in either form and every format: never a crash, only the batch's own exit
// statuses, the output and the messages valid UTF-8, in text every row with as many cells as the
// header, and in JSON every line an object that parses, each row with the header's columns in order.
#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Batch.h"
#include "ExitStatus.h"
#include "NumText.h"

namespace {

constexpr std::string_view FirstHeader = "i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles\n";

// The first byte chooses the format (bits 0-1), the decimal separator (bit 2) and which header, if
// any, goes before the rest (bits 3-4), so that both forms are reached without guessing a header.
std::string BatchFileOf(const std::uint8_t* data, std::size_t size, OutputFormat& format)
{
    const std::uint8_t choice = data[0];
    format = (choice & 3) == 1 ? OutputFormat::Csv : (choice & 3) == 2 ? OutputFormat::Json : OutputFormat::Text;
    DecimalSeparator = (choice & 4) ? U'.' : U',';
    std::string file;
    switch ((choice >> 3) & 3) {
    case 0: file = FirstHeader; break;
    case 1: file = std::string(MeasuredBatchHeader) + "\n"; break;
    default: break;
    }
    file.append(reinterpret_cast<const char*>(data + 1), size - 1);
    return file;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool ValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char b = byte(i);
        std::size_t length = 0;
        char32_t c = 0, least = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            length = 2, c = b & 0x1F, least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            length = 3, c = b & 0x0F, least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            length = 4, c = b & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (byte(i + k) & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// The values are 80-bit: a double would call an accepted 1e4000 an overflow.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool, std::int64_t, std::uint64_t,
                                  long double>;

// Every line an object; the first names the columns, every further one has them, in that order.
bool JsonLinesHold(std::string_view written)
{
    std::vector<std::string> columns;
    bool first = true;
    for (std::size_t start = 0; start < written.size();) {
        const std::size_t end = written.find('\n', start);
        if (end == std::string_view::npos)
            return false; // every line ends
        const Json line = Json::parse(written.substr(start, end - start), nullptr, false);
        start = end + 1;
        if (line.is_discarded() || !line.is_object())
            return false;
        if (first) {
            if (!line.contains("columns") || !line["columns"].is_array())
                return false;
            for (const auto& name : line["columns"])
                columns.push_back(name.get<std::string>());
            first = false;
            continue;
        }
        if (line.size() != columns.size())
            return false;
        std::size_t k = 0;
        for (const auto& [key, value] : line.items())
            if (key != columns[k++] || !(value.is_string() || value.is_number() || value.is_null()))
                return false;
    }
    return true;
}

std::size_t Count(std::string_view text, char c)
{
    std::size_t n = 0;
    for (const char x : text)
        n += x == c;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    OutputFormat format = OutputFormat::Text;
    std::string file = BatchFileOf(data, size, format);
    if (file.empty())
        file = "\n"; // fmemopen wants a buffer of at least one byte
    std::FILE* in = fmemopen(file.data(), file.size(), "rb");
    char* outText = nullptr;
    std::size_t outSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    char* errText = nullptr;
    std::size_t errSize = 0;
    std::FILE* err = open_memstream(&errText, &errSize);
    if (in == nullptr || out == nullptr || err == nullptr)
        std::abort();
    const int status = RunBatch(in, out, err, format, "fuzz", 1);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    const std::string_view written(outText, outSize);

    if (status != 0 && status != ExitRejected && status != ExitMalformedInput)
        std::abort();
    if (!ValidUtf8(written) || !ValidUtf8(std::string_view(errText, errSize)))
        std::abort();
    if (format == OutputFormat::Text && !written.empty()) {
        const std::size_t cells = Count(written.substr(0, written.find('\n')), '\t');
        for (std::size_t start = 0; start < written.size();) {
            const std::size_t end = written.find('\n', start);
            if (end == std::string_view::npos || Count(written.substr(start, end - start), '\t') != cells)
                std::abort();
            start = end + 1;
        }
    }
    if (format == OutputFormat::Json && !JsonLinesHold(written))
        std::abort();
    std::free(errText);
    std::free(outText);
    return 0;
}
