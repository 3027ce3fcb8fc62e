// The file format by name and the 1-2-5 series of scales, without Qt.
#include "PageChoices.h"

#include <algorithm>
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
    Series s{1, static_cast<int>(std::floor(std::log10(value))) - 1};
    s.exponent = std::clamp(s.exponent, -ExponentLimit, ExponentLimit);
    while (s.Value() < value * (1 - Tolerance) && s.exponent <= ExponentLimit)
        s = s.Next();
    return s;
}

std::optional<Series> SeriesValue(long double value)
{
    if (!(value > 0) || !std::isfinite(static_cast<double>(value)))
        return std::nullopt;
    const int e = static_cast<int>(std::floor(std::log10(static_cast<double>(value))));
    for (int exponent = e - 1; exponent <= e + 1; ++exponent)
        for (int mantissa : {1, 2, 5}) {
            const Series s{mantissa, exponent};
            if (std::abs(exponent) <= ExponentLimit &&
                std::abs(s.Value() - static_cast<double>(value)) <= 1e-12 * static_cast<double>(value))
                return s;
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
