// What a diagram file is asked for with, in plain C++ so that the calculator can check it without
// Qt: the file's format by its name, a scale of the 1-2-5 series and the paper.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace diagram {

// A value of the 1-2-5 series, mantissa · 10^exponent: a scale in amperes per millimetre or a tick step.
struct Series {
    int mantissa = 1; // 1, 2 or 5
    int exponent = 0;

    double Value() const;
    Series Next() const;     // 1 → 2 → 5 → 10
    Series Previous() const; // 10 → 5 → 2 → 1
    friend bool operator==(const Series&, const Series&) = default;
};
using Scale = Series; // amperes per millimetre

// 1-2-5 values from 1e-15 to 5e15 are plenty for any accepted motor.
constexpr int SeriesExponentLimit = 15;

// The smallest value of the series that is at least `value`, held to the series' range.
Series SeriesAtLeast(double value);
// The series value `value` stands for (within rounding of its decimal text), or nothing; any value,
// however large, small, negative or not a number, gives one or the other.
std::optional<Series> SeriesValue(long double value);
// The value in the calculation's precision: the mantissa times or divided by a power of ten, rounded once.
long double ExactValue(Series s);

enum class Paper { A4, A3, A2, A1, A0, A5, Letter, Legal };
// The papers the save panel offers.
constexpr std::array<Paper, 5> Papers{Paper::A4, Paper::A3, Paper::A2, Paper::A1, Paper::A0};
// Every paper a page is drawn on: the panel's, and those a printer offers besides.
constexpr std::array<Paper, 8> AllPapers{Paper::A5, Paper::A4, Paper::A3,     Paper::A2,
                                         Paper::A1, Paper::A0, Paper::Letter, Paper::Legal};
// "A4" … "A0", "A5", "Letter", "Legal".
const char* PaperCode(Paper paper);
// The paper a name such as "A3", "a3" or "LETTER" names, or nothing.
std::optional<Paper> PaperOfName(std::string_view name);

enum class FileFormat { Pdf, Svg, Png };

// The format a file name's extension names (.pdf, .svg, .png, in any case), or nothing.
std::optional<FileFormat> FormatOfFileName(std::string_view fileName);

} // namespace diagram
