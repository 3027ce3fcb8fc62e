// The file format by name and the 1-2-5 series of scales, without Qt.
#include "PageChoices.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace diagram {

namespace {

constexpr double Tolerance = 1e-9; // relative: rounding of the record's own values
constexpr int ExponentLimit = SeriesExponentLimit;

} // namespace

double Series::Value() const
{
    return mantissa * std::pow(10.0, exponent);
}

Series Series::Next() const
{
    switch (mantissa) {
    case 1: return {2, exponent};
    case 2: return {5, exponent};
    default: return {1, exponent + 1};
    }
}

Series Series::Previous() const
{
    switch (mantissa) {
    case 5: return {2, exponent};
    case 2: return {1, exponent};
    default: return {5, exponent - 1};
    }
}

Series SeriesAtLeast(double value)
{
    if (!(value > 0))
        return {1, -ExponentLimit};
    // The decade is held to the series' range before it becomes an integer.
    const double decade = std::clamp(std::floor(std::log10(value)), -ExponentLimit - 1.0, ExponentLimit + 0.0);
    Series s{1, std::max(static_cast<int>(decade) - 1, -ExponentLimit)};
    while (s.Value() < value * (1 - Tolerance) && s.Next().exponent <= ExponentLimit)
        s = s.Next();
    return s;
}

std::optional<Series> SeriesValue(long double value)
{
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    const long double decade = std::floor(std::log10(value));
    if (decade < -ExponentLimit - 1 || decade > ExponentLimit + 1)
        return std::nullopt;
    const int e = static_cast<int>(decade);
    for (int exponent = std::max(e - 1, -ExponentLimit); exponent <= std::min(e + 1, ExponentLimit); ++exponent)
        for (int mantissa : {1, 2, 5}) {
            const Series s{mantissa, exponent};
            if (std::abs(ExactValue(s) - value) <= 1e-12L * value)
                return s;
        }
    return std::nullopt;
}

long double ExactValue(Series s)
{
    long double power = 1;
    for (int i = 0; i < std::abs(s.exponent); ++i)
        power *= 10; // exact up to 10^27
    return s.exponent >= 0 ? s.mantissa * power : s.mantissa / power;
}

const char* PaperCode(Paper paper)
{
    constexpr std::array<const char*, AllPapers.size()> Codes{"A4", "A3", "A2", "A1", "A0", "A5", "Letter", "Legal"};
    return Codes[static_cast<std::size_t>(paper)];
}

std::optional<Paper> PaperOfName(std::string_view name)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (Paper paper : AllPapers) {
        const std::string_view code = PaperCode(paper);
        if (name.size() == code.size() &&
            std::equal(name.begin(), name.end(), code.begin(), [&](char a, char b) { return lower(a) == lower(b); }))
            return paper;
    }
    return std::nullopt;
}

std::optional<FileFormat> FormatOfFileName(std::string_view fileName)
{
    // The extension is what follows the last '.' of the name's last part, as a file manager shows it.
    const std::string_view name = fileName.substr(fileName.rfind('/') + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    std::string suffix(name.substr(dot + 1));
    for (char& c : suffix)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (suffix == "pdf")
        return FileFormat::Pdf;
    if (suffix == "svg")
        return FileFormat::Svg;
    if (suffix == "png")
        return FileFormat::Png;
    return std::nullopt;
}

} // namespace diagram
