// Arbitrary batch files in either form: never a crash, only the batch's own exit statuses, and in
// text every row with as many cells as the header.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

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
    std::FILE* err = std::fopen("/dev/null", "w");
    if (in == nullptr || out == nullptr || err == nullptr)
        std::abort();
    const int status = RunBatch(in, out, err, format, "fuzz", 1);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    const std::string_view written(outText, outSize);

    if (status != 0 && status != ExitRejected && status != ExitMalformedInput)
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
    std::free(outText);
    return 0;
}
